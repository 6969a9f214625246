// The gallery as a user sees it: the gallery lines of index.html, the
// slideshow pages and the renamed copies on disk.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "e2e/e2e.h"

namespace ombrelta::e2e {
namespace {

// A picture folder inside its own temporary folder, so that the parent
// folder holds nothing but it. An empty index.txt keeps the console quiet.
class GalleryE2e : public ::testing::Test {
 protected:
  void SetUp() override { write_file(pics("index.txt"), ""); }
  std::string pics(const std::string& relative = "") const {
    return relative.empty() ? root_ / "pics" : root_ / ("pics/" + relative);
  }
  void file(const std::string& relative, std::size_t size) {
    write_file(pics(relative), std::string(size, 'x'));
  }
  // A sparse file of `size` bytes.
  void sparse(const std::string& relative, off_t size) {
    write_file(pics(relative), "");
    ASSERT_EQ(truncate(pics(relative).c_str(), size), 0);
  }
  RunResult run() { return run_ombrelta(pics()); }
  std::string page(const std::string& relative) const { return read_file(pics(relative)); }

  // The gallery lines: what follows the opening body line of the page head
  // (when there is one) up to the link table (when there is one).
  std::string gallery() const {
    const std::string index = page("index.html");
    const std::string body = "<body bgcolor=\"#ffffff\">\r\n";
    std::size_t from = index.find(body);
    from = from == std::string::npos ? 0 : from + body.size();
    std::size_t to = index.find("<table", from);
    if (to == std::string::npos) to = index.size();
    return index.substr(from, to - from);
  }

  TempDir root_;
};

std::string number(int X) {
  std::string digits = std::to_string(X);
  return std::string(4 - digits.size(), '0') + digits;
}

// Slideshow page X of `pictures`, showing `shown` as it is written.
std::string slide(int X, int pictures, const std::string& shown) {
  std::string page =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"><html><head>\r\n"
      "<meta name=\"GENERATOR\" content=\"Ombrelta ver 3.2 with slideshow - "
      "www.ombrelta.example/software\">\r\n"
      "<title>" +
      shown +
      "</title>\r\n\r\n</head>\r\n\r\n"
      "<body bgcolor=\"#606060\">\r\n<table align=\"right\"><tbody>\r\n<tr>";
  if (X > 1) {
    page += "<th align=\"center\" bgcolor=\"#ffcc00\" width=\"70\"><a href=\"zdia" + number(X - 1) +
            ".html\">&nbsp;&nbsp;Back&nbsp;&nbsp;</a></th>\r\n";
  }
  page +=
      "<th align=\"center\" bgcolor=\"#ff0000\" width=\"70\"><a href=\"index.html\">"
      "&nbsp;&nbsp;&nbsp;Exit&nbsp;&nbsp;&nbsp;</a></th>\r\n";
  if (X < pictures) {
    page += "<th align=\"center\" bgcolor=\"#00ff00\" width=\"70\"><a href=\"zdia" + number(X + 1) +
            ".html\">&nbsp;&nbsp;Next&nbsp;&nbsp;</a></th>\r\n";
  }
  return page + "</tr></tbody></table><br>\r\n<center><a href=\"" + shown +
         "\" target=\"_top\"><img src=\"" + shown + "\"></a>\n\r</body></html>\r\n";
}

TEST_F(GalleryE2e, NoPicturesNoGalleryAndNoPages) {
  file("thumbs/a.jpg", 10);
  const RunResult r = run();
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kBanner);
  EXPECT_EQ(gallery(), "");
  EXPECT_FALSE(exists(pics("zdia0001.html")));
}

TEST_F(GalleryE2e, OnePictureAndOlderPagesLeftAlone) {
  file("a.jpg", 2048);
  write_file(pics("zdia0005.html"), "older run");
  const RunResult r = run();
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kBanner);
  EXPECT_EQ(gallery(), "<img src=\"a.jpg\" alt=\"a.jpg 2048 bytes\">\r\n");
  EXPECT_EQ(page("zdia0001.html"), slide(1, 1, "a.jpg"));
  EXPECT_FALSE(exists(pics("zdia0002.html")));
  EXPECT_EQ(page("zdia0005.html"), "older run");
}

TEST_F(GalleryE2e, PagesOfAnEarlierRunAreRewrittenToTheByte) {
  file("a.jpg", 10);
  file("b.jpg", 20);
  write_file(pics("zdia0001.html"), std::string(5000, 'o'));  // longer than the new page
  write_file(pics("zdia0002.html"), "short");
  // The old index page, also reached as a page of a subfolder: that name sees
  // it emptied when the run creates it, so the link table finds no title.
  write_file(pics("index.html"), "<title>Old title</title>" + std::string(9000, 'o'));
  make_dir(pics("sub"));
  ASSERT_EQ(link(pics("index.html").c_str(), pics("sub/same.htm").c_str()), 0);
  const RunResult r = run();
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(page("zdia0001.html"), slide(1, 2, "a.jpg"));
  EXPECT_EQ(page("zdia0002.html"), slide(2, 2, "b.jpg"));
  const std::string index = page("index.html");
  EXPECT_TRUE(index.ends_with("</i></body></html>\r\n"));
  EXPECT_EQ(index.find('o' + std::string(20, 'o')), std::string::npos) << "no old bytes left";
  EXPECT_NE(index.find("<a href=\"sub/same.htm\">sub/same.htm</a></td><td>&nbsp</td>"),
            std::string::npos);
}

