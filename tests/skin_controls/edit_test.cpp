// The edit-box skin on real edit controls under Wine: install and numbering, the frame ring in each
// state, the see-through background, the scroll-bar region and the replacement procedure's
// answers and invalidations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/combo.h"
#include "skin/controls/edit.h"
#include "tests/skin_controls/edit_test_support.h"
#include "tests/skin_controls/skinned_window_fixture.h"

namespace {

using skin_test::Blend;
using skin_test::ColourText;
using skin_test::Near;
using skin_test::SkinnedWindow;
using skin_test::SkinnedWindowOptions;
using skin_test::WindowPixel;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// An edit box at (40, 100), 200 x 24, with a two-pixel client edge.
constexpr RECT kEditBounds{40, 100, 200, 24};

HWND AddEdit(const SkinnedWindow& window, DWORD style = 0, RECT bounds = kEditBounds) {
  return window.AddChild(L"Edit", L"text", style | ES_AUTOHSCROLL, bounds, WS_EX_CLIENTEDGE);
}

const skin::EditRecord& EntryOf(const SkinnedWindow& window, HWND edit) {
  return window.Record().editBoxes.at(
      static_cast<std::size_t>(skin::FindEditRecord(window.Number(), edit)) - 1);
}

// ---- Install ----------------------------------------------------------------------------------

TEST(SkinEditBoxes, RegistersEveryDirectEditChildInOrder) {
  SkinnedWindow window;
  HWND first = AddEdit(window);
  HWND second = AddEdit(window, 0, {40, 140, 200, 24});
  HWND holder = window.AddChild(L"Static", L"", 0, {300, 100, 150, 60});
  HWND nested = ::CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, holder,
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr);
  const auto originalProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(first, GWLP_WNDPROC));

  skin::SkinEditBoxes(window.Number(), window.Hwnd());

  ASSERT_EQ(window.Record().editBoxes.size(), 2u);
  // FindWindowEx walks the children in z order: the first created comes first.
  EXPECT_EQ(skin::FindEditRecord(window.Number(), first), 1);
  EXPECT_EQ(skin::FindEditRecord(window.Number(), second), 2);
  EXPECT_EQ(skin::FindEditRecord(window.Number(), nested), 0);
  for (HWND edit : {first, second}) {
    const int number = skin::FindEditRecord(window.Number(), edit);
    EXPECT_EQ(skin::ReadProp(edit, skin::prop::Hw_lbID), number);
    EXPECT_EQ(skin::ReadProp(edit, skin::prop::Hw_FuID), window.Number());
    EXPECT_EQ(skin::ReadProp(edit, skin::prop::Kj_Ztys), 0);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(edit, GWLP_WNDPROC)),
              &skin::EditSkinProc);
    EXPECT_EQ(skin::ReadPropHandle<WNDPROC>(edit, skin::prop::Hw_hProc), originalProc);
    EXPECT_EQ(EntryOf(window, edit).previousProc, originalProc);
    EXPECT_EQ(EntryOf(window, edit).focused, 0);
    EXPECT_EQ(EntryOf(window, edit).hot, 0);
    EXPECT_EQ(EntryOf(window, edit).pressed, 0);
  }
  EXPECT_NE(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(nested, GWLP_WNDPROC)),
            &skin::EditSkinProc);
}

TEST(SkinEditBoxes, FirstEditTakesTheFreeEntryAndLaterOnesAppend) {
  SkinnedWindow window;
  window.Record().editBoxes.resize(1);  // a new record's one free entry
  HWND first = AddEdit(window);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  ASSERT_EQ(window.Record().editBoxes.size(), 1u);
  EXPECT_EQ(skin::FindEditRecord(window.Number(), first), 1);

  HWND later = AddEdit(window, 0, {40, 140, 200, 24});
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  ASSERT_EQ(window.Record().editBoxes.size(), 2u);
  EXPECT_EQ(skin::FindEditRecord(window.Number(), first), 1) << "entries keep their numbers";
  EXPECT_EQ(skin::FindEditRecord(window.Number(), later), 2);
}

