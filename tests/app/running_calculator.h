// The real calculator program, started in its own process and driven through its window the way
// a user's actions reach it: list selections that notify the list's parent, typed texts, clicks.
#pragma once

#include <windows.h>

#include <string>

#include "calc/control_ids.h"
#include "runtime/win_handles.h"

namespace test {

class RunningCalculator {
 public:
  // Starts the program and waits for its window; Started() tells whether that worked.
  RunningCalculator();
  RunningCalculator(const RunningCalculator&) = delete;
  RunningCalculator& operator=(const RunningCalculator&) = delete;
  // Closes the window if the test did not; a program that hangs is ended.
  ~RunningCalculator();

  bool Started() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  // The control with that identifier anywhere in the window; null when there is none.
  HWND Control(calc::ControlId id) const;

  std::wstring Text(calc::ControlId id) const;
  void Type(calc::ControlId id, const std::wstring& text) const;
  // Selects the rank in a list and notifies the list's parent, as a user's choice does.
  void ChooseRank(calc::ControlId list, const char* gbkName) const;
  // Clicks and waits for the handler to finish.
  void Click(calc::ControlId button) const;
  // Clicks without waiting, for handlers that show a message box.
  void ClickWithoutWaiting(calc::ControlId button) const;

  // Waits up to `timeoutMs` for the control to show `text`.
  bool WaitForText(calc::ControlId id, const std::wstring& text, int timeoutMs) const;

  // The message box the program shows, when there is one.
  HWND MessageBox() const;

  // Closes the window (as Alt+F4 would) and waits for the process; its exit code, or -1 when it
  // did not end within a few seconds.
  long Close();
  // Waits for the process to end on its own; its exit code, or -1.
  long WaitForExit(int timeoutMs);
  DWORD ProcessId() const { return processId_; }
  // Until Close or WaitForExit has seen the process end.
  bool Running() const { return static_cast<bool>(process_); }

 private:
  rt::UniqueKernelHandle process_;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
};

// The driver's own folder, with a trailing backslash.
std::wstring DriverFolder();

}  // namespace test
