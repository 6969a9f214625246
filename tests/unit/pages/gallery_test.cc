#include "pages/gallery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/scans.h"
#include "fake/fake_platform.h"
#include "platform/file_error.h"

namespace ombrelta {
namespace {

using testing::FakePlatform;

// Runs the scans and the gallery phase as the driver does; the gallery
// lines of the index page, and the operations of the gallery phase alone.
struct Gallery {
  std::string lines;
  std::vector<std::string> ops;
};

Gallery run_gallery(FakePlatform& os) {
  Catalogue cat;
  Pages pages;
  pages.F2 = PageStream(os.create_page("index.html", Emptied::kAtOnce));
  subdirectory_scan(os, cat);
  picture_scan(os, cat);
  const std::size_t before = os.ops.size();
  gallery_phase(os, cat, pages);
  Gallery g;
  g.ops.assign(os.ops.begin() + static_cast<std::ptrdiff_t>(before), os.ops.end());
  pages.F2.close();
  g.lines = os.content("index.html");
  return g;
}

// The name a slideshow page shows, from its title.
std::string shown(FakePlatform& os, const std::string& page) {
  const std::string text = os.content(page);
  const std::size_t from = text.find("<title>") + 7;
  return text.substr(from, text.find("</title>") - from);
}

TEST(Gallery, NoPicturesWriteNothing) {
  FakePlatform os;
  os.add_dir("thumbs");
  os.add_file("thumbs/a.jpg", 5);
  const Gallery g = run_gallery(os);
  EXPECT_EQ(g.lines, "");
  EXPECT_TRUE(g.ops.empty());
}

TEST(Gallery, SingleLinkedAndDotEntries) {
  FakePlatform os;
  os.add_file("a.jpg", 2048);
  os.add_file("b.jpg", 20'000);
  os.add_file("c.jpg", 300);
  os.add_file("d.jpg", 50);
  os.add_file("e.jpg", 3'000'000'000LL);
  for (const char* dir : {"big", "huge", "small"}) os.add_dir(dir);
  os.add_file("small/b.jpg", 1024);
  os.add_file("big/b.jpg", 100'000);
  os.add_file("huge/b.jpg", 900'000);
  os.add_file("big/c.jpg", 900);
  os.add_file("small/d.jpg", 50);
  os.add_file("big/e.jpg", 3'000'000'001LL);
  const Gallery g = run_gallery(os);
  EXPECT_EQ(
      g.lines,
      "<img src=\"a.jpg\" alt=\"a.jpg 2048 bytes\">\r\n"
      "<a href=\"b.jpg\" target=\"_top\"><img src=\"small/b.jpg\" alt=\"b.jpg 20000 bytes\" "
      "border=\"1\" vspace=\"1\"></a><a href=\"big/b.jpg\">.</a><a href=\"huge/b.jpg\">.</a>\r\n"
      "<a href=\"big/c.jpg\" target=\"_top\"><img src=\"c.jpg\" alt=\"big/c.jpg 900 bytes\" "
      "border=\"1\" vspace=\"1\"></a>\r\n"
      "<a href=\"small/d.jpg\" target=\"_top\"><img src=\"d.jpg\" alt=\"small/d.jpg 50 bytes\" "
      "border=\"1\" vspace=\"1\"></a>\r\n"
      "<a href=\"big/e.jpg\" target=\"_top\"><img src=\"e.jpg\" alt=\"big/e.jpg -1294967295 "
      "bytes\" border=\"1\" vspace=\"1\"></a>\r\n");
  EXPECT_EQ(shown(os, "zdia0001.html"), "a.jpg");
  EXPECT_EQ(shown(os, "zdia0002.html"), "b.jpg");
  EXPECT_EQ(shown(os, "zdia0003.html"), "big/c.jpg");
  EXPECT_EQ(shown(os, "zdia0004.html"), "small/d.jpg");
  EXPECT_EQ(shown(os, "zdia0005.html"), "big/e.jpg");
  EXPECT_FALSE(os.exists("zdia0006.html"));
}

TEST(Gallery, ASinglePictureWithANegativeSize) {
  FakePlatform os;
  os.add_file("big.jpg", 3'000'000'000LL);
  EXPECT_EQ(run_gallery(os).lines, "<img src=\"big.jpg\" alt=\"big.jpg -1294967296 bytes\">\r\n");
}

TEST(Gallery, NamesAreWrittenAsTheirBytesButForQuoteAndAngleBrackets) {
  FakePlatform os;
  os.add_file("x \"<y>&\xE6.jpg", 10);
  os.add_dir("t");
  os.add_file("t/x \"<y>&\xE6.jpg", 20);
  EXPECT_EQ(run_gallery(os).lines,
            "<a href=\"t/x &quot;&lt;y&gt;&\xE6.jpg\" target=\"_top\"><img src=\"x "
            "&quot;&lt;y&gt;&\xE6.jpg\" "
            "alt=\"t/x &quot;&lt;y&gt;&\xE6.jpg 20 bytes\" border=\"1\" vspace=\"1\"></a>\r\n");
}

TEST(Gallery, EachPictureIsDoneBeforeTheNextAndNoSubdirectoryIsListed) {
  FakePlatform os;
  for (const char* p : {"a.jpg", "b.jpg", "c.jpg"}) os.add_file(p, 100);
  for (const char* d : {"s1", "s2", "s3"}) os.add_dir(d);
  os.add_file("s2/m_b.jpg", 10);
  const Gallery g = run_gallery(os);
  EXPECT_TRUE(os.ops_starting("list s").empty());
  int lookups = 0;
  for (const std::string& op : g.ops) {
    EXPECT_FALSE(op.starts_with("list")) << op;
    EXPECT_FALSE(op.starts_with("describe")) << op;
    lookups += op.starts_with("lookup") ? 1 : 0;
  }
  EXPECT_EQ(lookups, 2 * 3 * 3);
  // Picture b: its renames, its lookups, then its page.
  const auto at = [&](const std::string& op) {
    return std::find(g.ops.begin(), g.ops.end(), op) - g.ops.begin();
  };
  EXPECT_LT(at("create zdia0001.html"), at("lookup s1/m_b.jpg"));
  EXPECT_LT(at("rename s2/m_b.jpg -> s2/b.jpg"), at("lookup s2/b.jpg"));
  EXPECT_LT(at("lookup s3/b.jpg"), at("create zdia0002.html"));
  EXPECT_LT(at("close zdia0002.html"), at("lookup s1/m_c.jpg"));
}

TEST(Gallery, AFailingSlideshowPageEndsThePhase) {
  FakePlatform os;
  for (const char* p : {"a.jpg", "b.jpg", "c.jpg"}) os.add_file(p, 100);
  os.fail_on("create zdia0002.html", 5);
  Catalogue cat;
  Pages pages;
  pages.F2 = PageStream(os.create_page("index.html", Emptied::kAtOnce));
  picture_scan(os, cat);
  try {
    gallery_phase(os, cat, pages);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.number, 5);
  }
  EXPECT_TRUE(os.exists("zdia0001.html"));
  EXPECT_FALSE(os.exists("zdia0003.html"));
}

}  // namespace
}  // namespace ombrelta
