// The main window built in this process: the fonts and colours its controls get, what reaches the
// window from inside its group boxes, and that everything it created goes with it.
#include "calc/startup_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "message_pump.h"
#include "runtime/gbk.h"

namespace {

using calc::ControlId;
using enum calc::ControlId;

struct ExpectedFont {
  ControlId id;
  const char* face;  // GBK
  int height;        // LOGFONT height
  int weight;
};

constexpr ExpectedFont kFonts[] = {
    {分组框1, "宋体", -12, 400},
    {分组框4, "宋体", -12, 400},
    {透明标签1, "岭鹤毛笔行书简体", -14, 400},
    {透明标签5, "岭鹤毛笔行书简体", -16, 400},
    {透明标签9, "岭鹤毛笔行书简体", -12, 400},
    {透明标签12, "岭鹤毛笔行书简体", -12, 700},
    {共需小时, "岭鹤毛笔行书简体", -14, 400},
    {结果标签, "岭鹤毛笔行书简体", -14, 400},
    {当前军衔_经验框, "长城特圆体", -12, 400},
    {折合RMB, "长城特圆体", -12, 400},
    {当前军衔_经验列表框, "宋体", -12, 400},
    {理想军衔_经验列表框, "宋体", -12, 400},
    {按钮1, "宋体", -12, 400},
    {按钮2, "宋体", -12, 400},
};

class StartupWindowTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(window_.Create()); }
  calc::CalcState state_;
  calc::StartupWindow window_{state_};
};

TEST_F(StartupWindowTest, ControlsUseTheirFontsWithTheChineseCharacterSet) {
  for (const ExpectedFont& e : kFonts) {
    SCOPED_TRACE(static_cast<int>(e.id));
    const auto font =
        reinterpret_cast<HFONT>(::SendMessageW(window_.Control(e.id), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW logFont{};
    ASSERT_TRUE(::GetObjectW(font, sizeof(logFont), &logFont));
    EXPECT_EQ(std::wstring(logFont.lfFaceName), rt::GbkToWide(e.face));
    EXPECT_EQ(logFont.lfHeight, e.height);
    EXPECT_EQ(logFont.lfWeight, e.weight);
    EXPECT_EQ(logFont.lfCharSet, GB2312_CHARSET);
  }
}

TEST_F(StartupWindowTest, LabelsInsideGroupBoxesAreDrawnTransparently) {
  rt::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  for (ControlId label : {透明标签1, 透明标签5, 透明标签9, 结果标签, 透明标签12}) {
    SCOPED_TRACE(static_cast<int>(label));
    HWND control = window_.Control(label);
    ::SetBkMode(dc.Get(), OPAQUE);
    const LRESULT brush =
        ::SendMessageW(::GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                       reinterpret_cast<LPARAM>(control));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
    EXPECT_EQ(::GetBkMode(dc.Get()), TRANSPARENT);
  }
}

TEST_F(StartupWindowTest, EditBoxesInsideGroupBoxesAreBlackOnWhite) {
  rt::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  for (ControlId edit : {当前军衔_经验框, 相差经验框, 经验单价框, 每小时_N经验}) {
    HWND control = window_.Control(edit);
    const LRESULT brush =
        ::SendMessageW(::GetParent(control), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.Get()),
                       reinterpret_cast<LPARAM>(control));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(::GetBkColor(dc.Get()), RGB(255, 255, 255));
    EXPECT_EQ(::GetTextColor(dc.Get()), RGB(0, 0, 0));
  }
}

// A label's area shows what its group box paints beneath it: the window's background.
TEST_F(StartupWindowTest, ALabelShowsTheBackgroundBeneathIt) {
  ::ShowWindow(window_.Handle(), SW_SHOWNOACTIVATE);
  ::UpdateWindow(window_.Handle());
  HWND label = window_.Control(结果标签);
  rt::WriteControlText(label, "本次交易");
  rt::WriteControlText(label, "");
  test::PumpFor(200);
  rt::ScopedWindowDc dc(label);
  RECT client;
  ::GetClientRect(label, &client);
  int other = 0;
  for (int x = 0; x < client.right; x += 3) {
    for (int y = 0; y < client.bottom; y += 3)
      other += ::GetPixel(dc.Get(), x, y) != rt::DefaultBackColour();
  }
  EXPECT_EQ(other, 0) << "the old text was painted over";
}

TEST_F(StartupWindowTest, TheTimersFillTheFieldsAndLeaveTheResultAlone) {
  // Nothing has been dispatched since the window was created: no tick yet.
  for (ControlId field : {当前军衔_经验框, 理想军衔_经验框, 相差经验框}) {
    EXPECT_EQ(rt::ReadControlText(window_.Control(field)), "") << static_cast<int>(field);
  }
  ASSERT_TRUE(test::PumpUntil(
      [&] { return rt::ReadControlText(window_.Control(相差经验框)) == "0"; }, 3000));
  EXPECT_EQ(rt::ReadControlText(window_.Control(当前军衔_经验框)), "0");
  EXPECT_EQ(rt::ReadControlText(window_.Control(理想军衔_经验框)), "0");
  EXPECT_EQ(rt::ReadControlText(window_.Control(结果标签)), "");
}

TEST(StartupWindowLifetimeTest, FontsAndWindowsGoWithTheWindow) {
  calc::CalcState state;
  std::vector<HFONT> fonts;
  HWND handle = nullptr;
  {
    calc::StartupWindow window(state);
    ASSERT_TRUE(window.Create());
    handle = window.Handle();
    for (ControlId id : {分组框1, 透明标签1, 透明标签5, 透明标签12, 当前军衔_经验框, 按钮1}) {
      fonts.push_back(
          reinterpret_cast<HFONT>(::SendMessageW(window.Control(id), WM_GETFONT, 0, 0)));
    }
  }
  EXPECT_FALSE(::IsWindow(handle));
  for (HFONT font : fonts) EXPECT_EQ(::GetObjectType(font), 0u);
}

}  // namespace
