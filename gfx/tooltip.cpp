// A tooltip control for tools of one owner window.
#include "gfx/tooltip.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "runtime/gbk.h"

namespace gfx {

namespace {

// The size that every comctl32 version accepts (version 5 refuses the larger one with
// lpReserved), computed for this platform's pointer width.
const UINT kToolInfoSize = TTTOOLINFOW_V2_SIZE;

TOOLINFOW ToolOf(HWND owner, UINT_PTR id) {
  TOOLINFOW tool{};
  tool.cbSize = kToolInfoSize;
  tool.hwnd = owner;
  tool.uId = id;
  return tool;
}

void EnsureTooltipClass() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES};  // tooltips
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)registered;
}

}  // namespace

TooltipWindow::TooltipWindow(TooltipWindow&& other) noexcept
    : tooltip_(std::exchange(other.tooltip_, nullptr)),
      owner_(std::exchange(other.owner_, nullptr)) {}

TooltipWindow& TooltipWindow::operator=(TooltipWindow&& other) noexcept {
  if (this != &other) {
    DestroyControl();
    tooltip_ = std::exchange(other.tooltip_, nullptr);
    owner_ = std::exchange(other.owner_, nullptr);
  }
  return *this;
}

void TooltipWindow::DestroyControl() {
  // The owner's destruction may have taken the control with it already.
  if (tooltip_ != nullptr && IsWindow(tooltip_)) DestroyWindow(tooltip_);
  tooltip_ = nullptr;
}

HWND TooltipWindow::CreateTooltip(HWND owner, bool balloon) {
  DestroyControl();
  EnsureTooltipClass();
  owner_ = owner;
  const DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
  // Owned by the owner window, so that it stays above it and goes away with it.
  tooltip_ =
      CreateWindowExW(0, TOOLTIPS_CLASSW, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  return tooltip_;
}

LRESULT TooltipWindow::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  if (tooltip_ == nullptr) return 0;
  return SendMessageW(tooltip_, message, wParam, lParam);
}

bool TooltipWindow::AddTool(const RECT& rect, rt::TextView text, UINT_PTR id) {
  std::wstring wide = rt::GbkToWide(text);
  TOOLINFOW tool = ToolOf(owner_, id);
  tool.uFlags = TTF_SUBCLASS;
  tool.rect = rect;
  tool.lpszText = wide.data();
  return Send(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
}

void TooltipWindow::DeleteTool(UINT_PTR id) {
  TOOLINFOW tool = ToolOf(owner_, id);
  Send(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TooltipWindow::SetToolRect(UINT_PTR id, const RECT& rect) {
  TOOLINFOW tool = ToolOf(owner_, id);
  tool.rect = rect;
  Send(TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TooltipWindow::SetToolText(UINT_PTR id, rt::TextView text) {
  std::wstring wide = rt::GbkToWide(text);
  TOOLINFOW tool = ToolOf(owner_, id);
  tool.lpszText = wide.data();
  Send(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT TooltipWindow::SetTipBackColour(COLORREF colour) {
  return Send(TTM_SETTIPBKCOLOR, colour, 0);
}

LRESULT TooltipWindow::SetTipTextColour(COLORREF colour) {
  return Send(TTM_SETTIPTEXTCOLOR, colour, 0);
}

LRESULT TooltipWindow::SetMaxTipWidth(int width) { return Send(TTM_SETMAXTIPWIDTH, 0, width); }

}  // namespace gfx
