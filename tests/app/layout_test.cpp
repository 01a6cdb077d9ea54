// The real program's window compared with its layout: the window itself, then every control's
// parent, rectangle, class and initial text, read from another process as any tool would.
#include <gtest/gtest.h>

#include <string>

#include "calc/control_ids.h"
#include "calc/rank_table.h"
#include "running_calculator.h"
#include "runtime/gbk.h"
#include "runtime/win_handles.h"

namespace {

using calc::ControlId;
using enum calc::ControlId;

std::wstring Wide(const char* gbk) { return rt::GbkToWide(gbk); }

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[128] = {};
  ::GetWindowTextW(window, text, 128);
  return text;
}

class LayoutTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { app_ = new test::RunningCalculator; }
  static void TearDownTestSuite() {
    EXPECT_EQ(app_->Close(), 0);
    delete app_;
  }
  void SetUp() override { ASSERT_TRUE(app_->Started()); }
  static test::RunningCalculator* app_;
};
test::RunningCalculator* LayoutTest::app_ = nullptr;

struct Expected {
  ControlId id;
  ControlId parent;
  int left, top, width, height;
  const wchar_t* className;
  const char* text;  // GBK; group boxes: before the contact number
};

std::wstring ExpectedText(const Expected& e) {
  const bool groupBox =
      e.id == 分组框1 || e.id == 分组框2 || e.id == 分组框3 || e.id == 分组框4 || e.id == 分组框5;
  return Wide(e.text) + (groupBox ? Wide(RANK_ABACUS_CONTACT) : L"");
}

constexpr Expected kControls[] = {
    {分组框1, StartupWindow, 3, 31, 376, 77, L"Button", "军衔选择 ─岚石坊─ QQ "},
    {透明标签1, 分组框1, 8, 21, 56, 16, L"Static", "当前军衔"},
    {当前军衔_经验列表框, 分组框1, 72, 20, 65, 20, L"ComboBox", "列兵1"},
    {当前军衔_图片, 分组框1, 141, 17, 40, 35, L"RtPictureBox", ""},
    {透明标签3, 分组框1, 195, 21, 64, 16, L"Static", "理想军衔"},
    {理想军衔_图片, 分组框1, 325, 17, 40, 35, L"RtPictureBox", ""},
    {透明标签2, 分组框1, 10, 52, 64, 16, L"Static", "所需经验"},
    {当前军衔_经验框, 分组框1, 71, 53, 104, 16, L"Edit", ""},
    {透明标签4, 分组框1, 196, 52, 64, 16, L"Static", "所需经验"},
    {理想军衔_经验框, 分组框1, 261, 53, 104, 16, L"Edit", ""},
    {理想军衔_经验列表框, StartupWindow, 263, 49, 61, 20, L"ComboBox", "列兵1"},
    {分组框2, StartupWindow, 3, 116, 376, 48, L"Button", "相差经验 ─岚石坊─ QQ "},
    {透明标签5, 分组框2, 8, 18, 96, 24, L"Static", "相差经验值为"},
    {相差经验框, 分组框2, 109, 23, 253, 16, L"Edit", ""},
    {分组框3, StartupWindow, 3, 164, 376, 156, L"Button", "收入/支付 ─岚石坊─ QQ "},
    {透明标签6, 分组框3, 5, 30, 136, 16, L"Static", "XX元=1万经验/单价"},
    {经验单价框, 分组框3, 136, 31, 96, 16, L"Edit", ""},
    {按钮1, 分组框3, 238, 24, 119, 24, L"Button", "算支付/收入（RMB）"},
    {透明标签7, 分组框3, 8, 56, 128, 16, L"Static", "收入/支付 应付金额"},
    {收入_支付精确框, 分组框3, 136, 56, 96, 16, L"Edit", ""},
    {按钮4, 分组框3, 238, 76, 120, 24, L"Button", "算代练时长"},
    {透明标签8, 分组框3, 7, 81, 128, 16, L"Static", "收入/支付 实付金额"},
    {收入_支付粗略框, 分组框3, 136, 80, 96, 16, L"Edit", ""},
    {透明标签9, 分组框3, 8, 108, 144, 16, L"Static", "Q币支付加           百分点"},
    {Q币加成框, 分组框3, 70, 107, 40, 16, L"Edit", ""},
    {透明标签10, 分组框3, 155, 109, 48, 16, L"Static", "应付QB"},
    {收入_支付Q币粗略框, 分组框3, 200, 109, 53, 16, L"Edit", ""},
    {透明标签11, 分组框3, 258, 108, 56, 16, L"Static", "折合RMB"},
    {折合RMB, 分组框3, 312, 108, 56, 16, L"Edit", ""},
    {按钮2, StartupWindow, 241, 214, 120, 24, L"Button", "算支付/收入（Q B）"},
    {透明标签12, StartupWindow, 110, 296, 161, 16, L"Static", "Q币为每个 0.91 元 的价格"},
    {分组框5, StartupWindow, 3, 323, 376, 73, L"Button", "代练时间 ─岚石坊─ QQ "},
    {透明标签13, 分组框5, 5, 17, 176, 16, L"Static", "每小时可刷                万经验"},
    {每小时_N经验, 分组框5, 71, 17, 56, 16, L"Edit", ""},
    {透明标签14, 分组框5, 223, 16, 150, 16, L"Static", "预计需要                  小时"},
    {共需_N小时, 分组框5, 275, 17, 64, 16, L"Edit", ""},
    {共需小时, 分组框5, 13, 44, 352, 16, L"Static", ""},
    {分组框4, StartupWindow, 3, 396, 376, 48, L"Button", "收入/支付 结果 ─岚石坊─ QQ "},
    {结果标签, 分组框4, 5, 20, 360, 16, L"Static", ""},
};

