// The buttons' replacement procedure: its answers, the focus and hover bookkeeping, the repaints it
// triggers, and real mouse input (SendInput goes through the same input queue as the X pointer).
#include <gtest/gtest.h>

#include "runtime/gbk.h"
#include "skin/core/property_keys.h"
#include "skin/core/window_props.h"
#include "tests/skin_controls/button_test_support.h"

namespace {

using button_test::ButtonWindow;
using button_test::kBackground;
using button_test::Pump;

constexpr COLORREF kAccent = 0xDDCA22;
constexpr COLORREF kCheckMark = RGB(0x24, 0x6E, 0x75);

COLORREF ScreenPixel(HWND control, int x, int y) { return skin_test::WindowPixel(control, x, y); }

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

class ButtonMessages : public testing::Test {
 protected:
  ButtonMessages() {
    push_ = window_.AddButton(L"按钮", BS_PUSHBUTTON, {20, 20, 80, 30}, 101);
    check_ = window_.AddButton(L"", BS_AUTOCHECKBOX, {20, 70, 100, 21}, 102);
    radio1_ = window_.AddButton(L"", BS_AUTORADIOBUTTON | WS_GROUP, {20, 100, 100, 21}, 103);
    radio2_ = window_.AddButton(L"", BS_AUTORADIOBUTTON, {20, 130, 100, 21}, 104);
    window_.SkinAll();
    ::SetForegroundWindow(window_.Hwnd());
    window_.Window().Redraw();
    Pump();
  }
  int Number(HWND button) const { return skin::FindButtonRecord(window_.Number(), button); }
  const skin::ButtonRecord& Entry(HWND button) const { return window_.Entry(button); }

  ButtonWindow window_;
  HWND push_ = nullptr;
  HWND check_ = nullptr;
  HWND radio1_ = nullptr;
  HWND radio2_ = nullptr;
};

TEST_F(ButtonMessages, NonClientPaintAndEraseAreAnsweredWithoutPassingOn) {
  button_test::Target target(4, 4);
  for (HWND button : {push_, check_, radio1_}) {
    EXPECT_EQ(::SendMessageW(button, WM_NCPAINT, 1, 0), 1);
    skin::WriteProp(button, skin::prop::Kj_Ztys, RGB(1, 2, 3));
    ::SetTextColor(target.Dc(), RGB(9, 8, 7));
    ::SetBkMode(target.Dc(), OPAQUE);
    const LRESULT answer =
        ::SendMessageW(button, WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.Dc()), 0);
    EXPECT_EQ(static_cast<COLORREF>(answer), RGB(9, 8, 7));
    EXPECT_EQ(::GetTextColor(target.Dc()), RGB(1, 2, 3));
    EXPECT_EQ(::GetBkMode(target.Dc()), TRANSPARENT);
    EXPECT_EQ(target.Pixel(1, 1), RGB(0xFF, 0, 0xFF));  // nothing erased
  }
}

TEST_F(ButtonMessages, FocusIsRecordedBetweenSetFocusAndKillFocus) {
  ::SetFocus(push_);
  EXPECT_EQ(Entry(push_).focused, 1);
  ::SetFocus(check_);
  EXPECT_EQ(Entry(push_).focused, 0);
  EXPECT_EQ(Entry(check_).focused, 1);
}

TEST_F(ButtonMessages, NewTextReplacesTheCaptionAndReachesTheControl) {
  ::SetWindowTextW(push_, L"算价格");
  EXPECT_EQ(Entry(push_).caption, "算价格");
  wchar_t text[16] = {};
  ::GetWindowTextW(push_, text, 16);
  EXPECT_STREQ(text, L"算价格");
  ::SetWindowTextA(push_, "A");  // a narrow caller arrives here converted
  EXPECT_EQ(Entry(push_).caption, "A");
}

