// The combo-box skin on real combo boxes under Wine: install with its edit child, the face in each
// state (frame, drop button, gradient, arrow, text, the children left showing through) and the
// replacement procedure's answers, colours and invalidations.
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
using skin_test::WindowPixel;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr int kLeft = 40;
constexpr int kTop = 100;

HWND AddCombo(const SkinnedWindow& window, DWORD style, int top = kTop) {
  HWND combo = window.AddChild(L"ComboBox", L"", style | WS_VSCROLL, {kLeft, top, 160, 200});
  for (const wchar_t* item : {L"Item A", L"Item B", L"Item C"})
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  return combo;
}

SIZE SizeOf(HWND window) {
  RECT rect;
  ::GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

const skin::ComboRecord& EntryOf(const SkinnedWindow& window, HWND combo) {
  return window.Record().comboBoxes.at(
      static_cast<std::size_t>(skin::FindComboRecord(window.Number(), combo)) - 1);
}

// The face colour at row y of the combo box: the background under the veil, or white.
COLORREF FaceAt(const SkinnedWindow& window, int y) {
  if (window.Options().translucentControls != 1) return kWhite;
  return Blend(window.BackgroundAt(kTop + y), kWhite, window.Options().controlVeilAlpha);
}

void PaintGreen(HWND window, const RECT& rect) {
  HDC dc = ::GetWindowDC(window);
  HBRUSH brush = ::CreateSolidBrush(kGreen);
  ::FillRect(dc, &rect, brush);
  ::DeleteObject(brush);
  ::ReleaseDC(window, dc);
}

// ARGB `colour` laid over `below` as GDI+ blends it.
COLORREF Over(COLORREF below, skin::ARGB colour) {
  const int alpha = static_cast<int>(colour >> 24);
  return Blend(below, RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF), alpha);
}

skin::ARGB Mix(skin::ARGB from, skin::ARGB to, double t) {
  skin::ARGB result = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const double a = (from >> shift) & 0xFF;
    const double b = (to >> shift) & 0xFF;
    result |= static_cast<skin::ARGB>(a + (b - a) * t + 0.5) << shift;
  }
  return result;
}

// ---- Install ----------------------------------------------------------------------------------

TEST(SkinComboBoxes, RegistersEachComboBoxAndItsEditChild) {
  SkinnedWindow window;
  HWND list = AddCombo(window, CBS_DROPDOWNLIST);
  HWND dropDown = AddCombo(window, CBS_DROPDOWN, 160);
  const auto listProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(list, GWLP_WNDPROC));
  skin::SkinEditBoxes(window.Number(), window.Hwnd());

  ASSERT_EQ(window.Record().comboBoxes.size(), 2u);
  EXPECT_EQ(skin::FindComboRecord(window.Number(), list), 1);
  EXPECT_EQ(skin::FindComboRecord(window.Number(), dropDown), 2);
  for (HWND combo : {list, dropDown}) {
    EXPECT_EQ(skin::ReadProp(combo, skin::prop::Hw_lbID),
              skin::FindComboRecord(window.Number(), combo));
    EXPECT_EQ(skin::ReadProp(combo, skin::prop::Hw_FuID), window.Number());
    EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(combo, GWLP_WNDPROC)),
              &skin::ComboSkinProc);
    EXPECT_EQ(EntryOf(window, combo).previousProc,
              skin::ReadPropHandle<WNDPROC>(combo, skin::prop::Hw_hProc));
  }
  EXPECT_EQ(skin::ReadPropHandle<WNDPROC>(list, skin::prop::Hw_hProc), listProc);

  HWND edit = ::FindWindowExW(dropDown, nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  ASSERT_EQ(skin::FindEditRecord(window.Number(), edit), 1);
  EXPECT_EQ(skin::ReadProp(edit, skin::prop::Hw_FuID), window.Number());
  EXPECT_EQ(skin::ReadProp(edit, skin::prop::Hw_lbID), 1);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(edit, GWLP_WNDPROC)),
            &skin::EditSkinProc);
}

TEST(SkinComboBoxes, TheEditChildStaysUnskinnedWhenControlsAreOpaque) {
  SkinnedWindow window({.translucentControls = 0});
  HWND dropDown = AddCombo(window, CBS_DROPDOWN);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  EXPECT_EQ(window.Record().comboBoxes.size(), 1u);
  EXPECT_TRUE(window.Record().editBoxes.empty());
  EXPECT_EQ(
      skin::FindEditRecord(window.Number(), ::FindWindowExW(dropDown, nullptr, L"Edit", nullptr)),
      0);
}