// The fields the timers fill may already have had their first tick by the time another process
// reads them; startup_window_test checks their empty start in process, before any tick.
bool FilledByATimer(ControlId id) {
  return id == 当前军衔_经验框 || id == 理想军衔_经验框 || id == 相差经验框;
}

TEST_F(LayoutTest, EveryControlStartsWithItsText) {
  for (const Expected& e : kControls) {
    if (FilledByATimer(e.id)) continue;
    SCOPED_TRACE(static_cast<int>(e.id));
    EXPECT_EQ(app_->Text(e.id), ExpectedText(e));
  }
}

TEST_F(LayoutTest, EveryControlHasItsParentRectangleAndClass) {
  for (const Expected& e : kControls) {
    SCOPED_TRACE(static_cast<int>(e.id));
    HWND control = app_->Control(e.id);
    ASSERT_NE(control, nullptr);
    HWND parent = e.parent == StartupWindow ? app_->Window() : app_->Control(e.parent);
    EXPECT_EQ(::GetParent(control), parent);
    RECT rect;
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, e.left);
    EXPECT_EQ(rect.top, e.top);
    EXPECT_EQ(rect.right - rect.left, e.width);
    EXPECT_EQ(rect.bottom - rect.top, e.height);
    EXPECT_EQ(ClassOf(control), e.className);
  }
}

TEST_F(LayoutTest, TheWindowIsCentredWithoutSystemFrameAndOnlyMinimisable) {
  HWND window = app_->Window();
  EXPECT_EQ(TextOf(window), Wide("岚石坊---升衔算盘"));
  RECT rect, client;
  ::GetWindowRect(window, &rect);
  ::GetClientRect(window, &client);
  EXPECT_EQ(rect.right - rect.left, 382);
  EXPECT_EQ(rect.bottom - rect.top, 449);
  EXPECT_EQ(client.right, 382) << "no border";
  EXPECT_EQ(client.bottom, 449) << "no caption";
  EXPECT_EQ(rect.left, (::GetSystemMetrics(SM_CXSCREEN) - 382) / 2);
  EXPECT_EQ(rect.top, (::GetSystemMetrics(SM_CYSCREEN) - 449) / 2);
  const LONG style = ::GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, 0);
  EXPECT_EQ(style & WS_THICKFRAME, 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
  EXPECT_EQ(::GetWindowLongW(window, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE), 0);
}

TEST_F(LayoutTest, BothRankListsHoldTheHundredRanksFromTheFirst) {
  for (ControlId list : {当前军衔_经验列表框, 理想军衔_经验列表框}) {
    HWND combo = app_->Control(list);
    EXPECT_EQ(::GetWindowLongW(combo, GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 100);
    EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    int index = 0;
    for (const calc::RankRow& row : calc::RankTable::Rows()) {
      wchar_t item[32] = {};
      ::SendMessageW(combo, CB_GETLBTEXT, index++, reinterpret_cast<LPARAM>(item));
      EXPECT_EQ(std::wstring(item), rt::GbkToWide(row.name));
    }
  }
}

TEST_F(LayoutTest, EditBoxesAreCentredAndLabelsSingleLine) {
  for (const Expected& e : kControls) {
    HWND control = app_->Control(e.id);
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    const std::wstring className = e.className;
    if (className == L"Edit") {
      EXPECT_NE(style & ES_CENTER, 0) << static_cast<int>(e.id);
      EXPECT_EQ(style & (ES_MULTILINE | ES_READONLY | ES_NOHIDESEL), 0) << static_cast<int>(e.id);
    } else if (className == L"Static") {
      const bool centred = e.id == 共需小时 || e.id == 结果标签;
      EXPECT_EQ(style & SS_TYPEMASK, centred ? SS_CENTER : SS_LEFTNOWORDWRAP)
          << static_cast<int>(e.id);
      EXPECT_NE(style & SS_CENTERIMAGE, 0) << "vertically centred, single line";
      EXPECT_NE(style & SS_NOPREFIX, 0);
    }
  }
}

// Measured on a list of this process with the toolkit's font ("宋体", 12 pixels).
LRESULT DefaultListItemHeight() {
  const std::wstring face = Wide("宋体");
  rt::UniqueFont font(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
  rt::UniqueWindow combo(::CreateWindowExW(0, L"ComboBox", L"", WS_POPUP | CBS_DROPDOWNLIST, 0, 0,
                                           65, 200, nullptr, nullptr, nullptr, nullptr));
  ::SendMessageW(combo.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
  return ::SendMessageW(combo.Get(), CB_GETITEMHEIGHT, 0, 0);
}

TEST_F(LayoutTest, ListItemsAreOnePixelTallerThanTheDefault) {
  const LRESULT standard = DefaultListItemHeight();
  ASSERT_GT(standard, 0);
  for (ControlId list : {当前军衔_经验列表框, 理想军衔_经验列表框}) {
    EXPECT_EQ(::SendMessageW(app_->Control(list), CB_GETITEMHEIGHT, 0, 0), standard + 1);
  }
}

// Controls of the window laid over a group box are above it: a click there reaches them.
TEST_F(LayoutTest, ControlsOverGroupBoxesAreOnTop) {
  for (ControlId id : {理想军衔_经验列表框, 按钮2}) {
    HWND control = app_->Control(id);
    RECT rect;
    ::GetWindowRect(control, &rect);
    POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ::ScreenToClient(app_->Window(), &centre);
    EXPECT_EQ(::RealChildWindowFromPoint(app_->Window(), centre), control) << static_cast<int>(id);
  }
}

}  // namespace
