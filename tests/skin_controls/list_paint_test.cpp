// The list frame and the see-through content, probed pixel by pixel: the ring and border colours
// follow from the background behind the control, the veil alpha and the accent colour.
#include <string>

#include "tests/skin_controls/list_test_support.h"

namespace list_test {
namespace {

constexpr int kTop = 120;  // the controls' top row in the window

struct FrameCase {
  const char* name;
  int translucent;
  int veilAlpha;
  bool hot;
  bool focused;
};

// The border pixel at the left edge, halfway down, and the ring colour under it.
COLORREF ExpectedLeftEdge(const ListWindow& list, HWND control, int y, const FrameCase& c) {
  const SkinnedWindowOptions options{.translucentControls = c.translucent,
                                     .controlVeilAlpha = static_cast<std::uint8_t>(c.veilAlpha)};
  const COLORREF ring = RingColour(list.BackgroundBehind(control, y), options);
  if (c.hot || c.focused) return AccentOver(ring, options);
  return Blend(ring, kBlack, 90);
}

class ListFrame : public ::testing::TestWithParam<FrameCase> {};

TEST_P(ListFrame, LeftEdgeShowsTheStateColour) {
  const FrameCase& c = GetParam();
  ListWindow list({.translucentControls = c.translucent,
                   .controlVeilAlpha = static_cast<std::uint8_t>(c.veilAlpha)});
  HWND box =
      list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL, {40, kTop, 160, 100});
  list.Skin();
  ListWindow::Repaint(box);
  const int number = list.NumberOf(box);
  skin::PaintListFrame(list.Window().Number(), number, {.hot = c.hot, .focused = c.focused});
  for (int y : {10, 50, 90}) {
    EXPECT_TRUE(ColourIs(WindowPixel(box, 0, y), ExpectedLeftEdge(list, box, y, c))) << "row " << y;
  }
  // The inner area (client and scroll bar) is left to the control.
  RECT client;
  ::GetClientRect(box, &client);
  EXPECT_FALSE(Near(WindowPixel(box, 1 + client.right + 2, 50), RGB(0xFF, 0x00, 0xFF), 0))
      << "the magenta of the inner area must never reach the screen";
}

INSTANTIATE_TEST_SUITE_P(States, ListFrame,
                         ::testing::Values(FrameCase{"quiet_veiled", 1, 160, false, false},
                                           FrameCase{"quiet_clear", 1, 0, false, false},
                                           FrameCase{"quiet_opaque", 0, 160, false, false},
                                           FrameCase{"focused_veiled", 1, 160, false, true},
                                           FrameCase{"focused_opaque", 0, 160, false, true},
                                           FrameCase{"hot_veiled", 1, 160, true, false},
                                           FrameCase{"hot_opaque", 0, 160, true, false},
                                           FrameCase{"hot_and_focused", 1, 160, true, true}),
                         [](const ::testing::TestParamInfo<FrameCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ListFrameGeometry, HotBorderIsTwoPixelsWideOnAThickEdge) {
  ListWindow list;
  // WS_EX_CLIENTEDGE gives a two-pixel edge: both pixels of the hot pen show.
  HWND box = list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT, {40, kTop, 160, 100}, WS_EX_CLIENTEDGE);
  list.Skin();
  ListWindow::Repaint(box);
  skin::PaintListFrame(list.Window().Number(), list.NumberOf(box), {.hot = true});
  const SkinnedWindowOptions options;
  for (int x : {0, 1}) {
    const COLORREF ring = RingColour(list.BackgroundBehind(box, 50), options);
    EXPECT_TRUE(ColourIs(WindowPixel(box, x, 50), AccentOver(ring, options))) << "column " << x;
  }
  // Not hot: one quiet pixel, and the ring inside it.
  skin::PaintListFrame(list.Window().Number(), list.NumberOf(box), {.hot = false});
  const COLORREF ring = RingColour(list.BackgroundBehind(box, 50), options);
  EXPECT_TRUE(ColourIs(WindowPixel(box, 0, 50), Blend(ring, kBlack, 90)));
  EXPECT_TRUE(ColourIs(WindowPixel(box, 1, 50), ring));
}

TEST(ListSeeThrough, EmptyListShowsTheVeiledBackground) {
  for (int alpha : {0, 160}) {
    SCOPED_TRACE("veil alpha " + std::to_string(alpha));
    ListWindow list({.controlVeilAlpha = static_cast<std::uint8_t>(alpha)});
    HWND box = list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT | WS_BORDER, {40, kTop, 160, 100});
    list.Skin();
    ListWindow::Repaint(box);
    for (int y : {20, 60, 90}) {
      const COLORREF expected = Blend(list.BackgroundBehind(box, y), kWhite, alpha);
      EXPECT_TRUE(ColourIs(WindowPixel(box, 80, y), expected)) << "row " << y;
    }
  }
}