TEST_F(ButtonMessages, DoubleClickGivesNoSecondClick) {
  HWND plain = window_.AddButton(L"plain", BS_PUSHBUTTON, {120, 20, 80, 30}, 105);
  for (HWND button : {push_, plain}) {
    const int before = window_.Clicks();
    ::SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    ::SendMessageW(button, WM_LBUTTONUP, 0, Point(5, 5));
    ::SendMessageW(button, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(5, 5));
    ::SendMessageW(button, WM_LBUTTONUP, 0, Point(5, 5));
    Pump();
    // The unskinned button shows what the control does by itself: a second click.
    EXPECT_EQ(window_.Clicks() - before, button == push_ ? 1 : 2);
  }
  ::SendMessageW(check_, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  ::SendMessageW(check_, WM_LBUTTONUP, 0, Point(5, 5));
  ::SendMessageW(check_, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(5, 5));
  ::SendMessageW(check_, WM_LBUTTONUP, 0, Point(5, 5));
  EXPECT_EQ(::SendMessageW(check_, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonMessages, MouseMovePaintsHotOnceAndLeavePaintsItNormal) {
  skin::WindowRecord& record = window_.Record();
  ::SendMessageW(push_, WM_MOUSEMOVE, 0, Point(10, 10));
  EXPECT_EQ(record.hotControl, Number(push_));
  EXPECT_EQ(record.hotControlClass, 0);
  EXPECT_EQ(record.controlUnderMouse, Number(push_));
  EXPECT_COLOUR_NEAR(ScreenPixel(push_, 0, 20), kAccent, 2);
  // Already hot: a further move does not repaint.
  skin::RepaintButtonNow(push_, 0, false);
  ::SendMessageW(push_, WM_MOUSEMOVE, 0, Point(11, 10));
  EXPECT_FALSE(skin_test::Near(ScreenPixel(push_, 0, 20), kAccent, 20));
  ::SendMessageW(push_, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(record.hotControl, 0);
  EXPECT_FALSE(skin_test::Near(ScreenPixel(push_, 0, 20), kAccent, 20));
}

TEST_F(ButtonMessages, SameNumberOfAnotherControlFamilyStillRepaintsHot) {
  skin::WindowRecord& record = window_.Record();
  record.hotControl = Number(push_);
  record.hotControlClass = 1;  // an edit box of the same number was hot
  ::SendMessageW(push_, WM_MOUSEMOVE, 0, Point(10, 10));
  EXPECT_COLOUR_NEAR(ScreenPixel(push_, 0, 20), kAccent, 2);
  EXPECT_EQ(record.hotControlClass, 0);
}

TEST_F(ButtonMessages, ButtonReleaseClearsTheHotControlSoTheNextMoveRepaints) {
  ::SendMessageW(push_, WM_MOUSEMOVE, 0, Point(10, 10));
  ::SendMessageW(push_, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
  ::SendMessageW(push_, WM_LBUTTONUP, 0, Point(10, 10));
  EXPECT_EQ(window_.Record().hotControl, 0);
  ::SendMessageW(push_, WM_MOUSEMOVE, 0, Point(10, 10));
  EXPECT_EQ(window_.Record().hotControl, Number(push_));
}

TEST_F(ButtonMessages, MouseLeaveKeepsTheFocusLook) {
  ::SetFocus(push_);
  Pump();
  ::SendMessageW(push_, WM_MOUSEMOVE, 0, Point(10, 10));
  ::SendMessageW(push_, WM_MOUSELEAVE, 0, 0);
  const COLORREF focused = ScreenPixel(push_, 0, 20);
  ::SetFocus(check_);
  ::SendMessageW(push_, WM_MOUSELEAVE, 0, 0);
  const COLORREF normal = ScreenPixel(push_, 0, 20);
  // The cyan glow of the focus look against the plain dark outline.
  EXPECT_GT(skin_test::BlueOf(focused), skin_test::BlueOf(normal) + 15);
}

TEST_F(ButtonMessages, CheckStateChangesArePaintedAtOnce) {
  ::SendMessageW(check_, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(ScreenPixel(check_, 9, 4 + 3), kCheckMark);
  ::SendMessageW(check_, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(ScreenPixel(check_, 9, 4 + 3), RGB(0xF4, 0xF1, 0xEC));
  // The space key toggles an auto check box through the control's own procedure.
  ::SetFocus(check_);
  ::SendMessageW(check_, WM_KEYDOWN, VK_SPACE, 0);
  ::SendMessageW(check_, WM_KEYUP, VK_SPACE, 0);
  Pump();
  EXPECT_EQ(::SendMessageW(check_, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(ScreenPixel(check_, 9, 4 + 3), kCheckMark);
}

TEST_F(ButtonMessages, PaintMessageDrawsTheSkinnedBox) {
  ::InvalidateRect(check_, nullptr, TRUE);
  ::UpdateWindow(check_);
  EXPECT_EQ(ScreenPixel(check_, 2, 4 + 2), RGB(0xE2, 0xE2, 0xDA));
  EXPECT_EQ(ScreenPixel(check_, 40, 10), kBackground);
  RECT update{};
  EXPECT_FALSE(::GetUpdateRect(check_, &update, FALSE));
}

TEST_F(ButtonMessages, ClickingARadioButtonMovesTheDot) {
  ::SendMessageW(radio1_, BM_SETCHECK, BST_CHECKED, 0);
  const COLORREF dotBefore = ScreenPixel(radio1_, 6, 4 + 6);
  ::SendMessageW(radio2_, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 10));
  ::SendMessageW(radio2_, WM_LBUTTONUP, 0, Point(5, 10));
  Pump();
  EXPECT_EQ(::SendMessageW(radio1_, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(::SendMessageW(radio2_, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(ScreenPixel(radio2_, 6, 4 + 6), dotBefore);
  EXPECT_NE(ScreenPixel(radio1_, 6, 4 + 6), dotBefore);
}

TEST_F(ButtonMessages, MovingAButtonInvalidatesIt) {
  Pump();
  ::SetWindowPos(push_, nullptr, 25, 25, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW);
  RECT update{};
  EXPECT_TRUE(::GetUpdateRect(push_, &update, FALSE));
}

TEST_F(ButtonMessages, PushButtonsArePaintedThroughTheParentsDrawItem) {
  window_.Window().Redraw();
  EXPECT_GT(window_.DrawItems(), 0);
  EXPECT_EQ(ScreenPixel(push_, 0, 0), kBackground);
  // Below the gloss the face is veiled white and grey-shaded, never the plain background.
  EXPECT_NE(ScreenPixel(push_, 40, 24), kBackground);
}

// A button whose bookkeeping was overwritten goes on working with its own procedure.
TEST_F(ButtonMessages, OverwrittenNumbersFallBackToThePreviousProcedure) {
  skin::WriteProp(check_, skin::prop::Hw_lbID, 999);
  EXPECT_EQ(::SendMessageW(check_, WM_NCPAINT, 1, 0), 0);  // the control's own answer
  ::SendMessageW(check_, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(::SendMessageW(check_, BM_GETCHECK, 0, 0), BST_CHECKED);
  skin::WriteProp(check_, skin::prop::Hw_lbID, Number(check_));
}

// ---- Real input -------------------------------------------------------------------------------

void MoveMouseTo(HWND window, int x, int y) {
  POINT point{x, y};
  ::ClientToScreen(window, &point);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (point.x * 65535) / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = (point.y * 65535) / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &input, sizeof input);
}

void PressLeftButton(DWORD flag) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flag;
  ::SendInput(1, &input, sizeof input);
}

// Pumps for a while so that input and the leave notification arrive.
void PumpFor(int milliseconds) {
  const DWORD end = ::GetTickCount() + static_cast<DWORD>(milliseconds);
  while (static_cast<int>(end - ::GetTickCount()) > 0) {
    Pump();
    ::Sleep(10);
  }
}

TEST_F(ButtonMessages, RealPointerMakesTheButtonHotAndLeavingMakesItNormal) {
  MoveMouseTo(window_.Hwnd(), 300, 300);
  PumpFor(200);
  MoveMouseTo(push_, 40, 15);
  PumpFor(300);
  EXPECT_EQ(window_.Record().hotControl, Number(push_));
  EXPECT_COLOUR_NEAR(ScreenPixel(push_, 0, 20), kAccent, 2);
  MoveMouseTo(window_.Hwnd(), 300, 300);
  PumpFor(300);
  EXPECT_EQ(window_.Record().hotControl, 0);
  EXPECT_FALSE(skin_test::Near(ScreenPixel(push_, 0, 20), kAccent, 20));
}

TEST_F(ButtonMessages, RealDoubleClickGivesOneClick) {
  MoveMouseTo(push_, 40, 15);
  PumpFor(200);
  const int before = window_.Clicks();
  for (int i = 0; i < 2; ++i) {
    PressLeftButton(MOUSEEVENTF_LEFTDOWN);
    PressLeftButton(MOUSEEVENTF_LEFTUP);
  }
  PumpFor(300);
  EXPECT_EQ(window_.Clicks() - before, 1);
  MoveMouseTo(window_.Hwnd(), 300, 300);
  PumpFor(100);
}

}  // namespace
