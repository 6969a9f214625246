#include "run/driver.h"

#include <gtest/gtest.h>

#include <string>

#include "fake/fake_platform.h"

namespace ombrelta {
namespace {

using testing::FakePlatform;

const std::string kBanner = "Ombrelta ver 3.2 with slideshow - www.ombrelta.example/software\n";
// Every run in a folder without "index.txt" says so, after the subdirectory scan.
const std::string kNoIndexText = "File index.txt not found\a\n";

TEST(Driver, HelpRequestPrintsBannerAnd39LinesAndTouchesNothing) {
  for (const char* arg : {"-?", "/?", "C:\\pics\\?"}) {
    FakePlatform os;
    EXPECT_EQ(run(os, arg), 1);
    EXPECT_TRUE(os.console.starts_with(kBanner + "\nOmbrelta is the successor"));
    EXPECT_EQ(std::count(os.console.begin(), os.console.end(), '\n'), 40);
    EXPECT_EQ(os.ops_starting("console").size(), os.ops.size()) << "only console output";
    EXPECT_EQ(os.working_folder(), "/pics");
  }
}

TEST(Driver, PathArgumentChangesToItsFolderPart) {
  struct Case {
    const char* arg;
    const char* folder;  // the working folder afterwards
    const char* line;    // what follows "Directory changed to : "
  };
  for (const Case& c : {Case{"\\photos\\summer\\beach.jpg", "/photos/summer", "\\photos\\summer"},
                        Case{"\\photos\\", "/photos", "\\photos"},
                        Case{"\\beach.jpg", "/pics", ""},
                        Case{"summer\\", "/pics/summer", "summer"}}) {
    FakePlatform os;
    os.add_dir("/photos/summer");
    os.add_dir("/pics/summer");
    EXPECT_EQ(run(os, c.arg), 0) << c.arg;
    EXPECT_EQ(os.working_folder(), c.folder) << c.arg;
    EXPECT_EQ(os.console, kBanner + "Directory changed to : " + c.line + "\n" + kNoIndexText)
        << c.arg;
    EXPECT_TRUE(os.exists(std::string(c.folder) + "/index.html")) << c.arg;
  }
}

TEST(Driver, ArgumentsWithoutBackslashAreIgnored) {
  for (const char* arg : {"beach.jpg", "photos/beach.jpg", ""}) {
    FakePlatform os;
    EXPECT_EQ(run(os, arg), 0);
    EXPECT_EQ(os.console, kBanner + kNoIndexText);
    EXPECT_TRUE(os.ops_starting("chdir").empty());
  }
}

TEST(Driver, MissingFolderIsAFatalErrorBeforeAnyPage) {
  FakePlatform os;
  EXPECT_EQ(run(os, "\\missing\\beach.jpg"), 3);
  EXPECT_EQ(os.console, kBanner + "Runtime error 3 (path not found: \\missing)\n");
  EXPECT_TRUE(os.ops_starting("create").empty());
}

TEST(Driver, ArgumentIsCutAt255Bytes) {
  FakePlatform os;
  const std::string folder(250, 'f');
  os.add_dir("/pics/" + folder);
  // The backslash at byte 251 survives the cut, the rest of the argument does not.
  EXPECT_EQ(run(os, folder + "\\" + std::string(100, 'x')), 0);
  EXPECT_EQ(os.working_folder(), "/pics/" + folder);
}

TEST(Driver, UnableToCreateTheIndexPage) {
  for (std::uint32_t word : {attr::kArchive | attr::kReadOnly, attr::kDirectory}) {
    FakePlatform os;
    os.add_file("Upper.jpg", 1);
    if (word & attr::kDirectory) {
      os.add_dir("index.html");
    } else {
      os.add_file("index.html", 5, word);
    }
    EXPECT_EQ(run(os, ""), 1);
    EXPECT_EQ(os.console, kBanner + "Unable to create index.html\a\n");
    EXPECT_TRUE(os.ops_starting("list").empty()) << "no folder listed";
  }
}

TEST(Driver, SummaryAndWaitOnlyAfterCaseWarnings) {
  FakePlatform os;
  for (const char* p : {"a.jpg", "b.jpg", "C.jpg"}) os.add_file(p, 10);
  os.add_dir("sub1");
  os.add_dir("sub2");
  os.console_input = "\n";
  EXPECT_EQ(run(os, ""), 0);
  EXPECT_EQ(os.console, kBanner + kNoIndexText + "C.jpg\a\n" +
                            "1 files and 0 directories upcase\a\n" +
                            "3 files and 2 directories plus 0 other documents found\n\n");
  EXPECT_EQ(os.waits, 1);

  FakePlatform quiet;
  quiet.add_file("a.jpg", 10);
  quiet.add_text("index.txt", "Quiet\n");
  EXPECT_EQ(run(quiet, ""), 0);
  EXPECT_EQ(quiet.console, kBanner);
  EXPECT_EQ(quiet.waits, 0);
}

TEST(Driver, FailingOperationsEndTheRunWithTheirNumber) {
  struct Case {
    const char* op;
    int number;
  };
  for (const Case& c : {Case{"console", 112}, Case{"chdir", 5},
                        Case{"close index.html", 19}, Case{"console input", 6}}) {
    FakePlatform os;
    os.add_dir("/pics/sub");
    os.add_file("Upper.jpg", 1);
    os.fail_on(c.op, c.number);
    EXPECT_EQ(run(os, "sub\\"), c.number) << c.op;
    // Nothing happens after the failing operation but the report.
    const auto failed = std::find_if(os.ops.begin(), os.ops.end(),
                                     [&](const std::string& op) { return op.starts_with(c.op); });
    ASSERT_NE(failed, os.ops.end()) << c.op;
    for (auto it = failed + 1; it != os.ops.end(); ++it) EXPECT_EQ(*it, "console") << c.op;
    if (std::string(c.op) != "console") {
      EXPECT_NE(os.console.find("Runtime error " + std::to_string(c.number) + " ("), std::string::npos)
          << os.console;
    }
  }
}

TEST(Driver, AFreshStateEachRun) {
  FakePlatform os;
  os.add_file("A.jpg", 1);
  os.add_dir("Sub");
  Catalogue cat;
  Pages pages;
  EXPECT_EQ(run_phases(os, "", cat, pages), 0);
  EXPECT_EQ(cat.JPGNUM, 2);
  EXPECT_EQ(cat.DIRNUM, 2);
  EXPECT_EQ(cat.UPFILE, 1);
  EXPECT_EQ(cat.UPDIRS, 1);
  EXPECT_FALSE(pages.F2.is_open()) << "the index page is closed at the end";
}

}  // namespace
}  // namespace ombrelta
