#include "pages/link_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "platform/file_error.h"

namespace ombrelta {
namespace {

using testing::FakePlatform;

const std::string kHead =
    "<table width=\"100%\"><tr><td>&nbsp;</td><th width=\"100%\">&nbsp;</th><td colspan=\"4\">&nbsp;</td></tr>\r\n";
const std::string kSlideshow =
    "<tr><th align=\"left\" bgcolor=\"#666666\"><a href=\"zdia0001.html\" target=\"_top\">Slideshow</a></td>"
    "<td colspan=\"5\">&nbsp;</td></tr>\r\n";
const std::string kFooter =
    "</table><p>Ombrelta ver 3.2 with slideshow - www.ombrelta.example/software - <i>20261211 09:05</i>"
    "</body></html>\r\n";

// Runs the table phase on a link list of `paths` and returns the index page.
std::string table_page(FakePlatform& os, const std::vector<std::string>& paths, int pictures = 0,
                       Pages* seen = nullptr) {
  Catalogue cat;
  cat.JPGNUM = static_cast<std::uint8_t>(pictures + 1);
  for (const std::string& p : paths) cat.SORT[cat.FSORT++].NAVN = NameText(p);
  Pages own;
  Pages& pages = seen ? *seen : own;
  pages.F2 = PageStream(os.create_page("index.html", Emptied::kAtOnce));
  table_phase(os, cat, pages);
  return os.content("index.html");
}

// The description cell of the one row of a table of `path`.
std::string description(FakePlatform& os, const std::string& path) {
  const std::string page = table_page(os, {path});
  const std::size_t start = page.find("</a></td><td>") + 13;
  return page.substr(start, page.find("</td>", start) - start);
}

TEST(LinkTable, HeadSlideshowRowFromTwoPicturesAndFooter) {
  for (int pictures : {0, 1, 2, 5}) {
    FakePlatform os;
    const std::string page = table_page(os, {}, pictures);
    EXPECT_EQ(page, kHead + (pictures >= 2 ? kSlideshow : "") + kFooter) << pictures;
    EXPECT_EQ(os.ops_starting("clock").size(), 1u);
    EXPECT_EQ(os.ops.back(), "close index.html");
  }
}

TEST(LinkTable, OneRowPerEntryWithDateTimeAndSize) {
  FakePlatform os;
  os.add_file("a.doc", 1234).time = FileTime{2019, 3, 5, 7, 9, 58};
  os.add_file("b.xls", 0).time = FileTime{2107, 12, 31, 23, 59, 0};
  const std::string page = table_page(os, {"a.doc", "b.xls"});
  EXPECT_EQ(page, kHead +
                      "<tr><td><a href=\"a.doc\">a.doc</a></td><td>Word document</td><td>20190305</td>"
                      "<td>07:09</td><td>size</td><td>1234</td></tr>\r\n"
                      "<tr><td><a href=\"b.xls\">b.xls</a></td><td>Excel regneark</td><td>21071231</td>"
                      "<td>23:59</td><td>size</td><td>0</td></tr>\r\n" +
                      kFooter);
}

TEST(LinkTable, AMissingEntryShowsAnEmptyOneAndCannotBeAccessed) {
  FakePlatform os;
  Pages pages;
  const std::string page = table_page(os, {"gone.xls"}, 0, &pages);
  EXPECT_NE(page.find("<td>could not be accessed</td><td>19800000</td><td>00:00</td><td>size</td><td>0</td></tr>"),
            std::string::npos)
      << page;
  EXPECT_EQ(pages.DOCS, 1) << "counted all the same";
}

TEST(LinkTable, SizesOf2GiBAndMoreShowTheTrueSize) {
  struct Case {
    std::int64_t size;
    const char* shown;
  };
  for (const Case& c : {Case{2147483647LL, "2147483647"}, Case{2147483648LL, "2147483648"},
                        Case{3000000000LL, "3000000000"}, Case{(1LL << 32) + 7, "4294967303"}}) {
    FakePlatform os;
    os.add_file("big.doc", c.size);
    const std::string page = table_page(os, {"big.doc"});
    EXPECT_NE(page.find("<td>size</td><td>" + std::string(c.shown) + "</td></tr>"), std::string::npos) << c.shown;
  }
}

TEST(LinkTable, PathsAreWrittenAsBytesWithOnlyQuotesAndAnglesEscaped) {
  FakePlatform os;
  os.add_file("a\"<b>&\xE6.doc", 1);
  const std::string page = table_page(os, {"a\"<b>&\xE6.doc"});
  EXPECT_NE(page.find("<tr><td><a href=\"a&quot;&lt;b&gt;&\xE6.doc\">a&quot;&lt;b&gt;&\xE6.doc</a></td>"),
            std::string::npos);
}

TEST(LinkTable, EmptySlotsGiveNoRowAndEveryRowIsCounted) {
  FakePlatform os;
  os.add_file("a.doc", 1);
  Catalogue cat;
  cat.SORT[1].NAVN = "a.doc";
  cat.SORT[3].NAVN = "gone.doc";  // beyond FSORT: never visited
  cat.FSORT = 2;
  Pages pages;
  pages.F2 = PageStream(os.create_page("index.html", Emptied::kAtOnce));
  table_phase(os, cat, pages);
  EXPECT_EQ(pages.DOCS, 1);
  EXPECT_EQ(os.ops_starting("open"), std::vector<std::string>{"open a.doc"});
}

TEST(LinkTable, AFullLinkListEndsAtSlot255) {
  FakePlatform os;
  Catalogue cat;
  for (int i = 1; i <= 254; ++i) cat.SORT[i].NAVN = NameText("d" + std::to_string(1000 + i) + ".doc");
  cat.FSORT = 255;
  Pages pages;
  pages.F2 = PageStream(os.create_page("index.html", Emptied::kAtOnce));
  table_phase(os, cat, pages);
  EXPECT_EQ(pages.DOCS, 254);
  EXPECT_EQ(os.ops_starting("open").size(), 254u);
}

TEST(LinkTable, DocumentsAreOpenedOneAtATimeAndReadOnlyForTitlesAndNames) {
  FakePlatform os;
  os.add_text("a.doc", "<title>not read</title>");
  os.add_text("b.htm", "<title>B</title>");
  Pages pages;
  table_page(os, {"a.doc", "b.htm"}, 0, &pages);
  EXPECT_TRUE(os.ops_starting("read a.doc").empty());
  EXPECT_FALSE(os.ops_starting("read b.htm").empty());
  EXPECT_EQ(pages.input, nullptr) << "closed after its row";
}

TEST(LinkTable, AReadErrorIsFatal) {
  FakePlatform os;
  os.add_text("b.htm", "<title>B</title>");
  os.fail_on("read b.htm", 30);
  try {
    table_page(os, {"b.htm"});
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.number, 30);
  }
}

TEST(LinkTable, WritesAndClosingOfTheIndexPageAreFatal) {
  for (const char* op : {"write index.html", "close index.html"}) {
    FakePlatform os;
    os.fail_on(op, 112);
    try {
      table_page(os, {});
      FAIL() << op;
    } catch (const FileError& e) {
      EXPECT_EQ(e.number, 112);
    }
  }
}

// Each case: the row's path, the document's lines (none: it cannot be
// opened), and the description cell it gets.
struct DescriptionCase {
  std::string path;
  std::optional<std::string> text;
  std::string cell;
};

const std::string k250(250, 'x');

const DescriptionCase kDescriptions[] = {
    // The description table: case-sensitive, the last match wins.
    {"a.doc", "", "Word document"},
    {"a.txt", "", "Text file"},
    {"a.xls", "", "Excel regneark"},
    {"song.mp3", "", "mp* file"},
    {"clip.mpg", "", "mp* file"},
    {"prog.exe", "", "Binary executable"},
    {"clip.wmv", "", "&nbsp"},
    {"anim.swf", "", "&nbsp"},
    {"REPORT.DOC", "", "&nbsp"},
    {"a.doc.txt", "", "Text file"},
    {"a.xls", std::nullopt, "could not be accessed"},
    {"a.htm", std::nullopt, "could not be accessed"},
    // Titles.
    {"a.htm", "<html>\r\n<head><title>Holiday</title></head>\r\n", "Holiday"},
    {"a.html", "<title>Summer\r\nholiday</title>\r\n", "Summer"},
    {"a.htm", "<TITLE>Upper</TITLE>\r\n", "&nbsp"},
    {"a.htm", "<title></title>\r\n", "&nbsp"},
    {"a.htm", "no title\nat all\r", "&nbsp"},
    {"a.htm", "\r\n \t\r\n\n<title>After blank lines</title>", "After blank lines"},
    {"a.htm", "<title>One</title><title>Two</title>", "One"},
    // "<title>" must lie wholly within the first 255 bytes of its line.
    {"a.htm", k250 + "<title>Late</title>\r\n<title>Next</title>", "Next"},
    {"a.htm", std::string(244, 'x') + "<title>Fits</title>", "Fits"},
    {"a.htm", std::string(240, 'x') + "<title>Fits</title>", "Fits</ti"},
    {"a.htm", "text\x1a<title>Behind Ctrl-Z</title>", "&nbsp"},
    {"a.htm", "<title>Fish & chips \xC6</title>", "Fish & chips &AElig;"},
    {"sub/PAGE.HTM", "<title>Never read</title>", "&nbsp"},
    {"../index.html", "<title>Home</title>", "Home"},
    // Names.
    {"p.pas", "program p;\r\n  name = 'Photo index';\r\n", "Photo index"},
    {"p.pp", "   name = x;\r\n", "name = x"},
    {"p.pas", "name = '   \r\n", "&nbsp"},
    {"p.pas", "name = '\t\x01 \xC6x';", "&AElig;x"},
    {"p.pas", "procedure rename;\r\nconst name = 'Late';\r\n", "Turbo Pascal source file"},
    {"p.pp", "procedure rename;\r\nconst name = 'Late';\r\n", "Free Pascal source file"},
    {"p.pas", "x = 1; { name }", "x = 1 { name }"},
    {"p.pas", "", "Turbo Pascal source file"},
    // "name" within the first 255 bytes ends the search even when "=" is cut off.
    {"p.pas", k250 + " name = 'cut';\r\nname='Next';", "Turbo Pascal source file"},
    {"p.pas", k250 + "x name = 'cut';\r\nname='Next';", "Next"},
    // A binary presentation is read as text all the same.
    {"talk.ppt", std::string("\xD0\xCF\x11\xE0\0\0\x1a name='x'", 14), "Free Pascal source file"},
    {"talk.ppt", std::string("\xD0\xCF\0\x03\rfilename=\x7f'Deck'\0;;", 24), std::string("Deck\0", 5)},
    // Both: the name extraction goes on where the title extraction stopped.
    {"x.htm.pas", "<title>T</title>\r\nconst name = 'N';\r\n", "N"},
    {"x.htm.pas", "<title>Page name</title>\r\nconst name = 'N';\r\n", "Page name"},
    {"x.htm.pas", "<title>name='Q'</title>\r\nname = 'N';\r\n", "Q"},
    // The title search leaves its last line in S for the name search.
    {"x.htm.pas", "name = 'Last line';\r\n", "Last line"},
    {"x.htm.pas", "name = 'Passed';\r\nend.\r\n", "Turbo Pascal source file"},
};

TEST(LinkTable, Descriptions) {
  for (const DescriptionCase& c : kDescriptions) {
    FakePlatform os;
    if (c.text) {
      os.add_text(c.path, *c.text);
    } else {
      os.add_file(c.path, 5).openable = false;
    }
    EXPECT_EQ(description(os, c.path), c.cell) << c.path << " " << c.text.value_or("(cannot be opened)");
  }
}

}  // namespace
}  // namespace ombrelta
