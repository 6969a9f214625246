#include "platform/text_input.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake/chunked_source.h"
#include "fake/fake_platform.h"
#include "platform/file_error.h"

namespace ombrelta {
namespace {

using testing::chunked_input;
using testing::FakePlatform;

constexpr std::size_t kBlock = 64 * 1024;
// Reads of these sizes put a block boundary at every position of a short text.
constexpr std::size_t kChunks[] = {1, 2, 3, 7, kBlock};

// Every byte the per-byte reading delivers.
std::string read_all(TextInput& in) {
  std::string out;
  while (!in.at_end()) out += static_cast<char>(in.read_char());
  return out;
}

// Every line read_line delivers until the end of the text.
std::vector<std::string> read_lines(TextInput& in) {
  std::vector<std::string> lines;
  NameText line;
  while (!in.at_end()) {
    in.read_line(line);
    lines.push_back(line.str());
  }
  return lines;
}

// Every byte the bulk reading delivers.
std::string peek_all(TextInput& in) {
  std::string out;
  for (std::string_view b = in.peek_block(); !b.empty(); b = in.peek_block()) {
    out += b;
    in.skip(b.size());
  }
  return out;
}

TEST(TextInput, CtrlZEndsTheTextWhereverItStands) {
  struct Case {
    std::string text;
    std::string read;  // what is read before the end
  };
  const std::string big(kBlock, 'b');
  for (const Case& c : {Case{"", ""}, Case{"\x1a", ""},
                        Case{"ab\x1a"
                             "cd",
                             "ab"},
                        Case{"ab\x1a", "ab"},
                        Case{"ab\x1a\x1a"
                             "cd\n",
                             "ab"},
                        Case{big + "\x1a"
                                   "after",
                             big},
                        Case{big.substr(1) + "\x1a"
                                             "x",
                             big.substr(1)},
                        Case{big + "c\x1a", big + "c"}}) {
    for (std::size_t chunk : kChunks) {
      if (chunk < 3 && c.text.size() > 1000) continue;  // one byte per read is slow for big texts
      TextInput per_byte = chunked_input(c.text, chunk);
      EXPECT_EQ(read_all(per_byte), c.read) << "chunk " << chunk;
      TextInput bulk = chunked_input(c.text, chunk);
      EXPECT_EQ(peek_all(bulk), c.read) << "chunk " << chunk;
      EXPECT_TRUE(bulk.at_end());
    }
  }
}

TEST(TextInput, LookAheadSeesPastWhiteSpaceOnlyAndConsumesNothing) {
  struct Case {
    std::string text;
    bool more;
  };
  const std::string blanks(kBlock + 10, ' ');
  for (const Case& c : {Case{"", false}, Case{" \t\r\n", false},
                        Case{" \t\r\n\x1a"
                             "text",
                             false},
                        Case{"\n\nx", true}, Case{"\v", true}, Case{"\f", true},
                        Case{"\x1a", false}, Case{blanks + "x", true}, Case{blanks, false},
                        Case{blanks + "\x1a"
                                      "x",
                             false}}) {
    for (std::size_t chunk : {std::size_t{3}, kBlock}) {
      TextInput in = chunked_input(c.text, chunk);
      EXPECT_EQ(in.more_text(), c.more);
      EXPECT_EQ(in.more_text(), c.more) << "asked twice";
      const std::string before_ctrl_z = c.text.substr(0, c.text.find('\x1a'));
      EXPECT_EQ(read_all(in), before_ctrl_z) << "nothing consumed";
    }
  }
}

TEST(TextInput, LookAheadFromTheMiddleOfTheText) {
  TextInput in = chunked_input("title\n  \n\tintro", 2);
  EXPECT_EQ(in.read_char(), 't');
  for (int i = 0; i < 5; ++i) in.read_char();
  EXPECT_TRUE(in.more_text());
  EXPECT_EQ(read_all(in), "  \n\tintro");
  EXPECT_FALSE(in.more_text());
}

TEST(TextInput, LinesEndAtCrLfOrCrLf) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  for (const Case& c : {Case{"a\rb", {"a", "b"}}, Case{"a\nb\n", {"a", "b"}},
                        Case{"a\r\nb\r\n", {"a", "b"}}, Case{"a\r\rb", {"a", "", "b"}},
                        Case{"a\n\rb", {"a", "", "b"}}, Case{"a\n\nb", {"a", "", "b"}},
                        Case{"a\x1a\nb", {"a"}}, Case{"\r\n", {""}}, Case{"a\r\x1a\n", {"a"}}}) {
    for (std::size_t chunk : kChunks) {
      TextInput in = chunked_input(c.text, chunk);
      EXPECT_EQ(read_lines(in), c.lines) << "chunk " << chunk;
    }
  }
}

TEST(TextInput, LongLinesAreCutAt255AndTheRestPassedOver) {
  const std::string x300(300, 'x');
  for (std::size_t chunk : kChunks) {
    TextInput in = chunked_input(x300 + "\r\n" + x300 +
                                     "\x1a"
                                     "gone",
                                 chunk);
    EXPECT_EQ(read_lines(in), (std::vector<std::string>{x300.substr(0, 255), x300.substr(0, 255)}));
  }
}

TEST(TextInput, LinesAcrossTheBlockBoundary) {
  // The first line fills the first block but for `before` bytes.
  for (std::size_t before : {0, 1, 2, 100, 300}) {
    const std::string first(kBlock - before - 2, 'a');
    const std::string text = first + "\r\n" + std::string(300, 'b') + "\ncrossing\n";
    TextInput in = chunked_input(text, kBlock);
    const std::vector<std::string> lines = read_lines(in);
    ASSERT_EQ(lines.size(), 3u) << before;
    EXPECT_EQ(lines[0], first.substr(0, 255));
    EXPECT_EQ(lines[1], std::string(255, 'b'));
    EXPECT_EQ(lines[2], "crossing");
  }
  // A carriage return closing one block, its line feed opening the next.
  TextInput split = chunked_input(std::string(kBlock - 1, 'a') + "\r\nnext", kBlock);
  EXPECT_EQ(read_lines(split), (std::vector<std::string>{std::string(255, 'a'), "next"}));
}

TEST(TextInput, AFailedReadIsAFatalFileError) {
  FakePlatform os;
  os.add_text("index.txt", "title\nintro\n");
  os.fail_on("read index.txt", 30);
  TextInput in(os.open_text("index.txt"));
  try {
    in.at_end();
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_EQ(e.number, 30);
    EXPECT_EQ(e.subject, "index.txt");
  }
}

}  // namespace
}  // namespace ombrelta
