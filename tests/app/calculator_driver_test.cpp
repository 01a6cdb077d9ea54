// The calculator end to end: the real program is started and played through its window as a user
// plays it, with the worked examples of the trade and the once-a-second behaviour of its timers.
#include <gtest/gtest.h>

#include <string>

#include "calc/control_ids.h"
#include "message_pump.h"
#include "running_calculator.h"
#include "runtime/gbk.h"
#include "runtime/toolkit.h"
#include "test_pictures.h"

#if RANK_ABACUS_HAVE_ASSETS
#include "assets/asset.h"
#endif

namespace {

using calc::ControlId;
using enum calc::ControlId;

// A tick is due every second; these leave room for a loaded machine.
constexpr int kWithinATickMs = 1600;
constexpr int kWithinTwoTicksMs = 2600;

std::wstring Wide(const char* gbk) { return rt::GbkToWide(gbk); }

class CalculatorTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app_.Started()) << "RankAbacus.exe did not show its window"; }
  void TearDown() override {
    if (app_.Running()) {
      EXPECT_EQ(app_.Close(), 0) << "exit code";
    }
  }
  // The first ticks have filled both experience fields.
  void WaitForFirstTicks() {
    ASSERT_TRUE(app_.WaitForText(当前军衔_经验框, L"0", kWithinTwoTicksMs));
    ASSERT_TRUE(app_.WaitForText(理想军衔_经验框, L"0", kWithinTwoTicksMs));
  }
  // Answers the message box that must be showing, after checking what it says.
  void AnswerMessage(const std::wstring& expected) {
    HWND box = nullptr;
    ASSERT_TRUE(test::WaitUntil([&] { return (box = app_.MessageBox()) != nullptr; }, 5000))
        << "no message box";
    wchar_t text[128] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, 128);
    EXPECT_EQ(std::wstring(text), expected);
    EXPECT_NE(::GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(::GetDlgItem(box, IDCANCEL), nullptr);
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return app_.MessageBox() == nullptr; }, 5000));
  }
  // Presses the Q-coin button and, when the surcharge is empty, answers the message it shows.
  void PressQcoinButton(bool surchargeEmpty) {
    app_.ClickWithoutWaiting(按钮2);
    if (surchargeEmpty) {
      AnswerMessage(Wide("请输入QB支付加成百分比"));
    } else {
      test::WaitUntil([&] { return app_.MessageBox() != nullptr; }, 300);
      EXPECT_EQ(app_.MessageBox(), nullptr) << "a surcharge was given: no message";
    }
  }
  // The picture box shows rank row `row`'s badge stretched over it (nothing when the program was
  // built without badges).
  void ExpectBadge(ControlId box, int row) {
    const test::Pixels shown = test::CaptureFromScreen(app_.Control(box));
    ASSERT_EQ(shown.width, 40);
    ASSERT_EQ(shown.height, 35);
#if RANK_ABACUS_HAVE_ASSETS
    // The same picture on a picture box of this process is what the program must show.
    rt::UniqueWindow reference(::CreateWindowExW(0, rt::kPictureBoxClass, L"", WS_POPUP, 0, 0, 40,
                                                 35, nullptr, nullptr, nullptr, nullptr));
    rt::SetPicture(reference.Get(), Asset::Badge(row));
    const test::Pixels expected = test::PrintClient(reference.Get());
    int different = 0;
    for (size_t i = 0; i < shown.values.size(); ++i) {
      const std::uint32_t a = shown.values[i], b = expected.values[i];
      different += std::abs(test::Red(a) - test::Red(b)) > 8 ||
                   std::abs(test::Green(a) - test::Green(b)) > 8 ||
                   std::abs(test::Blue(a) - test::Blue(b)) > 8;
    }
    EXPECT_LT(different, 40) << "badge " << row;
#else
    (void)row;
    const COLORREF back = rt::DefaultBackColour();
    const std::uint32_t backPixel =
        (GetRValue(back) << 16) | (GetGValue(back) << 8) | GetBValue(back);
    for (std::uint32_t pixel : shown.values) ASSERT_EQ(pixel, backPixel);
#endif
  }

  test::RunningCalculator app_;
};

