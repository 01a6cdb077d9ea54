// The rank table: order, names, experience texts and lookup.
#include "calc/rank_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "runtime/numbers.h"

namespace {

using calc::RankRow;
using calc::RankTable;

TEST(RankTable, HasOneHundredRowsNumberedInOrder) {
  const auto rows = RankTable::Rows();
  ASSERT_EQ(rows.size(), 100u);
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].number, static_cast<int>(i) + 1);
}

TEST(RankTable, EndsAreTheFirstPrivateAndTheMarshal) {
  const auto rows = RankTable::Rows();
  EXPECT_EQ(rows.front().name, "列兵1");
  EXPECT_EQ(rows.front().experience, "0");
  EXPECT_EQ(rows.back().name, "元帅");
  EXPECT_EQ(rows.back().experience, "26564451");
}

TEST(RankTable, NamesAreUniqueGbkOfFourToSevenBytes) {
  std::set<rt::TextView> names;
  for (const RankRow& row : RankTable::Rows()) {
    EXPECT_TRUE(names.insert(row.name).second) << row.number;
    EXPECT_GE(row.name.size(), 4u) << row.number;
    EXPECT_LE(row.name.size(), 7u) << row.number;
  }
}

TEST(RankTable, ExperienceIsPlainDecimalAndStrictlyIncreasing) {
  std::int32_t previous = -1;
  for (const RankRow& row : RankTable::Rows()) {
    EXPECT_EQ(row.experience, rt::IntToText(rt::TextToInt(row.experience))) << row.number;
    EXPECT_GT(rt::TextToInt(row.experience), previous) << row.number;
    previous = rt::TextToInt(row.experience);
  }
}

struct LookupCase {
  const char* name;
  int number;  // 0: no row
  const char* experience;
};

class RankLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(RankLookupTest, FindsByExactBytes) {
  const LookupCase& c = GetParam();
  const auto row = RankTable::Find(c.name);
  if (c.number == 0) {
    EXPECT_FALSE(row.has_value()) << c.name;
    return;
  }
  ASSERT_TRUE(row.has_value()) << c.name;
  EXPECT_EQ(row->number, c.number);
  EXPECT_EQ(row->experience, c.experience);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RankLookupTest,
    testing::Values(LookupCase{"列兵1", 1, "0"}, LookupCase{"少尉1", 28, "326725"},
                    LookupCase{"上尉1", 44, "1333573"}, LookupCase{"三等兵", 3, "913"},
                    LookupCase{"元帅", 100, "26564451"}, LookupCase{"中校4", 63, "3885178"},
                    LookupCase{"", 0, ""}, LookupCase{"少尉1 ", 0, ""}, LookupCase{" 少尉1", 0, ""},
                    LookupCase{"少尉", 0, ""}, LookupCase{"少尉９", 0, ""}));

}  // namespace
