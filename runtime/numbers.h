// Conversions between texts and numbers, and the rounding rules the calculator relies on.
//
// Results are the same in every build: nothing here goes through the C runtime's printf or strtod,
// whose output differs between C runtimes (exponent digits, rounding of ties, accepted forms).
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace rt {

// Full-width forms typed with a Chinese input method become ASCII: GBK 0xA3A1-0xA3FE become
// 0x21-0x7E, 0xA1A1 a space, 0xA1AB "~", 0xA1EE and 0xA1EF "*". Other characters stay as they are.
Text MapFullWidthToAscii(TextView text);

// C atoi on the mapped text: leading white space, an optional sign, then digits up to the first
// non-digit; 0 when there are none. Out-of-range values wrap around at 32 bits.
std::int32_t TextToInt(TextView text);

// C atof on the mapped text (leading white space, sign, digits, point, exponent; 0 when there is no
// number), rounded to the nearest double, or to the nearest float for TextToFloat.
double TextToDouble(TextView text);
float TextToFloat(TextView text);

// "%d".
Text IntToText(std::int32_t value);

// The value rounded half away from zero to 6 significant digits, then shown as "%.6g" with a signed
// three-digit exponent ("1.23457e+006"). Infinities and not-a-number show as "inf", "-inf", "nan".
Text FloatToText(float value);

// "%.13g" with a signed three-digit exponent; infinities and not-a-number as in FloatToText.
Text DoubleToText(double value);

// Truncation toward zero. A value outside the 32-bit range, or not a number, gives INT32_MIN,
// the "integer indefinite" value that the processor's own conversion gives.
std::int32_t FloatToInt(float value);
std::int32_t DoubleToInt(double value);

// x rounded to n decimal digits (n < 0: to tens, hundreds, ...), halves away from zero. A scaled
// value within 1e-12 below a whole number counts as that whole number. 0 stays 0.
double RoundToDigits(double x, int n);

// Floor, except that a fraction above 0.999999999999 counts as a whole number.
double FloorToInteger(double x);

}  // namespace rt
