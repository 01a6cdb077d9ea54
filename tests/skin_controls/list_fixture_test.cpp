// The hand-made skinned window that the list tests stand on: its record, its back buffer and the
// GDI-object counter.
#include <gtest/gtest.h>

#include "tests/skin_controls/skinned_window_fixture.h"
#include "tests/support/gdi_object_counter.h"

namespace {

using skin_test::SkinnedWindow;

TEST(SkinnedWindowFixture, RegistersItsRecordAndNumber) {
  SkinnedWindow window;
  ASSERT_GE(window.Number(), 1);
  EXPECT_EQ(skin::FindWindowNumber(window.Hwnd()), window.Number());
  EXPECT_EQ(window.Record().hwnd, window.Hwnd());
  EXPECT_TRUE(window.Record().backBufferDc);
}

TEST(SkinnedWindowFixture, TeardownRemovesTheRecord) {
  const int before = skin::WindowRecordCount();
  {
    SkinnedWindow window;
    EXPECT_EQ(skin::WindowRecordCount(), before + 1);
  }
  EXPECT_EQ(skin::WindowRecordCount(), before);
}

TEST(SkinnedWindowFixture, ControlBackBufferHoldsTheGradientBehindTheControl) {
  SkinnedWindow window;
  HWND label = window.AddChild(L"Static", L"", 0, {30, 100, 60, 40});
  skin::ControlBackBuffer buffer(label, {0, 0, 60, 40});
  ASSERT_TRUE(buffer);
  for (int y : {0, 20, 39}) {
    const COLORREF expected = window.BackgroundAt(100 + y);
    const COLORREF actual = ::GetPixel(buffer.Get(), 5, y);
    EXPECT_TRUE(skin_test::Near(actual, expected, 1))
        << "row " << y << ": " << skin_test::ColourText(actual) << " instead of "
        << skin_test::ColourText(expected);
  }
}

TEST(SkinnedWindowFixture, PresentsItsBackBuffer) {
  SkinnedWindow window;
  window.Redraw();
  for (int y : {0, 150, 399}) {
    EXPECT_TRUE(
        skin_test::Near(skin_test::WindowPixel(window.Hwnd(), 10, y), window.BackgroundAt(y), 1))
        << "row " << y;
  }
}

TEST(GdiObjectCounter, SeesObjectsComeAndGo) {
  const int before = test_support::CountLiveGdiObjects();
  HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
  HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(4, 5, 6));
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before + 2);
  ::DeleteObject(brush);
  ::DeleteObject(pen);
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before);
}

}  // namespace
