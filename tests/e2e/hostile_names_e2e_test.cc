// Names no careful user would choose: every byte from 1 to 255 but "/",
// names of 255 bytes, markup characters, wildcards and control bytes. Pages
// escape only '"', '<' and '>'; the console shows control bytes as "?";
// lookups take "*" and "?" as plain bytes.
#include <gtest/gtest.h>

#include <string>

#include "e2e/e2e.h"

namespace ombrelta::e2e {
namespace {

// A name as a page holds it.
std::string esc(const std::string& name) {
  std::string out;
  for (char c : name) {
    if (c == '"') {
      out += "&quot;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += c;
    }
  }
  return out;
}

// A name as the console shows it.
std::string shown(const std::string& name) {
  std::string out = name;
  for (char& c : out) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 1 && b <= 31) || b == 127) c = '?';
  }
  return out;
}

// The bytes from `first` to `last`, "/" left out.
std::string bytes(int first, int last) {
  std::string out;
  for (int b = first; b <= last; ++b) {
    if (b != '/') out += static_cast<char>(b);
  }
  return out;
}

std::string gallery_of(const std::string& index) {
  const std::string body = "<body bgcolor=\"#ffffff\">\r\n";
  const std::size_t from = index.find(body) + body.size();
  return index.substr(from, index.find("<table", from) - from);
}

std::string linked(const std::string& picture, const std::string& copy, int size) {
  return "<a href=\"" + esc(picture) + "\" target=\"_top\"><img src=\"" + esc(copy) + "\" alt=\"" +
         esc(picture) + " " + std::to_string(size) + " bytes\" border=\"1\" vspace=\"1\"></a>\r\n";
}

std::string single(const std::string& picture, int size) {
  return "<img src=\"" + esc(picture) + "\" alt=\"" + esc(picture) + " " + std::to_string(size) +
         " bytes\">\r\n";
}

std::string zdia(int X) {
  const std::string digits = std::to_string(X);
  return "zdia" + std::string(4 - digits.size(), '0') + digits + ".html";
}

TEST(HostileNamesE2e, EveryByteAndNamesOf255Bytes) {
  if (under_wine()) GTEST_SKIP() << "names with bytes that Windows forbids (\" * < > ? | and control bytes) exist on Linux only";
  TempDir dir;
  write_file(dir / "index.txt", "");
  // Four groups of bytes together hold every byte from 1 to 255 but "/".
  const std::string group[4] = {bytes(1, 64), bytes(65, 128), bytes(129, 192), bytes(193, 255)};
  std::string pictures[4], folders[4], documents[4];
  for (int i = 0; i < 4; ++i) {
    pictures[i] = "p" + group[i] + ".jpg";
    folders[i] = "s" + group[i];
    documents[i] = "d" + group[i] + ".txt";
    write_file(dir / pictures[i], std::string(100 + i, 'p'));
    // Even groups hold an "m_" copy that the run renames.
    const std::string copy = (i % 2 == 0 ? "m_" : "") + pictures[i];
    write_file(dir / (folders[i] + "/" + copy), std::string(10 + i, 'c'));
    write_file(dir / documents[i], "text");
  }
  const std::string long_picture = std::string(251, 'l') + ".jpg";
  const std::string long_folder(255, 'z');
  const std::string long_document = std::string(251, 't') + ".doc";
  write_file(dir / long_picture, "seven b");
  write_file(dir / (long_folder + "/m_x.jpg"), "not a copy of anything");
  write_file(dir / long_document, "doc");

  const RunResult r = run_ombrelta(dir.path());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, std::string(kBanner) + shown(folders[1]) + "\a\n" + shown(pictures[1]) + "\a\n" +
                       shown(documents[1]) + "\a\n" + "2 files and 1 directories upcase\a\n" +
                       "5 files and 5 directories plus 5 other documents found\n\n");

  const std::string index = read_file(dir / "index.html");
  std::string expected = single(long_picture, 7);
  for (int i = 0; i < 4; ++i)
    expected += linked(pictures[i], folders[i] + "/" + pictures[i], 100 + i);
  EXPECT_EQ(gallery_of(index), expected);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(read_file(dir / (folders[i] + "/" + pictures[i])), std::string(10 + i, 'c')) << i;
    const std::string slide = read_file(dir / zdia(i + 2));
    EXPECT_NE(slide.find("<title>" + esc(pictures[i]) + "</title>"), std::string::npos) << i;
    EXPECT_NE(slide.find("<img src=\"" + esc(pictures[i]) + "\"></a>"), std::string::npos) << i;
    EXPECT_NE(index.find("<tr><td><a href=\"" + esc(documents[i]) + "\">" + esc(documents[i]) +
                         "</a></td><td>Text file</td>"),
              std::string::npos)
        << i;
  }
  EXPECT_NE(index.find("<a href=\"" + long_document + "\">" + long_document +
                       "</a></td><td>Word document</td>"),
            std::string::npos);
  EXPECT_EQ(read_file(dir / (long_folder + "/m_x.jpg")), "not a copy of anything");
}

TEST(HostileNamesE2e, MarkupWildcardsAndControlBytes) {
  if (under_wine()) GTEST_SKIP() << "names with bytes that Windows forbids (\" * < > ? | and control bytes) exist on Linux only";
  TempDir dir;
  write_file(dir / "index.txt", "");
  const std::string quoted = "q \"<b>\" & r.jpg";
  for (const std::string& picture :
       {std::string("a*.jpg"), std::string("a?.jpg"), quoted, std::string("x*.jpg")}) {
    write_file(dir / picture, std::string(100, 'p'));
  }
  write_file(dir / "thumbs/a*.jpg", "star copy");
  write_file(dir / "thumbs/ab.jpg", "matches a*.jpg and a?.jpg only as patterns");
  write_file(dir / "thumbs/m_xy.jpg", "matches m_x*.jpg only as a pattern");
  write_file(dir / ("thumbs/" + quoted), "quoted copy");
  const std::string document = "W \"<&>\" \x1b[1m*?.txt";
  write_file(dir / document, "text");

  const RunResult r = run_ombrelta(dir.path());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, std::string(kBanner) + "W \"<&>\" ?[1m*?.txt\a\n" +
                       "1 files and 0 directories upcase\a\n" +
                       "4 files and 1 directories plus 1 other documents found\n\n");
  const std::string index = read_file(dir / "index.html");
  EXPECT_EQ(gallery_of(index), linked("a*.jpg", "thumbs/a*.jpg", 100) + single("a?.jpg", 100) +
                                   linked(quoted, "thumbs/" + quoted, 100) + single("x*.jpg", 100));
  EXPECT_NE(index.find("<tr><td><a href=\"W &quot;&lt;&&gt;&quot; \x1b[1m*?.txt\">"),
            std::string::npos);
  EXPECT_NE(read_file(dir / zdia(3)).find("<title>q &quot;&lt;b&gt;&quot; & r.jpg</title>"),
            std::string::npos);
  EXPECT_TRUE(exists(dir / "thumbs/m_xy.jpg")) << "no pattern renamed it";
  EXPECT_FALSE(exists(dir / "thumbs/xy.jpg"));
  EXPECT_EQ(read_file(dir / "thumbs/ab.jpg"), "matches a*.jpg and a?.jpg only as patterns");
}

}  // namespace
}  // namespace ombrelta::e2e
