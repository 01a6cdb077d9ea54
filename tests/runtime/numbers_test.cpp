// Text <-> number conversions. The same tables run in the native build and under Wine, so both
// builds are held to the same texts.
#include "runtime/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

using rt::Text;

struct IntCase {
  const char* text;
  std::int32_t expected;
};

class TextToIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(TextToIntTest, ReadsLikeAtoi) {
  EXPECT_EQ(rt::TextToInt(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextToIntTest,
    testing::Values(IntCase{"", 0}, IntCase{"0", 0}, IntCase{"1006848", 1006848},
                    IntCase{"-456", -456}, IntCase{"+12", 12}, IntCase{" \t\n\v\f\r42", 42},
                    IntCase{"12.9", 12}, IntCase{"12abc", 12}, IntCase{"abc", 0},
                    IntCase{"- 5", 0}, IntCase{"--5", 0}, IntCase{"1e3", 1},
                    IntCase{"2147483647", 2147483647},
                    IntCase{"2147483648", std::numeric_limits<std::int32_t>::min()},
                    IntCase{"4294967297", 1}, IntCase{"-4294967295", 1},
                    IntCase{"99999999999999999999", 1661992959},
                    // Full-width digits, sign and space typed with a Chinese input method.
                    IntCase{"１２３", 123}, IntCase{"－７", -7}, IntCase{"\xA1\xA1" "８", 8},
                    IntCase{"１０个", 10},
                    // A GBK character whose second byte is an ASCII digit is not a digit.
                    IntCase{"\x81\x35" "7", 0}));

struct FloatCase {
  const char* text;
  double expected;
};

class TextToDoubleTest : public testing::TestWithParam<FloatCase> {};

TEST_P(TextToDoubleTest, ReadsLikeAtof) {
  EXPECT_EQ(rt::TextToDouble(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextToDoubleTest,
    testing::Values(FloatCase{"", 0.0}, FloatCase{"abc", 0.0}, FloatCase{".", 0.0},
                    FloatCase{"12.5", 12.5}, FloatCase{"  -8.5x", -8.5}, FloatCase{".5", 0.5},
                    FloatCase{"5.", 5.0}, FloatCase{"1e3", 1000.0}, FloatCase{"1E+3", 1000.0},
                    FloatCase{"2.5e-1", 0.25}, FloatCase{"1e", 1.0}, FloatCase{"1e+", 1.0},
                    FloatCase{"1.5.5", 1.5}, FloatCase{"0.1", 0.1},
                    // C99's hexadecimal and named forms are not numbers here.
                    FloatCase{"0x10", 0.0}, FloatCase{"inf", 0.0}, FloatCase{"nan", 0.0},
                    FloatCase{"１２．５", 12.5}, FloatCase{"－１．５", -1.5},
                    FloatCase{"1e999", std::numeric_limits<double>::infinity()},
                    FloatCase{"-1e99999999999", -std::numeric_limits<double>::infinity()},
                    FloatCase{"1e-999", 0.0}, FloatCase{"0.000e999", 0.0}));

TEST(TextToFloat, RoundsTheDoubleToTheNearestFloat) {
  EXPECT_EQ(rt::TextToFloat("12.5"), 12.5f);
  EXPECT_EQ(rt::TextToFloat("0.1"), 0.1f);
  EXPECT_NE(static_cast<double>(rt::TextToFloat("0.1")), 0.1);
  EXPECT_EQ(rt::TextToFloat("1e39"), std::numeric_limits<float>::infinity());
}

TEST(TextToDouble, HugeTextsAreReadWithoutHarm) {
  EXPECT_EQ(rt::TextToDouble(std::string(1'000'000, '9')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(rt::TextToDouble("0." + std::string(1'000'000, '0') + "1"), 0.0);
  // A million digits wrap around like any other overflow: 7777...7 mod 2^32, read as signed.
  std::uint32_t wrapped = 0;
  for (int i = 0; i < 1'000'000; ++i) wrapped = wrapped * 10u + 7u;
  EXPECT_EQ(rt::TextToInt(std::string(1'000'000, '7')), static_cast<std::int32_t>(wrapped));
}

TEST(MapFullWidthToAscii, MapsTheFullWidthRowAndTheFourSymbols) {
  Text fullWidthRow;
  Text asciiRow;
  for (int trail = 0xA1; trail <= 0xFE; ++trail) {
    fullWidthRow += static_cast<char>(0xA3);
    fullWidthRow += static_cast<char>(trail);
    asciiRow += static_cast<char>(trail - 0x80);
  }
  EXPECT_EQ(rt::MapFullWidthToAscii(fullWidthRow), asciiRow);
  EXPECT_EQ(rt::MapFullWidthToAscii("\xA1\xA1\xA1\xAB\xA1\xEE\xA1\xEF"), " ~**");
  // Other double-byte characters, a lone lead byte at the end and ASCII are kept.
  EXPECT_EQ(rt::MapFullWidthToAscii("列兵1\xA1\xA2x\xA3"), "列兵1\xA1\xA2x\xA3");
  // The walk is by character: 0xA3 as a trail byte does not start a full-width form.
  EXPECT_EQ(rt::MapFullWidthToAscii("\xB0\xA3\xB1"), "\xB0\xA3\xB1");
}

struct FormatCase {
  double value;
  const char* expected;
};

class FloatToTextTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FloatToTextTest, SixSignificantDigitsWithAThreeDigitExponent) {
  EXPECT_EQ(rt::FloatToText(static_cast<float>(GetParam().value)), GetParam().expected)
      << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FloatToTextTest,
    testing::Values(
        FormatCase{0.0, "0"}, FormatCase{-0.0, "-0"}, FormatCase{1258.56005859375, "1258.56"},
        FormatCase{125.85600280761719, "125.856"}, FormatCase{1.1628, "1.1628"},
        FormatCase{-0.456, "-0.456"}, FormatCase{53128.9, "53128.9"}, FormatCase{20.137, "20.137"},
        FormatCase{0.83904, "0.83904"}, FormatCase{100000, "100000"},
        FormatCase{999999, "999999"}, FormatCase{1000000, "1e+006"},
        FormatCase{1234567, "1.23457e+006"}, FormatCase{-1234567, "-1.23457e+006"},
        // An exact half at the seventh digit rounds away from zero ("%.6g" alone would give
        // 1.23456e+006 and 9.99998e+006 by rounding halves to even).
        FormatCase{1234565, "1.23457e+006"}, FormatCase{9999985, "9.99999e+006"},
        FormatCase{9999995, "1e+007"}, FormatCase{0.0001, "0.0001"},
        FormatCase{0.00001, "1e-005"}, FormatCase{3.4028234663852886e38, "3.40282e+038"},
        FormatCase{1.401298464324817e-45, "1.4013e-045"}, FormatCase{0.5, "0.5"}));

TEST(FloatToText, NonFiniteValuesHaveClearTexts) {
  EXPECT_EQ(rt::FloatToText(std::numeric_limits<float>::infinity()), "inf");
  EXPECT_EQ(rt::FloatToText(-std::numeric_limits<float>::infinity()), "-inf");
  EXPECT_EQ(rt::FloatToText(std::numeric_limits<float>::quiet_NaN()), "nan");
  EXPECT_EQ(rt::DoubleToText(-std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(rt::DoubleToText(std::numeric_limits<double>::quiet_NaN()), "nan");
}

class DoubleToTextTest : public testing::TestWithParam<FormatCase> {};

TEST_P(DoubleToTextTest, ThirteenSignificantDigits) {
  EXPECT_EQ(rt::DoubleToText(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DoubleToTextTest,
    testing::Values(FormatCase{0.0, "0"}, FormatCase{1006848, "1006848"},
                    FormatCase{-456, "-456"}, FormatCase{26564451, "26564451"},
                    FormatCase{0.1, "0.1"}, FormatCase{1.0 / 3.0, "0.3333333333333"},
                    FormatCase{9999999999999.0, "9999999999999"},
                    FormatCase{10000000000000.0, "1e+013"},
                    FormatCase{-4294967296.0, "-4294967296"}, FormatCase{1e-5, "1e-005"},
                    FormatCase{1.5e300, "1.5e+300"}));

TEST(IntToText, PrintsLikePercentD) {
  EXPECT_EQ(rt::IntToText(0), "0");
  EXPECT_EQ(rt::IntToText(-456), "-456");
  EXPECT_EQ(rt::IntToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(FloatToInt, TruncatesTowardZero) {
  EXPECT_EQ(rt::FloatToInt(1384.416015625f), 1384);
  EXPECT_EQ(rt::FloatToInt(-0.456f), 0);
  EXPECT_EQ(rt::FloatToInt(-1.9f), -1);
  EXPECT_EQ(rt::DoubleToInt(1259.44), 1259);
  EXPECT_EQ(rt::DoubleToInt(-2147483648.9), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(rt::DoubleToInt(2147483647.9), 2147483647);
}

TEST(FloatToInt, OutOfRangeAndNotANumberGiveTheIndefiniteInteger) {
  constexpr std::int32_t kIndefinite = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(rt::FloatToInt(3e9f), kIndefinite);
  EXPECT_EQ(rt::FloatToInt(-3e9f), kIndefinite);
  EXPECT_EQ(rt::FloatToInt(std::numeric_limits<float>::infinity()), kIndefinite);
  EXPECT_EQ(rt::FloatToInt(std::numeric_limits<float>::quiet_NaN()), kIndefinite);
  EXPECT_EQ(rt::DoubleToInt(2147483648.0), kIndefinite);
}

struct RoundCase {
  double x;
  int digits;
  double expected;
};

class RoundToDigitsTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToDigitsTest, HalvesAwayFromZero) {
  const RoundCase& c = GetParam();
  EXPECT_DOUBLE_EQ(rt::RoundToDigits(c.x, c.digits), c.expected) << c.x << " to " << c.digits;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoundToDigitsTest,
    testing::Values(RoundCase{0.0, 2, 0.0}, RoundCase{1258.56005859375, 2, 1258.56},
                    RoundCase{12.996, 2, 13.0}, RoundCase{12.994, 2, 12.99},
                    RoundCase{-0.456, 2, -0.46}, RoundCase{2.5, 0, 3.0}, RoundCase{-2.5, 0, -3.0},
                    RoundCase{0.125, 2, 0.13}, RoundCase{1234.0, -2, 1200.0},
                    RoundCase{1250.0, -2, 1300.0}, RoundCase{-1250.0, -2, -1300.0},
                    // Within 1e-12 below a whole number the value counts as that number.
                    RoundCase{0.9999999999999, 0, 1.0}));

TEST(FloorToInteger, AlmostWholeCountsAsWhole) {
  EXPECT_EQ(rt::FloorToInteger(2.5), 2.0);
  EXPECT_EQ(rt::FloorToInteger(-2.5), -3.0);
  EXPECT_EQ(rt::FloorToInteger(2.9999999999999), 3.0);
  EXPECT_EQ(rt::FloorToInteger(2.99999999999), 2.0);
}

TEST(ConcatText, JoinsInOrderAndLeavesThePartsAlone) {
  const Text first = "从  ";
  const Text joined = rt::ConcatText({first, "少尉1", "", "天"});
  EXPECT_EQ(joined, "从  少尉1天");
  EXPECT_EQ(first, "从  ");
  const rt::ByteSet a{1, 2};
  EXPECT_EQ(rt::ConcatBytes({a, rt::ByteSet{}, rt::ByteSet{3}}), (rt::ByteSet{1, 2, 3}));
}

}  // namespace