TEST(SkinEditBoxes, ASecondInstallSubclassesNothingTwice) {
  SkinnedWindow window;
  HWND edit = AddEdit(window);
  const auto originalProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(edit, GWLP_WNDPROC));
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  EXPECT_EQ(window.Record().editBoxes.size(), 1u);
  EXPECT_EQ(skin::ReadPropHandle<WNDPROC>(edit, skin::prop::Hw_hProc), originalProc);
  // Typing still reaches the edit box's own procedure: no loop through our own.
  ::SetWindowTextW(edit, L"still works");
  wchar_t text[32] = {};
  ::GetWindowTextW(edit, text, 32);
  EXPECT_STREQ(text, L"still works");
}

TEST(SkinEditBoxes, DoesNothingWhileControlSkinningIsOff) {
  SkinnedWindow window({.controlSkinning = 0});
  HWND edit = AddEdit(window);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  EXPECT_TRUE(window.Record().editBoxes.empty());
  EXPECT_EQ(skin::FindEditRecord(window.Number(), edit), 0);
  EXPECT_EQ(::GetPropW(edit, skin::prop::Hw_lbID), nullptr);
  skin::Module().controlSkinning = 1;
}

TEST(SkinEditBoxes, DestroyedEditFreesItsEntryAndDeletesItsColourObjects) {
  SkinnedWindow window;
  HWND edit = AddEdit(window);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
  HBITMAP bitmap = ::CreateBitmap(4, 4, 1, 32, nullptr);
  skin::WriteProp(edit, skin::prop::Kj_dxjb, reinterpret_cast<std::intptr_t>(brush));
  skin::WriteProp(edit, skin::prop::Kj_wtjb, reinterpret_cast<std::intptr_t>(bitmap));
  ::DestroyWindow(edit);
  EXPECT_EQ(::GetObjectType(brush), 0u);
  EXPECT_EQ(::GetObjectType(bitmap), 0u);
  ASSERT_EQ(window.Record().editBoxes.size(), 1u) << "the entry stays in the list";
  EXPECT_EQ(window.Record().editBoxes[0].hwnd, nullptr);
}

// ---- Scroll bars ------------------------------------------------------------------------------

struct ScrollCase {
  const char* name;
  DWORD style;
  bool hasBars;
};

class ScrollBars : public testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollBars, RegionCoversExactlyTheBarsAndTheirCorner) {
  SkinnedWindow window;
  HWND edit = AddEdit(window, ES_MULTILINE | GetParam().style, {40, 100, 200, 120});
  EXPECT_EQ(skin::HasScrollBars(edit), GetParam().hasBars);
  skin::UniqueRegion region = skin::ScrollBarRegion(edit);
  if (!GetParam().hasBars) {
    EXPECT_FALSE(region);
    return;
  }
  ASSERT_TRUE(region);
  const SCROLLBARINFO vertical = skin_test::ScrollBarInfo(edit, OBJID_VSCROLL);
  const SCROLLBARINFO horizontal = skin_test::ScrollBarInfo(edit, OBJID_HSCROLL);
  const bool hasVertical = GetParam().style & WS_VSCROLL;
  const bool hasHorizontal = GetParam().style & WS_HSCROLL;
  RECT window_rect;
  ::GetWindowRect(edit, &window_rect);
  const POINT middleOfVertical{(vertical.rcScrollBar.left + vertical.rcScrollBar.right) / 2,
                               (vertical.rcScrollBar.top + vertical.rcScrollBar.bottom) / 2};
  const POINT middleOfHorizontal{(horizontal.rcScrollBar.left + horizontal.rcScrollBar.right) / 2,
                                 (horizontal.rcScrollBar.top + horizontal.rcScrollBar.bottom) / 2};
  EXPECT_EQ(::PtInRegion(region.Get(), middleOfVertical.x, middleOfVertical.y) != 0, hasVertical);
  EXPECT_EQ(::PtInRegion(region.Get(), middleOfHorizontal.x, middleOfHorizontal.y) != 0,
            hasHorizontal);
  const POINT clientMiddle{window_rect.left + 40, window_rect.top + 30};
  EXPECT_FALSE(::PtInRegion(region.Get(), clientMiddle.x, clientMiddle.y));
  if (hasVertical && hasHorizontal) {
    // The corner box lies below the vertical bar and right of the horizontal one.
    EXPECT_TRUE(
        ::PtInRegion(region.Get(), vertical.rcScrollBar.left + 1, horizontal.rcScrollBar.top + 1));
  }
  RECT box;
  ::GetRgnBox(region.Get(), &box);
  if (hasVertical && !hasHorizontal) {
    EXPECT_TRUE(::EqualRect(&box, &vertical.rcScrollBar));
  }
  if (hasHorizontal && !hasVertical) {
    EXPECT_TRUE(::EqualRect(&box, &horizontal.rcScrollBar));
  }
}