TEST(SkinComboBoxes, ASecondInstallSubclassesNeitherTheComboNorItsEditTwice) {
  SkinnedWindow window;
  HWND dropDown = AddCombo(window, CBS_DROPDOWN);
  HWND edit = ::FindWindowExW(dropDown, nullptr, L"Edit", nullptr);
  const auto comboProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(dropDown, GWLP_WNDPROC));
  const auto editProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(edit, GWLP_WNDPROC));
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  EXPECT_EQ(window.Record().comboBoxes.size(), 1u);
  EXPECT_EQ(window.Record().editBoxes.size(), 1u);
  EXPECT_EQ(skin::ReadPropHandle<WNDPROC>(dropDown, skin::prop::Hw_hProc), comboProc);
  EXPECT_EQ(skin::ReadPropHandle<WNDPROC>(edit, skin::prop::Hw_hProc), editProc);
  ::SetWindowTextW(dropDown, L"typed");
  wchar_t text[16] = {};
  ::GetWindowTextW(edit, text, 16);
  EXPECT_STREQ(text, L"typed") << "messages still reach the controls' own procedures";
}

TEST(SkinComboBoxes, FirstComboTakesTheFreeEntryAndNothingHappensWhileSkinningIsOff) {
  SkinnedWindow window({.controlSkinning = 0});
  HWND first = AddCombo(window, CBS_DROPDOWNLIST);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  EXPECT_TRUE(window.Record().comboBoxes.empty());
  skin::Module().controlSkinning = 1;
  window.Record().comboBoxes.resize(1);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  ASSERT_EQ(window.Record().comboBoxes.size(), 1u);
  EXPECT_EQ(skin::FindComboRecord(window.Number(), first), 1);
}

// Records the texts a combo box is sent with WM_SETTEXT before the skin takes it over.
std::vector<std::wstring> gSentTexts;
WNDPROC gRecordedProc = nullptr;
LRESULT CALLBACK RecordSetText(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) gSentTexts.emplace_back(reinterpret_cast<const wchar_t*>(lParam));
  return ::CallWindowProcW(gRecordedProc, window, message, wParam, lParam);
}

TEST(SkinComboBoxes, InstallSendsTheSelectedItemAsTheWindowText) {
  SkinnedWindow window;
  HWND list = AddCombo(window, CBS_DROPDOWNLIST);
  HWND unselected = AddCombo(window, CBS_DROPDOWNLIST, 160);
  ::SendMessageW(list, CB_SETCURSEL, 1, 0);
  gSentTexts.clear();
  gRecordedProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordSetText)));
  ::SetWindowLongPtrW(unselected, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordSetText));
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  ASSERT_EQ(gSentTexts.size(), 1u) << "only the combo box with a selection";
  EXPECT_EQ(gSentTexts[0], L"Item B");
}

TEST(ChildRectInParent, IsTheChildsPlaceInItsParentsWindowRectangle) {
  SkinnedWindow window;
  HWND dropDown = AddCombo(window, CBS_DROPDOWN);
  HWND edit = ::FindWindowExW(dropDown, nullptr, L"Edit", nullptr);
  RECT comboRect;
  RECT editRect;
  ::GetWindowRect(dropDown, &comboRect);
  ::GetWindowRect(edit, &editRect);
  const RECT expected{editRect.left - comboRect.left, editRect.top - comboRect.top,
                      editRect.right - comboRect.left, editRect.bottom - comboRect.top};
  const RECT seen = skin::ChildRectInParent(edit);
  EXPECT_TRUE(::EqualRect(&seen, &expected));
  EXPECT_TRUE(::IsRectEmpty(&seen) == FALSE);
  const RECT ofSkinnedWindow = skin::ChildRectInParent(window.Hwnd());
  EXPECT_TRUE(::IsRectEmpty(&ofSkinnedWindow));
}

// ---- The face ---------------------------------------------------------------------------------

struct FaceCase {
  const char* name;
  bool hot;
  bool focused;
  int translucent;
};

class ComboFace : public testing::TestWithParam<FaceCase> {};

