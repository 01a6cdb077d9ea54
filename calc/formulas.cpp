// The calculator's arithmetic. Every intermediate keeps the width the results depend on: the
// products are doubles, the prices are rounded to floats when stored, counts are cut toward zero.
#include "calc/formulas.h"

#include "runtime/numbers.h"

namespace calc {

using rt::ConcatText;

rt::Text ExperienceGapText(rt::TextView targetExperience, rt::TextView currentExperience) {
  const double target = rt::TextToInt(targetExperience);
  const double current = rt::TextToInt(currentExperience);
  return rt::DoubleToText(target - current);
}

RmbPriceTexts ComputeRmbPrice(CalcState& state, rt::TextView gapText, rt::TextView unitPriceText) {
  state.expGap = rt::TextToInt(gapText);
  state.unitPrice = rt::TextToFloat(unitPriceText);
  double price = static_cast<double>(state.expGap) * static_cast<double>(state.unitPrice);
  price = price / 10000.0;
  state.price = static_cast<float>(price);
  // Rounded to cents first, so that 12.996 is paid as 13 and not as 12.
  const double cents = rt::RoundToDigits(static_cast<double>(state.price), 2);
  state.priceWhole = rt::DoubleToInt(cents);
  return {
      .rough = ConcatText({rt::IntToText(state.priceWhole), "元"}),
      .exact = ConcatText({rt::FloatToText(state.price), "元"}),
  };
}

QcoinPriceTexts ComputeQcoinPrice(CalcState& state, rt::TextView surchargeText) {
  state.surchargeText = rt::Text(surchargeText);
  const std::int32_t percent = rt::TextToInt(surchargeText);  // empty: 0 percent
  double surcharge = static_cast<double>(state.price) * static_cast<double>(percent);
  surcharge = surcharge / 100.0;
  state.qcoinSurcharge = static_cast<float>(surcharge);
  state.qcoinTotal = static_cast<float>(static_cast<double>(state.qcoinSurcharge) +
                                        static_cast<double>(state.price));
  // One Q-coin per RMB, whole coins only; their value at 0.91 RMB each, whole RMB only.
  const std::int32_t coins = rt::FloatToInt(state.qcoinTotal);
  const std::int32_t rmb = rt::DoubleToInt(static_cast<double>(coins) * 0.91);
  return {
      .surchargeMissing = surchargeText.empty(),
      .coins = ConcatText({rt::IntToText(coins), "个"}),
      .rmbValue = ConcatText({rt::IntToText(rmb), "元"}),
  };
}

rt::Text ResultSentence(rt::TextView roughRmbText, rt::TextView qcoinText) {
  return ConcatText({"本次交易共收入/支出：RMB：", roughRmbText, "   Q B：", qcoinText});
}

LevellingTimeTexts ComputeLevellingTime(rt::TextView perHourText, rt::TextView gapText,
                                        rt::TextView currentRank, rt::TextView targetRank) {
  const double perHour = static_cast<double>(rt::TextToFloat(perHourText));
  const std::int32_t gap = rt::TextToInt(gapText);
  // No experience per hour divides by zero on purpose: the fields then show "inf" or "nan".
  const double hours = (static_cast<double>(gap) / perHour) / 10000.0;
  const float days = static_cast<float>(hours / 24.0);
  return {
      .hours = rt::FloatToText(static_cast<float>(hours)),
      .sentence = ConcatText({"从  ", currentRank, "   代练至   ", targetRank, "    预计需要  ",
                              rt::FloatToText(days), "天"}),
  };
}

}  // namespace calc
