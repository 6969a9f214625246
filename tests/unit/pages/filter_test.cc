#include "pages/filter.h"

#include <gtest/gtest.h>

#include "fake/render_page.h"

namespace ombrelta {
namespace {

using testing::render_page;

std::string filtered(unsigned char c) {
  return render_page([&](PageStream& F2) { FILTER(F2, static_cast<char>(c)); });
}

TEST(Filter, BothCodesOfALetterGiveItsEntity) {
  struct Case {
    unsigned char dos, iso;
    const char* entity;
  };
  for (const Case& c :
       {Case{129, 252, "&uuml;"}, Case{132, 228, "&auml;"}, Case{134, 229, "&aring;"},
        Case{142, 196, "&Auml;"}, Case{143, 197, "&Aring;"}, Case{145, 230, "&aelig;"},
        Case{146, 198, "&AElig;"}, Case{148, 246, "&ouml;"}, Case{153, 214, "&Ouml;"},
        Case{154, 220, "&Uuml;"}, Case{155, 248, "&oslash;"}, Case{157, 216, "&Oslash;"}}) {
    EXPECT_EQ(filtered(c.dos), c.entity) << int{c.dos};
    EXPECT_EQ(filtered(c.iso), c.entity) << int{c.iso};
  }
  EXPECT_EQ(filtered('&'), "&amp;");
}

TEST(Filter, EveryOtherByteIsWrittenAsItself) {
  int entities = 0;
  for (int b = 0; b < 256; ++b) {
    const std::string out = filtered(static_cast<unsigned char>(b));
    if (out.size() == 1) {
      EXPECT_EQ(static_cast<unsigned char>(out[0]), b);
    } else {
      ++entities;
    }
  }
  EXPECT_EQ(entities, 25);
  // Markup and the code-page-850 é stay as they are.
  EXPECT_EQ(filtered('<'), "<");
  EXPECT_EQ(filtered(130), "\x82");
}

TEST(Filter, WindowsQuotationMarksMeetTheTableToo) {
  // In code page 1252, 146 is a right single quotation mark and 155 a right
  // angle quotation mark; the table knows them as DOS letters.
  EXPECT_EQ(render_page([](PageStream& F2) { write_filtered(F2, "it\x92s \x9b"); }),
            "it&AElig;s &oslash;");
}

TEST(Filter, WtitleFiltersEveryByteOfTheTitle) {
  EXPECT_EQ(render_page([](PageStream& F2) { WTITLE(F2, NameText("Tom & J\xf8rn &amp;")); }),
            "Tom &amp; J&oslash;rn &amp;amp;");
  EXPECT_EQ(render_page([](PageStream& F2) { WTITLE(F2, NameText()); }), "");
}

TEST(Rtitle, OneCellWithABareAmpersand) {
  struct Case {
    std::string S;
    std::string expected;
  };
  for (const Case& c :
       {Case{"", "<td>&nbsp</td>"}, Case{"Tom &amp; Jerry", "<td>Tom &amp; Jerry</td>"},
        Case{"\xc6"
             "bler & p\x91re",
             "<td>&AElig;bler & p&aelig;re</td>"},
        Case{"<b>", "<td><b></td>"}}) {
    EXPECT_EQ(render_page([&](PageStream& F2) { RTITLE(F2, NameText(c.S)); }), c.expected) << c.S;
  }
}

}  // namespace
}  // namespace ombrelta