TEST_P(ComboFace, FrameButtonAndGradientHaveTheirColours) {
  const FaceCase& look = GetParam();
  SkinnedWindow window({.translucentControls = look.translucent});
  HWND combo = AddCombo(window, CBS_DROPDOWNLIST);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin::PaintComboBox(window.Number(), 1, {.hot = look.hot, .focused = look.focused});

  const SIZE size = SizeOf(combo);
  const int middle = size.cy / 2;
  const COLORREF accent = window.Options().accentColour;
  const COLORREF face = FaceAt(window, middle);
  const COLORREF frame =
      look.hot || look.focused ? Blend(face, accent, 200) : Blend(face, kBlack, 80);
  EXPECT_TRUE(Near(WindowPixel(combo, 0, middle), frame))
      << ColourText(WindowPixel(combo, 0, middle)) << " instead of " << ColourText(frame);
  EXPECT_TRUE(Near(WindowPixel(combo, size.cx - 1, middle), frame));
  EXPECT_TRUE(Near(WindowPixel(combo, 1, middle), face)) << "the face inside the frame";

  // The drop button of a drop-down list is 17 wide, 2 in from the right edge.
  const int buttonX = size.cx - 17 - 2;
  const COLORREF outline = look.hot ? Blend(face, accent, 200) : Blend(face, kBlack, 80);
  EXPECT_TRUE(Near(WindowPixel(combo, buttonX, middle), outline))
      << ColourText(WindowPixel(combo, buttonX, middle)) << " instead of " << ColourText(outline);

  // The gradient runs from y = 2 to y = H - 4; probe the first and last rows of the face.
  const skin::ARGB top = look.hot ? 0x64FFFFFF : skin::ToArgb(accent, 30, true);
  const skin::ARGB bottom = skin::ToArgb(accent, look.hot ? 150 : 100, true);
  const double span = size.cy - 6;
  for (int y : {4, static_cast<int>(size.cy) - 5}) {
    const COLORREF expected = Over(FaceAt(window, y), Mix(top, bottom, (y + 0.5 - 2) / span));
    const COLORREF seen = WindowPixel(combo, buttonX + 2, y);
    EXPECT_TRUE(Near(seen, expected, 8))
        << "row " << y << ": " << ColourText(seen) << " instead of " << ColourText(expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    States, ComboFace,
    testing::Values(FaceCase{"normal", false, false, 1}, FaceCase{"hot", true, false, 1},
                    FaceCase{"focused", false, true, 1}, FaceCase{"normalOpaque", false, false, 0},
                    FaceCase{"hotOpaque", true, false, 0}),
    [](const testing::TestParamInfo<FaceCase>& info) { return std::string(info.param.name); });

bool IsDark(COLORREF colour) {
  return GetRValue(colour) < 0x50 && GetGValue(colour) < 0x50 && GetBValue(colour) < 0x50;
}

TEST(ComboFace, ArrowSitsCentredInTheDropButton) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWNLIST);
  // An even height puts the arrow on whole pixels: (H - 8) / 2 is then exact.
  if (SizeOf(combo).cy % 2 != 0) {
    const LRESULT field = ::SendMessageW(combo, CB_GETITEMHEIGHT, WPARAM(-1), 0);
    ::SendMessageW(combo, CB_SETITEMHEIGHT, WPARAM(-1), field + 1);
  }
  ASSERT_EQ(SizeOf(combo).cy % 2, 0);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin::PaintComboBox(window.Number(), 1);
  const SIZE size = SizeOf(combo);
  const int arrowX = size.cx - 17 - 2 + 5;  // (17 - 7) / 2 into the button
  const int arrowY = 2 + (size.cy - 8) / 2;
  // Rows of 7, 5, 3 and 1 dark pixels, centred; the pixels beside them are the button's face.
  constexpr int kRowWidths[] = {7, 5, 3, 1};
  for (int row = 0; row < 4; ++row) {
    const int first = (7 - kRowWidths[row]) / 2;
    const int last = first + kRowWidths[row] - 1;
    for (int column = -1; column <= 7; ++column) {
      const bool inside = column >= first && column <= last;
      EXPECT_EQ(IsDark(WindowPixel(combo, arrowX + column, arrowY + row)), inside)
          << "row " << row << ", column " << column << ": "
          << ColourText(WindowPixel(combo, arrowX + column, arrowY + row));
    }
  }
}

// How many pixels of the text strip are dark, and how many are clearly red.
struct TextInk {
  int dark = 0;
  int red = 0;
};

