// The calculator's one window: its controls (built from StartupLayout), its timers and the
// handlers of its events.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "calc/control_ids.h"
#include "calc/formulas.h"
#include "calc/startup_layout.h"
#include "runtime/toolkit.h"
#include "runtime/win_handles.h"

namespace calc {

class StartupWindow {
 public:
  static constexpr wchar_t kClassName[] = L"RankAbacusWindow";
  // Every timer of the calculator ticks once a second.
  static constexpr int kTimerPeriodMs = 1000;

  explicit StartupWindow(CalcState& state) : state_(state) {}
  StartupWindow(const StartupWindow&) = delete;
  StartupWindow& operator=(const StartupWindow&) = delete;
  ~StartupWindow();

  // Creates the window centred on the screen with all its controls and runs the window-created
  // handler; false when Windows refused. Showing it is left to the caller.
  bool Create();
  HWND Handle() const { return window_; }
  // A control by its identifier; null for a timer or an unknown identifier.
  HWND Control(ControlId id) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Building the window from its description.
  void CreateControls();
  HWND CreateControl(const ControlLayout& layout);
  HFONT FontFor(const FontChoice& font);
  void FillRankList(HWND list);
  void FitComboHeight(HWND combo, int height);
  void StackControls();

  // Events.
  void OnWindowCreated();
  void OnCommand(int id, int code);
  void OnTimer(UINT_PTR id);
  LRESULT OnControlColour(UINT message, HDC dc, HWND control);
  LRESULT OnHitTest(LPARAM lParam);

  // Handlers of the calculator (calc/handlers.cpp).
  void RankTimerTick(ControlId list, ControlId experienceField, ControlId pictureBox);
  void OnExperienceGapTick();
  void OnResultTick();
  void OnRmbPriceClicked();
  void OnQcoinPriceClicked();
  void OnLevellingTimeClicked();
  rt::Text Read(ControlId id) const;
  void Write(ControlId id, rt::TextView text);

  CalcState& state_;
  HWND window_ = nullptr;
  std::map<ControlId, HWND> controls_;
  std::vector<std::pair<FontChoice, rt::UniqueFont>> fonts_;
  rt::Timer currentRankTimer_;
  rt::Timer targetRankTimer_;
  rt::Timer gapTimer_;
  rt::Timer resultTimer_;
};

}  // namespace calc
