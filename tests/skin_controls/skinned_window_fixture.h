// A hand-made skinned window for the control-skin tests and the gallery: a borderless top-level
// window with a WindowRecord of its own (appended to the module's windowRecords, Hw_lbID set on the
// window) and a back buffer painted with a known vertical gradient, so that the colour behind any
// pixel of a control follows from its y coordinate alone.
//
// The window procedure plays the skinned parent's part for its children: it presents the back
// buffer, hands out veiled or hollow colours on WM_CTLCOLOR*, invalidates edits, lists and combo
// boxes whose content changed, and lets a test hook see every message first (push buttons are
// owner-drawn: a test forwards WM_DRAWITEM to the painter through the hook).
//
// Also here: the counter of live GDI objects (GetGuiResources answers 0 under Wine 8).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/property_keys.h"
#include "skin/core/records.h"
#include "skin/core/skin_engine.h"
#include "skin/core/window_props.h"

namespace skin_test {

// ---- Colours -----------------------------------------------------------------------------------

inline int RedOf(COLORREF colour) { return GetRValue(colour); }
inline int GreenOf(COLORREF colour) { return GetGValue(colour); }
inline int BlueOf(COLORREF colour) { return GetBValue(colour); }

// `colour` under a layer of `layer` at `alpha` (0..255), as GDI+ composes it in a 32-bit buffer.
inline COLORREF Blend(COLORREF colour, COLORREF layer, int alpha) {
  auto mix = [alpha](int below, int above) {
    return (above * alpha + below * (255 - alpha)) / 255;
  };
  return RGB(mix(RedOf(colour), RedOf(layer)), mix(GreenOf(colour), GreenOf(layer)),
             mix(BlueOf(colour), BlueOf(layer)));
}

// Whether two colours differ by at most `tolerance` in every channel.
inline bool Near(COLORREF a, COLORREF b, int tolerance = 3) {
  auto close = [tolerance](int x, int y) { return x - y <= tolerance && y - x <= tolerance; };
  return close(RedOf(a), RedOf(b)) && close(GreenOf(a), GreenOf(b)) && close(BlueOf(a), BlueOf(b));
}

inline std::string ColourText(COLORREF colour) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(colour), GreenOf(colour), BlueOf(colour));
  return text;
}

// ---- The skinned window ------------------------------------------------------------------------

struct SkinnedWindowOptions {
  int x = 40;
  int y = 40;
  int width = 520;
  int height = 400;
  // The back buffer runs from `top` at y = 0 to `bottom` at the last row (equal: one colour).
  COLORREF top = RGB(0x5C, 0xC1, 0xFC);
  COLORREF bottom = RGB(0x01, 0x52, 0x9E);
  // Module settings taken when the window is made.
  int translucentControls = 1;
  std::uint8_t controlVeilAlpha = 160;
  COLORREF accentColour = 0xDDCA22;
  int controlSkinning = 1;
  const wchar_t* title = L"skinned window";
};

// Sees every message of the window first; an answer ends the message there.
using MessageHook = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