TextInk InkOf(HWND combo) {
  const SIZE size = SizeOf(combo);
  TextInk ink;
  HDC dc = ::GetWindowDC(combo);
  for (int y = 2; y < size.cy - 2; ++y) {
    for (int x = 2; x < size.cx - 22; ++x) {
      const COLORREF colour = ::GetPixel(dc, x, y);
      if (IsDark(colour)) ++ink.dark;
      if (GetRValue(colour) > 0xB0 && GetGValue(colour) < 0x60 && GetBValue(colour) < 0x60)
        ++ink.red;
    }
  }
  ::ReleaseDC(combo, dc);
  return ink;
}

TEST(ComboFace, DropDownListShowsItsTextInTheTextColour) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWNLIST);
  HWND empty = AddCombo(window, CBS_DROPDOWNLIST, 160);
  ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin::PaintComboBox(window.Number(), 1);
  skin::PaintComboBox(window.Number(), 2);
  EXPECT_GT(InkOf(combo).dark, 10) << "\"Item A\" in black";
  EXPECT_EQ(InkOf(empty).dark, 0) << "no selection, no text";

  skin::WriteProp(combo, skin::prop::Kj_Ztys, RGB(0xFF, 0, 0));
  skin::PaintComboBox(window.Number(), 1);
  const TextInk red = InkOf(combo);
  EXPECT_GT(red.red, 10);
  EXPECT_EQ(red.dark, 0);
}

TEST(ComboFace, DropDownEditChildKeepsItsOwnPixels) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWN);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  HWND edit = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
  const RECT editRect = skin::ChildRectInParent(edit);
  PaintGreen(combo, editRect);
  skin::PaintComboBox(window.Number(), 1);
  EXPECT_EQ(WindowPixel(combo, editRect.left, editRect.top), kGreen);
  EXPECT_EQ(WindowPixel(combo, editRect.right - 1, editRect.bottom - 1), kGreen);
  const int middle = SizeOf(combo).cy / 2;
  EXPECT_TRUE(Near(WindowPixel(combo, 1, middle), FaceAt(window, middle)));
  // A drop-down (not a list) has an 18-pixel button.
  const int buttonX = SizeOf(combo).cx - 18 - 2;
  const COLORREF outline = Blend(FaceAt(window, middle), kBlack, 80);
  EXPECT_TRUE(Near(WindowPixel(combo, buttonX, middle), outline))
      << ColourText(WindowPixel(combo, buttonX, middle));
}

TEST(ComboFace, SimpleComboListKeepsItsPixelsInsideATwoPixelMargin) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_SIMPLE);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  HWND list = ::FindWindowExW(combo, nullptr, L"ComboLBox", nullptr);
  ASSERT_NE(list, nullptr);
  const RECT listRect = skin::ChildRectInParent(list);
  PaintGreen(combo, listRect);
  skin::PaintComboBox(window.Number(), 1);
  const int y = (listRect.top + listRect.bottom) / 2;
  EXPECT_TRUE(Near(WindowPixel(combo, listRect.left + 1, y), FaceAt(window, y)))
      << ColourText(WindowPixel(combo, listRect.left + 1, y));
  EXPECT_TRUE(Near(WindowPixel(combo, listRect.right - 2, y), FaceAt(window, y)));
  EXPECT_EQ(WindowPixel(combo, listRect.left + 2, y), kGreen);
  EXPECT_EQ(WindowPixel(combo, listRect.right - 3, y), kGreen);
}

// ---- The procedure ----------------------------------------------------------------------------

TEST(ComboSkinProc, EraseBackgroundIsAnsweredWithoutPainting) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWNLIST);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  skin_test::MemoryCanvas canvas(20, 20, kGreen);
  EXPECT_EQ(::SendMessageW(combo, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0), 1);
  EXPECT_EQ(::GetBkMode(canvas.Dc()), TRANSPARENT);
  EXPECT_EQ(::GetPixel(canvas.Dc(), 5, 5), kGreen);
}

TEST(ComboSkinProc, NcPaintAndPaintDrawTheFace) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWNLIST);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  const int middle = SizeOf(combo).cy / 2;
  PaintGreen(combo, {1, 1, 20, middle + 2});
  ::SendMessageW(combo, WM_NCPAINT, 1, 0);
  EXPECT_TRUE(Near(WindowPixel(combo, 1, middle), FaceAt(window, middle)));
  PaintGreen(combo, {1, 1, 20, middle + 2});
  ::InvalidateRect(combo, nullptr, TRUE);
  ::UpdateWindow(combo);
  EXPECT_TRUE(Near(WindowPixel(combo, 1, middle), FaceAt(window, middle)));
}

