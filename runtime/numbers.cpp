// Text <-> number conversions with the C run time's rules, made independent of the C run time.
//
// Digits come from std::to_chars and std::from_chars (the same code in every build); the "%g"
// layout, the three-digit exponent and the rounding of halves are done here.
#include "runtime/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace rt {
namespace {

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A finite value as significant digits d1 d2 ... dn meaning d1.d2...dn x 10^exponent.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// `significant` correctly rounded significant digits of a finite value.
Decimal ToDecimal(double value, int significant) {
  char buffer[400];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::scientific, significant - 1);
  (void)error;  // the buffer holds any double at the precisions used here
  Decimal decimal;
  const char* p = buffer;
  if (*p == '-') {
    decimal.negative = true;
    ++p;
  }
  for (; p != end && *p != 'e'; ++p) {
    if (IsDigit(*p)) decimal.digits.push_back(*p);
  }
  std::from_chars(p + 1 + (p[1] == '+'), end, decimal.exponent);
  return decimal;
}

// Rounds the digits to `significant` digits, halves away from zero. The digits must be exact.
void RoundHalfAwayFromZero(Decimal& decimal, std::size_t significant) {
  if (decimal.digits.size() <= significant) return;
  const bool roundUp = decimal.digits[significant] >= '5';
  decimal.digits.resize(significant);
  if (!roundUp) return;
  for (std::size_t i = significant; i-- > 0;) {
    if (decimal.digits[i] != '9') {
      ++decimal.digits[i];
      return;
    }
    decimal.digits[i] = '0';
  }
  decimal.digits.insert(decimal.digits.begin(), '1');  // 9.99999 became 10.0000
  decimal.digits.pop_back();
  ++decimal.exponent;
}

void StripTrailingZeros(std::string& fraction) {
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
}

// The "%.<precision>g" layout of the rounded digits, with a signed exponent of at least 3 digits.
Text FormatGeneral(const Decimal& decimal, int precision) {
  Text out = decimal.negative ? "-" : "";
  const int x = decimal.exponent;
  if (x < -4 || x >= precision) {
    std::string fraction = decimal.digits.substr(1);
    StripTrailingZeros(fraction);
    out += decimal.digits[0];
    if (!fraction.empty()) out += "." + fraction;
    std::string exponent = std::to_string(x < 0 ? -x : x);
    if (exponent.size() < 3) exponent.insert(0, 3 - exponent.size(), '0');
    out += (x < 0 ? "e-" : "e+") + exponent;
    return out;
  }
  std::string integer, fraction;
  if (x >= 0) {
    integer = decimal.digits.substr(0, static_cast<std::size_t>(x) + 1);
    fraction = decimal.digits.substr(static_cast<std::size_t>(x) + 1);
  } else {
    integer = "0";
    fraction = std::string(static_cast<std::size_t>(-x - 1), '0') + decimal.digits;
  }
  StripTrailingZeros(fraction);
  out += integer;
  if (!fraction.empty()) out += "." + fraction;
  return out;
}

Text NonFiniteText(double value) {
  if (std::isnan(value)) return "nan";
  return value < 0 ? "-inf" : "inf";
}

// The longest prefix of `text` that C's strtod would read as a decimal number, without its sign.
struct NumberPrefix {
  bool negative = false;
  std::string mantissa;  // digits and at most one point, at least one digit, or empty: no number
  long exponent = 0;     // saturated far outside any double's range
};

NumberPrefix ScanNumber(TextView text) {
  NumberPrefix number;
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.negative = text[i++] == '-';
  bool anyDigit = false, point = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      anyDigit = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
    number.mantissa.push_back(text[i]);
  }
  if (!anyDigit) return {};
  if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (text[j] == '+' || text[j] == '-') negativeExponent = text[j++] == '-';
    if (j < text.size() && IsDigit(text[j])) {
      for (; j < text.size() && IsDigit(text[j]); ++j) {
        if (number.exponent < 100000) number.exponent = number.exponent * 10 + (text[j] - '0');
      }
      if (negativeExponent) number.exponent = -number.exponent;
    }
  }
  return number;
}

