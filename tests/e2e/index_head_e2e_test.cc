// The start of index.html as the user's "index.txt" makes it: the page head,
// the heading and the introduction, byte for byte, and the console line when
// there is no "index.txt" to read.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "e2e/e2e.h"

namespace ombrelta::e2e {
namespace {

const std::string kHead =
    "<html>\r\n"
    "<head>\r\n"
    "<meta name=\"GENERATOR\" content=\"Ombrelta ver 3.2 with slideshow - "
    "www.ombrelta.example/software\">\r\n";
const std::string kBody =
    "</head>\r\n"
    "\r\n"
    "<body bgcolor=\"#ffffff\">\r\n";
const std::string kNotFound = "File index.txt not found\a\n";

// The page head for a title as the page shows it.
std::string head(const std::string& shown_title) {
  if (shown_title.empty()) return kHead + kBody;
  return kHead + "<title>" + shown_title + "</title>\r\n" + kBody + "<h2>" + shown_title +
         "</h2>\r\n";
}

// Runs ombrelta in `dir` and checks the console and the start of index.html.
// With no pictures the gallery is empty, so what follows the introduction is
// the table, if anything.
void expect_page_start(const TempDir& dir, const std::string& what, const std::string& console,
                       const std::string& start) {
  const RunResult r = run_ombrelta(dir.path());
  EXPECT_EQ(r.status, 0) << what;
  EXPECT_EQ(r.out, kBanner + console) << what;
  const std::string page = read_file(dir / "index.html");
  EXPECT_TRUE(page.starts_with(start)) << what << "\n--- page:\n" << page.substr(0, 1000);
  const std::string after = page.substr(std::min(start.size(), page.size()));
  EXPECT_TRUE(after.empty() || after.starts_with("<table")) << what << "\n--- after:\n"
                                                            << after.substr(0, 200);
}

struct Case {
  const char* what;
  std::string index_txt;
  std::string start;  // the page up to and including the introduction
};

TEST(IndexHeadE2e, PageStartFromIndexText) {
  const std::string long_line(100000, 'L');
  const Case cases[] = {
      {"empty file", "", head("")},
      {"one line without line feed", "Holiday", head("Holiday")},
      {"one line with line feed", "Holiday\r\n", head("Holiday")},
      {"ampersand and o with stroke in both code pages", "Bj\xf8rn & B\x9bl\n",
       head("Bj&oslash;rn &amp; B&oslash;l")},
      {"blank-only lines after the title", "Holiday\n \t\r\n\n   \r\n\t", head("Holiday")},
      {"carriage returns alone", "Holiday\rin\rItaly\r", head("HolidayinItaly")},
      {"Ctrl-Z inside the title",
       "Holi\x1a"
       "day\nintro\n",
       head("Holi")},
      {"Ctrl-Z inside the introduction",
       "Holiday\nfirst\nsec\x1a"
       "ond\nthird\n",
       head("Holiday") + "first<br>\r\nsec<p>\r\n"},
      {"first line of 100000 bytes", long_line + "\r\nintro\r\n",
       head(long_line.substr(0, 255)) + "intro<br>\r\n<p>\r\n"},
      {"two lines with CR LF", "Holiday\r\nDay one\r\nDay two\r\n",
       head("Holiday") + "Day one<br>\r\nDay two<br>\r\n<p>\r\n"},
      {"empty first line", "\r\nNo title here\r\n", head("") + "No title here<br>\r\n<p>\r\n"},
      {"last line without line feed", "T\n\n  two\tthree",
       head("T") + "<br>\r\n  two\tthree<p>\r\n"},
      {"markup stays markup",
       "<i>Sun</i> \"&\" 'sea'\n<b>\xe6\xf8\xe5</b> <a href=\"x.html\">x</a>\n",
       head("<i>Sun</i> \"&amp;\" 'sea'") +
           "<b>&aelig;&oslash;&aring;</b> <a href=\"x.html\">x</a><br>\r\n<p>\r\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    write_file(dir / "index.txt", c.index_txt);
    expect_page_start(dir, c.what, "", c.start);
    EXPECT_EQ(read_file(dir / "index.txt"), c.index_txt) << "index.txt is only read";
  }
}

TEST(IndexHeadE2e, NoReadableIndexTextGivesTheMessageAndABarePage) {
  const struct {
    const char* what;
    void (*prepare)(const TempDir&);
  } cases[] = {
      {"missing", [](const TempDir&) {}},
      {"a directory", [](const TempDir& d) { make_dir(d / "index.txt"); }},
      {"a FIFO", [](const TempDir& d) { ASSERT_EQ(mkfifo((d / "index.txt").c_str(), 0644), 0); }},
      {"a dangling link",
       [](const TempDir& d) { ASSERT_EQ(symlink("gone", (d / "index.txt").c_str()), 0); }},
  };
  for (const auto& c : cases) {
    TempDir dir;
    c.prepare(dir);
    // A FIFO must not hold the run: run_ombrelta kills a run that hangs.
    expect_page_start(dir, c.what, kNotFound, head(""));
  }
}

TEST(IndexHeadE2e, LetterCaseOfIndexTextMattersOnLinuxOnly) {
  TempDir dir;
  write_file(dir / "INDEX.TXT", "Title\nintro\n");
  if (under_wine()) {
    // Windows matches names ignoring letter case.
    expect_page_start(dir, "upper-case name", "", head("Title") + "intro<br>\r\n<p>\r\n");
  } else {
    expect_page_start(dir, "upper-case name", kNotFound, head(""));
  }
}

TEST(IndexHeadE2e, LinkToAnIndexTextIsFollowed) {
  TempDir dir;
  write_file(dir / "texts/intro.txt", "Linked\nintro\n");
  ASSERT_EQ(symlink("texts/intro.txt", (dir / "index.txt").c_str()), 0);
  expect_page_start(dir, "symbolic link", "", head("Linked") + "intro<br>\r\n<p>\r\n");
}

TEST(IndexHeadE2e, LinksToTheIndexPageFindItEmpty) {
  // Read while the run writes it, the old page must not come back into the
  // new one (which would then feed itself until the disk is full), nor give
  // a linked page its old title.
  TempDir dir;
  std::string old_page = "<title>Old title</title>\r\n";
  while (old_page.size() < 300000) old_page += "an old line of the index page\r\n";
  write_file(dir / "index.html", old_page);
  ASSERT_EQ(symlink("index.html", (dir / "index.txt").c_str()), 0);
  make_dir(dir / "sub");
  ASSERT_EQ(symlink("../index.html", (dir / "sub/to.htm").c_str()), 0);
  const RunResult r = run_ombrelta(dir.path(), {}, "", 10);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kBanner);
  const std::string page = read_file(dir / "index.html");
  EXPECT_TRUE(page.starts_with(head("") + "<table")) << page.substr(0, 1000);
  EXPECT_NE(page.find("<a href=\"sub/to.htm\">sub/to.htm</a></td><td>&nbsp</td>"),
            std::string::npos);
  EXPECT_LT(page.size(), 4000u);
}

}  // namespace
}  // namespace ombrelta::e2e