TEST(ComboSkinProc, FocusPaintsTheFrameAndLosingItWaitsForTheNextPaint) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWNLIST);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  const int middle = SizeOf(combo).cy / 2;
  const COLORREF face = FaceAt(window, middle);
  const COLORREF accentFrame = Blend(face, window.Options().accentColour, 200);
  ::SendMessageW(combo, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(EntryOf(window, combo).focused, 1);
  EXPECT_TRUE(Near(WindowPixel(combo, 0, middle), accentFrame));
  ::SendMessageW(combo, WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(EntryOf(window, combo).focused, 0);
  EXPECT_TRUE(Near(WindowPixel(combo, 0, middle), accentFrame)) << "not repainted by itself";
  skin::PaintComboBox(window.Number(), 1);
  EXPECT_TRUE(Near(WindowPixel(combo, 0, middle), Blend(face, kBlack, 80)));
}

TEST(ComboSkinProc, MouseMoveMakesItHotAndLeaveMakesItPlain) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWNLIST);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  const int middle = SizeOf(combo).cy / 2;
  const COLORREF face = FaceAt(window, middle);
  ::SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(20, middle));
  EXPECT_EQ(window.Record().hotControl, 1);
  EXPECT_EQ(window.Record().controlUnderMouse, 1);
  EXPECT_EQ(window.Record().hotControlClass, skin::kComboHotClass);
  EXPECT_TRUE(Near(WindowPixel(combo, 0, middle), Blend(face, window.Options().accentColour, 200)));
  ::SendMessageW(combo, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(window.Record().hotControl, 0);
  EXPECT_TRUE(Near(WindowPixel(combo, 0, middle), Blend(face, kBlack, 80)));
}

TEST(ComboSkinProc, TheHotLookLastsUntilTheNextPaint) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWNLIST);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  const int middle = SizeOf(combo).cy / 2;
  const COLORREF face = FaceAt(window, middle);
  ::SendMessageW(combo, WM_MOUSEMOVE, 0, MAKELPARAM(20, middle));
  EXPECT_TRUE(Near(WindowPixel(combo, 0, middle), Blend(face, window.Options().accentColour, 200)));
  ::InvalidateRect(combo, nullptr, TRUE);
  ::UpdateWindow(combo);
  EXPECT_TRUE(Near(WindowPixel(combo, 0, middle), Blend(face, kBlack, 80)));
}

TEST(ComboSkinProc, RealPointerMakesItHot) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWNLIST);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin_test::PumpPending();
  RECT rect;
  ::GetWindowRect(combo, &rect);
  skin_test::MovePointerTo(rect.left + 30, rect.top + 5);
  EXPECT_TRUE(skin_test::PumpUntil([&] { return window.Record().hotControl == 1; }));
  EXPECT_EQ(window.Record().hotControlClass, skin::kComboHotClass);
  skin_test::MovePointerTo(rect.left + 30, rect.bottom + 150);
  EXPECT_TRUE(skin_test::PumpUntil([&] { return window.Record().hotControl == 0; }));
}

TEST(ComboSkinProc, SetTextInvalidatesAComboBoxWithAnEditChild) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWN);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin_test::PumpPending();
  ::ValidateRect(combo, nullptr);
  ::SendMessageW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"new text"));
  EXPECT_TRUE(::GetUpdateRect(combo, nullptr, FALSE));
}

struct CommandCase {
  const char* name;
  UINT code;
  int translucent;
  bool invalidated;
};

class ComboEditCommand : public testing::TestWithParam<CommandCase> {};

TEST_P(ComboEditCommand, InvalidatesTheEditChildWhenItsTextMoved) {
  const CommandCase& c = GetParam();
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWN);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin_test::PumpPending();
  skin::Module().translucentControls = c.translucent;
  HWND edit = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
  ::ValidateRect(edit, nullptr);
  ::SendMessageW(combo, WM_COMMAND, MAKEWPARAM(1001, c.code), reinterpret_cast<LPARAM>(edit));
  EXPECT_EQ(::GetUpdateRect(edit, nullptr, FALSE) != 0, c.invalidated);
  skin::Module().translucentControls = 1;
}

