// What the list-skin tests share: a skinned window with list controls on it, the colours the frame
// and the see-through background must show, and reading a control's record.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/controls/list.h"
#include "tests/skin_controls/skinned_window_fixture.h"

namespace list_test {

using skin_test::Blend;
using skin_test::ColourText;
using skin_test::Near;
using skin_test::SkinnedWindow;
using skin_test::SkinnedWindowOptions;
using skin_test::WindowPixel;

inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

// A skinned window whose children the test adds and then hands to SkinListControls.
class ListWindow {
 public:
  explicit ListWindow(SkinnedWindowOptions options = {}) : window_(options) {}

  HWND Add(const wchar_t* className, DWORD style, RECT bounds, DWORD exStyle = 0,
           const wchar_t* text = L"") {
    return window_.AddChild(className, text, style, bounds, exStyle);
  }
  void Skin() const { skin::SkinListControls(window_.Number(), window_.Hwnd()); }

  SkinnedWindow& Window() { return window_; }
  skin::WindowRecord& Record() const { return window_.Record(); }
  int NumberOf(HWND control) const { return skin::FindListRecord(window_.Number(), control); }
  skin::ListRecord& Entry(HWND control) const {
    return Record().listControls.at(static_cast<std::size_t>(NumberOf(control)) - 1);
  }

  // The window background behind row `y` of `control`'s window rectangle.
  COLORREF BackgroundBehind(HWND control, int y) const {
    RECT rect;
    ::GetWindowRect(control, &rect);
    POINT origin{rect.left, rect.top};
    ::ScreenToClient(window_.Hwnd(), &origin);
    return window_.BackgroundAt(origin.y + y);
  }

  // Paints the control with its frame now.
  static void Repaint(HWND control) {
    ::RedrawWindow(control, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }

 private:
  SkinnedWindow window_;
};

// The ring colour behind the border: the background under the veil, or opaque white.
inline COLORREF RingColour(COLORREF background, const SkinnedWindowOptions& options) {
  return options.translucentControls == 1 ? Blend(background, kWhite, options.controlVeilAlpha)
                                          : kWhite;
}

inline COLORREF AccentOver(COLORREF below, const SkinnedWindowOptions& options) {
  return Blend(below, options.accentColour, 200);
}

inline ::testing::AssertionResult ColourIs(COLORREF actual, COLORREF expected, int tolerance = 3) {
  if (Near(actual, expected, tolerance)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << ColourText(actual) << " instead of " << ColourText(expected);
}

}  // namespace list_test
