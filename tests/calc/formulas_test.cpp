// The calculator's computations on field texts, including the worked examples the trade relies on.
#include "calc/formulas.h"

#include <gtest/gtest.h>

namespace {

using calc::CalcState;

// One job priced through every button, as a user presses them: RMB, Q-coins, levelling time.
struct Job {
  const char* current;       // experience texts of the two ranks
  const char* target;
  const char* unitPrice;     // RMB per 10,000 experience
  const char* surcharge;     // percent
  const char* perHour;       // 10,000 experience an hour
  // Expected texts.
  const char* gap;
  const char* exact;
  const char* rough;
  const char* coins;
  const char* coinsRmb;
  const char* hours;
  const char* days;
};

class WorkedExampleTest : public testing::TestWithParam<Job> {};

TEST_P(WorkedExampleTest, EveryFieldShowsTheExpectedText) {
  const Job& job = GetParam();
  CalcState state;
  const rt::Text gap = calc::ExperienceGapText(job.target, job.current);
  EXPECT_EQ(gap, job.gap);

  const calc::RmbPriceTexts rmb = calc::ComputeRmbPrice(state, gap, job.unitPrice);
  EXPECT_EQ(rmb.exact, job.exact);
  EXPECT_EQ(rmb.rough, job.rough);

  const calc::QcoinPriceTexts qcoin = calc::ComputeQcoinPrice(state, job.surcharge);
  EXPECT_EQ(qcoin.surchargeMissing, rt::TextView(job.surcharge).empty());
  EXPECT_EQ(qcoin.coins, job.coins);
  EXPECT_EQ(qcoin.rmbValue, job.coinsRmb);

  const calc::LevellingTimeTexts time = calc::ComputeLevellingTime(job.perHour, gap, "A", "B");
  EXPECT_EQ(time.hours, job.hours);
  EXPECT_EQ(time.sentence, rt::ConcatText({"从  A   代练至   B    预计需要  ", job.days, "天"}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedExampleTest,
    testing::Values(
        // 少尉1 to 上尉1.
        Job{"326725", "1333573", "12.5", "10", "5", "1006848", "1258.56元", "1258元", "1384个",
            "1259元", "20.137", "0.83904"},
        // 列兵1 to 元帅.
        Job{"0", "26564451", "20", "5", "1.5", "26564451", "53128.9元", "53128元", "55785个",
            "50764元", "1770.96", "73.7901"},
        // A target below the current rank: the gap and the prices are negative.
        Job{"913", "457", "10", "10", "1", "-456", "-0.456元", "0元", "0个", "0元", "-0.0456",
            "-0.0019"},
        // Full-width input typed with a Chinese input method.
        Job{"326725", "1333573", "１２．５", "１０", "５", "1006848", "1258.56元", "1258元",
            "1384个", "1259元", "20.137", "0.83904"},
        // An empty surcharge counts as 0 percent (the window also tells the user).
        Job{"0", "1368", "8.5", "", "1", "1368", "1.1628元", "1元", "1个", "0元", "0.1368",
            "0.0057"}));

TEST(RmbPrice, KeepsTheFloatPriceAndItsWholeUnits) {
  CalcState state;
  calc::ComputeRmbPrice(state, "1006848", "12.5");
  EXPECT_EQ(state.expGap, 1006848);
  EXPECT_EQ(state.unitPrice, 12.5f);
  EXPECT_EQ(state.price, 1258.56005859375f);
  EXPECT_EQ(state.priceWhole, 1258);
}

TEST(RmbPrice, CentsThatRoundUpMakeTheNextWholeUnit) {
  CalcState state;
  // 12996 experience at 10 RMB: 12.996 is paid as 13, 12994 as 12.
  EXPECT_EQ(calc::ComputeRmbPrice(state, "12996", "10").rough, "13元");
  EXPECT_EQ(calc::ComputeRmbPrice(state, "12994", "10").rough, "12元");
}

TEST(RmbPrice, AMillionOrMoreShowsTheExponentFormExactlyAndAllDigitsRoughly) {
  CalcState state;
  const calc::RmbPriceTexts rmb = calc::ComputeRmbPrice(state, "12345670", "1000");
  EXPECT_EQ(rmb.exact, "1.23457e+006元");
  EXPECT_EQ(rmb.rough, "1234567元");
}

TEST(RmbPrice, EmptyAndNonNumericInputsPriceAtZero) {
  CalcState state;
  const calc::RmbPriceTexts rmb = calc::ComputeRmbPrice(state, "", "abc");
  EXPECT_EQ(rmb.exact, "0元");
  EXPECT_EQ(rmb.rough, "0元");
  // A leading number is read up to the first non-digit.
  EXPECT_EQ(calc::ComputeRmbPrice(state, "20000元", "3.5元").exact, "7元");
}

TEST(QcoinPrice, BeforeAnyRmbPriceEverythingIsZero) {
  CalcState state;
  const calc::QcoinPriceTexts qcoin = calc::ComputeQcoinPrice(state, "50");
  EXPECT_EQ(qcoin.coins, "0个");
  EXPECT_EQ(qcoin.rmbValue, "0元");
}

TEST(QcoinPrice, KeepsTheSurchargeAndTotalAsFloats) {
  CalcState state;
  calc::ComputeRmbPrice(state, "1006848", "12.5");
  calc::ComputeQcoinPrice(state, "10");
  EXPECT_EQ(state.surchargeText, "10");
  EXPECT_EQ(state.qcoinSurcharge, 125.85600280761719f);
  EXPECT_EQ(state.qcoinTotal, 1384.416015625f);
  // The next press replaces the kept surcharge text.
  calc::ComputeQcoinPrice(state, "");
  EXPECT_EQ(state.surchargeText, "");
}

TEST(ResultSentence, CopiesBothFieldsAsTheyStand) {
  EXPECT_EQ(calc::ResultSentence("1258元", "1384个"), "本次交易共收入/支出：RMB：1258元   Q B：1384个");
  EXPECT_EQ(calc::ResultSentence("", "typed"), "本次交易共收入/支出：RMB：   Q B：typed");
}

TEST(LevellingTime, SentenceNamesBothRanks) {
  EXPECT_EQ(calc::ComputeLevellingTime("5", "1006848", "少尉1", "上尉1").sentence,
            "从  少尉1   代练至   上尉1    预计需要  0.83904天");
}

TEST(LevellingTime, NoExperiencePerHourGivesInfinityOrNotANumber) {
  struct Case {
    const char* perHour;
    const char* gap;
    const char* hours;
  };
  for (const Case& c : {Case{"0", "1000", "inf"}, Case{"", "-1000", "-inf"}, Case{"0", "0", "nan"},
                        Case{"abc", "0", "nan"}}) {
    const calc::LevellingTimeTexts time = calc::ComputeLevellingTime(c.perHour, c.gap, "A", "B");
    EXPECT_EQ(time.hours, c.hours) << c.perHour << " / " << c.gap;
    EXPECT_EQ(time.sentence, rt::ConcatText({"从  A   代练至   B    预计需要  ", c.hours, "天"}));
  }
}

}  // namespace
