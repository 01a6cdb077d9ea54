// What the control skins share: their per-kind lists of records, finding a control's record from
// its window, subclassing and passing messages on, walking a parent's children of one class, and a
// DC of the whole window.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "skin/core/module.h"
#include "skin/core/property_keys.h"
#include "skin/core/records.h"
#include "skin/core/window_props.h"

namespace skin {

// ---- Per-kind lists ---------------------------------------------------------------------------
// A new window record's list starts with one free entry: the first control takes it, later ones
// are appended, so entries keep their numbers. An empty list counts as that free entry not made
// yet.

template <typename Record>
int FindEntry(const std::vector<Record>& list, HWND window) {
  if (window == nullptr) return 0;
  for (std::size_t index = 0; index < list.size(); ++index) {
    if (list[index].hwnd == window) return static_cast<int>(index) + 1;
  }
  return 0;
}

template <typename Record>
Record* EntryAt(std::vector<Record>& list, int number) {
  if (number < 1 || static_cast<std::size_t>(number) > list.size()) return nullptr;
  return &list[static_cast<std::size_t>(number) - 1];
}

// What a control's message works on, looked up afresh for every message: passing a message on may
// skin more controls and so move the entries. `entry` is null when the control's Hw_FuID and
// Hw_lbID no longer lead to its own record.
template <typename Record>
struct ControlContext {
  int windowNumber = 0;
  WindowRecord* window = nullptr;
  Record* entry = nullptr;
  int number = 0;
};

template <typename Record>
ControlContext<Record> LookUpControl(HWND control, std::vector<Record> WindowRecord::*list) {
  ControlContext<Record> context;
  context.windowNumber = static_cast<int>(ReadProp(control, prop::Hw_FuID));
  context.number = static_cast<int>(ReadProp(control, prop::Hw_lbID));
  context.window = FindRecord(context.windowNumber);
  if (context.window) context.entry = EntryAt(context.window->*list, context.number);
  if (context.entry && context.entry->hwnd != control) context.entry = nullptr;
  return context;
}

// Gives the 1-based number of the entry a new control takes; the entry is blank.
template <typename Record>
int TakeFreeEntry(std::vector<Record>& list) {
  if (list.empty()) list.emplace_back();
  if (list.front().hwnd == nullptr) {
    list.front() = Record{};
    return 1;
  }
  list.emplace_back();
  return static_cast<int>(list.size());
}

// ---- Subclassing ------------------------------------------------------------------------------

// Puts `procedure` in place and gives the one it replaced.
inline WNDPROC Subclass(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

inline LRESULT PassOnTo(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (previous) return ::CallWindowProcW(previous, window, message, wParam, lParam);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

// To the procedure kept in Hw_hProc.
inline LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return PassOnTo(ReadPropHandle<WNDPROC>(window, prop::Hw_hProc), window, message, wParam, lParam);
}

// ---- Windows ----------------------------------------------------------------------------------

// The direct children of `parent` of class `className` (null: of any class), in z order.
template <typename Visit>
void ForEachChildOfClass(HWND parent, const wchar_t* className, Visit visit) {
  for (HWND child = ::FindWindowExW(parent, nullptr, className, nullptr); child != nullptr;
       child = ::FindWindowExW(parent, child, className, nullptr)) {
    visit(child);
  }
}

// The DC of the whole window rectangle (GetWindowDC), released at the end of the scope.
class ScopedWindowAreaDc {
 public:
  explicit ScopedWindowAreaDc(HWND window) : window_(window), dc_(::GetWindowDC(window)) {}
  ScopedWindowAreaDc(const ScopedWindowAreaDc&) = delete;
  ScopedWindowAreaDc& operator=(const ScopedWindowAreaDc&) = delete;
  ~ScopedWindowAreaDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

inline SIZE WindowSize(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace skin