// Decimal magnitude of a number that from_chars found out of range: positive means too large.
long Magnitude(const NumberPrefix& number) {
  const std::size_t point = number.mantissa.find('.');
  const std::string integer = number.mantissa.substr(0, point);
  const std::size_t firstNonZero = integer.find_first_not_of('0');
  if (firstNonZero != std::string::npos)
    return static_cast<long>(integer.size() - firstNonZero) + number.exponent;
  const std::string fraction = point == std::string::npos ? "" : number.mantissa.substr(point + 1);
  return -static_cast<long>(fraction.find_first_not_of('0')) + number.exponent;
}

}  // namespace

Text MapFullWidthToAscii(TextView text) {
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x81 || lead == 0xFF || i + 1 == text.size()) {
      out.push_back(text[i++]);  // a single-byte character, or a lone lead byte at the end
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out.push_back(static_cast<char>(trail - 0x80));
    } else if (lead == 0xA1 && trail == 0xA1) {
      out.push_back(' ');
    } else if (lead == 0xA1 && trail == 0xAB) {
      out.push_back('~');
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      out.push_back('*');
    } else {
      out.append(text.substr(i, 2));
    }
    i += 2;
  }
  return out;
}

std::int32_t TextToInt(TextView text) {
  const Text mapped = MapFullWidthToAscii(text);
  std::size_t i = 0;
  while (i < mapped.size() && IsCSpace(mapped[i])) ++i;
  bool negative = false;
  if (i < mapped.size() && (mapped[i] == '+' || mapped[i] == '-')) negative = mapped[i++] == '-';
  std::uint32_t value = 0;  // unsigned, so that overflow wraps around instead of being undefined
  for (; i < mapped.size() && IsDigit(mapped[i]); ++i) {
    value = value * 10u + static_cast<std::uint32_t>(mapped[i] - '0');
  }
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}

double TextToDouble(TextView text) {
  const NumberPrefix number = ScanNumber(MapFullWidthToAscii(text));
  if (number.mantissa.empty()) return 0.0;
  const std::string normal = number.mantissa + "e" + std::to_string(number.exponent);
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(normal.data(), normal.data() + normal.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    value = Magnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return number.negative ? -value : value;
}

float TextToFloat(TextView text) { return static_cast<float>(TextToDouble(text)); }

Text IntToText(std::int32_t value) { return std::to_string(value); }

Text FloatToText(float value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  // A float's exact decimal expansion has at most 112 significant digits.
  Decimal decimal = ToDecimal(static_cast<double>(value), 120);
  RoundHalfAwayFromZero(decimal, 6);
  return FormatGeneral(decimal, 6);
}

Text DoubleToText(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  return FormatGeneral(ToDecimal(value, 13), 13);
}

std::int32_t FloatToInt(float value) { return DoubleToInt(static_cast<double>(value)); }

std::int32_t DoubleToInt(double value) {
  constexpr double kLimit = 2147483648.0;
  if (std::isnan(value) || value >= kLimit || value <= -kLimit - 1.0) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(value);
}

double RoundToDigits(double x, int n) {
  if (x == 0.0) return 0.0;
  const double scale = std::pow(10.0, std::abs(n));
  const double scaled = n >= 0 ? std::fabs(x) * scale : std::fabs(x) / scale;
  const double whole = std::floor(scaled + 1e-12);
  const double rounded = whole + (scaled - whole >= 0.5 ? 1.0 : 0.0);
  const double magnitude = n >= 0 ? rounded / scale : rounded * scale;
  return x < 0 ? -magnitude : magnitude;
}

double FloorToInteger(double x) {
  const double whole = std::floor(x);
  return x - whole > 0.999999999999 ? whole + 1.0 : whole;
}

}  // namespace rt