TEST(ListSeeThrough, BorderlessListHasNoFrameButTheBackground) {
  ListWindow list;
  HWND box = list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT, {40, kTop, 160, 100});
  ASSERT_FALSE(skin::HasBorderStyle(box));
  list.Skin();
  ListWindow::Repaint(box);
  const COLORREF veiled = Blend(list.BackgroundBehind(box, 50), kWhite, 160);
  EXPECT_TRUE(ColourIs(WindowPixel(box, 0, 50), veiled)) << "no border at the edge";
  EXPECT_TRUE(ColourIs(WindowPixel(box, 80, 50), veiled));
}

TEST(ListSeeThrough, OpaqueListKeepsItsOwnWhite) {
  ListWindow list({.translucentControls = 0});
  HWND box = list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT | WS_BORDER, {40, kTop, 160, 100});
  list.Skin();
  ListWindow::Repaint(box);
  EXPECT_TRUE(ColourIs(WindowPixel(box, 80, 50), ::GetSysColor(COLOR_WINDOW)));
}

TEST(ListSeeThrough, ListViewShowsTheVeiledBackground) {
  ListWindow list;
  HWND view = list.Add(WC_LISTVIEWW, WS_BORDER | LVS_LIST, {40, kTop, 200, 100});
  list.Skin();
  ListWindow::Repaint(view);
  const COLORREF expected = Blend(list.BackgroundBehind(view, 70), kWhite, 160);
  EXPECT_TRUE(ColourIs(WindowPixel(view, 150, 70), expected));
}

TEST(ListSeeThrough, TreeMagentaBecomesTheBackground) {
  ListWindow list;
  HWND tree = list.Add(WC_TREEVIEWW, WS_BORDER, {40, kTop, 200, 120});
  TVINSERTSTRUCTW item{};
  item.hParent = TVI_ROOT;
  item.hInsertAfter = TVI_LAST;
  item.item.mask = TVIF_TEXT;
  item.item.pszText = const_cast<wchar_t*>(L"root");
  ::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  list.Skin();
  ListWindow::Repaint(tree);
  // The first item's row, right of its text, is drawn in the tree's magenta background.
  for (int y : {6, 60, 100}) {
    const COLORREF pixel = WindowPixel(tree, 180, y);
    EXPECT_FALSE(Near(pixel, RGB(0xFF, 0x00, 0xFF), 30)) << "row " << y << " shows magenta";
    EXPECT_TRUE(ColourIs(pixel, Blend(list.BackgroundBehind(tree, y), kWhite, 160), 6))
        << "row " << y;
  }
}

TEST(ListSeeThrough, DropDownListHasNoFrame) {
  ListWindow list;
  HWND combo = list.Add(L"ComboBox", CBS_SIMPLE, {40, kTop, 160, 140});
  for (const wchar_t* text : {L"one", L"two"})
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  list.Skin();
  HWND dropList = ::FindWindowExW(combo, nullptr, L"ComboLBox", nullptr);
  ASSERT_NE(dropList, nullptr);
  ASSERT_GE(list.NumberOf(dropList), 1);
  ListWindow::Repaint(combo);
  const COLORREF before = WindowPixel(dropList, 0, 60);
  skin::PaintListFrame(list.Window().Number(), list.NumberOf(dropList), {.hot = true});
  EXPECT_TRUE(ColourIs(WindowPixel(dropList, 0, 60), before, 0)) << "nothing visible changes";
}

TEST(VeiledBackBuffer, HoldsTheBackgroundUnderTheVeil) {
  for (int alpha : {0, 160, 255}) {
    SCOPED_TRACE("veil alpha " + std::to_string(alpha));
    ListWindow list({.controlVeilAlpha = static_cast<std::uint8_t>(alpha)});
    HWND box = list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT | WS_BORDER, {40, kTop, 160, 100});
    const skin::VeiledBackBuffer buffer(box);
    ASSERT_TRUE(buffer);
    const RECT client = skin::ClientRectInWindow(box);
    for (int y : {0, 40, 97}) {
      const COLORREF expected = Blend(list.BackgroundBehind(box, client.top + y), kWhite, alpha);
      EXPECT_TRUE(ColourIs(::GetPixel(buffer.Get(), 10, y), expected)) << "row " << y;
    }
  }
}

TEST(VeiledBackBuffer, NoneWithoutASkinnedWindow) {
  HWND lonely = ::CreateWindowExW(0, L"ListBox", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  nullptr, nullptr);
  EXPECT_EQ(skin::CreateVeiledBackBuffer(lonely), nullptr);
  ::DestroyWindow(lonely);
}

}  // namespace
}  // namespace list_test
