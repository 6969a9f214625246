#include "catalogue/variants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "fake/fake_platform.h"
#include "platform/file_error.h"

namespace ombrelta {
namespace {

using testing::FakePlatform;
using Variants = std::vector<std::pair<std::string, std::int32_t>>;

// A catalogue of one picture and the given subdirectories, in DIRS order
// (the tables are filled as the scans would leave them).
Catalogue one_picture(const std::string& picture, std::int32_t size,
                      const std::vector<std::string>& dirs) {
  Catalogue cat;
  cat.JPGS[1] = BILLEDE{size, NameText(picture)};
  cat.JPGNUM = 2;
  for (const std::string& d : dirs) cat.DIRS[cat.DIRNUM++] = NameText(d);
  return cat;
}

Variants variants(const Catalogue& cat) {
  Variants out;
  for (int i = 1; i < cat.FSORT; ++i) out.emplace_back(cat.SORT[i].NAVN.str(), cat.SORT[i].STOR);
  return out;
}

// Every slot from FSORT on is cleared.
void expect_rest_cleared(const Catalogue& cat) {
  for (int i = cat.FSORT; i <= ARRAYMAX; ++i) {
    EXPECT_TRUE(cat.SORT[i].NAVN.empty()) << i;
    EXPECT_EQ(cat.SORT[i].STOR, 0) << i;
  }
}

TEST(VariantSearch, WithoutSubdirectoriesTheFileSystemIsNotAsked) {
  FakePlatform os;
  os.add_file("a.jpg", 2048);
  Catalogue cat = one_picture("a.jpg", 2048, {});
  cat.SORT[3] = BILLEDE{7, "left/over.jpg"};  // from an earlier picture
  cat.FLERE = true;
  variant_search(os, cat, 1);
  EXPECT_TRUE(os.ops.empty());
  EXPECT_EQ(variants(cat), (Variants{{"a.jpg", 2048}}));
  EXPECT_EQ(cat.FSORT, 2);
  EXPECT_FALSE(cat.FLERE);
  expect_rest_cleared(cat);
}

TEST(VariantSearch, OrdersThePictureAndItsCopiesBySize) {
  struct Case {
    const char* what;
    std::int32_t picture;                                     // size of a.jpg
    std::vector<std::pair<std::string, std::int64_t>> files;  // subdirectory files
    Variants want;
  };
  const std::vector<Case> cases{
      {"small, medium, picture",
       200'000,
       {{"medium/a.jpg", 50'000}, {"small/a.jpg", 10'000}},
       {{"small/a.jpg", 10'000}, {"medium/a.jpg", 50'000}, {"a.jpg", 200'000}}},
      {"one larger copy", 100, {{"big/a.jpg", 500}}, {{"a.jpg", 100}, {"big/a.jpg", 500}}},
      {"equal sizes keep the order of DIRS, the picture first",
       100,
       {{"z/a.jpg", 100}, {"y/a.jpg", 50}, {"x/a.jpg", 50}},
       {{"x/a.jpg", 50}, {"y/a.jpg", 50}, {"a.jpg", 100}, {"z/a.jpg", 100}}},
      {"3,000,000,000 bytes is negative and orders first",
       100,
       {{"small/a.jpg", 10}, {"huge/a.jpg", 3'000'000'000LL}},
       {{"huge/a.jpg", -1'294'967'296}, {"small/a.jpg", 10}, {"a.jpg", 100}}},
      {"a copy keeps its listed letters",
       100,
       {{"Thumbs/A.JPG", 20}},
       {{"Thumbs/A.JPG", 20}, {"a.jpg", 100}}},
      {"files of other names are no copies",
       100,
       {{"t/b.jpg", 1}, {"t/a.jpg.bak", 1}, {"t/aa.jpg", 1}},
       {{"a.jpg", 100}}},
  };
  for (const Case& c : cases) {
    FakePlatform os;
    std::vector<std::string> dirs;
    for (const auto& [path, size] : c.files) {
      const std::string dir = path.substr(0, path.find('/'));
      if (!os.exists(dir)) os.add_dir(dir);
      dirs.push_back(dir);
      os.add_file(path, size);
    }
    std::sort(dirs.begin(), dirs.end());
    dirs.erase(std::unique(dirs.begin(), dirs.end()), dirs.end());
    Catalogue cat = one_picture("a.jpg", c.picture, dirs);
    variant_search(os, cat, 1);
    EXPECT_EQ(variants(cat), c.want) << c.what;
    EXPECT_EQ(cat.FLERE, c.want.size() > 1) << c.what;
    expect_rest_cleared(cat);
    EXPECT_TRUE(os.ops_starting("list").empty()) << c.what;
  }
}

TEST(VariantSearch, ACopyMayBeAnyEntryAndAMissingFolderFindsNothing) {
  FakePlatform os;
  os.add_dir("thumbs");
  os.add_dir("thumbs/a.jpg");
  Catalogue cat = one_picture("a.jpg", 9, {"gone", "thumbs"});
  variant_search(os, cat, 1);
  EXPECT_EQ(variants(cat), (Variants{{"thumbs/a.jpg", 0}, {"a.jpg", 9}}));
  EXPECT_EQ(os.console, "");
}

TEST(VariantSearch, RenamesMarkedCopiesToThePicturesLettersBeforeAnyLookup) {
  FakePlatform os;
  os.add_dir("a");
  os.add_file("a/m_beach.jpg", 30);
  os.add_dir("b");
  os.add_dir("thumbs");
  os.add_file("thumbs/M_BEACH.JPG", 10);
  Catalogue cat = one_picture("Beach.jpg", 100, {"a", "b", "thumbs"});
  variant_search(os, cat, 1);
  EXPECT_EQ(os.ops, (std::vector<std::string>{
                        "lookup a/m_Beach.jpg",
                        "rename a/m_beach.jpg -> a/Beach.jpg",
                        "lookup b/m_Beach.jpg",
                        "lookup thumbs/m_Beach.jpg",
                        "rename thumbs/M_BEACH.JPG -> thumbs/Beach.jpg",
                        "lookup a/Beach.jpg",
                        "lookup b/Beach.jpg",
                        "lookup thumbs/Beach.jpg",
                    }));
  EXPECT_EQ(os.names("thumbs"), std::vector<std::string>{"Beach.jpg"});
  EXPECT_EQ(variants(cat),
            (Variants{{"thumbs/Beach.jpg", 10}, {"a/Beach.jpg", 30}, {"Beach.jpg", 100}}));
}

TEST(VariantSearch, ARenameOntoATakenNameIsFatalAndEarlierRenamesStay) {
  FakePlatform os;
  os.add_dir("early");
  os.add_file("early/m_a.jpg", 1);
  os.add_dir("sub");
  os.add_file("sub/m_a.jpg", 2);
  os.add_file("sub/A.JPG", 3);
  Catalogue cat = one_picture("a.jpg", 100, {"early", "sub"});
  try {
    variant_search(os, cat, 1);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.number, 5);
  }
  EXPECT_EQ(os.names("early"), std::vector<std::string>{"a.jpg"});
  EXPECT_EQ(os.names("sub"), (std::vector<std::string>{"m_a.jpg", "A.JPG"}));
  EXPECT_EQ(os.find("sub/m_a.jpg")->size, 2);
  EXPECT_EQ(os.find("sub/A.JPG")->size, 3);
  EXPECT_TRUE(os.ops_starting("lookup sub/a.jpg").empty()) << "no lookup after the failure";
}

TEST(VariantSearch, LongNamesAreLookedUpUncutSoNoOtherFileIsRenamed) {
  FakePlatform os;
  const std::string name = std::string(246, 'p') + "long.jpg";  // 250 bytes
  os.add_dir("thumbs");
  // What "thumbs/m_" + name would read if cut at 255 bytes.
  const std::string cut = std::string("thumbs/m_" + name).substr(0, 255);
  os.add_file(cut, 1);
  Catalogue cat = one_picture(name, 100, {"thumbs"});
  variant_search(os, cat, 1);
  EXPECT_EQ(os.ops_starting("lookup thumbs/m_"),
            std::vector<std::string>{"lookup thumbs/m_" + name});
  EXPECT_TRUE(os.ops_starting("rename").empty());
  EXPECT_TRUE(os.exists(cut));
  EXPECT_EQ(variants(cat), (Variants{{name, 100}}));
}

TEST(VariantSearch, AFullListKeepsThe254SmallestFiles) {
  struct Case {
    const char* picture;
    std::int32_t size;
    bool picture_kept;
    const char* line;
  };
  for (const Case& c :
       {Case{"a.jpg", 5, true, "Too many copies of a.jpg: 1 left out\a\n"},
        Case{"P\x1b.jpg", 9999, false, "Too many copies of P?.jpg: 1 left out\a\n"}}) {
    FakePlatform os;
    std::vector<std::string> dirs;
    // 254 copies arriving largest first: sizes 1253 down to 1000.
    for (int i = 0; i < 254; ++i) {
      char dir[8];
      std::snprintf(dir, sizeof dir, "d%03d", i);
      dirs.emplace_back(dir);
      os.add_dir(dir);
      os.add_file(std::string(dir) + "/" + c.picture, 1253 - i);
    }
    Catalogue cat = one_picture(c.picture, c.size, dirs);
    variant_search(os, cat, 1);
    const Variants got = variants(cat);
    ASSERT_EQ(got.size(), 254u) << c.picture;
    EXPECT_EQ(cat.FSORT, 255);
    EXPECT_TRUE(cat.FLERE);
    EXPECT_TRUE(cat.SORT[255].NAVN.empty());
    EXPECT_TRUE(std::is_sorted(got.begin(), got.end(),
                               [](const auto& a, const auto& b) { return a.second < b.second; }));
    const bool kept =
        std::find(got.begin(), got.end(), std::pair{std::string(c.picture), c.size}) != got.end();
    EXPECT_EQ(kept, c.picture_kept) << c.picture;
    // The largest file is the one left out.
    EXPECT_EQ(got.back().second, c.picture_kept ? 1252 : 1253);
    EXPECT_EQ(os.console, c.line);
  }
}

}  // namespace
}  // namespace ombrelta
