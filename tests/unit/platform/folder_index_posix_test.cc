// The folder index against the simple rules it stands in for: sorting a
// listing, and a linear search for names equal ignoring case.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/folder_index_posix.h"

namespace ombrelta {
namespace {

std::vector<std::string> strings(const std::vector<NameText>& names) {
  std::vector<std::string> out;
  for (const auto& n : names) out.push_back(n.str());
  return out;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  return ascii_lower(a) == ascii_lower(b);
}

// Names from bytes that order differently upper-cased and lower-cased ("_"
// lies between "Z" and "a"), bytes before ".", and a byte above 127, of
// up to eleven bytes.
std::vector<std::string> random_names(std::mt19937& random, int count) {
  const std::string bytes = "aAbB_-.z\xC6";
  std::vector<std::string> names{".", ".."};
  while (static_cast<int>(names.size()) < count) {
    // Some share their first seven bytes ignoring case, so that names of
    // more than eight bytes are told apart after their first eight.
    std::string name = random() % 3 == 0 ? (random() % 2 ? "abcdefg" : "ABCdefG") : "";
    const int length = (name.empty() ? 1 : 0) + static_cast<int>(random() % 4);
    for (int i = 0; i < length; ++i) name += bytes[random() % bytes.size()];
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  std::shuffle(names.begin(), names.end(), random);
  return names;
}

std::vector<std::string> matches(const FolderIndex& index, std::string_view name) {
  std::vector<std::string> out;
  const FolderIndex::Matches m = index.find(name);
  for (std::size_t i = m.first; i < m.last; ++i) out.emplace_back(index.at(i));
  return out;
}

TEST(FolderIndex, AgreesWithSortingAndLinearSearch) {
  std::mt19937 random(7);
  for (int round = 0; round < 50; ++round) {
    std::vector<std::string> names = random_names(random, 2 + round * 3);
    FolderIndex index;
    for (const std::string& n : names) index.append(n);
    index.seal();
    // Renames and new pages change the index as they change the folder.
    for (int change = 0; change < 5; ++change) {
      const std::string gone = names[random() % names.size()];
      if (gone == "." || gone == "..") continue;
      std::erase(names, gone);
      index.remove(gone);
      const std::string added = random_names(random, 3).back();
      if (std::find(names.begin(), names.end(), added) == names.end()) names.push_back(added);
      index.add(added);
    }
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end(), listing_order);
    ASSERT_EQ(strings(index.listing()), sorted);
    for (const std::string& query : random_names(random, 20)) {
      std::vector<std::string> want;
      for (const std::string& n : sorted) {
        if (equal_ignoring_case(n, query)) want.push_back(n);
      }
      EXPECT_EQ(matches(index, query), want) << query;
    }
  }
}

TEST(FolderIndex, AFolderThatCouldNotBeListedKnowsNoName) {
  FolderIndex index;
  EXPECT_FALSE(index.listed());
  EXPECT_TRUE(index.listing().empty());
  EXPECT_EQ(index.find("a").first, index.find("a").last);
}

}  // namespace
}  // namespace ombrelta
