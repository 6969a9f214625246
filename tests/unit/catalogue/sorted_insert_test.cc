#include "catalogue/sorted_insert.h"

#include <gtest/gtest.h>

#include <random>
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
  const std::vector<std::string> want{"small/a.jpg", "medium/a.jpg", "other/a.jpg", "a.jpg",
                                      "same/a.jpg"};
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

TEST(SortedInsert, FillSortedLeavesWhatInsertingEachInTurnLeaves) {
  std::mt19937 random(11);
  for (int count : {0, 1, 2, 3, 17, 253, 254, 255, 300}) {
    // Few distinct sizes, negative ones among them, so that ties abound.
    std::vector<BILLEDE> entries;
    for (int i = 0; i < count; ++i) {
      const auto size = static_cast<std::int32_t>(random() % 9) - 3;
      entries.push_back(BILLEDE{size, NameText("e" + std::to_string(i))});
    }
    Table<BILLEDE> want{};
    std::uint8_t want_counter = 1;
    int want_left_out = 0;
    for (const BILLEDE& e : entries) {
      if (!sorted_insert(want, want_counter, e, by_stor)) ++want_left_out;
    }
    Table<BILLEDE> got{};
    std::uint8_t got_counter = 1;
    EXPECT_EQ(fill_sorted(got, got_counter, entries, by_stor), want_left_out) << count;
    ASSERT_EQ(got_counter, want_counter) << count;
    for (int i = 1; i <= ARRAYMAX; ++i) {
      EXPECT_EQ(got[i].NAVN, want[i].NAVN) << count << " slot " << i;
      EXPECT_EQ(got[i].STOR, want[i].STOR) << count << " slot " << i;
    }
  }
}

}  // namespace
}  // namespace ombrelta