INSTANTIATE_TEST_SUITE_P(Styles, ScrollBars,
                         testing::Values(ScrollCase{"none", 0, false},
                                         ScrollCase{"vertical", WS_VSCROLL, true},
                                         ScrollCase{"horizontal", WS_HSCROLL, true},
                                         ScrollCase{"both", WS_VSCROLL | WS_HSCROLL, true}),
                         [](const testing::TestParamInfo<ScrollCase>& info) {
                           return std::string(info.param.name);
                         });

// ---- The frame --------------------------------------------------------------------------------

struct FrameCase {
  const char* name;
  bool focused;
  bool hot;
  int translucent;
};

class EditFrame : public testing::TestWithParam<FrameCase> {};

TEST_P(EditFrame, RingAndBorderHaveTheirColours) {
  const FrameCase& look = GetParam();
  SkinnedWindow window({.translucentControls = look.translucent});
  HWND edit = AddEdit(window);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin::PaintEditFrame(edit, {.focused = look.focused, .hot = look.hot});

  const COLORREF accent = window.Options().accentColour;
  const int y = 12;  // the middle row of the left edge
  const COLORREF behind = window.BackgroundAt(kEditBounds.top + y);
  const COLORREF ring = look.translucent ? Blend(behind, kWhite, 160) : kWhite;
  COLORREF outer = Blend(ring, kBlack, 80);
  COLORREF inner = ring;
  if (look.hot) {
    outer = inner = Blend(ring, accent, 180);
  } else if (look.focused) {
    outer = Blend(ring, accent, 180);
  }
  const COLORREF seenOuter = WindowPixel(edit, 0, y);
  const COLORREF seenInner = WindowPixel(edit, 1, y);
  EXPECT_TRUE(Near(seenOuter, outer))
      << ColourText(seenOuter) << " instead of " << ColourText(outer);
  EXPECT_TRUE(Near(seenInner, inner))
      << ColourText(seenInner) << " instead of " << ColourText(inner);
  // The same on the bottom edge, one row in from the last.
  const COLORREF seenBottom = WindowPixel(edit, 100, kEditBounds.bottom - 1);
  const COLORREF bottomRing =
      look.translucent
          ? Blend(window.BackgroundAt(kEditBounds.top + kEditBounds.bottom - 1), kWhite, 160)
          : kWhite;
  const COLORREF bottom =
      look.hot || look.focused ? Blend(bottomRing, accent, 180) : Blend(bottomRing, kBlack, 80);
  EXPECT_TRUE(Near(seenBottom, bottom))
      << ColourText(seenBottom) << " instead of " << ColourText(bottom);
}

