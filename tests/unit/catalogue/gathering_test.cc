#include "catalogue/gathering.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/findhtm.h"
#include "catalogue/scans.h"
#include "fake/fake_platform.h"

namespace ombrelta {
namespace {

using testing::FakePlatform;
using Names = std::vector<std::string>;

Names links(const Catalogue& cat) {
  Names out;
  for (int i = 1; i < cat.FSORT; ++i) out.push_back(cat.SORT[i].NAVN.str());
  return out;
}

// The subdirectory scan, then the gathering, as the run does them.
Catalogue gather(FakePlatform& os) {
  Catalogue cat;
  subdirectory_scan(os, cat);
  os.console.clear();
  os.ops.clear();
  gather_links(os, cat);
  return cat;
}

TEST(Gathering, ParentPagesButNeverTheWorkingFoldersOwnPages) {
  FakePlatform os;  // working folder /pics
  for (const char* p : {"/index.html", "/zdia0001.html", "/ZDIA0002.HTML", "/notes.doc"}) os.add_file(p, 1);
  for (const char* p : {"index.html", "zdia0001.html", "other.htm", "notes.txt.html"}) os.add_file(p, 1);
  const Catalogue cat = gather(os);
  EXPECT_EQ(links(cat), (Names{"../index.html", "notes.txt.html"}));
  EXPECT_EQ(os.console, "");
}

TEST(Gathering, SubdirectoryPagesKeepTheirCaseAndWarnOnlyForTheName) {
  FakePlatform os;
  os.add_file("sub/PAGE.HTM", 1);
  os.add_file("Photos/page.htm", 1);
  os.add_dir("sub");
  os.add_dir("Photos");
  const Catalogue cat = gather(os);
  EXPECT_EQ(links(cat), (Names{"Photos/page.htm", "sub/PAGE.HTM"}));
  EXPECT_EQ(os.console, "sub/PAGE.HTM\a\n");
  EXPECT_EQ(cat.UPFILE, 1);
}

TEST(Gathering, TypesAreSubstringsOfTheLowerCasedName) {
  FakePlatform os;
  os.add_dir("sub");
  for (const char* p : {"sub/a.html", "sub/notes.htm.bak", "sub/readme", "sub/htm"}) os.add_file(p, 1);
  for (const char* p : {"s.mp3", "s.mp4", "s.MPG", "t.ppt", "t.pps", "w.docx", "x.xlsx", "p.pas", "p.pp",
                        "e.exe", "f.swf", "v.wmv", "readme", "notes-txt", "doc", "a.jpg"}) {
    os.add_file(p, 1);
  }
  const Catalogue cat = gather(os);
  EXPECT_EQ(links(cat), (Names{"e.exe", "f.swf", "p.pas", "p.pp", "s.MPG", "s.mp3", "s.mp4", "sub/a.html",
                              "sub/notes.htm.bak", "t.pps", "t.ppt", "v.wmv", "w.docx", "x.xlsx"}));
}

TEST(Gathering, IndexTxtAndZdiaNamesAreNeverGathered) {
  FakePlatform os;
  os.add_dir("sub");
  for (const char* p : {"index.txt", "INDEX.TXT", "myindex.txt", "index.txt.doc", "MyIndex.Txt.mp3", "zdia.doc",
                        "Zdiagram.txt", "sub/zdiagram.htm", "sub/index.txt.htm", "keep.txt"}) {
    os.add_file(p, 1);
  }
  const Catalogue cat = gather(os);
  EXPECT_EQ(links(cat), Names{"keep.txt"});
  EXPECT_EQ(os.console, "") << "passed-over names draw no warning";
}

TEST(Gathering, OnlyAPlainFolderIsPassedOverByItsAttributes) {
  FakePlatform os;
  os.add_dir("ro.doc", attr::kDirectory | attr::kReadOnly);
  os.add_dir("arch.doc", attr::kDirectory | attr::kArchive);
  os.add_dir("plain.doc");
  os.add_file("hidden.doc", 1, attr::kArchive | attr::kHidden);
  os.add_file("system.doc", 1, attr::kSystem);
  os.add_file("link.doc", 0, attr::kReparsePoint);
  const Catalogue cat = gather(os);
  EXPECT_EQ(links(cat), (Names{"arch.doc", "hidden.doc", "link.doc", "ro.doc", "system.doc"}));
}

TEST(Gathering, OnlyNamesThatPassTheNameTestsAreLookedAt) {
  FakePlatform os;
  for (const char* p : {"a.jpg", "b.doc", "index.txt", "zdia0001.html"}) os.add_file(p, 1);
  gather(os);
  EXPECT_EQ(os.ops_starting("describe"), Names{"describe b.doc"});
}

TEST(Gathering, ANameOfTwoTypesStandsTwiceAndWarnsTwice) {
  FakePlatform os;
  os.add_file("a.doc.txt", 1);
  os.add_file("B.Doc.Txt", 1);
  const Catalogue cat = gather(os);
  EXPECT_EQ(links(cat), (Names{"B.Doc.Txt", "B.Doc.Txt", "a.doc.txt", "a.doc.txt"}));
  EXPECT_EQ(os.console, "B.Doc.Txt\a\nB.Doc.Txt\a\n");
  EXPECT_EQ(cat.UPFILE, 2);
  for (int i = 0; i <= ARRAYMAX; ++i) EXPECT_EQ(cat.SORT[i].STOR, 0);
}

TEST(Gathering, OneOrderAcrossCallsAndWarningsInCallOrder) {
  FakePlatform os;
  os.add_dir("sub");
  os.add_dir("Photos");
  for (const char* p : {"sub/p.htm", "Photos/p.htm", "sub.doc", "b.txt", "a.doc", "/index.html", "/Up.htm",
                        "Sub.Doc", "Photos/Q.htm", "B.TXT"}) {
    os.add_file(p, 1);
  }
  const Catalogue cat = gather(os);
  EXPECT_EQ(links(cat), (Names{"../Up.htm", "../index.html", "B.TXT", "Photos/Q.htm", "Photos/p.htm", "Sub.Doc",
                              "a.doc", "b.txt", "sub.doc", "sub/p.htm"}));
  EXPECT_EQ(os.console, "../Up.htm\a\nSub.Doc\a\nB.TXT\a\nPhotos/Q.htm\a\n");
}

TEST(Gathering, ClearsTheVariantListFirst) {
  FakePlatform os;
  os.add_file("a.doc", 1);
  Catalogue cat;
  for (int i = 0; i <= ARRAYMAX; ++i) cat.SORT[i] = BILLEDE{7, NameText("zz.jpg")};
  cat.FSORT = 5;
  gather_links(os, cat);
  EXPECT_EQ(links(cat), Names{"a.doc"});
  for (int i = 2; i <= ARRAYMAX; ++i) EXPECT_TRUE(cat.SORT[i].NAVN.empty()) << i;
  EXPECT_EQ(cat.SORT[1].STOR, 0);
}

TEST(Gathering, TheRootFolderHasNoParentToSearch) {
  for (const char* folder : {"/", "/pics"}) {
    FakePlatform os(folder);
    os.add_file("/pics/a.htm", 1);
    gather(os);
    EXPECT_EQ(os.ops_starting("list ../").size(), std::string(folder) == "/" ? 0u : 1u) << folder;
    EXPECT_EQ(os.ops_starting("list ").front(), std::string(folder) == "/" ? "list " : "list ../") << folder;
  }
}

TEST(Gathering, AFolderThatCannotBeListedAddsNothing) {
  FakePlatform os;
  os.add_dir("sub");
  os.add_file("sub/p.htm", 1);
  os.add_file("a.doc", 1);
  os.fail_on("list sub/", 5);
  const Catalogue cat = gather(os);
  EXPECT_EQ(links(cat), Names{"a.doc"});
}

TEST(Gathering, TheWarningLooksOnlyAtWhatTheCutLeavesOfTheName) {
  FakePlatform os;
  const std::string dir(200, 'd');
  os.add_dir(dir);
  const std::string kept = std::string(50, 'p') + ".htm";  // 201 + 54 = 255 bytes
  os.add_file(dir + "/" + kept + "X", 1);
  os.add_file(dir + "/" + std::string(49, 'p') + "Q.htm.bak", 1);
  const Catalogue cat = gather(os);
  ASSERT_EQ(cat.FSORT, 3);
  EXPECT_EQ(cat.SORT[1].NAVN.view(), dir + "/" + std::string(49, 'p') + "Q.htm");
  EXPECT_EQ(cat.SORT[2].NAVN.view(), dir + "/" + kept);
  EXPECT_EQ(os.console, dir + "/" + std::string(49, 'p') + "Q.htm\a\n");
}

TEST(Gathering, ASubdirectoryNameThatLeavesNoRoomForThePatternIsNotListed) {
  FakePlatform os;
  for (std::size_t length : {240u, 252u}) {
    const std::string dir(length, 'd');
    os.add_dir(dir);
    os.add_file(dir + "/p.htm", 1);
  }
  const Catalogue cat = gather(os);
  EXPECT_EQ(os.ops_starting("list d").size(), 1u);
  EXPECT_EQ(links(cat), Names{std::string(240, 'd') + "/p.htm"});
}

TEST(Gathering, Over254EntriesAreCountedInOneLineAfterAllSearches) {
  FakePlatform os;
  os.add_dir("sub");
  for (int i = 0; i < 200; ++i) os.add_file("d" + std::to_string(1000 + i) + ".doc", 1);
  for (int i = 0; i < 100; ++i) os.add_file("t" + std::to_string(1000 + i) + ".txt", 1);
  os.add_file("sub/P.htm", 1);
  const Catalogue cat = gather(os);
  EXPECT_EQ(cat.FSORT, 255);
  EXPECT_EQ(cat.SORT[1].NAVN.view(), "d1000.doc");
  EXPECT_EQ(cat.SORT[254].NAVN.view(), "t1052.txt") << "sub/P.htm orders among them";
  EXPECT_EQ(os.console, "sub/P.htm\a\nToo many links and documents: 47 left out\a\n");
  EXPECT_EQ(cat.UPFILE, 1) << "a left-out entry still draws its warning";
}

}  // namespace
}  // namespace ombrelta
