#include "pages/slide.h"

#include <gtest/gtest.h>

#include <string>

#include "fake/fake_platform.h"
#include "platform/file_error.h"

namespace ombrelta {
namespace {

using testing::FakePlatform;

Catalogue with_pictures(int count) {
  Catalogue cat;
  cat.JPGNUM = static_cast<std::uint8_t>(count + 1);
  return cat;
}

const std::string kBack =
    "<th align=\"center\" bgcolor=\"#ffcc00\" width=\"70\"><a href=\"zdia0001.html\">"
    "&nbsp;&nbsp;Back&nbsp;&nbsp;</a></th>\r\n";
const std::string kExit =
    "<th align=\"center\" bgcolor=\"#ff0000\" width=\"70\"><a href=\"index.html\">"
    "&nbsp;&nbsp;&nbsp;Exit&nbsp;&nbsp;&nbsp;</a></th>\r\n";
const std::string kNext =
    "<th align=\"center\" bgcolor=\"#00ff00\" width=\"70\"><a href=\"zdia0003.html\">"
    "&nbsp;&nbsp;Next&nbsp;&nbsp;</a></th>\r\n";

TEST(Slide, TheMiddlePageOfThreeByteForByte) {
  FakePlatform os;
  SLIDE(os, with_pictures(3), 2, "small/a b&c.jpg");
  EXPECT_EQ(os.content("zdia0002.html"),
            "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"><html><head>\r\n"
            "<meta name=\"GENERATOR\" content=\"Ombrelta ver 3.2 with slideshow - "
            "www.ombrelta.example/software\">\r\n"
            "<title>small/a b&c.jpg</title>\r\n"
            "\r\n"
            "</head>\r\n"
            "\r\n"
            "<body bgcolor=\"#606060\">\r\n"
            "<table align=\"right\"><tbody>\r\n"
            "<tr><th align=\"center\" bgcolor=\"#ffcc00\" width=\"70\"><a href=\"zdia0001.html\">"
            "&nbsp;&nbsp;Back&nbsp;&nbsp;</a></th>\r\n"
            "<th align=\"center\" bgcolor=\"#ff0000\" width=\"70\"><a href=\"index.html\">"
            "&nbsp;&nbsp;&nbsp;Exit&nbsp;&nbsp;&nbsp;</a></th>\r\n"
            "<th align=\"center\" bgcolor=\"#00ff00\" width=\"70\"><a href=\"zdia0003.html\">"
            "&nbsp;&nbsp;Next&nbsp;&nbsp;</a></th>\r\n"
            "</tr></tbody></table><br>\r\n"
            "<center><a href=\"small/a b&c.jpg\" target=\"_top\"><img src=\"small/a b&c.jpg\"></a>"
            "\n\r</body></html>\r\n");
  EXPECT_EQ(os.ops, (std::vector<std::string>{"create zdia0002.html", "write zdia0002.html",
                                              "close zdia0002.html"}));
}

TEST(Slide, BackOnlyAfterTheFirstPageNextOnlyBeforeTheLast) {
  struct Case {
    int pictures;
    int X;
    std::string row;  // from "<tr>" to "</tr>"
  };
  for (const Case& c :
       {Case{1, 1, "<tr>" + kExit}, Case{3, 2, "<tr>" + kBack + kExit + kNext},
        Case{2, 1,
             "<tr>" + kExit +
                 "<th align=\"center\" bgcolor=\"#00ff00\" width=\"70\"><a "
                 "href=\"zdia0002.html\">&nbsp;&nbsp;Next&nbsp;&nbsp;</a></th>\r\n"},
        Case{2, 2, "<tr>" + kBack + kExit}}) {
    FakePlatform os;
    SLIDE(os, with_pictures(c.pictures), static_cast<std::uint16_t>(c.X), "a.jpg");
    const std::string page = os.content("zdia000" + std::to_string(c.X) + ".html");
    const std::size_t from = page.find("<tr>");
    const std::size_t to = page.find("</tr>");
    ASSERT_NE(to, std::string::npos);
    EXPECT_EQ(page.substr(from, to - from), c.row) << c.X << " of " << c.pictures;
  }
}

TEST(Slide, TheLastOf254PicturesAndNamesThatWouldBreakThePage) {
  FakePlatform os;
  SLIDE(os, with_pictures(254), 254, "sub/x\"<y>\xE6.jpg");
  const std::string page = os.content("zdia0254.html");
  EXPECT_NE(page.find("<title>sub/x&quot;&lt;y&gt;\xE6.jpg</title>"), std::string::npos);
  EXPECT_NE(page.find("href=\"zdia0253.html\""), std::string::npos);
  EXPECT_EQ(page.find("Next"), std::string::npos);
  EXPECT_TRUE(
      page.ends_with("<center><a href=\"sub/x&quot;&lt;y&gt;\xE6.jpg\" target=\"_top\">"
                     "<img src=\"sub/x&quot;&lt;y&gt;\xE6.jpg\"></a>\n\r</body></html>\r\n"));
}

TEST(Slide, FailuresAreFatal) {
  for (const char* op : {"create zdia0001.html", "write zdia0001.html", "close zdia0001.html"}) {
    FakePlatform os;
    os.fail_on(op, 112);
    EXPECT_THROW(SLIDE(os, with_pictures(1), 1, "a.jpg"), FileError) << op;
  }
}

}  // namespace
}  // namespace ombrelta
