// The link and document table and the footer of the real index page: what
// is gathered, how each row reads, and the date and time of the run.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <string>

#include "e2e/e2e.h"

namespace ombrelta::e2e {
namespace {

// Gives `path` (a link itself, not its target) the local modification time.
void set_time(const std::string& path, int year, int month, int day, int hour, int minute) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = 30;
  tm.tm_isdst = -1;
  const timespec times[2] = {{mktime(&tm), 0}, {mktime(&tm), 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

// The local date and time as the footer writes them.
std::string clock_stamp() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d %H:%M", &tm);
  return text;
}

std::string row(const std::string& path, const std::string& description, const std::string& date,
                const std::string& time, const std::string& size) {
  return "<tr><td><a href=\"" + path + "\">" + path + "</a></td><td>" + description + "</td><td>" + date +
         "</td><td>" + time + "</td><td>size</td><td>" + size + "</td></tr>\r\n";
}

const std::string kHead =
    "<table width=\"100%\"><tr><td>&nbsp;</td><th width=\"100%\">&nbsp;</th><td colspan=\"4\">&nbsp;</td></tr>\r\n";
const std::string kSlideshow =
    "<tr><th align=\"left\" bgcolor=\"#666666\"><a href=\"zdia0001.html\" target=\"_top\">Slideshow</a></td>"
    "<td colspan=\"5\">&nbsp;</td></tr>\r\n";

std::string footer(const std::string& stamp) {
  return "</table><p>Ombrelta ver 3.2 with slideshow - www.ombrelta.example/software - <i>" + stamp +
         "</i></body></html>\r\n";
}

// Runs ombrelta in `folder` and returns the index page from its table on;
// the footer's date and time must be those of a minute during the run.
std::string table_section(const std::string& folder, RunResult& r) {
  const std::string before = clock_stamp();
  r = run_ombrelta(folder, {}, "\n");
  const std::string after = clock_stamp();
  const std::string page = read_file(folder + "/index.html");
  const std::size_t start = page.find("<table width=\"100%\">");
  if (start == std::string::npos) return "(no table) " + page;
  std::string table = page.substr(start);
  for (const std::string& stamp : {before, after}) {
    if (table.ends_with(footer(stamp))) return table.substr(0, table.size() - footer(stamp).size()) + "(footer)";
  }
  return table + "(footer not of the run's time: " + before + " / " + after + ")";
}

TEST(LinkTableE2e, PagesAndDocumentsOfEveryType) {
  TempDir dir;
  const std::string work = dir / "work";
  // The parent folder: its pages, but no slideshow page.
  write_file(dir / "index.html", "<html><head><title>Home</title></head></html>\r\n");
  write_file(dir / "zdia0001.html", "<title>Slide</title>");
  write_file(dir / "Old.HTM", "<title>Old</title>");
  write_file(dir / "notes.doc", "parent documents are not listed");
  // The working folder.
  write_file(work + "/index.txt", "");
  write_file(work + "/a.jpg", "jpeg");
  write_file(work + "/b.jpg", "jpeg");
  write_file(work + "/thumbs/a.jpg", "jp");
  write_file(work + "/page.htm", "<title>Not gathered</title>");
  write_file(work + "/sub/page.html", "<html>\r\n<head><title>Sub & more</title></head>\r\n");
  write_file(work + "/sub/PAGE2.HTM", "<title>Not read</title>");
  write_file(work + "/sub/zdia0001.html", "<title>Slide</title>");
  write_file(work + "/sub/notes.doc", "subdirectory documents are not listed");
  write_file(work + "/report.doc", "123456789");
  write_file(work + "/REPORT2.DOC", "12");
  write_file(work + "/notes.txt", "a note\r\n");
  write_file(work + "/song.mp3", "ID3");
  write_file(work + "/sheet.xls", "");
  write_file(work + "/talk.ppt", std::string("\xD0\xCF\x11\xE0\0\0name='Deck'", 17));
  write_file(work + "/prog.pas", "program p;\r\n  name = 'Photo index';\r\nbegin end.\r\n");
  write_file(work + "/tool.exe", "MZ");
  write_file(work + "/anim.swf", "FWS");
  write_file(work + "/clip.wmv", "0&");
  write_file(work + "/readme", "no type");
  for (const char* p : {"../index.html", "../Old.HTM", "report.doc", "REPORT2.DOC", "notes.txt", "song.mp3",
                        "sheet.xls", "talk.ppt", "prog.pas", "tool.exe", "anim.swf", "clip.wmv", "sub/page.html",
                        "sub/PAGE2.HTM"}) {
    set_time(work + "/" + p, 2021, 3, 5, 7, 9);
  }
  set_time(work + "/prog.pas", 1999, 12, 31, 23, 58);

  RunResult r;
  const std::string table = table_section(work, r);
  const std::string d = "20210305", t = "07:09";
  EXPECT_EQ(table, kHead + kSlideshow + row("../Old.HTM", "&nbsp", d, t, "18") +
                       row("../index.html", "Home", d, t, "47") + row("REPORT2.DOC", "&nbsp", d, t, "2") +
                       row("anim.swf", "&nbsp", d, t, "3") + row("clip.wmv", "&nbsp", d, t, "2") +
                       row("notes.txt", "Text file", d, t, "8") +
                       row("prog.pas", "Photo index", "19991231", "23:58", "49") +
                       row("report.doc", "Word document", d, t, "9") + row("sheet.xls", "Excel regneark", d, t, "0") +
                       row("song.mp3", "mp* file", d, t, "3") + row("sub/PAGE2.HTM", "&nbsp", d, t, "23") +
                       row("sub/page.html", "Sub & more", d, t, "48") + row("talk.ppt", "Deck", d, t, "17") +
                       row("tool.exe", "Binary executable", d, t, "2") + "(footer)");
  EXPECT_EQ(r.out, kBanner + std::string("../Old.HTM\a\nREPORT2.DOC\a\nsub/PAGE2.HTM\a\n"
                                         "3 files and 0 directories upcase\a\n"
                                         "2 files and 2 directories plus 14 other documents found\n\n"));
  EXPECT_EQ(r.status, 0);
}

TEST(LinkTableE2e, FoldersAndPipesCannotBeAccessed) {
  TempDir dir;
  const std::string work = dir / "work";
  write_file(work + "/index.txt", "");
  make_dir(work + "/old.doc");
  set_time(work + "/old.doc", 2020, 1, 2, 3, 4);
  chmod((work + "/old.doc").c_str(), 0555);  // a read-only folder: attribute 0x11
  make_dir(work + "/plain.doc");                // a plain folder: never listed
  ASSERT_EQ(mkfifo((work + "/pipe.txt").c_str(), 0644), 0);
  set_time(work + "/pipe.txt", 2020, 1, 2, 3, 5);
  write_file(work + "/.hidden.txt", "hidden");
  set_time(work + "/.hidden.txt", 2020, 1, 2, 3, 7);

  RunResult r;
  const std::string table = table_section(work, r);
  const std::string no = "could not be accessed";
  EXPECT_EQ(table, kHead + row(".hidden.txt", "Text file", "20200102", "03:07", "6") +
                       row("old.doc", no, "20200102", "03:04", "0") + row("pipe.txt", no, "20200102", "03:05", "0") +
                       "(footer)");
  EXPECT_EQ(r.out, kBanner);
  EXPECT_EQ(r.status, 0);
}

TEST(LinkTableE2e, ADanglingLinkCannotBeAccessed) {
  if (under_wine()) GTEST_SKIP() << "Wine does not list a symbolic link whose target is missing";
  TempDir dir;
  const std::string work = dir / "work";
  write_file(work + "/index.txt", "");
  ASSERT_EQ(symlink("missing-target", (work + "/gone.txt").c_str()), 0);
  set_time(work + "/gone.txt", 2020, 1, 2, 3, 6);

  RunResult r;
  const std::string table = table_section(work, r);
  EXPECT_EQ(table, kHead + row("gone.txt", "could not be accessed", "20200102", "03:06", "0") + "(footer)");
  EXPECT_EQ(r.status, 0);
}

TEST(LinkTableE2e, ADocumentOf3GBShowsItsTrueSize) {
  TempDir dir;
  const std::string work = dir / "work";
  write_file(work + "/index.txt", "");
  write_file(work + "/big.doc", "");
  ASSERT_EQ(truncate((work + "/big.doc").c_str(), 3'000'000'000LL), 0);
  set_time(work + "/big.doc", 2024, 3, 5, 7, 9);
  RunResult r;
  EXPECT_EQ(table_section(work, r), kHead + row("big.doc", "Word document", "20240305", "07:09", "3000000000") +
                                        "(footer)");
}

TEST(LinkTableE2e, AnEmptyFolderGetsHeadAndFooterOnly) {
  TempDir dir;
  const std::string work = dir / "work";
  write_file(work + "/index.txt", "");
  RunResult r;
  EXPECT_EQ(table_section(work, r), kHead + "(footer)");
  EXPECT_EQ(r.out, kBanner);
}

}  // namespace
}  // namespace ombrelta::e2e
