// The calculator's computations: experience gap, RMB price, Q-coin price, result sentence and
// levelling time. Each takes the texts of the fields it reads and returns the texts to write, so
// the arithmetic is testable without a window. Widths are binding: prices are 32-bit floats
// computed through 64-bit doubles, counts are 32-bit integers cut toward zero.
#pragma once

#include <cstdint>

#include "runtime/text.h"

namespace calc {

// What one button computes and a later button reads; lives for the whole run, starts all zero.
struct CalcState {
  std::int32_t expGap = 0;
  float unitPrice = 0;
  float price = 0;  // the last RMB price; the Q-coin price builds on it
  std::int32_t priceWhole = 0;
  rt::Text surchargeText;
  float qcoinSurcharge = 0;
  float qcoinTotal = 0;
};

// The target's experience minus the current one, as "%.13g" (negative when the target is lower).
rt::Text ExperienceGapText(rt::TextView targetExperience, rt::TextView currentExperience);

struct RmbPriceTexts {
  rt::Text rough;  // whole RMB after rounding to cents, with "元"
  rt::Text exact;  // six significant digits, with "元"
};
// Price of `gapText` experience at `unitPriceText` RMB per 10,000 experience.
RmbPriceTexts ComputeRmbPrice(CalcState& state, rt::TextView gapText, rt::TextView unitPriceText);

struct QcoinPriceTexts {
  bool surchargeMissing = false;  // the surcharge field was empty: the user is told, 0 % is used
  rt::Text coins;                 // whole Q-coins, with "个"
  rt::Text rmbValue;              // those coins at 0.91 RMB each, whole RMB, with "元"
};
// The last RMB price plus `surchargeText` percent, paid in Q-coins.
QcoinPriceTexts ComputeQcoinPrice(CalcState& state, rt::TextView surchargeText);

// "本次交易共收入/支出：RMB：<rough RMB>   Q B：<Q-coins>", the field texts copied as they stand.
rt::Text ResultSentence(rt::TextView roughRmbText, rt::TextView qcoinText);

struct LevellingTimeTexts {
  rt::Text hours;     // hours needed, six significant digits
  rt::Text sentence;  // "从  <current>   代练至   <target>    预计需要  <days>天"
};
// Time to level `gapText` experience at `perHourText` times 10,000 experience an hour.
LevellingTimeTexts ComputeLevellingTime(rt::TextView perHourText, rt::TextView gapText,
                                        rt::TextView currentRank, rt::TextView targetRank);

}  // namespace calc
