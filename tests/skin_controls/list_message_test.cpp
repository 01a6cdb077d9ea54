// ListSkinProc message by message: focus, hover, keys, erase, non-client paint, scrolling and the
// arrow-key repaint, with the records and the frame pixels they leave behind.
#include "tests/app/message_pump.h"
#include "tests/skin_controls/list_test_support.h"

namespace list_test {
namespace {

constexpr RECT kBounds{40, 120, 160, 100};

class ListMessages : public ::testing::Test {
 protected:
  void SetUp() override {
    box_ = list_.Add(L"ListBox", LBS_NOINTEGRALHEIGHT | WS_BORDER | LBS_NOTIFY, kBounds);
    for (const wchar_t* text : {L"one", L"two", L"three"})
      ::SendMessageW(box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    list_.Skin();
    ListWindow::Repaint(box_);
  }

  COLORREF Ring(int y) const { return RingColour(list_.BackgroundBehind(box_, y), {}); }
  bool UpdatePending() const { return ::GetUpdateRect(box_, nullptr, FALSE) != 0; }
  void Validate() const { ::ValidateRect(box_, nullptr); }

  ListWindow list_;
  HWND box_ = nullptr;
};

TEST_F(ListMessages, FocusLightsTheFrameAndLosingItDimsIt) {
  ::SetFocus(box_);
  ASSERT_EQ(::GetFocus(), box_);
  EXPECT_EQ(list_.Entry(box_).focused, 1);
  EXPECT_TRUE(ColourIs(WindowPixel(box_, 0, 50), AccentOver(Ring(50), {})));
  ::SetFocus(nullptr);
  EXPECT_EQ(list_.Entry(box_).focused, 0);
  EXPECT_TRUE(ColourIs(WindowPixel(box_, 0, 50), Blend(Ring(50), kBlack, 90)));
}

TEST_F(ListMessages, MouseMoveMakesItHotOnceAndLeaveCoolsIt) {
  skin::WindowRecord& record = list_.Record();
  const int number = list_.NumberOf(box_);
  ::SendMessageW(box_, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(list_.Entry(box_).hot, 1);
  EXPECT_EQ(record.hotControl, number);
  EXPECT_EQ(record.hotControlClass, skin::kListHotClass);
  EXPECT_EQ(record.controlUnderMouse, number);
  EXPECT_TRUE(ColourIs(WindowPixel(box_, 0, 50), AccentOver(Ring(50), {})));

  // Already the hot control: a further move does not paint the frame again.
  skin::PaintListFrame(list_.Window().Number(), number, {.hot = false});
  ::SendMessageW(box_, WM_MOUSEMOVE, 0, MAKELPARAM(22, 20));
  EXPECT_TRUE(ColourIs(WindowPixel(box_, 0, 50), Blend(Ring(50), kBlack, 90)));

  ::SendMessageW(box_, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(list_.Entry(box_).hot, 0);
  EXPECT_EQ(record.hotControl, 0);
  EXPECT_TRUE(ColourIs(WindowPixel(box_, 0, 50), Blend(Ring(50), kBlack, 90)));
}

TEST_F(ListMessages, AnotherKindsHotControlDoesNotBlockTheList) {
  skin::WindowRecord& record = list_.Record();
  record.hotControl = list_.NumberOf(box_);
  record.hotControlClass = 1;  // an edit box with the same number
  ::SendMessageW(box_, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(record.hotControlClass, skin::kListHotClass);
  EXPECT_TRUE(ColourIs(WindowPixel(box_, 0, 50), AccentOver(Ring(50), {})));
}

TEST_F(ListMessages, ArrowKeysAreRememberedUntilAnyKeyComesUp) {
  struct Case {
    WPARAM key;
    int expected;
  };
  for (const Case& c : {Case{VK_LEFT, 1}, Case{VK_UP, 1}, Case{VK_RIGHT, 1}, Case{VK_DOWN, 1},
                        Case{VK_HOME, 0}, Case{'A', 0}, Case{VK_SPACE, 0}}) {
    list_.Entry(box_).arrowKeyDown = 0;
    ::SendMessageW(box_, WM_KEYDOWN, c.key, 1);
    EXPECT_EQ(list_.Entry(box_).arrowKeyDown, c.expected) << "key " << c.key;
    ::SendMessageW(box_, WM_KEYUP, 'A', 0xC0000001);
    EXPECT_EQ(list_.Entry(box_).arrowKeyDown, 0) << "after a key-up, key " << c.key;
  }
}

TEST_F(ListMessages, ArrowRepaintOnlyWhileAnArrowKeyIsHeld) {
  Validate();
  ::SendMessageW(box_, skin::kListArrowRepaintMessage, 0, 0);
  EXPECT_FALSE(UpdatePending());
  list_.Entry(box_).arrowKeyDown = 1;
  ::SendMessageW(box_, skin::kListArrowRepaintMessage, 0, 0);
  EXPECT_TRUE(UpdatePending());
  Validate();
  skin::Module().translucentControls = 0;
  ::SendMessageW(box_, skin::kListArrowRepaintMessage, 0, 0);
  EXPECT_FALSE(UpdatePending()) << "an opaque list repaints itself";
}

TEST_F(ListMessages, ScrollingAndMovingRepaintTheSeeThroughList) {
  for (UINT message : {WM_MOVE, WM_VSCROLL, WM_HSCROLL, WM_MOUSEWHEEL}) {
    Validate();
    ::SendMessageW(box_, message, 0, 0);
    EXPECT_TRUE(UpdatePending()) << "message " << message;
  }
  skin::Module().translucentControls = 0;
  Validate();
  ::SendMessageW(box_, WM_VSCROLL, SB_ENDSCROLL, 0);
  EXPECT_FALSE(UpdatePending());
}

TEST_F(ListMessages, EraseLeavesTheSeeThroughListAlone) {
  HDC dc = ::GetDC(box_);
  ::SetBkMode(dc, OPAQUE);
  ::SetPixel(dc, 5, 90, RGB(1, 2, 3));
  EXPECT_EQ(::SendMessageW(box_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
  EXPECT_EQ(::GetPixel(dc, 5, 90), RGB(1, 2, 3)) << "nothing erased";

  skin::Module().translucentControls = 0;
  ::SetBkMode(dc, OPAQUE);
  ::SendMessageW(box_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(::GetBkMode(dc), OPAQUE) << "the list box erases as it always does";
  ::ReleaseDC(box_, dc);
}

TEST_F(ListMessages, NonClientPaintDrawsTheFrameFromTheRecord) {
  list_.Entry(box_).focused = 1;
  ::SendMessageW(box_, WM_NCPAINT, 1, 0);
  EXPECT_TRUE(ColourIs(WindowPixel(box_, 0, 50), AccentOver(Ring(50), {})));
  list_.Entry(box_).focused = 0;
  ::SendMessageW(box_, WM_NCPAINT, 1, 0);
  EXPECT_TRUE(ColourIs(WindowPixel(box_, 0, 50), Blend(Ring(50), kBlack, 90)));
}

TEST_F(ListMessages, SelectionChangeRepaintsThroughTheParent) {
  Validate();
  ::SendMessageW(box_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
  ::SendMessageW(box_, WM_LBUTTONUP, 0, MAKELPARAM(20, 5));
  EXPECT_EQ(::SendMessageW(box_, LB_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(UpdatePending()) << "LBN_SELCHANGE makes the parent invalidate the list";
}

TEST(ListDropDown, KeysDoNotCloseAnOpenDropDownList) {
  ListWindow list;
  HWND combo = list.Add(L"ComboBox", CBS_DROPDOWNLIST, {40, 40, 160, 200});
  for (const wchar_t* text : {L"one", L"two", L"three"})
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  list.Skin();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetComboBoxInfo(combo, &info));
  ASSERT_GE(list.NumberOf(info.hwndList), 1);
  ::SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  ASSERT_TRUE(::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  const HWND capture = ::GetCapture();
  ::SendMessageW(info.hwndList, WM_KEYDOWN, VK_DOWN, 1);
  ::SendMessageW(info.hwndList, WM_KEYUP, VK_DOWN, 0xC0000001);
  EXPECT_EQ(::GetCapture(), capture) << "the open list keeps the mouse capture";
  EXPECT_TRUE(::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
  ::SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST(ListDropDown, EraseGivesTheVeiledBackgroundAndTheTextColour) {
  ListWindow list;
  HWND combo = list.Add(L"ComboBox", CBS_SIMPLE, {40, 120, 160, 140});
  list.Skin();
  HWND dropList = ::FindWindowExW(combo, nullptr, L"ComboLBox", nullptr);
  ASSERT_GE(list.NumberOf(dropList), 1);
  HDC dc = ::GetDC(dropList);
  ::SetTextColor(dc, RGB(1, 2, 3));
  EXPECT_EQ(::SendMessageW(dropList, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0),
            static_cast<LRESULT>(RGB(1, 2, 3)))
      << "the answer is the text colour it replaced";
  EXPECT_EQ(::GetTextColor(dc), kBlack) << "black while Kj_Ztys is not set";
  EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
  const RECT client = skin::ClientRectInWindow(dropList);
  const COLORREF veiled = Blend(list.BackgroundBehind(dropList, client.top + 10), kWhite, 160);
  EXPECT_TRUE(ColourIs(::GetPixel(dc, 10, 10), veiled));

  skin::WriteProp(dropList, skin::prop::Kj_Ztys, RGB(200, 0, 0));
  ::SendMessageW(dropList, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(::GetTextColor(dc), RGB(200, 0, 0));
  ::ReleaseDC(dropList, dc);
}

TEST(ListRealInput, PointerOverTheListMakesItHot) {
  ListWindow list;
  HWND box = list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT | WS_BORDER, kBounds);
  list.Skin();
  ListWindow::Repaint(box);
  RECT rect;
  ::GetWindowRect(box, &rect);
  ::SetCursorPos(rect.left + 30, rect.top + 30);
  EXPECT_TRUE(test::PumpUntil([&] { return list.Entry(box).hot == 1; }, 2000));
  ::SetCursorPos(rect.right + 200, rect.bottom + 200);
  EXPECT_TRUE(test::PumpUntil([&] { return list.Entry(box).hot == 0; }, 2000))
      << "WM_MOUSELEAVE cools the frame";
  EXPECT_EQ(list.Record().hotControl, 0);
}

}  // namespace
}  // namespace list_test