TEST_F(CalculatorTest, StartsOnTheFirstRankWithEverythingAtZero) {
  WaitForFirstTicks();
  EXPECT_EQ(app_.Text(当前军衔_经验列表框), Wide("列兵1"));
  EXPECT_EQ(app_.Text(理想军衔_经验列表框), Wide("列兵1"));
  EXPECT_TRUE(app_.WaitForText(相差经验框, L"0", kWithinTwoTicksMs));
  ExpectBadge(当前军衔_图片, 1);
  ExpectBadge(理想军衔_图片, 1);
}

// One job priced through the window: ranks chosen, inputs typed, the three buttons pressed.
struct Job {
  const char* current;
  const char* target;
  const wchar_t* currentExperience;
  const wchar_t* targetExperience;
  int currentRow;
  int targetRow;
  const wchar_t* unitPrice;
  const wchar_t* surcharge;
  const wchar_t* perHour;
  // Expected.
  const wchar_t* gap;
  const char* exact;
  const char* rough;
  const char* coins;
  const char* coinsRmb;
  const wchar_t* hours;
  const wchar_t* days;
};

class WorkedExampleTest : public CalculatorTest, public testing::WithParamInterface<Job> {};

TEST_P(WorkedExampleTest, EveryFieldShowsTheExpectedText) {
  const Job& job = GetParam();
  WaitForFirstTicks();
  app_.ChooseRank(当前军衔_经验列表框, job.current);
  app_.ChooseRank(理想军衔_经验列表框, job.target);
  EXPECT_TRUE(app_.WaitForText(当前军衔_经验框, job.currentExperience, kWithinTwoTicksMs));
  EXPECT_TRUE(app_.WaitForText(理想军衔_经验框, job.targetExperience, kWithinTwoTicksMs));
  ASSERT_TRUE(app_.WaitForText(相差经验框, job.gap, kWithinTwoTicksMs))
      << "gap shows " << rt::WideToGbk(app_.Text(相差经验框));
  ExpectBadge(当前军衔_图片, job.currentRow);
  ExpectBadge(理想军衔_图片, job.targetRow);

  app_.Type(经验单价框, job.unitPrice);
  app_.Click(按钮1);
  EXPECT_EQ(app_.Text(收入_支付精确框), Wide(job.exact));
  EXPECT_EQ(app_.Text(收入_支付粗略框), Wide(job.rough));

  app_.Type(Q币加成框, job.surcharge);
  PressQcoinButton(std::wstring(job.surcharge).empty());
  EXPECT_TRUE(app_.WaitForText(收入_支付Q币粗略框, Wide(job.coins), 5000));
  EXPECT_EQ(app_.Text(折合RMB), Wide(job.coinsRmb));

  app_.Type(每小时_N经验, job.perHour);
  app_.Click(按钮4);
  EXPECT_EQ(app_.Text(共需_N小时), job.hours);
  EXPECT_EQ(app_.Text(共需小时), Wide("从  ") + Wide(job.current) + Wide("   代练至   ") +
                                     Wide(job.target) + Wide("    预计需要  ") + job.days +
                                     Wide("天"));

  const std::wstring sentence =
      Wide("本次交易共收入/支出：RMB：") + Wide(job.rough) + Wide("   Q B：") + Wide(job.coins);
  EXPECT_TRUE(app_.WaitForText(结果标签, sentence, kWithinTwoTicksMs))
      << "result shows " << rt::WideToGbk(app_.Text(结果标签));
}

