// The toolkit services on real Win32 windows under Wine: control texts, picture boxes, timers, the
// message box, group-box routing and exit routines.
#include "runtime/toolkit.h"

#include <gtest/gtest.h>

#include "runtime/picture_box.h"

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "message_pump.h"
#include "runtime/exit_routines.h"
#include "runtime/gbk.h"
#include "test_pictures.h"

namespace {

// A top-level window that records the messages its tests are interested in.
struct Recorded {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// One visible top-level stage for the whole program: Wine waits up to two seconds for a window
// manager whenever a top-level window goes away, child windows come and go at once.
HWND Stage() {
  static HWND stage = ::CreateWindowExW(0, L"Static", L"stage", WS_POPUP | WS_VISIBLE, 100, 100,
                                        320, 220, nullptr, nullptr, nullptr, nullptr);
  return stage;
}

// A window on the stage that records the messages its tests are interested in.
class TestWindow {
 public:
  TestWindow() {
    static const ATOM atom = [] {
      WNDCLASSEXW windowClass{};
      windowClass.cbSize = sizeof(windowClass);
      windowClass.lpfnWndProc = Procedure;
      windowClass.hInstance = ::GetModuleHandleW(nullptr);
      windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      windowClass.lpszClassName = L"ToolkitTestWindow";
      return ::RegisterClassExW(&windowClass);
    }();
    (void)atom;
    window_.Reset(::CreateWindowExW(0, L"ToolkitTestWindow", L"toolkit test", WS_CHILD | WS_VISIBLE,
                                    0, 0, 300, 200, Stage(), nullptr, ::GetModuleHandleW(nullptr),
                                    this));
  }
  HWND Handle() const { return window_.Get(); }
  HWND AddChild(HWND parent, const wchar_t* className, DWORD style, int id, RECT rect,
                const wchar_t* text = L"") {
    return ::CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
  }
  std::vector<Recorded> Seen(UINT message) const {
    std::vector<Recorded> seen;
    for (const Recorded& r : recorded_) {
      if (r.message == message) seen.push_back(r);
    }
    return seen;
  }
  void Forget() { recorded_.clear(); }

 private:
  static bool IsRecorded(UINT message) {
    return message == WM_COMMAND || message == WM_TIMER || message == WM_CTLCOLORSTATIC ||
           message == WM_CTLCOLOREDIT;
  }
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      ::SetWindowLongPtrW(
          window, GWLP_USERDATA,
          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && IsRecorded(message)) self->recorded_.push_back({message, wParam, lParam});
    if (message == WM_CTLCOLORSTATIC && rt::IsTransparentLabel(reinterpret_cast<HWND>(lParam))) {
      return rt::TransparentLabelColours(reinterpret_cast<HDC>(wParam));
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }

