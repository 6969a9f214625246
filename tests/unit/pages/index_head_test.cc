#include "pages/index_head.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake/chunked_source.h"
#include "fake/fake_platform.h"
#include "fake/render_page.h"
#include "pages/entity_table.h"
#include "pages/index_text.h"
#include "platform/file_error.h"

namespace ombrelta {
namespace {

using testing::chunked_input;
using testing::FakePlatform;
using testing::render_page;

constexpr std::size_t kBlock = 64 * 1024;

const std::string kMeta =
    "<meta name=\"GENERATOR\" content=\"Ombrelta ver 3.2 with slideshow - "
    "www.ombrelta.example/software\">\r\n";

std::string entities(std::string_view text) {
  std::string out;
  for (char c : text) {
    const std::string_view e = kEntities[static_cast<unsigned char>(c)];
    out += e.empty() ? std::string(1, c) : std::string(e);
  }
  return out;
}

struct Reference {
  std::string title;  // as read, before the entity table
  std::string head;
  std::string introduction;
};

// The index page's start for a given "index.txt", byte by byte as the rules
// state them, without any of the program's reading or writing code.
Reference reference(const std::string& file) {
  const std::string text = file.substr(0, file.find('\x1a'));
  Reference r;
  std::size_t i = 0;
  char C = 0;
  while (i < text.size() && C != '\n') {
    C = text[i++];
    if (C != '\n' && C != '\r' && r.title.size() < 255) r.title += C;
  }
  r.head = "<html>\r\n<head>\r\n" + kMeta;
  if (!r.title.empty()) r.head += "<title>" + entities(r.title) + "</title>\r\n";
  r.head += "</head>\r\n\r\n<body bgcolor=\"#ffffff\">\r\n";
  if (!r.title.empty()) r.head += "<h2>" + entities(r.title) + "</h2>\r\n";
  const std::string rest = text.substr(i);
  if (rest.find_first_not_of(" \t\r\n") == std::string::npos) return r;
  for (char c : rest) {
    if (c == '\n') {
      r.introduction += "<br>\r\n";
    } else if (c != '\r') {
      r.introduction += entities(std::string(1, c));
    }
  }
  r.introduction += "<p>\r\n";
  return r;
}

// Runs the phase on the fake with `file` as "index.txt"; the page's bytes.
std::string run_phase(FakePlatform& os, Pages& pages) {
  pages.F2 = PageStream(os.create_page("index.html", Emptied::kAtOnce));
  head_and_introduction(os, pages);
  pages.F2.close();
  return os.content("index.html");
}

// Texts that meet the reading rules at their edges: line ends, Ctrl-Z, the
// 255-byte title, block boundaries and every byte value.
std::vector<std::string> tricky_texts() {
  std::string all_bytes;
  for (int b = 0; b < 256; ++b) all_bytes += static_cast<char>(b);
  std::string all_but_ctrl_z = all_bytes;
  all_but_ctrl_z.erase(26, 1);
  std::vector<std::string> texts = {
      "",
      "\n",
      "\r",
      "\r\n",
      "T",
      "T\n",
      "T\r\n",
      "\nintro",
      "\r\r\n\n",
      "T\r\nline one\r\nline two\r\n",
      "T\nlast line without line feed",
      "T\n \t\r\n  \n",
      "T\n\v",
      "T\n\f\n",
      "T\n  \n\tintro \n",
      "Ti\rtle\r\nx",
      "a\rb\rc",
      "Tom & J\xf8rn \x9b\n\xe6\xf8\xe5 & <b>bold</b> \"q\" 'a'\n",
      "ti\x1atle\nintro",
      "title\nin\x1atro\nmore",
      "title\n\x1a"
      "intro",
      "title\n  \x1a"
      "x",
      std::string(300, 'x') + "\nintro",
      std::string(255, 'y') + "\r\r\nintro",
      std::string(254, 'y') + "\r\nintro",
      std::string(256, 'y') + "z\nintro",
      all_but_ctrl_z + "\n" + all_but_ctrl_z,
      "T\n" + all_bytes + "after",
  };
  // Every special byte right before, at and after the end of the first block.
  for (char special : {'\n', '\r', '\x1a', '&', '\xf8', 'x'}) {
    for (std::size_t at : {kBlock - 1, kBlock, kBlock + 1}) {
      std::string intro = "T\n" + std::string(kBlock + 10, 'i');
      intro[at] = special;
      texts.push_back(intro);
      std::string title(kBlock + 10, 't');
      title[at] = special;
      texts.push_back(title + "\nintro");
    }
  }
  texts.push_back("T\n" + std::string(kBlock + 5, ' ') + "x");
  texts.push_back("T\n" + std::string(kBlock + 5, '\n') +
                  "\x1a"
                  "x");
  // A longer mixed text, the same every run.
  std::string mixed = "Mixed\n";
  std::uint32_t seed = 12345;
  const char pool[] = "ab \t\r\n&<\xe6\xf8\x9b\x91\x82";
  while (mixed.size() < 3 * kBlock) {
    seed = seed * 1103515245u + 12345u;
    mixed += pool[(seed >> 16) % (sizeof pool - 1)];
  }
  texts.push_back(mixed);
  texts.push_back(mixed + "\x1a" + mixed);
  return texts;
}

TEST(IndexHead, WritesWhatTheRulesSayForTrickyTexts) {
  for (const std::string& file : tricky_texts()) {
    const Reference expected = reference(file);
    FakePlatform os;
    os.add_text("index.txt", file);
    Pages pages;
    const std::string page = run_phase(os, pages);
    EXPECT_EQ(page, expected.head + expected.introduction)
        << "index.txt of " << file.size() << " bytes";
    EXPECT_EQ(pages.TITLE.str(), expected.title);
    EXPECT_FALSE(pages.NINDEX);
    EXPECT_EQ(os.console, "");
  }
}

TEST(IndexHead, ReadingIsTheSameWhateverTheReadSizes) {
  // Reads of a few bytes put block boundaries everywhere in short texts.
  for (const std::string& file : tricky_texts()) {
    if (file.size() > 2000) continue;
    const Reference expected = reference(file);
    for (std::size_t chunk : {1, 2, 3, 5}) {
      TextInput in = chunked_input(file, chunk);
      NameText title;
      read_title(in, title);
      EXPECT_EQ(title.str(), expected.title) << chunk;
      EXPECT_EQ(render_page([&](PageStream& F2) { write_introduction(F2, in); }),
                expected.introduction)
          << "chunk " << chunk << " of " << file;
    }
  }
}

TEST(IndexHead, ExactPageStart) {
  FakePlatform os;
  os.add_text("index.txt", "Sommer & s\xf8\r\nFirst line\r\n\r\nThird\n");
  Pages pages;
  EXPECT_EQ(run_phase(os, pages),
            "<html>\r\n"
            "<head>\r\n"
            "<meta name=\"GENERATOR\" content=\"Ombrelta ver 3.2 with slideshow - "
            "www.ombrelta.example/software\">\r\n"
            "<title>Sommer &amp; s&oslash;</title>\r\n"
            "</head>\r\n"
            "\r\n"
            "<body bgcolor=\"#ffffff\">\r\n"
            "<h2>Sommer &amp; s&oslash;</h2>\r\n"
            "First line<br>\r\n"
            "<br>\r\n"
            "Third<br>\r\n"
            "<p>\r\n");
}

TEST(IndexHead, WithoutIndexTextThePageHasNoTitleAndNoIntroduction) {
  FakePlatform missing;
  FakePlatform upper_case;
  upper_case.add_text("INDEX.TXT", "Not this one\nintro");
  FakePlatform unopenable;
  unopenable.add_text("index.txt", "Refused\nintro").openable = false;
  FakePlatform folder;
  folder.add_dir("index.txt");
  for (FakePlatform* os : {&missing, &upper_case, &unopenable, &folder}) {
    Pages pages;
    EXPECT_EQ(run_phase(*os, pages),
              "<html>\r\n<head>\r\n" + kMeta + "</head>\r\n\r\n<body bgcolor=\"#ffffff\">\r\n");
    EXPECT_EQ(os->console, "File index.txt not found\a\n");
    EXPECT_TRUE(pages.NINDEX);
    EXPECT_TRUE(pages.TITLE.empty());
    EXPECT_EQ(pages.input, nullptr);
    EXPECT_EQ(os->ops_starting("console input").size(), 1u);
  }
}

TEST(IndexHead, TheTextIsClosedAndTheConsoleInputBackAfterTheIntroduction) {
  FakePlatform os;
  os.add_text("index.txt", "T\nintro\n");
  Pages pages;
  run_phase(os, pages);
  EXPECT_EQ(pages.input, nullptr);
  EXPECT_EQ(os.ops.front(), "create index.html");
  EXPECT_EQ(os.ops[1], "open index.txt");
  const auto console_input = std::find(os.ops.begin(), os.ops.end(), "console input");
  ASSERT_NE(console_input, os.ops.end());
  EXPECT_EQ(std::find(console_input, os.ops.end(), "read index.txt"), os.ops.end())
      << "nothing read after the console input is back";
}

TEST(IndexHead, FailuresOfReadingAndOfTheConsoleInputAreFatal) {
  struct Case {
    const char* op;
    int number;
  };
  for (const Case& c : {Case{"read index.txt", 30}, Case{"console input", 6}}) {
    FakePlatform os;
    os.add_text("index.txt", "T\nintro\n");
    os.fail_on(c.op, c.number);
    Pages pages;
    pages.F2 = PageStream(os.create_page("index.html", Emptied::kAtOnce));
    try {
      head_and_introduction(os, pages);
      ADD_FAILURE() << c.op << ": no error";
    } catch (const FileError& e) {
      EXPECT_EQ(e.number, c.number) << c.op;
    }
  }
}

}  // namespace
}  // namespace ombrelta