INSTANTIATE_TEST_SUITE_P(
    Trade, WorkedExampleTest,
    testing::Values(Job{"少尉1", "上尉1", L"326725", L"1333573", 28, 44, L"12.5", L"10", L"5",
                        L"1006848", "1258.56元", "1258元", "1384个", "1259元", L"20.137",
                        L"0.83904"},
                    // Empty surcharge: the user is told, then 0 percent is used.
                    Job{"列兵2", "二等兵", L"457", L"1825", 2, 4, L"8.5", L"", L"1", L"1368",
                        "1.1628元", "1元", "1个", "0元", L"0.1368", L"0.0057"},
                    Job{"列兵1", "元帅", L"0", L"26564451", 1, 100, L"20", L"5", L"1.5",
                        L"26564451", "53128.9元", "53128元", "55785个", "50764元", L"1770.96",
                        L"73.7901"},
                    // The target below the current rank: a negative gap and negative prices.
                    Job{"三等兵", "列兵2", L"913", L"457", 3, 2, L"10", L"10", L"1", L"-456",
                        "-0.456元", "0元", "0个", "0元", L"-0.0456", L"-0.0019"}));

TEST_F(CalculatorTest, ARankChoiceShowsWithinASecondAndItsGapWithinTheNext) {
  WaitForFirstTicks();
  app_.ChooseRank(理想军衔_经验列表框, "元帅");
  const ULONGLONG chosen = ::GetTickCount64();
  ASSERT_TRUE(app_.WaitForText(理想军衔_经验框, L"26564451", kWithinATickMs));
  ASSERT_TRUE(app_.WaitForText(相差经验框, L"26564451", kWithinATickMs));
  EXPECT_LT(::GetTickCount64() - chosen, static_cast<ULONGLONG>(kWithinTwoTicksMs));
}

TEST_F(CalculatorTest, TypedExperienceIsOverwrittenByTheNextTick) {
  WaitForFirstTicks();
  app_.Type(当前军衔_经验框, L"12345");
  app_.Type(理想军衔_经验框, L"54321");
  EXPECT_TRUE(app_.WaitForText(当前军衔_经验框, L"0", kWithinATickMs));
  EXPECT_TRUE(app_.WaitForText(理想军衔_经验框, L"0", kWithinATickMs));
}

TEST_F(CalculatorTest, ATypedGapIsPricedWhenPressedBeforeTheNextTick) {
  WaitForFirstTicks();
  app_.Type(经验单价框, L"10");
  // Right after a tick of the gap timer a whole second remains before the next one.
  app_.Type(相差经验框, L"x");
  ASSERT_TRUE(app_.WaitForText(相差经验框, L"0", kWithinATickMs));
  app_.Type(相差经验框, L"20000");
  app_.Click(按钮1);
  EXPECT_EQ(app_.Text(收入_支付精确框), Wide("20元"));
  EXPECT_EQ(app_.Text(收入_支付粗略框), Wide("20元"));
  EXPECT_TRUE(app_.WaitForText(相差经验框, L"0", kWithinATickMs)) << "the gap is computed again";
}

TEST_F(CalculatorTest, TheResultStaysEmptyUntilTheQcoinButtonIsPressed) {
  WaitForFirstTicks();
  app_.ChooseRank(理想军衔_经验列表框, "列兵2");
  app_.Type(经验单价框, L"10");
  ASSERT_TRUE(app_.WaitForText(相差经验框, L"457", kWithinTwoTicksMs));
  app_.Click(按钮1);
  EXPECT_FALSE(test::WaitUntil([&] { return !app_.Text(结果标签).empty(); }, 2500))
      << "the result timer is stopped until the Q-coin button";

  app_.Type(Q币加成框, L"10");
  PressQcoinButton(false);
  EXPECT_TRUE(
      app_.WaitForText(结果标签, Wide("本次交易共收入/支出：RMB：0元   Q B：0个"), kWithinATickMs));
}

TEST_F(CalculatorTest, AnEmptySurchargeIsReportedOnEveryPress) {
  WaitForFirstTicks();
  for (int press = 0; press < 2; ++press) {
    PressQcoinButton(true);
    EXPECT_TRUE(app_.WaitForText(收入_支付Q币粗略框, Wide("0个"), 5000));
    EXPECT_FALSE(test::WaitUntil([&] { return app_.MessageBox() != nullptr; }, 300))
        << "one message per press";
  }
}