  std::vector<Recorded> recorded_;
  rt::UniqueWindow window_;
};

// ---- Control texts ----

struct TextCase {
  const wchar_t* className;
  DWORD style;
  const char* text;  // GBK
  const wchar_t* wide;
};

class ControlTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(ControlTextTest, WritesThroughCodePage936AndReadsBack) {
  const TextCase& c = GetParam();
  TestWindow owner;
  HWND control = owner.AddChild(owner.Handle(), c.className, c.style, 10, {0, 0, 200, 20});
  rt::WriteControlText(control, c.text);
  wchar_t shown[64] = {};
  ::GetWindowTextW(control, shown, 64);
  EXPECT_STREQ(shown, c.wide);
  EXPECT_EQ(rt::ReadControlText(control), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ControlTextTest,
    testing::Values(TextCase{L"Edit", ES_CENTER, "列兵1", L"列兵1"}, TextCase{L"Edit", 0, "", L""},
                    TextCase{L"Static", 0, "本次交易共收入/支出：RMB：1258元",
                             L"本次交易共收入/支出：RMB：1258元"},
                    TextCase{L"Button", BS_PUSHBUTTON, "算支付/收入（Q B）", L"算支付/收入（Q B）"},
                    TextCase{L"Edit", 0, "1.23457e+006元", L"1.23457e+006元"}));

TEST(ComboTextTest, YieldsTheCurrentItemAndSelectsByText) {
  TestWindow owner;
  HWND combo = owner.AddChild(owner.Handle(), L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 11,
                              {0, 0, 100, 200});
  for (const wchar_t* item : {L"列兵1", L"列兵2", L"三等兵"}) {
    ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  EXPECT_EQ(rt::ReadControlText(combo), "") << "no item selected yet";

  ::SendMessageW(combo, CB_SETCURSEL, 2, 0);
  EXPECT_EQ(rt::ReadControlText(combo), "三等兵");

  rt::WriteControlText(combo, "列兵2");
  EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(rt::ReadControlText(combo), "列兵2");

  for (const char* notAnItem : {"列兵", "列兵23", ""}) {
    rt::WriteControlText(combo, notAnItem);
    EXPECT_EQ(rt::ReadControlText(combo), "列兵2") << notAnItem;
  }
}

TEST(ControlTextTest, MissingControlsReadEmptyAndIgnoreWrites) {
  EXPECT_EQ(rt::ReadControlText(nullptr), "");
  rt::WriteControlText(nullptr, "x");
  HWND gone;
  {
    TestWindow owner;
    gone = owner.Handle();
  }
  EXPECT_EQ(rt::ReadControlText(gone), "");
  EXPECT_EQ(rt::GetControlHandle(gone), nullptr);
}

TEST(TransparentLabelTest, NewTextHasTheParentRepaintBeneath) {
  TestWindow owner;
  HWND label = owner.AddChild(owner.Handle(), L"Static", SS_LEFTNOWORDWRAP, 12, {20, 30, 120, 46});
  rt::MarkTransparentLabel(label);
  ::UpdateWindow(owner.Handle());
  ::ValidateRect(owner.Handle(), nullptr);

  rt::WriteControlText(label, "本次交易");
  RECT dirty{};
  ASSERT_TRUE(::GetUpdateRect(owner.Handle(), &dirty, FALSE));
  EXPECT_LE(dirty.left, 20);
  EXPECT_LE(dirty.top, 30);
  EXPECT_GE(dirty.right, 120);
  EXPECT_GE(dirty.bottom, 46);
}

TEST(TransparentLabelTest, PaintsTextOnlyOverWhatIsBeneath) {
  rt::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  const LRESULT brush = rt::TransparentLabelColours(dc.Get());
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
  EXPECT_EQ(::GetBkMode(dc.Get()), TRANSPARENT);
  EXPECT_EQ(::GetTextColor(dc.Get()), RGB(0, 0, 0));

  TestWindow owner;
  HWND label = owner.AddChild(owner.Handle(), L"Static", 0, 13, {0, 0, 50, 16});
  HWND plain = owner.AddChild(owner.Handle(), L"Static", 0, 14, {0, 20, 50, 36});
  rt::MarkTransparentLabel(label);
  EXPECT_TRUE(rt::IsTransparentLabel(label));
  EXPECT_FALSE(rt::IsTransparentLabel(plain));
}

// ---- Picture boxes ----

class PictureBoxTest : public testing::Test {
 protected:
  HWND AddBox(int width = 40, int height = 35) {
    return owner_.AddChild(owner_.Handle(), rt::kPictureBoxClass, 0, 20, {0, 0, width, height});
  }
  TestWindow owner_;
};

bool Near(std::uint32_t pixel, COLORREF colour, int tolerance) {
  return std::abs(test::Red(pixel) - GetRValue(colour)) <= tolerance &&
         std::abs(test::Green(pixel) - GetGValue(colour)) <= tolerance &&
         std::abs(test::Blue(pixel) - GetBValue(colour)) <= tolerance;
}

TEST_F(PictureBoxTest, StartsEmptyOnTheSystemBackground) {
  HWND box = AddBox();
  EXPECT_EQ(rt::PictureOf(box), nullptr);
  const test::Pixels pixels = test::PrintClient(box);
  for (int y : {0, 17, 34}) {
    for (int x : {0, 20, 39}) EXPECT_TRUE(Near(pixels.At(x, y), rt::DefaultBackColour(), 0));
  }
}

TEST_F(PictureBoxTest, JpegIsStretchedOverTheWholeBoxWithoutKeepingItsShape) {
  HWND box = AddBox();
  // 50 x 50: red above green, halves split at row 25 and column 25 blue on the right.
  const rt::ByteSet jpeg = test::EncodeImage(
      50, 50,
      [](int x, int y) {
        return x >= 25 ? RGB(0, 0, 255) : y < 25 ? RGB(255, 0, 0) : RGB(0, 160, 0);
      },
      test::ImageFormat::Jpeg);
  ASSERT_FALSE(jpeg.empty());
  rt::SetPicture(box, jpeg);
  ASSERT_NE(rt::PictureOf(box), nullptr);
  BITMAP kept{};
  ASSERT_TRUE(::GetObjectW(rt::PictureOf(box), sizeof(kept), &kept));
  EXPECT_EQ(kept.bmWidth, 50);
  EXPECT_EQ(kept.bmHeight, 50);

  const test::Pixels pixels = test::PrintClient(box);
  constexpr int kJpegTolerance = 40;
  EXPECT_TRUE(Near(pixels.At(0, 0), RGB(255, 0, 0), kJpegTolerance));
  EXPECT_TRUE(Near(pixels.At(15, 14), RGB(255, 0, 0), kJpegTolerance));
  EXPECT_TRUE(Near(pixels.At(0, 34), RGB(0, 160, 0), kJpegTolerance));
  EXPECT_TRUE(Near(pixels.At(15, 20), RGB(0, 160, 0), kJpegTolerance));
  EXPECT_TRUE(Near(pixels.At(39, 0), RGB(0, 0, 255), kJpegTolerance));
  EXPECT_TRUE(Near(pixels.At(39, 34), RGB(0, 0, 255), kJpegTolerance));
  EXPECT_TRUE(Near(pixels.At(23, 17), RGB(0, 0, 255), kJpegTolerance));
}

// One-pixel stripes shrunk from 50 to 40 columns: HALFTONE averages neighbours into greys, where
// the deletion mode would keep only black and white. The test display has 24 bits per pixel.
int GreyPixels(const test::Pixels& pixels) {
  int greys = 0;
  for (std::uint32_t pixel : pixels.values) {
    if (test::Red(pixel) > 40 && test::Red(pixel) < 215) ++greys;
  }
  return greys;
}

TEST_F(PictureBoxTest, StretchesWithHalftoneOnThisDisplay) {
  ASSERT_GT(::GetDeviceCaps(rt::ScopedWindowDc(nullptr).Get(), BITSPIXEL), 16);
  HWND box = AddBox();
  rt::SetPicture(box,
                 test::EncodeImage(
                     50, 50, [](int x, int) { return x % 2 ? RGB(255, 255, 255) : RGB(0, 0, 0); },
                     test::ImageFormat::Png));
  ASSERT_NE(rt::PictureOf(box), nullptr);
  EXPECT_GT(GreyPixels(test::PrintClient(box)), 0);
}

struct StretchModeCase {
  int bitsPerPixel;
  int mode;
};
class StretchModeTest : public testing::TestWithParam<StretchModeCase> {};

TEST_P(StretchModeTest, HalftoneAbove16BitsPerPixelColourOnColourOtherwise) {
  EXPECT_EQ(rt::PictureStretchMode(GetParam().bitsPerPixel), GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(Depths, StretchModeTest,
                         testing::Values(StretchModeCase{1, COLORONCOLOR},
                                         StretchModeCase{8, COLORONCOLOR},
                                         StretchModeCase{16, COLORONCOLOR},
                                         StretchModeCase{24, HALFTONE},
                                         StretchModeCase{32, HALFTONE}));

rt::ByteSet SolidJpeg(COLORREF colour) {
  return test::EncodeImage(
      50, 50, [colour](int, int) { return colour; }, test::ImageFormat::Jpeg);
}

TEST_F(PictureBoxTest, OwnsOneBitmapAtATimeAndFreesIt) {
  HWND box = AddBox();
  rt::SetPicture(box, SolidJpeg(RGB(255, 0, 0)));
  const HBITMAP first = rt::PictureOf(box);
  ASSERT_EQ(::GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));

  rt::SetPicture(box, SolidJpeg(RGB(0, 0, 255)));
  const HBITMAP second = rt::PictureOf(box);
  ASSERT_EQ(::GetObjectType(second), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(::GetObjectType(first), 0u) << "the replaced bitmap is deleted";
  EXPECT_TRUE(Near(test::PrintClient(box).At(20, 17), RGB(0, 0, 255), 40));

  ::DestroyWindow(box);
  EXPECT_EQ(::GetObjectType(second), 0u) << "the box deletes its bitmap when it goes";
}

TEST_F(PictureBoxTest, TheSameFileAgainKeepsItsBitmap) {
  HWND box = AddBox();
  rt::ByteSet red = SolidJpeg(RGB(255, 0, 0));
  rt::SetPicture(box, red);
  const HBITMAP shown = rt::PictureOf(box);
  const rt::ByteSet copy = red;  // equal bytes at another address
  red.assign(red.size(), 0);     // the caller's buffer may change after the call
  rt::SetPicture(box, copy);
  EXPECT_EQ(rt::PictureOf(box), shown);
  EXPECT_TRUE(Near(test::PrintClient(box).At(20, 17), RGB(255, 0, 0), 40));
}

struct BadPicture {
  const char* what;
  rt::ByteSet bytes;
};

class PictureBoxClearTest : public PictureBoxTest,
                            public testing::WithParamInterface<BadPicture> {};

TEST_P(PictureBoxClearTest, ClearsTheBoxAndFreesThePreviousBitmap) {
  HWND box = AddBox();
  rt::SetPicture(box,
                 test::EncodeImage(
                     50, 50, [](int, int) { return RGB(255, 0, 0); }, test::ImageFormat::Jpeg));
  const HBITMAP previous = rt::PictureOf(box);
  ASSERT_NE(previous, nullptr);
  rt::SetPicture(box, GetParam().bytes);
  EXPECT_EQ(rt::PictureOf(box), nullptr);
  EXPECT_EQ(::GetObjectType(previous), 0u);
  EXPECT_TRUE(Near(test::PrintClient(box).At(20, 17), rt::DefaultBackColour(), 0));
}

INSTANTIATE_TEST_SUITE_P(Inputs, PictureBoxClearTest,
                         testing::Values(BadPicture{"empty", {}},
                                         BadPicture{"not a picture",
                                                    {0xFF, 0xD8, 0xFF, 0x00, 0x12, 0x34}},
                                         BadPicture{"text", {'l', 'i', 'e', 'b', 'i', 'n', 'g'}}),
                         [](const testing::TestParamInfo<BadPicture>& info) {
                           std::string name = info.param.what;
                           for (char& c : name) c = (c == ' ') ? '_' : c;
                           return name;
                         });

TEST_F(PictureBoxTest, OtherWindowsAreLeftAlone) {
  HWND edit = owner_.AddChild(owner_.Handle(), L"Edit", 0, 21, {0, 40, 40, 56});
  ::SetWindowLongPtrW(edit, GWLP_USERDATA, 0x1234);
  rt::SetPicture(edit, test::EncodeImage(
                           8, 8, [](int, int) { return RGB(1, 2, 3); }, test::ImageFormat::Png));
  EXPECT_EQ(rt::PictureOf(edit), nullptr);
  EXPECT_EQ(::GetWindowLongPtrW(edit, GWLP_USERDATA), 0x1234);
}

// ---- Timers ----

constexpr UINT_PTR kTimerId = 7;

std::size_t Ticks(const TestWindow& window) {
  std::size_t ticks = 0;
  for (const Recorded& r : window.Seen(WM_TIMER)) ticks += (r.wParam == kTimerId);
  return ticks;
}

// Milliseconds until the next tick, pumping messages; -1 when none came within `limitMs`.
long long MillisecondsToNextTick(TestWindow& window, int limitMs) {
  window.Forget();
  const ULONGLONG start = ::GetTickCount64();
  if (!test::PumpUntil([&] { return Ticks(window) > 0; }, limitMs)) return -1;
  return static_cast<long long>(::GetTickCount64() - start);
}

TEST(TimerTest, StoppedUntilAPeriodIsSet) {
  TestWindow owner;
  rt::Timer timer(owner.Handle(), kTimerId);
  EXPECT_EQ(timer.Period(), 0);
  test::PumpFor(300);
  EXPECT_EQ(Ticks(owner), 0u);
}

class TimerStopTest : public testing::TestWithParam<int> {};

TEST_P(TimerStopTest, ZeroOrLessStopsIt) {
  TestWindow owner;
  rt::Timer timer(owner.Handle(), kTimerId);
  rt::SetTimerPeriod(timer, 50);
  ASSERT_GE(MillisecondsToNextTick(owner, 2000), 0);
  rt::SetTimerPeriod(timer, GetParam());
  EXPECT_EQ(timer.Period(), 0);
  owner.Forget();
  test::PumpFor(400);
  EXPECT_EQ(Ticks(owner), 0u);
}

INSTANTIATE_TEST_SUITE_P(Periods, TimerStopTest, testing::Values(0, -1, -1000));

TEST(TimerTest, TheSamePeriodDoesNotRestartIt) {
  TestWindow owner;
  rt::Timer timer(owner.Handle(), kTimerId);
  rt::SetTimerPeriod(timer, 1000);
  test::PumpFor(700);
  ASSERT_EQ(Ticks(owner), 0u);
  rt::SetTimerPeriod(timer, 1000);
  // Restarted, the next tick would be a full second away; unchanged, it is about 300 ms away.
  const long long wait = MillisecondsToNextTick(owner, 2000);
  ASSERT_GE(wait, 0);
  EXPECT_LT(wait, 750);
  EXPECT_EQ(timer.Period(), 1000);
}

TEST(TimerTest, ANewPeriodRestartsItWithThatInterval) {
  TestWindow owner;
  rt::Timer timer(owner.Handle(), kTimerId);
  rt::SetTimerPeriod(timer, 5000);
  test::PumpFor(100);
  rt::SetTimerPeriod(timer, 100);
  EXPECT_EQ(timer.Period(), 100);
  const long long wait = MillisecondsToNextTick(owner, 2000);
  ASSERT_GE(wait, 0);
  EXPECT_LT(wait, 1000);
  test::PumpFor(550);
  EXPECT_GE(Ticks(owner), 3u) << "ticks keep coming at the new interval";
}

TEST(TimerTest, EndsWithItsOwner) {
  TestWindow owner;
  {
    rt::Timer timer(owner.Handle(), kTimerId);
    rt::SetTimerPeriod(timer, 30);
  }
  owner.Forget();
  test::PumpFor(300);
  EXPECT_EQ(Ticks(owner), 0u);
}

// ---- Message box ----

struct SeenBox {
  std::wstring text;
  bool hasOk = false;
  bool hasCancel = false;
  bool ownerWindowDisabled = false;
};

TEST(ShowMessageTest, TaskModalBoxWithOkOnlyAndTheFixedTitle) {
  const HWND otherWindow = Stage();
  const std::wstring title = rt::GbkToWide("信息：");
  SeenBox seen;
  std::atomic<bool> found = false;
  std::thread watcher([&] {
    HWND box = nullptr;
    for (int i = 0; i < 500 && !box; ++i, ::Sleep(10))
      box = ::FindWindowW(L"#32770", title.c_str());
    if (!box) return;
    wchar_t text[128] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, 128);
    seen.text = text;
    seen.hasOk = ::GetDlgItem(box, IDOK) != nullptr;
    seen.hasCancel = ::GetDlgItem(box, IDCANCEL) != nullptr;
    seen.ownerWindowDisabled = !::IsWindowEnabled(otherWindow);
    found = true;
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  rt::ShowMessage("请输入QB支付加成百分比");
  watcher.join();
  ASSERT_TRUE(found);
  EXPECT_EQ(seen.text, L"请输入QB支付加成百分比");
  EXPECT_TRUE(seen.hasOk);
  EXPECT_FALSE(seen.hasCancel);
  EXPECT_TRUE(seen.ownerWindowDisabled) << "task-modal: the thread's windows wait for the box";
  EXPECT_TRUE(::IsWindowEnabled(otherWindow)) << "and are enabled again when it closes";
}

// ---- Group boxes ----

TEST(GroupBoxRoutingTest, NotificationsOfControlsInsideReachTheWindow) {
  TestWindow window;
  HWND box = window.AddChild(window.Handle(), L"Button", BS_GROUPBOX, 30, {0, 0, 280, 180});
  rt::RouteGroupBoxNotifications(box);
  HWND button = window.AddChild(box, L"Button", BS_PUSHBUTTON, 31, {10, 20, 100, 44});
  HWND edit = window.AddChild(box, L"Edit", WS_BORDER, 32, {10, 60, 100, 76});
  HWND label = window.AddChild(box, L"Static", 0, 33, {10, 90, 100, 106}, L"label");

  ::SendMessageW(button, BM_CLICK, 0, 0);
  ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"12.5"));
  ::RedrawWindow(window.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

  auto sawCommand = [&](int id, int code) {
    for (const Recorded& r : window.Seen(WM_COMMAND)) {
      if (LOWORD(r.wParam) == id && HIWORD(r.wParam) == code) return true;
    }
    return false;
  };
  auto sawColour = [&](UINT message, HWND control) {
    for (const Recorded& r : window.Seen(message)) {
      if (reinterpret_cast<HWND>(r.lParam) == control) return true;
    }
    return false;
  };
  EXPECT_TRUE(sawCommand(31, BN_CLICKED));
  EXPECT_TRUE(sawCommand(32, EN_CHANGE));
  EXPECT_TRUE(sawColour(WM_CTLCOLOREDIT, edit));
  EXPECT_TRUE(sawColour(WM_CTLCOLORSTATIC, label));
}

TEST(GroupBoxRoutingTest, TheInsideIsErasedWithTheWindowBackground) {
  TestWindow window;
  HWND box = window.AddChild(window.Handle(), L"Button", BS_GROUPBOX, 30, {0, 0, 120, 80});
  rt::RouteGroupBoxNotifications(box);
  rt::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  rt::UniqueBitmap canvas(::CreateBitmap(120, 80, 1, 32, nullptr));
  rt::ScopedSelectObject selected(dc.Get(), canvas.Get());
  RECT all{0, 0, 120, 80};
  ::FillRect(dc.Get(), &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  EXPECT_NE(::SendMessageW(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0), 0);
  EXPECT_EQ(::GetPixel(dc.Get(), 60, 40), rt::DefaultBackColour());
  EXPECT_EQ(::GetPixel(dc.Get(), 119, 79), rt::DefaultBackColour());
}

// ---- Exit routines ----

std::vector<int> ran;
void FirstRoutine() { ran.push_back(1); }
void SecondRoutine() { ran.push_back(2); }

TEST(ExitRoutinesTest, EachRunsOnceLastRegisteredFirst) {
  ran.clear();
  rt::RegisterExitRoutine(FirstRoutine);
  rt::RegisterExitRoutine(SecondRoutine);
  rt::RunExitRoutines();
  rt::RunExitRoutines();
  EXPECT_EQ(ran, (std::vector<int>{2, 1}));
}

}  // namespace
