#include "catalogue/sorted_insert.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ombrelta {
namespace {

std::vector<std::string> entries(const Table<NameText>& table, std::uint8_t counter) {
  std::vector<std::string> out;
  for (int i = 1; i < counter; ++i) out.push_back(table[i].str());
  return out;
}

TEST(SortedInsert, KeepsOrderAndArrivalOrderOfEqualKeys) {
  Table<BILLEDE> t{};
  std::uint8_t n = 2;
  t[1] = {200, "a.jpg"};
  for (const BILLEDE& b : {BILLEDE{50, "medium/a.jpg"}, BILLEDE{200, "same/a.jpg"},
                           BILLEDE{10, "small/a.jpg"}, BILLEDE{50, "other/a.jpg"}}) {
    EXPECT_TRUE(sorted_insert(t, n, b, by_stor));
  }
  ASSERT_EQ(n, 6);
  const std::vector<std::string> want{"small/a.jpg", "medium/a.jpg", "other/a.jpg", "a.jpg", "same/a.jpg"};
  for (int i = 1; i < n; ++i) EXPECT_EQ(t[i].NAVN.view(), want[i - 1]);
  EXPECT_TRUE(t[6].NAVN.empty());
}

TEST(SortedInsert, AFullTableKeepsTheFirst254InKeyOrder) {
  Table<NameText> t{};
  std::uint8_t n = 1;
  int left_out = 0;
  // 300 names arriving in descending order: the smallest 254 stay.
  for (int i = 299; i >= 0; --i) {
    char name[8];
    std::snprintf(name, sizeof name, "n%03d", i);
    if (!sorted_insert(t, n, NameText(name), by_name)) ++left_out;
  }
  EXPECT_EQ(n, 255);
  EXPECT_EQ(left_out, 46);
  const auto got = entries(t, n);
  EXPECT_EQ(got.front(), "n000");
  EXPECT_EQ(got.back(), "n253");
  EXPECT_TRUE(std::is_sorted(got.begin(), got.end()));
  // An entry equal to the last one is not taken: it came later.
  EXPECT_FALSE(sorted_insert(t, n, NameText("n253"), by_name));
  EXPECT_EQ(entries(t, n).back(), "n253");
}

}  // namespace
}  // namespace ombrelta