INSTANTIATE_TEST_SUITE_P(
    States, EditFrame,
    testing::Values(FrameCase{"normal", false, false, 1}, FrameCase{"focused", true, false, 1},
                    FrameCase{"hot", false, true, 1}, FrameCase{"hotAndFocused", true, true, 1},
                    FrameCase{"normalOpaque", false, false, 0},
                    FrameCase{"focusedOpaque", true, false, 0},
                    FrameCase{"hotOpaque", false, true, 0}),
    [](const testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

TEST(EditFrameStates, StatesLeftOutComeFromTheRecord) {
  SkinnedWindow window;
  HWND edit = AddEdit(window);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin::EditRecord& entry = window.Record().editBoxes[0];
  const COLORREF ring = Blend(window.BackgroundAt(kEditBounds.top + 12), kWhite, 160);
  const COLORREF accentLine = Blend(ring, window.Options().accentColour, 180);

  entry.focused = 1;
  skin::PaintEditFrame(edit);
  EXPECT_TRUE(Near(WindowPixel(edit, 0, 12), accentLine));
  EXPECT_TRUE(Near(WindowPixel(edit, 1, 12), ring));

  entry.hot = 1;
  skin::PaintEditFrame(edit, {.focused = false, .hot = std::nullopt});
  EXPECT_TRUE(Near(WindowPixel(edit, 1, 12), accentLine)) << "hot from the record";

  entry.focused = 0;
  entry.hot = 0;
  skin::PaintEditFrame(edit);
  EXPECT_TRUE(Near(WindowPixel(edit, 0, 12), Blend(ring, kBlack, 80)));
}

TEST(EditFrameStates, AnEditBoxOutsideTheListUsesTheGivenStatesAlone) {
  SkinnedWindow window;
  HWND edit = AddEdit(window);
  window.Redraw();
  skin::PaintEditFrame(edit, {.focused = true, .hot = std::nullopt});
  const COLORREF ring = Blend(window.BackgroundAt(kEditBounds.top + 12), kWhite, 160);
  EXPECT_TRUE(Near(WindowPixel(edit, 0, 12), Blend(ring, window.Options().accentColour, 180)));
  EXPECT_TRUE(Near(WindowPixel(edit, 1, 12), ring));
}

TEST(EditFrameStates, AnEditBoxOfNoSkinnedWindowGetsNoFrame) {
  HWND plain = ::CreateWindowExW(0, L"Edit", L"", WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, 100,
                                 24, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  gfx::GfxBitmap bitmap;
  ASSERT_TRUE(bitmap.GdipCreateBitmapFromScan0(100, 24, PixelFormat32bppARGB));
  gfx::GfxGraphics graphics;
  ASSERT_TRUE(graphics.GdipGetImageGraphicsContext(bitmap));
  graphics.GdipGraphicsClear(0xFF102030);
  skin::StrokeEditBorder(plain, {.focused = true, .hot = true}, graphics);
  graphics.GdipDeleteGraphics();
  EXPECT_EQ(skin_test::ArgbPixel(bitmap, 0, 12), 0xFF102030u);
  EXPECT_EQ(skin_test::ArgbPixel(bitmap, 1, 12), 0xFF102030u);
  ::DestroyWindow(plain);
}

TEST(EditFrameScrollBars, KeepTheirOwnPixelsWhileTheRingIsPainted) {
  SkinnedWindow window;
  HWND edit = AddEdit(window, ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, {40, 100, 200, 120});
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  const SCROLLBARINFO vertical = skin_test::ScrollBarInfo(edit, OBJID_VSCROLL);
  RECT windowRect;
  ::GetWindowRect(edit, &windowRect);
  const POINT inBar{vertical.rcScrollBar.left - windowRect.left + 3,
                    vertical.rcScrollBar.top - windowRect.top + 30};
  // Mark the bar; the ring painter must leave the mark alone.
  {
    HDC dc = ::GetWindowDC(edit);
    ::SetPixel(dc, inBar.x, inBar.y, RGB(0, 255, 0));
    ::ReleaseDC(edit, dc);
  }
  skin::PaintEditFrame(edit, {.focused = false, .hot = false});
  EXPECT_EQ(WindowPixel(edit, inBar.x, inBar.y), RGB(0, 255, 0));
  const COLORREF ring = Blend(window.BackgroundAt(100 + 60), kWhite, 160);
  EXPECT_TRUE(Near(WindowPixel(edit, 0, 60), Blend(ring, kBlack, 80)));
}

// ---- The background ---------------------------------------------------------------------------

class EditBackground : public testing::TestWithParam<int> {};

TEST_P(EditBackground, ShowsTheParentBackgroundUnderTheVeil) {
  const int veil = GetParam();
  SkinnedWindow window({.controlVeilAlpha = static_cast<std::uint8_t>(veil)});
  HWND edit = AddEdit(window);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin::PaintEditBackground(edit, nullptr, skin::EditBackgroundTarget::WindowDc);
  // Far right in the client area, where no text is.
  for (int y : {3, 12, 20}) {
    const COLORREF expected = Blend(window.BackgroundAt(kEditBounds.top + y), kWhite, veil);
    const COLORREF seen = WindowPixel(edit, 190, y);
    EXPECT_TRUE(Near(seen, expected))
        << "row " << y << ": " << ColourText(seen) << " instead of " << ColourText(expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Veils, EditBackground, testing::Values(0, 160, 255));

TEST(EditBackground, GivenDcIsPaintedFromItsOrigin) {
  SkinnedWindow window;
  HWND edit = AddEdit(window);
  RECT client;
  ::GetClientRect(edit, &client);
  skin_test::MemoryCanvas canvas(client.right, client.bottom, RGB(255, 0, 255));
  skin::PaintEditBackground(edit, canvas.Dc(), skin::EditBackgroundTarget::GivenDc);
  const RECT inWindow = skin::ClientRectInWindow(edit);
  const COLORREF expected = Blend(window.BackgroundAt(kEditBounds.top + inWindow.top), kWhite, 160);
  EXPECT_TRUE(Near(::GetPixel(canvas.Dc(), 0, 0), expected));
  EXPECT_TRUE(Near(
      ::GetPixel(canvas.Dc(), client.right - 1, client.bottom - 1),
      Blend(window.BackgroundAt(kEditBounds.top + inWindow.top + client.bottom - 1), kWhite, 160)));
}

// ---- The procedure ----------------------------------------------------------------------------

TEST(EditSkinProc, EraseBackgroundPaintsTheVeilWhenTranslucent) {
  for (int translucent : {1, 0}) {
    SkinnedWindow window({.translucentControls = translucent});
    HWND edit = AddEdit(window);
    skin::SkinEditBoxes(window.Number(), window.Hwnd());
    RECT client;
    ::GetClientRect(edit, &client);
    skin_test::MemoryCanvas canvas(client.right, client.bottom, RGB(255, 0, 255));
    const LRESULT answer =
        ::SendMessageW(edit, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
    const COLORREF seen = ::GetPixel(canvas.Dc(), client.right - 2, 2);
    const RECT inWindow = skin::ClientRectInWindow(edit);
    const COLORREF veiled =
        Blend(window.BackgroundAt(kEditBounds.top + inWindow.top + 2), kWhite, 160);
    if (translucent) {
      EXPECT_EQ(answer, 1);
      EXPECT_EQ(::GetBkMode(canvas.Dc()), TRANSPARENT);
      EXPECT_TRUE(Near(seen, veiled)) << ColourText(seen);
    } else {
      EXPECT_FALSE(Near(seen, veiled)) << "the edit box erases itself";
    }
  }
}

TEST(EditSkinProc, NcPaintDrawsTheRingFromTheRecord) {
  SkinnedWindow window;
  HWND edit = AddEdit(window);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  window.Record().editBoxes[0].focused = 1;
  ::SendMessageW(edit, WM_NCPAINT, 1, 0);
  const COLORREF ring = Blend(window.BackgroundAt(kEditBounds.top + 12), kWhite, 160);
  const COLORREF expected = Blend(ring, window.Options().accentColour, 180);
  EXPECT_TRUE(Near(WindowPixel(edit, 0, 12), expected)) << ColourText(WindowPixel(edit, 0, 12));
}

TEST(EditSkinProc, FocusFollowsSetAndKillFocus) {
  SkinnedWindow window;
  HWND edit = AddEdit(window);
  HWND other = AddEdit(window, 0, {40, 140, 200, 24});
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  ::SetFocus(edit);
  EXPECT_EQ(EntryOf(window, edit).focused, 1);
  ::ValidateRect(edit, nullptr);
  ::SetFocus(other);
  EXPECT_EQ(EntryOf(window, edit).focused, 0);
  EXPECT_EQ(EntryOf(window, other).focused, 1);
  EXPECT_TRUE(::GetUpdateRect(edit, nullptr, FALSE)) << "losing the focus invalidates it whole";
}

// Which messages leave the edit box invalidated, by translucency and scroll bars.
struct InvalidationCase {
  const char* name;
  UINT message;
  WPARAM wParam;
  int translucent;
  bool scrollBars;
  bool invalidated;
};

class EditInvalidation : public testing::TestWithParam<InvalidationCase> {};

TEST_P(EditInvalidation, FollowsTheTable) {
  const InvalidationCase& c = GetParam();
  SkinnedWindow window({.translucentControls = c.translucent});
  HWND edit = c.scrollBars ? AddEdit(window, ES_MULTILINE | WS_VSCROLL, {40, 100, 200, 80})
                           : AddEdit(window);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  ::ValidateRect(edit, nullptr);
  ::SendMessageW(edit, c.message, c.wParam, MAKELPARAM(190, 5));
  EXPECT_EQ(::GetUpdateRect(edit, nullptr, FALSE) != 0, c.invalidated);
  if (c.message == WM_LBUTTONDOWN) {
    EXPECT_EQ(EntryOf(window, edit).pressed, 1);
    ::SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(190, 5));
    EXPECT_EQ(EntryOf(window, edit).pressed, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, EditInvalidation,
    testing::Values(
        InvalidationCase{"MoveTranslucent", WM_MOVE, 0, 1, false, true},
        InvalidationCase{"MoveOpaque", WM_MOVE, 0, 0, false, false},
        InvalidationCase{"HScrollTranslucent", WM_HSCROLL, SB_ENDSCROLL, 1, false, true},
        InvalidationCase{"VScrollTranslucent", WM_VSCROLL, SB_ENDSCROLL, 1, true, true},
        InvalidationCase{"VScrollOpaque", WM_VSCROLL, SB_ENDSCROLL, 0, true, false},
        InvalidationCase{"KeyDownTranslucent", WM_KEYDOWN, VK_SHIFT, 1, false, true},
        InvalidationCase{"KeyDownOpaque", WM_KEYDOWN, VK_SHIFT, 0, false, false},
        InvalidationCase{"KeyDownWithScrollBars", WM_KEYDOWN, VK_SHIFT, 1, true, false},
        InvalidationCase{"ButtonDownTranslucent", WM_LBUTTONDOWN, MK_LBUTTON, 1, false, true},
        InvalidationCase{"ButtonDownWithScrollBars", WM_LBUTTONDOWN, MK_LBUTTON, 1, true, false}),
    [](const testing::TestParamInfo<InvalidationCase>& info) {
      return std::string(info.param.name);
    });

TEST(EditSkinProc, MouseMovePaintsHotOnceAndLeavePaintsItBack) {
  SkinnedWindow window;
  HWND edit = AddEdit(window);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  const COLORREF ring = Blend(window.BackgroundAt(kEditBounds.top + 12), kWhite, 160);
  const COLORREF hotLine = Blend(ring, window.Options().accentColour, 180);

  ::SendMessageW(edit, WM_MOUSEMOVE, 0, MAKELPARAM(50, 5));
  skin::WindowRecord& record = window.Record();
  EXPECT_EQ(record.hotControl, 1);
  EXPECT_EQ(record.controlUnderMouse, 1);
  EXPECT_EQ(record.hotControlClass, skin::kEditHotClass);
  EXPECT_EQ(record.hotControlParent, window.Hwnd());
  EXPECT_TRUE(Near(WindowPixel(edit, 1, 12), hotLine));
  EXPECT_EQ(EntryOf(window, edit).hot, 0) << "the hot look is painted, not kept";

  // Already the hot control: a further move does not paint the frame again.
  skin::PaintEditFrame(edit, {.focused = false, .hot = false});
  ::SendMessageW(edit, WM_MOUSEMOVE, 0, MAKELPARAM(60, 5));
  EXPECT_TRUE(Near(WindowPixel(edit, 1, 12), ring));

  ::SendMessageW(edit, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(record.hotControl, 0);
  EXPECT_TRUE(Near(WindowPixel(edit, 0, 12), Blend(ring, kBlack, 80)));
  EXPECT_TRUE(Near(WindowPixel(edit, 1, 12), ring));
}

TEST(EditSkinProc, TheHotLookLastsUntilTheNextPaint) {
  SkinnedWindow window;
  HWND edit = AddEdit(window);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  const COLORREF ring = Blend(window.BackgroundAt(kEditBounds.top + 12), kWhite, 160);
  ::SendMessageW(edit, WM_MOUSEMOVE, 0, MAKELPARAM(50, 5));
  EXPECT_TRUE(Near(WindowPixel(edit, 1, 12), Blend(ring, window.Options().accentColour, 180)));
  ::InvalidateRect(edit, nullptr, TRUE);
  ::UpdateWindow(edit);
  EXPECT_TRUE(Near(WindowPixel(edit, 0, 12), Blend(ring, kBlack, 80)));
  EXPECT_TRUE(Near(WindowPixel(edit, 1, 12), ring));
  EXPECT_EQ(window.Record().hotControl, 1) << "still the control under the mouse";
}

TEST(EditSkinProc, DraggingWithTheButtonDownRedrawsTheWholeEditBox) {
  SkinnedWindow window({.translucentControls = 0});
  HWND edit = AddEdit(window);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  window.Record().editBoxes[0].pressed = 1;
  ::ValidateRect(edit, nullptr);
  ::SendMessageW(edit, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 5));
  EXPECT_TRUE(::GetUpdateRect(edit, nullptr, FALSE)) << "whatever translucentControls holds";
}

TEST(EditSkinProc, RealPointerMakesTheFrameHotAndLeavingMakesItPlain) {
  SkinnedWindow window;
  HWND edit = AddEdit(window);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  RECT rect;
  ::GetWindowRect(edit, &rect);
  skin_test::MovePointerTo(rect.left + 60, rect.top + 12);
  EXPECT_TRUE(skin_test::PumpUntil([&] { return window.Record().hotControl == 1; }));
  const COLORREF ring = Blend(window.BackgroundAt(kEditBounds.top + 12), kWhite, 160);
  EXPECT_TRUE(Near(WindowPixel(edit, 1, 12), Blend(ring, window.Options().accentColour, 180)));
  skin_test::MovePointerTo(rect.left + 60, rect.bottom + 80);
  EXPECT_TRUE(skin_test::PumpUntil([&] { return window.Record().hotControl == 0; }));
  EXPECT_TRUE(Near(WindowPixel(edit, 1, 12), ring));
}

TEST(EditSkinProc, KillFocusInsideAComboBoxRepaintsOnlyTheFrame) {
  SkinnedWindow window;
  HWND combo = window.AddChild(L"ComboBox", L"", CBS_DROPDOWN, {40, 100, 200, 200});
  HWND other = AddEdit(window, 0, {40, 300, 200, 24});
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  HWND edit = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
  ASSERT_NE(skin::FindEditRecord(window.Number(), edit), 0);
  ::SetFocus(edit);
  EXPECT_EQ(EntryOf(window, edit).focused, 1);
  skin_test::PumpPending();
  // The host's own answer to the combo box's CBN_KILLFOCUS (invalidating the combo box and so its
  // children) is kept out: only the edit box's skin is under test.
  window.SetHook([](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_COMMAND) return 0;
    return std::nullopt;
  });
  ::ValidateRect(edit, nullptr);
  ::SendMessageW(edit, WM_KILLFOCUS, reinterpret_cast<WPARAM>(other), 0);
  EXPECT_EQ(EntryOf(window, edit).focused, 0);
  EXPECT_FALSE(::GetUpdateRect(edit, nullptr, FALSE));
}

}  // namespace