TEST_F(GalleryE2e, TwoPicturesOneWithCopies) {
  file("a.jpg", 20000);
  file("small/a.jpg", 1024);
  file("big/a.jpg", 100000);
  file("b.jpg", 10);
  const RunResult r = run();
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kBanner);
  EXPECT_EQ(gallery(),
            "<a href=\"a.jpg\" target=\"_top\"><img src=\"small/a.jpg\" alt=\"a.jpg 20000 bytes\" "
            "border=\"1\" vspace=\"1\"></a><a href=\"big/a.jpg\">.</a>\r\n"
            "<img src=\"b.jpg\" alt=\"b.jpg 10 bytes\">\r\n");
  EXPECT_EQ(page("zdia0001.html"), slide(1, 2, "a.jpg"));
  EXPECT_EQ(page("zdia0002.html"), slide(2, 2, "b.jpg"));
}

TEST_F(GalleryE2e, ThreePicturesWithDotLinksRenamesAndOddNames) {
  file("a b&c.jpg", 20000);
  file("small/a b&c.jpg", 1024);
  file("big/A B&C.JPG", 100000);
  file("huge/m_a b&c.jpg", 200000);
  file("say \"hi\".jpg", 10);
  file(
      "\xE6"
      "ble.jpg",
      3000);
  file(
      "thumbs/\xE6"
      "ble.jpg",
      300);
  const RunResult r = run();
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, kBanner);
  EXPECT_EQ(gallery(),
            "<a href=\"a b&c.jpg\" target=\"_top\"><img src=\"small/a b&c.jpg\" "
            "alt=\"a b&c.jpg 20000 bytes\" border=\"1\" vspace=\"1\"></a>"
            "<a href=\"big/A B&C.JPG\">.</a><a href=\"huge/a b&c.jpg\">.</a>\r\n"
            "<img src=\"say &quot;hi&quot;.jpg\" alt=\"say &quot;hi&quot;.jpg 10 bytes\">\r\n"
            "<a href=\"\xE6"
            "ble.jpg\" target=\"_top\"><img src=\"thumbs/\xE6"
            "ble.jpg\" "
            "alt=\"\xE6"
            "ble.jpg 3000 bytes\" border=\"1\" vspace=\"1\"></a>\r\n");
  EXPECT_EQ(page("zdia0001.html"), slide(1, 3, "a b&c.jpg"));
  EXPECT_EQ(page("zdia0002.html"), slide(2, 3, "say &quot;hi&quot;.jpg"));
  EXPECT_EQ(page("zdia0003.html"), slide(3, 3,
                                         "\xE6"
                                         "ble.jpg"));
  // The marked copy now carries the picture's name, its bytes unchanged.
  EXPECT_EQ(page("huge/a b&c.jpg"), std::string(200000, 'x'));
  EXPECT_FALSE(exists(pics("huge/m_a b&c.jpg")));
  EXPECT_TRUE(exists(pics("big/A B&C.JPG")));
}

TEST_F(GalleryE2e, SizesOf2GiBAndMoreAreWrittenNegative) {
  file("a.jpg", 100);
  sparse("big/a.jpg", 3'000'000'000);
  sparse("huge/a.jpg", 3'000'000'001);
  sparse("big.jpg", 3'000'000'000);
  const RunResult r = run();
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(gallery(),
            "<a href=\"huge/a.jpg\" target=\"_top\"><img src=\"big/a.jpg\" "
            "alt=\"huge/a.jpg -1294967295 bytes\" border=\"1\" vspace=\"1\"></a>"
            "<a href=\"a.jpg\">.</a>\r\n"
            "<img src=\"big.jpg\" alt=\"big.jpg -1294967296 bytes\">\r\n");
}

// The report line after the banner, and nothing else on the console.
void expect_runtime_error_5(const RunResult& r) {
  EXPECT_EQ(r.status, 5);
  EXPECT_TRUE(r.out.starts_with(std::string(kBanner) + "Runtime error 5")) << r.out;
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;
}

TEST_F(GalleryE2e, ARenameOntoATakenNameEndsTheRun) {
  write_file(pics("a.jpg"), "picture");
  write_file(pics("early/m_a.jpg"), "early copy");
  write_file(pics("sub/m_a.jpg"), "marked");
  write_file(pics("sub/A.JPG"), "other");
  expect_runtime_error_5(run());
  EXPECT_EQ(page("early/a.jpg"), "early copy") << "a rename already done stays done";
  EXPECT_FALSE(exists(pics("early/m_a.jpg")));
  EXPECT_EQ(page("sub/m_a.jpg"), "marked");
  EXPECT_EQ(page("sub/A.JPG"), "other");
  EXPECT_FALSE(exists(pics("sub/a.jpg")));
  EXPECT_FALSE(exists(pics("zdia0001.html")));
}

TEST_F(GalleryE2e, AReadOnlySlideshowPageEndsTheRun) {
  if (wine_writes_read_only_files()) GTEST_SKIP() << "Wine run as root writes into read-only files";
  file("a.jpg", 1);
  file("b.jpg", 2);
  file("c.jpg", 3);
  write_file(pics("zdia0002.html"), "keep me");
  chmod(pics("zdia0002.html").c_str(), 0444);
  expect_runtime_error_5(run());
  EXPECT_EQ(page("zdia0001.html"), slide(1, 3, "a.jpg"));
  EXPECT_EQ(page("zdia0002.html"), "keep me");
  EXPECT_FALSE(exists(pics("zdia0003.html")));
}

}  // namespace
}  // namespace ombrelta::e2e