class SkinnedWindow {
 public:
  explicit SkinnedWindow(SkinnedWindowOptions options = {}) : options_(options) {
    ApplyModuleSettings();
    RegisterClassOnce();
    window_ = ::CreateWindowExW(0, kClassName, options.title, WS_POPUP, options.x, options.y,
                                options.width, options.height, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), this);
    // Shown without activation: under Wine, destroying the active window waits two seconds for the
    // absent window manager. Focus can still be given to the children with SetFocus.
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    auto record = std::make_unique<skin::WindowRecord>();
    record->hwnd = window_;
    record->backBufferDc = PaintBackBuffer();
    record->skinned = 1;
    skin::AppendWindowRecord(std::move(record));
  }
  SkinnedWindow(const SkinnedWindow&) = delete;
  SkinnedWindow& operator=(const SkinnedWindow&) = delete;
  ~SkinnedWindow() {
    if (window_) ::DestroyWindow(window_);
  }

  HWND Hwnd() const { return window_; }
  int Number() const { return static_cast<int>(skin::ReadProp(window_, skin::prop::Hw_lbID)); }
  skin::WindowRecord& Record() const { return *skin::FindRecord(Number()); }
  const SkinnedWindowOptions& Options() const { return options_; }

  void SetHook(MessageHook hook) { hook_ = std::move(hook); }

  // A child control of class `className` at `bounds` (x, y, width, height in the client area).
  HWND AddChild(const wchar_t* className, const wchar_t* text, DWORD style, RECT bounds,
                DWORD exStyle = 0, int id = 0) const {
    return ::CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, bounds.left,
                             bounds.top, bounds.right, bounds.bottom, window_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
  }

  // The back buffer's colour at row `y` of the window.
  COLORREF BackgroundAt(int y) const {
    const int last = options_.height > 1 ? options_.height - 1 : 1;
    auto along = [&](int from, int to) { return from + (to - from) * y / last; };
    return RGB(along(RedOf(options_.top), RedOf(options_.bottom)),
               along(GreenOf(options_.top), GreenOf(options_.bottom)),
               along(BlueOf(options_.top), BlueOf(options_.bottom)));
  }

  // Repaints the whole window with its children now.
  void Redraw() const {
    ::RedrawWindow(window_, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }

 private:
  static constexpr wchar_t kClassName[] = L"RankAbacusSkinnedTestWindow";

  void ApplyModuleSettings() const {
    skin::ModuleSettings& settings = skin::Module();
    settings.translucentControls = options_.translucentControls;
    settings.controlVeilAlpha = options_.controlVeilAlpha;
    settings.accentColour = options_.accentColour;
    settings.controlSkinning = options_.controlSkinning;
  }

  static void RegisterClassOnce() {
    static const ATOM atom = [] {
      WNDCLASSEXW windowClass{};
      windowClass.cbSize = sizeof windowClass;
      windowClass.style = CS_DBLCLKS;
      windowClass.lpfnWndProc = &SkinnedWindow::Procedure;
      windowClass.hInstance = ::GetModuleHandleW(nullptr);
      windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
      windowClass.lpszClassName = kClassName;
      return ::RegisterClassExW(&windowClass);
    }();
    (void)atom;
  }

  // The gradient in a bitmap as large as the window, one GDI fill per row.
  skin::MemoryImage PaintBackBuffer() const {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, options_.width, options_.height);
    ::ReleaseDC(nullptr, screen);
    skin::MemoryImage image = skin::MemoryImage::WithBitmap(bitmap);
    for (int y = 0; y < options_.height; ++y) {
      const RECT row{0, y, options_.width, y + 1};
      HBRUSH brush = ::CreateSolidBrush(BackgroundAt(y));
      ::FillRect(image.Dc(), &row, brush);
      ::DeleteObject(brush);
    }
    return image;
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
      ::SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<SkinnedWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && self->hook_) {
      if (auto answer = self->hook_(window, message, wParam, lParam)) return *answer;
    }
    switch (message) {
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
        return OnPaint(window);
      case WM_CTLCOLOREDIT:
        if (skin::GetClassNameText(::GetParent(reinterpret_cast<HWND>(lParam))) == "ComboBox" ||
            !SeeThrough())
          break;
        return VeiledColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      case WM_CTLCOLORSTATIC:
        if (!SeeThrough()) break;
        return VeiledColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      case WM_CTLCOLORLISTBOX:
        return ListBoxColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      case WM_CTLCOLORBTN:
        if (!SeeThrough()) break;
        return HollowColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      case WM_COMMAND:
        InvalidateChangedControl(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        break;
      case WM_NOTIFY:
        InvalidateExpandedTree(*reinterpret_cast<const NMHDR*>(lParam));
        break;
      case WM_NCDESTROY:
        skin::TearDownWindow(window);
        if (self) self->window_ = nullptr;
        break;
      default:
        break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }

  static bool SeeThrough() {
    return skin::Module().controlSkinning == 1 && skin::Module().translucentControls == 1;
  }

  static LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(window, &paint);
    if (skin::WindowRecord* record = skin::FindRecord(skin::FindWindowNumber(window))) {
      RECT client;
      ::GetClientRect(window, &client);
      ::BitBlt(dc, 0, 0, client.right, client.bottom, record->backBufferDc.Dc(), 0, 0, SRCCOPY);
    }
    ::EndPaint(window, &paint);
    return 0;
  }

  // The control paints its background with the window background behind it under a white veil.
  static LRESULT VeiledColours(HDC dc, HWND control) {
    ::SetTextColor(dc, static_cast<COLORREF>(skin::ReadProp(control, skin::prop::Kj_Ztys)));
    ::SetBkMode(dc, TRANSPARENT);
    skin::ReleaseControlColourObjects(control);
    rt::UniqueBitmap bitmap = skin::MakeVeiledBackground(control);
    HBRUSH brush = ::CreatePatternBrush(bitmap.Get());
    skin::WriteProp(control, skin::prop::Kj_dxjb, reinterpret_cast<std::intptr_t>(brush));
    skin::WriteProp(control, skin::prop::Kj_wtjb,
                    reinterpret_cast<std::intptr_t>(bitmap.Release()));
    return reinterpret_cast<LRESULT>(brush);
  }

  static LRESULT HollowColours(HDC dc, HWND control) {
    ::SetTextColor(dc, static_cast<COLORREF>(skin::ReadProp(control, skin::prop::Kj_Ztys)));
    ::SetBkMode(dc, TRANSPARENT);
    ::DeleteObject(skin::ReadPropHandle<HGDIOBJ>(control, skin::prop::Kj_dxjb));
    HGDIOBJ hollow = ::GetStockObject(NULL_BRUSH);
    skin::WriteProp(control, skin::prop::Kj_dxjb, reinterpret_cast<std::intptr_t>(hollow));
    return reinterpret_cast<LRESULT>(hollow);
  }

  static LRESULT ListBoxColours(HDC dc, HWND control) {
    if (SeeThrough() && skin::GetClassNameText(control) == "ListBox" &&
        !skin::IsOwnerDrawListBox(control))
      return HollowColours(dc, control);
    return ::DefWindowProcW(::GetParent(control), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(control));
  }

  // Edits, lists and combo boxes whose content changed are repainted over their background.
  static void InvalidateChangedControl(HWND control, UINT code) {
    if (!control || !SeeThrough()) return;
    const rt::Text className = skin::GetClassNameText(control);
    const bool changed =
        (className == "Edit" &&
         (code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE)) ||
        (className == "ListBox" && (code == LBN_SELCHANGE || code == LBN_SELCANCEL)) ||
        (className == "ComboBox" && (code == CBN_KILLFOCUS || code == CBN_SELCHANGE));
    if (changed) ::InvalidateRect(control, nullptr, TRUE);
  }

  static void InvalidateExpandedTree(const NMHDR& header) {
    if (header.code == TVN_ITEMEXPANDEDA || header.code == TVN_ITEMEXPANDINGA)
      ::InvalidateRect(header.hwndFrom, nullptr, TRUE);
  }

  SkinnedWindowOptions options_;
  HWND window_ = nullptr;
  MessageHook hook_;
};

// ---- Reading pixels ----------------------------------------------------------------------------

// The colour shown at (x, y) of `window`'s window rectangle (non-client area included), read back
// through its window DC.
inline COLORREF WindowPixel(HWND window, int x, int y) {
  HDC dc = ::GetWindowDC(window);
  const COLORREF colour = ::GetPixel(dc, x, y);
  ::ReleaseDC(window, dc);
  return colour;
}

}  // namespace skin_test