TEST_F(CalculatorTest, TheQcoinButtonBeforeTheRmbButtonGivesZero) {
  WaitForFirstTicks();
  app_.Type(Q币加成框, L"50");
  PressQcoinButton(false);
  EXPECT_TRUE(app_.WaitForText(收入_支付Q币粗略框, Wide("0个"), 5000));
  EXPECT_EQ(app_.Text(折合RMB), Wide("0元"));
}

TEST_F(CalculatorTest, AZeroRateGivesAnInfiniteTimeInsteadOfAFault) {
  WaitForFirstTicks();
  app_.ChooseRank(理想军衔_经验列表框, "列兵2");
  ASSERT_TRUE(app_.WaitForText(相差经验框, L"457", kWithinTwoTicksMs));
  app_.Type(每小时_N经验, L"");
  app_.Click(按钮4);
  EXPECT_EQ(app_.Text(共需_N小时), L"inf");
  EXPECT_EQ(app_.Text(共需小时), Wide("从  列兵1   代练至   列兵2    预计需要  inf天"));
}

TEST_F(CalculatorTest, FullWidthDigitsAreReadLikeAsciiOnes) {
  WaitForFirstTicks();
  app_.Type(相差经验框, L"x");
  ASSERT_TRUE(app_.WaitForText(相差经验框, L"0", kWithinATickMs));
  app_.Type(相差经验框, L"10000");
  app_.Type(经验单价框, Wide("１２．５"));
  app_.Click(按钮1);
  EXPECT_EQ(app_.Text(收入_支付精确框), Wide("12.5元"));
}

// Until the skin draws a caption the window is moved by its empty parts and closed with Alt+F4.
TEST_F(CalculatorTest, EmptyPartsDragTheWindowAndAltF4ClosesIt) {
  RECT frame;
  ::GetWindowRect(app_.Window(), &frame);
  const LPARAM emptyCorner = MAKELPARAM(frame.left + 1, frame.top + 1);
  EXPECT_EQ(::SendMessageW(app_.Window(), WM_NCHITTEST, 0, emptyCorner), HTCAPTION);
  RECT button;
  ::GetWindowRect(app_.Control(按钮2), &button);
  const LPARAM onButton = MAKELPARAM(button.left + 5, button.top + 5);
  EXPECT_EQ(::SendMessageW(app_.Control(按钮2), WM_NCHITTEST, 0, onButton), HTCLIENT);

  constexpr LPARAM kAltDown = 1 << 29;
  ::PostMessageW(app_.Window(), WM_SYSKEYDOWN, VK_F4, kAltDown | 1);
  EXPECT_EQ(app_.WaitForExit(10000), 0);
}

// A picture of the window with every field filled, kept beside the driver for people to look at.
TEST_F(CalculatorTest, SavesAScreenshotOfTheFilledWindow) {
  WaitForFirstTicks();
  app_.ChooseRank(当前军衔_经验列表框, "少尉1");
  app_.ChooseRank(理想军衔_经验列表框, "上尉1");
  ASSERT_TRUE(app_.WaitForText(相差经验框, L"1006848", kWithinTwoTicksMs));
  app_.Type(经验单价框, L"12.5");
  app_.Click(按钮1);
  app_.Type(Q币加成框, L"10");
  PressQcoinButton(false);
  app_.Type(每小时_N经验, L"5");
  app_.Click(按钮4);
  ASSERT_TRUE(app_.WaitForText(结果标签, Wide("本次交易共收入/支出：RMB：1258元   Q B：1384个"),
                               kWithinTwoTicksMs));
  test::PumpFor(300);
  const std::wstring path = test::DriverFolder() + L"calculator_window.png";
  ASSERT_TRUE(test::SaveScreenshot(app_.Window(), path));
  EXPECT_NE(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
