// Colour conversion, rounded paths, the glow stroke, client rectangles and the class and style
// tests, on real GDI+ objects and real windows.
#include <gtest/gtest.h>

#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "skin/core/primitives.h"
#include "tests/skin/test_windows.h"

namespace {

using skin_test::CreateChild;
using skin_test::CreateTopWindow;

struct ArgbCase {
  COLORREF colour;
  std::uint8_t alpha;
  bool useAlpha;
  gfx::ARGB expected;
};

TEST(ToArgb, TurnsWindowsColoursIntoArgb) {
  const ArgbCase cases[] = {
      {0x0000FF, 128, true, 0x80FF0000},   // red, half transparent
      {0x0000FF, 128, false, 0xFFFF0000},  // the alpha is ignored without the flag
      {0xFFFFFF, 0, true, 0x00FFFFFF},     // transparent white
      {0xFFFFFF, 0, false, 0xFFFFFFFF},
      {0xDDCA22, 255, true, 0xFF22CADD},  // the start-up accent colour
      {0x000000, 7, true, 0x07000000},
      {0xFF123456, 9, true, 0x09563412},   // a top byte in the colour is replaced
      {0xFF808080, 0, false, 0xFF808080},  // an average colour carrying 255 on top
  };
  for (const ArgbCase& c : cases) {
    EXPECT_EQ(skin::ToArgb(c.colour, c.alpha, c.useAlpha), c.expected)
        << std::hex << "colour 0x" << c.colour << " alpha " << std::dec << int{c.alpha}
        << " useAlpha " << c.useAlpha;
  }
}

gfx::GfxPath NewPath() {
  gfx::GfxPath path;
  EXPECT_TRUE(path.GdipCreatePath());
  return path;
}

bool IsClosedFigure(const gfx::GfxPath& path) {
  const std::vector<BYTE> types = path.GdipGetPathTypes();
  return !types.empty() && (types.back() & Gdiplus::PathPointTypeCloseSubpath) != 0;
}

TEST(AddRoundedRectPath, ClampsTheCornerSizeToOneToHundred) {
  struct Case {
    int given;
    int used;
  };
  const Case cases[] = {{-5, 1}, {0, 1}, {1, 1}, {37, 37}, {100, 100}, {200, 100}};
  const float x = 10, y = 20, width = 240, height = 180;
  for (const Case& c : cases) {
    gfx::GfxPath path = NewPath();
    skin::AddRoundedRectPath(path, x, y, width, height, c.given);
    const std::vector<Gdiplus::PointF> points = path.GdipGetPathPoints();
    ASSERT_FALSE(points.empty()) << "corner " << c.given;
    // The figure starts where the top-right arc starts: half a corner left of the right edge.
    EXPECT_FLOAT_EQ(points.front().X, x + width - c.used / 2.0f) << "corner " << c.given;
    EXPECT_FLOAT_EQ(points.front().Y, y) << "corner " << c.given;
    EXPECT_TRUE(IsClosedFigure(path)) << "corner " << c.given;

    gfx::GfxPath reference = NewPath();
    skin::AddRoundedRectPath(reference, x, y, width, height, c.used);
    const std::vector<Gdiplus::PointF> expected = reference.GdipGetPathPoints();
    ASSERT_EQ(points.size(), expected.size()) << "corner " << c.given;
    for (std::size_t i = 0; i < points.size(); ++i) {
      EXPECT_FLOAT_EQ(points[i].X, expected[i].X) << "corner " << c.given << " point " << i;
      EXPECT_FLOAT_EQ(points[i].Y, expected[i].Y) << "corner " << c.given << " point " << i;
    }
  }
}

TEST(AddRoundedRectPath, SpansTheRectangleWithTheBottomRightCornerOnePixelOut) {
  gfx::GfxPath path = NewPath();
  skin::AddRoundedRectPath(path, 5, 7, 100, 50, 20);
  const Gdiplus::RectF bounds = path.GdipGetPathWorldBounds();
  EXPECT_NEAR(bounds.X, 5, 0.01);
  EXPECT_NEAR(bounds.Y, 7, 0.01);
  EXPECT_NEAR(bounds.Width, 100, 0.01);
  EXPECT_NEAR(bounds.Height, 50, 0.01);
  // Inside near the corners, outside beyond the curve of the top-left corner.
  EXPECT_TRUE(path.GdipIsVisiblePathPoint(55, 30));
  EXPECT_FALSE(path.GdipIsVisiblePathPoint(6, 8));
  EXPECT_TRUE(path.GdipIsVisiblePathPoint(15, 17));
}

TEST(AddTopRoundedPath, IsAnOpenFigureFromBottomLeftOverTheTopToBottomRight) {
  gfx::GfxPath path = NewPath();
  skin::AddTopRoundedPath(path, 4, 6, 60, 30, 10);
  const std::vector<Gdiplus::PointF> points = path.GdipGetPathPoints();
  ASSERT_GE(points.size(), 4u);
  EXPECT_FLOAT_EQ(points.front().X, 4);
  EXPECT_FLOAT_EQ(points.front().Y, 36);
  EXPECT_FLOAT_EQ(points.back().X, 64);
  EXPECT_FLOAT_EQ(points.back().Y, 36);
  EXPECT_FALSE(IsClosedFigure(path));
  const Gdiplus::RectF bounds = path.GdipGetPathWorldBounds();
  EXPECT_NEAR(bounds.X, 4, 0.01);
  EXPECT_NEAR(bounds.Y, 6, 0.01);
  EXPECT_NEAR(bounds.Width, 60, 0.01);
  EXPECT_NEAR(bounds.Height, 30, 0.01);
}

int AlphaOf(Gdiplus::ARGB colour) { return static_cast<int>(colour >> 24); }

TEST(StrokeGlow, GrowsDenserTowardTheMiddleOfTheLine) {
  gfx::GfxBitmap bitmap;
  ASSERT_TRUE(bitmap.GdipCreateBitmapFromScan0(40, 21, PixelFormat32bppARGB));
  {
    gfx::GfxGraphics graphics;
    ASSERT_TRUE(graphics.GdipGetImageGraphicsContext(bitmap));
    gfx::GfxPath path = NewPath();
    path.GdipAddPathLine(0, 10.5f, 40, 10.5f);
    skin::StrokeGlow(graphics, path, 5, 0x0000FF, 80);
  }
  const int middle = AlphaOf(bitmap.GdipBitmapGetPixel(20, 10));
  const int nearEdge = AlphaOf(bitmap.GdipBitmapGetPixel(20, 12));
  const int outside = AlphaOf(bitmap.GdipBitmapGetPixel(20, 18));
  EXPECT_GT(middle, nearEdge);
  EXPECT_GT(nearEdge, 0);
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(bitmap.GdipBitmapGetPixel(20, 10) & 0xFFFFFF, 0xFF0000u) << "red in ARGB";
  // All five strokes of alpha 80 cover the middle pixel: denser than three strokes would make it.
  const double clear = 1.0 - 80 / 255.0;
  EXPECT_GT(middle, 255 * (1.0 - clear * clear * clear));
}

// Where the client area really lies inside the window rectangle.
RECT TrueClientRectInWindow(HWND window) {
  RECT windowRect{};
  ::GetWindowRect(window, &windowRect);
  RECT client{};
  ::GetClientRect(window, &client);
  POINT origin{0, 0};
  ::ClientToScreen(window, &origin);
  const int left = origin.x - windowRect.left;
  const int top = origin.y - windowRect.top;
  return RECT{left, top, left + client.right, top + client.bottom};
}

TEST(ClientRectInWindow, FindsTheClientAreaBehindBordersAndScrollBars) {
  struct Case {
    const char* name;
    DWORD style;
    DWORD exStyle;
  };
  const Case cases[] = {
      {"no border", 0, 0},
      {"thin border", WS_BORDER, 0},
      {"sunken edge", 0, WS_EX_CLIENTEDGE},
      {"sunken edge, vertical bar", WS_VSCROLL, WS_EX_CLIENTEDGE},
      {"thin border, horizontal bar", WS_BORDER | WS_HSCROLL, 0},
      {"sunken edge, both bars", WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE},
      {"no border, both bars", WS_VSCROLL | WS_HSCROLL, 0},
  };
  rt::UniqueWindow top = CreateTopWindow(50, 50, 300, 200);
  for (const Case& c : cases) {
    HWND control =
        CreateChild(top.Get(), skin_test::kTestClass, 10, 10, 120, 90, c.style, c.exStyle);
    ASSERT_NE(control, nullptr) << c.name;
    const RECT actual = skin::ClientRectInWindow(control);
    const RECT expected = TrueClientRectInWindow(control);
    EXPECT_EQ(actual.left, expected.left) << c.name;
    EXPECT_EQ(actual.top, expected.top) << c.name;
    EXPECT_EQ(actual.right, expected.right) << c.name;
    EXPECT_EQ(actual.bottom, expected.bottom) << c.name;
    ::DestroyWindow(control);
  }
}

TEST(ClientRectInWindow, TwoPixelBordersWithAVerticalBarGiveTwoAndTwo) {
  rt::UniqueWindow top = CreateTopWindow(50, 50, 300, 200);
  HWND control =
      CreateChild(top.Get(), skin_test::kTestClass, 10, 10, 120, 90, WS_VSCROLL, WS_EX_CLIENTEDGE);
  const RECT rect = skin::ClientRectInWindow(control);
  EXPECT_EQ(rect.left, 2);
  EXPECT_EQ(rect.top, 2);
  EXPECT_EQ(rect.bottom - rect.top, 90 - 4);
  EXPECT_EQ(rect.right - rect.left, 120 - 4 - ::GetSystemMetrics(SM_CXVSCROLL));
}

TEST(GetClassNameText, GivesTheClassNameAsGbk) {
  rt::UniqueWindow top = CreateTopWindow(0, 0, 100, 100);
  HWND button = CreateChild(top.Get(), L"Button", 0, 0, 20, 20);
  EXPECT_EQ(skin::GetClassNameText(button), "Button");
  EXPECT_EQ(skin::GetClassNameText(top.Get()), "皮肤测试窗口");
  EXPECT_EQ(skin::GetClassNameText(nullptr), "");
}

TEST(IsOwnerDrawListBox, NeedsTheListBoxClassAndAnOwnerDrawStyle) {
  struct Case {
    const wchar_t* className;
    DWORD style;
    bool expected;
  };
  const Case cases[] = {
      {L"ListBox", 0, false},
      {L"ListBox", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, true},
      {L"ListBox", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, true},
      {L"ListBox", LBS_SORT, false},
      {skin_test::kTestClass, LBS_OWNERDRAWFIXED, false},
  };
  rt::UniqueWindow top = CreateTopWindow(0, 0, 200, 200);
  for (const Case& c : cases) {
    HWND control = CreateChild(top.Get(), c.className, 0, 0, 80, 80, c.style);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(skin::IsOwnerDrawListBox(control), c.expected) << "style 0x" << std::hex << c.style;
    ::DestroyWindow(control);
  }
}

TEST(IsAutoRadioStyle, HoldsForBitsOneAndEightWithoutTwoAndFour) {
  struct Case {
    DWORD style;
    bool expected;
  };
  const Case cases[] = {
      {BS_AUTORADIOBUTTON, true},
      {BS_AUTORADIOBUTTON | BS_PUSHLIKE, true},
      {BS_RADIOBUTTON, false},
      {BS_AUTOCHECKBOX, false},
      {BS_GROUPBOX, false},
      {BS_DEFPUSHBUTTON, false},
      {BS_OWNERDRAW, false},
      {0xF, false},
      {BS_AUTORADIOBUTTON | WS_TABSTOP, true},
  };
  rt::UniqueWindow top = CreateTopWindow(0, 0, 200, 200);
  for (const Case& c : cases) {
    // The test class keeps its style bits as given, unlike the button control.
    HWND control = CreateChild(top.Get(), skin_test::kTestClass, 0, 0, 20, 20, c.style);
    EXPECT_EQ(skin::IsAutoRadioStyle(control), c.expected) << "style 0x" << std::hex << c.style;
    ::DestroyWindow(control);
  }
}

}  // namespace
