// Control texts, timers, the message box, group-box routing and system values of the toolkit.
#include "runtime/toolkit.h"

#include <commctrl.h>
#include <objidl.h>
// GDI+ needs the COM declarations above.
#include <gdiplus.h>

#include <string>
#include <utility>

#include "runtime/gbk.h"
#include "runtime/picture_box.h"

namespace rt {
namespace {

constexpr wchar_t kTransparentLabelProperty[] = L"RtTransparentLabel";
constexpr UINT_PTR kGroupBoxSubclassId = 0x52544742;  // "RTGB"

bool HasClass(HWND window, const wchar_t* className) {
  wchar_t name[32] = {};
  ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return ::lstrcmpiW(name, className) == 0;
}

std::wstring ComboCurrentItem(HWND combo) {
  const LRESULT index = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return {};
  const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR || length <= 0) return {};
  std::wstring item(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied =
      ::SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
  item.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
  return item;
}

bool IsDropDownList(HWND control) {
  constexpr LONG kComboTypes = CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST;
  return HasClass(control, WC_COMBOBOXW) &&
         (::GetWindowLongW(control, GWL_STYLE) & kComboTypes) == CBS_DROPDOWNLIST;
}

// A drop-down list has no text of its own: the text names the item to select, whole (not a prefix
// of it, as CB_SELECTSTRING would take). A text that names no item changes nothing.
void SelectItem(HWND list, const std::wstring& item) {
  const LRESULT index = ::SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(item.c_str()));
  if (index != CB_ERR) ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

// A transparent label paints no background: before it draws its new text, the parent paints the
// area beneath it again (and the label with it).
void RepaintBeneath(HWND label) {
  HWND parent = ::GetParent(label);
  if (!parent) return;
  RECT area;
  ::GetWindowRect(label, &area);
  ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&area), 2);
  ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool IsForwardedToWindow(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      return true;
    default:
      return false;
  }
}

void EraseWithWindowBackground(HWND groupBox, HDC dc) {
  RECT inside;
  ::GetClientRect(groupBox, &inside);
  ::FillRect(dc, &inside, ::GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
  if (IsForwardedToWindow(message)) {
    // The box's own parent: the window, or a routed group box that hands them on again.
    if (HWND parent = ::GetParent(box)) return ::SendMessageW(parent, message, wParam, lParam);
  }
  if (message == WM_ERASEBKGND) {
    EraseWithWindowBackground(box, reinterpret_cast<HDC>(wParam));
    return 1;
  }
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(box, GroupBoxProc, kGroupBoxSubclassId);
  return ::DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

ToolkitSession::ToolkitSession() {
  Gdiplus::GdiplusStartupInput input;
  Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr);
  RegisterPictureBoxClass();
}

ToolkitSession::~ToolkitSession() {
  if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
}

Text ReadControlText(HWND control) {
  if (!::IsWindow(control)) return {};
  return WideToGbk(HasClass(control, WC_COMBOBOXW) ? ComboCurrentItem(control)
                                                   : WindowText(control));
}

void WriteControlText(HWND control, TextView text) {
  if (!::IsWindow(control)) return;
  const std::wstring wide = GbkToWide(text);
  if (IsDropDownList(control)) {
    SelectItem(control, wide);
    return;
  }
  ::SetWindowTextW(control, wide.c_str());
  if (IsTransparentLabel(control)) RepaintBeneath(control);
}

Timer::Timer(Timer&& other) noexcept
    : owner_(std::exchange(other.owner_, nullptr)),
      id_(std::exchange(other.id_, 0)),
      periodMs_(std::exchange(other.periodMs_, 0)) {}

Timer& Timer::operator=(Timer&& other) noexcept {
  if (this != &other) {
    Stop();
    owner_ = std::exchange(other.owner_, nullptr);
    id_ = std::exchange(other.id_, 0);
    periodMs_ = std::exchange(other.periodMs_, 0);
  }
  return *this;
}

Timer::~Timer() { Stop(); }

void Timer::Stop() {
  if (periodMs_ > 0 && owner_) ::KillTimer(owner_, id_);
  periodMs_ = 0;
}

void SetTimerPeriod(Timer& timer, int periodMs) {
  if (periodMs <= 0) {
    timer.Stop();
    return;
  }
  if (periodMs == timer.periodMs_ || !timer.owner_) return;
  // SetTimer with an id already in use replaces that timer: the interval starts again from now.
  if (::SetTimer(timer.owner_, timer.id_, static_cast<UINT>(periodMs), nullptr) != 0) {
    timer.periodMs_ = periodMs;
  }
}

HWND GetControlHandle(HWND windowOrControl) {
  return ::IsWindow(windowOrControl) ? windowOrControl : nullptr;
}

void ShowMessage(TextView text) {
  const std::wstring wide = GbkToWide(text);
  const std::wstring title = GbkToWide("信息：");
  ::MessageBoxW(nullptr, wide.c_str(), title.c_str(), MB_OK | MB_TASKMODAL);
}

COLORREF DefaultBackColour() { return ::GetSysColor(COLOR_BTNFACE); }

int ScreenWidth() { return ::GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return ::GetSystemMetrics(SM_CYSCREEN); }

void RouteGroupBoxNotifications(HWND groupBox) {
  ::SetWindowSubclass(groupBox, GroupBoxProc, kGroupBoxSubclassId, 0);
}

void MarkTransparentLabel(HWND label) {
  ::SetPropW(label, kTransparentLabelProperty, reinterpret_cast<HANDLE>(1));
}

bool IsTransparentLabel(HWND control) {
  return ::GetPropW(control, kTransparentLabelProperty) != nullptr;
}

LRESULT TransparentLabelColours(HDC dc) {
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, RGB(0, 0, 0));
  return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

}  // namespace rt