INSTANTIATE_TEST_SUITE_P(Codes, ComboEditCommand,
                         testing::Values(CommandCase{"Change", EN_CHANGE, 1, true},
                                         CommandCase{"Update", EN_UPDATE, 1, true},
                                         CommandCase{"VScroll", EN_VSCROLL, 1, true},
                                         CommandCase{"HScroll", EN_HSCROLL, 1, true},
                                         CommandCase{"MaxText", EN_MAXTEXT, 1, false},
                                         CommandCase{"ChangeOpaque", EN_CHANGE, 0, false}),
                         [](const testing::TestParamInfo<CommandCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ComboSkinProc, EditChildColoursAreTheVeiledBackgroundAndReplaceTheLastOnes) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWN);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  HWND edit = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
  skin::WriteProp(edit, skin::prop::Kj_Ztys, RGB(0x12, 0x34, 0x56));
  skin_test::MemoryCanvas canvas(40, 10, kGreen);
  const auto ask = [&] {
    return reinterpret_cast<HBRUSH>(::SendMessageW(combo, WM_CTLCOLOREDIT,
                                                   reinterpret_cast<WPARAM>(canvas.Dc()),
                                                   reinterpret_cast<LPARAM>(edit)));
  };
  HBRUSH first = ask();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(::GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(skin::ReadPropHandle<HBRUSH>(edit, skin::prop::Kj_dxjb), first);
  HBITMAP firstBitmap = skin::ReadPropHandle<HBITMAP>(edit, skin::prop::Kj_wtjb);
  EXPECT_EQ(::GetObjectType(firstBitmap), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(::GetTextColor(canvas.Dc()), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(::GetBkMode(canvas.Dc()), TRANSPARENT);

  // The brush's pattern is what lies behind the edit box's client area, veiled.
  const RECT all{0, 0, 40, 10};
  ::FillRect(canvas.Dc(), &all, first);
  RECT editRect;
  ::GetWindowRect(edit, &editRect);
  RECT windowRect;
  ::GetWindowRect(window.Hwnd(), &windowRect);
  const int editTop = editRect.top - windowRect.top + skin::ClientRectInWindow(edit).top;
  const COLORREF expected = Blend(window.BackgroundAt(editTop + 3), kWhite, 160);
  EXPECT_TRUE(Near(::GetPixel(canvas.Dc(), 5, 3), expected))
      << ColourText(::GetPixel(canvas.Dc(), 5, 3)) << " instead of " << ColourText(expected);

  HBRUSH second = ask();
  EXPECT_NE(second, nullptr);
  EXPECT_EQ(::GetObjectType(firstBitmap), 0u) << "the last bitmap is deleted";
  EXPECT_EQ(skin::ReadPropHandle<HBRUSH>(edit, skin::prop::Kj_dxjb), second);
}

TEST(ComboSkinProc, OpaqueControlsLeaveTheEditColoursToTheHost) {
  SkinnedWindow window({.translucentControls = 0});
  HWND combo = AddCombo(window, CBS_DROPDOWN);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  HWND edit = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
  skin_test::MemoryCanvas canvas(10, 10, kGreen);
  ::SendMessageW(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(canvas.Dc()),
                 reinterpret_cast<LPARAM>(edit));
  EXPECT_EQ(::GetPropW(edit, skin::prop::Kj_dxjb), nullptr);
}

TEST(ComboSkinProc, SelectionChangeRepaintsTheNewText) {
  SkinnedWindow window;
  HWND combo = AddCombo(window, CBS_DROPDOWNLIST);
  ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin_test::PumpPending();
  const auto strip = [&] {
    std::vector<COLORREF> pixels;
    HDC dc = ::GetWindowDC(combo);
    for (int x = 2; x < 80; ++x) {
      for (int y = 3; y < 18; ++y) pixels.push_back(::GetPixel(dc, x, y));
    }
    ::ReleaseDC(combo, dc);
    return pixels;
  };
  const std::vector<COLORREF> before = strip();
  ::ValidateRect(combo, nullptr);
  ::SendMessageW(combo, WM_KEYDOWN, VK_DOWN, 0);  // the user picks the next item
  EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(::GetUpdateRect(combo, nullptr, FALSE))
      << "CBN_SELCHANGE made the host invalidate it";
  ::UpdateWindow(combo);
  EXPECT_NE(strip(), before) << "\"Item B\" replaced \"Item A\"";
}

}  // namespace
