// The two window routines that group boxes and the window image share with the list skin.
#include "tests/skin_controls/list_test_support.h"

namespace list_test {
namespace {

constexpr COLORREF kPaint = RGB(10, 200, 30);

// Fills the client area of `window` through the DC and reads back what the window shows.
COLORREF PaintThroughAndRead(HDC dc, HWND window, POINT at) {
  RECT client;
  ::GetClientRect(window, &client);
  HBRUSH brush = ::CreateSolidBrush(kPaint);
  ::FillRect(dc, &client, brush);
  ::DeleteObject(brush);
  const rt::ScopedWindowDc reader(window);
  return ::GetPixel(reader.Get(), at.x, at.y);
}

TEST(GetDcClippingChildren, PaintsAroundVisibleOpaqueChildrenOnly) {
  SkinnedWindow window;
  window.AddChild(L"Static", L"", SS_BLACKRECT, {10, 10, 40, 40});
  window.AddChild(L"Static", L"", SS_BLACKRECT, {60, 10, 40, 40}, WS_EX_TRANSPARENT);
  HWND hidden = window.AddChild(L"Static", L"", SS_BLACKRECT, {110, 10, 40, 40});
  ::ShowWindow(hidden, SW_HIDE);
  window.Redraw();
  HDC dc = skin::GetDcClippingChildren(window.Hwnd());
  ASSERT_NE(dc, nullptr);
  EXPECT_NE(PaintThroughAndRead(dc, window.Hwnd(), {30, 30}), kPaint) << "opaque child kept";
  EXPECT_EQ(PaintThroughAndRead(dc, window.Hwnd(), {80, 30}), kPaint) << "see-through child";
  EXPECT_EQ(PaintThroughAndRead(dc, window.Hwnd(), {130, 30}), kPaint) << "hidden child";
  EXPECT_EQ(PaintThroughAndRead(dc, window.Hwnd(), {200, 200}), kPaint) << "no child";
  ::ReleaseDC(window.Hwnd(), dc);
}

TEST(GetDcClippingChildren, UsesTheGivenDc) {
  SkinnedWindow window;
  window.AddChild(L"Static", L"", SS_BLACKRECT, {10, 10, 40, 40});
  window.Redraw();
  HDC own = ::GetDC(window.Hwnd());
  EXPECT_EQ(skin::GetDcClippingChildren(window.Hwnd(), own), own);
  EXPECT_NE(PaintThroughAndRead(own, window.Hwnd(), {30, 30}), kPaint);
  ::ReleaseDC(window.Hwnd(), own);
}

TEST(InvalidateVisibleChildren, InvalidatesEveryVisibleDirectChild) {
  SkinnedWindow window;
  HWND shown = window.AddChild(L"Static", L"a", 0, {10, 10, 40, 40});
  HWND hidden = window.AddChild(L"Static", L"b", 0, {60, 10, 40, 40});
  ::ShowWindow(hidden, SW_HIDE);
  window.Redraw();
  ::ValidateRect(shown, nullptr);
  ::ValidateRect(hidden, nullptr);
  skin::InvalidateVisibleChildren(window.Hwnd());
  EXPECT_TRUE(::GetUpdateRect(shown, nullptr, FALSE));
  EXPECT_FALSE(::GetUpdateRect(hidden, nullptr, FALSE));
}

}  // namespace
}  // namespace list_test
