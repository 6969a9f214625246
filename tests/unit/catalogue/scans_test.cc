#include "catalogue/scans.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake/fake_platform.h"

namespace ombrelta {
namespace {

using testing::FakePlatform;

std::vector<std::string> dirs(const Catalogue& cat) {
  std::vector<std::string> out;
  for (int i = 1; i < cat.DIRNUM; ++i) out.push_back(cat.DIRS[i].str());
  return out;
}

std::vector<std::string> pictures(const Catalogue& cat) {
  std::vector<std::string> out;
  for (int i = 1; i < cat.JPGNUM; ++i) out.push_back(cat.JPGS[i].NAVN.str());
  return out;
}

TEST(SubdirectoryScan, OrdersByBytesAndWarnsInListingOrder) {
  FakePlatform os;
  for (const char* name : {"b", "A", "a", "_x", "Zeta", ".git"}) os.add_dir(name);
  Catalogue cat;
  subdirectory_scan(os, cat);
  EXPECT_EQ(dirs(cat), (std::vector<std::string>{"A", "Zeta", "_x", "a", "b"}));
  EXPECT_EQ(cat.DIRNUM, 6);
  EXPECT_EQ(cat.UPDIRS, 2);
  EXPECT_EQ(os.console, "A\a\nZeta\a\n");
}

TEST(SubdirectoryScan, TakesOnlyPlainDirectories) {
  FakePlatform os;
  os.add_dir("archive", 0x30);
  os.add_dir("Readonly", 0x11);
  os.add_dir("Hidden", 0x12);
  os.add_dir("link", 0x410);
  os.add_file("file", 10);
  os.add_dir("plain");
  Catalogue cat;
  subdirectory_scan(os, cat);
  EXPECT_EQ(dirs(cat), std::vector<std::string>{"plain"});
  EXPECT_EQ(cat.UPDIRS, 0);
  EXPECT_EQ(os.console, "");
}

TEST(PictureScan, TakesEveryNameWithJpOrGif) {
  FakePlatform os;
  for (const char* name : {"b.jpg", "a1.jpg", "a.jpg", "A.gif", "photo.jpg.bak", "scan.JPEG", "old.gifs",
                           "image.png", "jpg", "m_x.jpg"}) {
    os.add_file(name, 100);
  }
  os.add_dir("trip.jpg");
  os.add_file("hidden.jpg", 5, attr::kArchive | attr::kHidden | attr::kSystem);
  Catalogue cat;
  picture_scan(os, cat);
  EXPECT_EQ(pictures(cat), (std::vector<std::string>{"A.gif", "a.jpg", "a1.jpg", "b.jpg", "hidden.jpg",
                                                     "m_x.jpg", "old.gifs", "photo.jpg.bak", "scan.JPEG",
                                                     "trip.jpg"}));
  EXPECT_EQ(cat.UPFILE, 2);
  EXPECT_EQ(os.console, "A.gif\a\nscan.JPEG\a\n");
}

TEST(PictureScan, AFolderNamedLikeAPictureIsInBothTables) {
  FakePlatform os;
  os.add_dir("trip.jpg");
  Catalogue cat;
  subdirectory_scan(os, cat);
  picture_scan(os, cat);
  EXPECT_EQ(dirs(cat), std::vector<std::string>{"trip.jpg"});
  EXPECT_EQ(pictures(cat), std::vector<std::string>{"trip.jpg"});
  EXPECT_EQ(cat.JPGS[1].STOR, 0);
}

TEST(PictureScan, SizesAreTheLow32BitsSigned) {
  FakePlatform os;
  os.add_file("big.jpg", 3'000'000'000LL);
  os.add_file("huge.jpg", (1LL << 32) + 7);
  Catalogue cat;
  picture_scan(os, cat);
  EXPECT_EQ(cat.JPGS[1].STOR, -1'294'967'296);
  EXPECT_EQ(cat.JPGS[2].STOR, 7);
}

TEST(Scans, AccentedCapitalsDrawNoWarningAndHighBytesOrderLast) {
  FakePlatform os;
  os.add_file("\xC6" "ble.jpg", 1);  // Æble.jpg in ISO 8859-1
  os.add_file("zebra.jpg", 1);
  Catalogue cat;
  picture_scan(os, cat);
  EXPECT_EQ(pictures(cat), (std::vector<std::string>{"zebra.jpg", "\xC6" "ble.jpg"}));
  EXPECT_EQ(os.console, "");
}

TEST(Scans, ControlBytesAreShownAsQuestionMarks) {
  FakePlatform os;
  os.add_file("Evil\x1b[2J.jpg", 1);
  Catalogue cat;
  picture_scan(os, cat);
  EXPECT_EQ(os.console, "Evil?[2J.jpg\a\n");
  EXPECT_EQ(pictures(cat), std::vector<std::string>{"Evil\x1b[2J.jpg"});
}

TEST(Scans, At254EntriesTablesAreFullAndTheRestIsCounted) {
  for (int count : {254, 300}) {
    FakePlatform os;
    for (int i = count - 1; i >= 0; --i) {
      char name[16];
      std::snprintf(name, sizeof name, "D%03d", i);
      os.add_dir(name);
      std::snprintf(name, sizeof name, "p%03d.jpg", i);
      os.add_file(name, i);
    }
    Catalogue cat;
    subdirectory_scan(os, cat);
    picture_scan(os, cat);
    EXPECT_EQ(cat.DIRNUM, 255);
    EXPECT_EQ(cat.JPGNUM, 255);
    EXPECT_EQ(cat.DIRS[254].view(), "D253");
    EXPECT_EQ(cat.JPGS[254].NAVN.view(), "p253.jpg");
    EXPECT_EQ(cat.UPDIRS, count == 300 ? 255 : 254) << "the counter stops at 255";
    EXPECT_EQ(cat.UPFILE, 0);
    const std::string lines = count == 300 ? "Too many directories: 46 left out\a\n" : "";
    const std::string pictures_line = count == 300 ? "Too many pictures: 46 left out\a\n" : "";
    EXPECT_TRUE(os.console.ends_with(lines + pictures_line)) << os.console.substr(os.console.size() - 80);
  }
}

TEST(Scans, AFolderThatCannotBeListedFindsNothing) {
  FakePlatform os;
  os.add_dir("sub");
  os.add_file("a.jpg", 1);
  os.fail_on("list", 5);
  Catalogue cat;
  subdirectory_scan(os, cat);
  picture_scan(os, cat);
  EXPECT_EQ(cat.DIRNUM, 1);
  EXPECT_EQ(cat.JPGNUM, 1);
  EXPECT_EQ(os.console, "");
}

}  // namespace
}  // namespace ombrelta
