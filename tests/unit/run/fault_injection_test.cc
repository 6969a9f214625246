// One whole run over a rich folder, failed once at each file operation it
// makes: every failure ends as designed, and no file is lost.
#include <gtest/gtest.h>

#include <iostream>
#include <string>

#include "fake/fake_platform.h"
#include "fake/file_census.h"
#include "run/driver.h"

namespace ombrelta {
namespace {

using testing::FakePlatform;

const std::string kBanner = "Ombrelta ver 3.2 with slideshow - www.ombrelta.example/software\n";

// Pictures with copies and "m_" copies, subdirectories with pages, a parent
// page, documents of several types, "index.txt" and an upper-case name, so
// that every phase, the renames, the summary and the wait all happen.
void rich_folder(FakePlatform& os) {
  int id = 0;
  const auto file = [&](const std::string& path, std::int64_t size) {
    os.add_file(path, size).content = "file " + std::to_string(++id);
  };
  os.add_text("/parent.htm", "<html><title>Parent</title>\n");
  os.add_text("index.txt", "Holiday & sea\nFirst day\nSecond d\xe6y\n");
  file("a.jpg", 3000);
  file("b.jpg", 2000);
  file("C.jpg", 1000);
  os.add_dir("thumbs");
  file("thumbs/a.jpg", 30);
  file("thumbs/m_b.jpg", 20);
  os.add_dir("big");
  file("big/M_a.jpg", 9000);
  file("big/b.jpg", 8000);
  os.add_text("big/page.htm", "<title>Big ones</title>\n");
  os.add_text("notes.txt", "just text\n");
  file("report.doc", 12);
  os.add_text("prog.pas", "program p;\nconst name = 'Prog';\n");
  file("song.mp3", 99);
  os.console_input = "\n";
}

TEST(FaultInjection, EveryFailingOperationEndsAsDesignedAndLosesNothing) {
  FakePlatform clean;
  rich_folder(clean);
  const testing::Census before = testing::census(clean);
  ASSERT_EQ(run(clean, ""), 0);
  ASSERT_EQ(clean.waits, 1) << "the summary and the wait happen";
  ASSERT_FALSE(clean.ops_starting("rename ").empty());
  const int operations = static_cast<int>(clean.ops.size());

  int tried = 0;
  for (int number : {5, 112}) {
    for (int k = 1; k <= operations; ++k) {
      FakePlatform os;
      rich_folder(os);
      os.fail_at(k, number);
      const int status = run(os, "");
      const std::string op = os.ops.at(k - 1);
      const std::string where =
          "operation " + std::to_string(k) + " (" + op + "), error " + std::to_string(number);
      ++tried;

      EXPECT_EQ(testing::lost_or_doubled(before, testing::census(os), "/pics"), "") << where;
      const std::string index = os.content("index.html");
      if (op == "create index.html") {
        EXPECT_EQ(status, 1) << where;
        EXPECT_EQ(os.console, kBanner + "Unable to create index.html\a\n") << where;
        EXPECT_EQ(os.ops.size(), static_cast<std::size_t>(k) + 1) << where;
      } else if (op == "open index.txt") {
        EXPECT_EQ(status, 0) << where;
        EXPECT_NE(os.console.find("File index.txt not found\a\n"), std::string::npos) << where;
        EXPECT_EQ(index.find("<title>"), std::string::npos) << where;
      } else if (op.starts_with("open ")) {
        EXPECT_EQ(status, 0) << where;
        const std::string document = op.substr(5);
        EXPECT_NE(index.find(document + "</a></td><td>could not be accessed</td>"),
                  std::string::npos)
            << where;
      } else if (testing::fails_softly(op)) {
        EXPECT_EQ(status, 0) << where;
        EXPECT_EQ(os.console.find("Runtime error"), std::string::npos) << where;
        EXPECT_TRUE(index.ends_with("</i></body></html>\r\n")) << where;
      } else {
        EXPECT_EQ(status, number) << where;
        EXPECT_TRUE(os.console.ends_with(")\n")) << where;
        EXPECT_NE(os.console.find("Runtime error " + std::to_string(number) + " ("),
                  std::string::npos)
            << where;
        // Nothing after the failure but the report.
        ASSERT_EQ(os.ops.size(), static_cast<std::size_t>(k) + 1) << where;
        EXPECT_EQ(os.ops.back(), "console") << where;
        EXPECT_EQ(os.waits, 0) << where;
      }
    }
  }
  EXPECT_EQ(tried, 2 * operations);
  std::cout << "[ fault points ] " << operations << " operations x 2 error numbers\n";
}

// The census the test above relies on tells a rename from a loss.
TEST(FaultInjection, CensusTellsRenamesFromLosses) {
  const testing::Census before = {
      {"/pics/a.jpg", "A"}, {"/pics/t/m_a.jpg", "T"}, {"/pics/index.html", "old"}};
  struct Case {
    testing::Census after;
    const char* verdict;
  };
  for (const Case& c : {
           Case{{{"/pics/a.jpg", "A"}, {"/pics/t/a.jpg", "T"}, {"/pics/zdia0001.html", "new"}}, ""},
           Case{{{"/pics/a.jpg", "A"}, {"/pics/t/m_a.jpg", "T"}}, ""},
           Case{{{"/pics/a.jpg", "A"}}, "lost: /pics/t/m_a.jpg"},
           Case{{{"/pics/a.jpg", "A"}, {"/pics/t/a.jpg", "changed"}}, "lost: /pics/t/m_a.jpg"},
           Case{{{"/pics/a.jpg", "A"}, {"/pics/t/a.jpg", "T"}, {"/pics/t/m_a.jpg", "T"}},
                "new or doubled: /pics/t/a.jpg"},
       }) {
    EXPECT_EQ(testing::lost_or_doubled(before, c.after, "/pics"), c.verdict);
  }
}

}  // namespace
}  // namespace ombrelta
