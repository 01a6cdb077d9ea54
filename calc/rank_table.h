// The game's 100 military ranks in ascending order: name, cumulative experience and badge.
#pragma once

#include <optional>
#include <span>

#include "runtime/text.h"

namespace calc {

struct RankRow {
  int number;                // 1 to 100, the game's rank order; also the badge's number
  rt::TextView name;         // GBK, unique; graded ranks end in one ASCII digit ("上尉3")
  rt::TextView experience;   // cumulative experience, decimal text written into the field as is
};

class RankTable {
 public:
  static constexpr int kRowCount = 100;

  // All rows in rank order; item i of a rank list is Rows()[i].
  static std::span<const RankRow> Rows();

  // The row whose name equals `name` byte for byte (no trimming, no case folding); none for an
  // empty text or a text that is not a rank name.
  static std::optional<RankRow> Find(rt::TextView name);
};

}  // namespace calc
