// The bulk searches against the simple rules they stand in for: find_text
// against a plain search, read_lines_until against its loop of look-ahead
// and read_line, on random texts and every block boundary.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "fake/chunked_source.h"
#include "platform/byte_scan.h"
#include "platform/text_input.h"

namespace ombrelta {
namespace {

using testing::chunked_input;

constexpr std::size_t kBlock = 64 * 1024;

// A text of pieces that make every case likely: markers whole and broken,
// line ends of every kind, white space, Ctrl-Z, and runs that put a marker
// just inside or just past the first 255 bytes of a line.
std::string random_text(std::mt19937& random, int pieces) {
  static const std::vector<std::string> kPieces = {"<title>",
                                                   "<title",
                                                   "title>",
                                                   "name",
                                                   "nam",
                                                   "=",
                                                   "<",
                                                   ">",
                                                   "x",
                                                   "ab",
                                                   "\r",
                                                   "\n",
                                                   "\r\n",
                                                   " ",
                                                   "\t",
                                                   " \t ",
                                                   "\x1a",
                                                   "\xe6",
                                                   std::string(248, 'y'),
                                                   std::string(252, 'z')};
  std::string text;
  for (int i = 0; i < pieces; ++i) {
    const std::string& piece = kPieces[random() % kPieces.size()];
    // Ctrl-Z ends the text: keep it rare so that most texts run long.
    if (piece == "\x1a" && random() % 8 != 0) continue;
    text += piece;
  }
  return text;
}

std::string rest(TextInput& in) {
  std::string out;
  while (!in.at_end()) out += static_cast<char>(in.read_char());
  return out;
}

// Both ways from the same start: `skip` bytes read first, `line` as given.
void expect_same(const std::string& text, std::size_t chunk, std::size_t skip, const NameText& line,
                 std::string_view marker) {
  TextInput simple = chunked_input(text, chunk);
  TextInput bulk = chunked_input(text, chunk);
  for (std::size_t i = 0; i < skip && !simple.at_end(); ++i) {
    simple.read_char();
    bulk.read_char();
  }
  NameText want = line, got = line;
  while (simple.more_text() && !want.contains(marker)) simple.read_line(want);
  bulk.read_lines_until(got, marker);
  ASSERT_EQ(got.str(), want.str()) << "chunk " << chunk << " skip " << skip << " marker " << marker;
  ASSERT_EQ(rest(bulk), rest(simple)) << "chunk " << chunk << " skip " << skip;
}

TEST(FindText, AgreesWithAPlainSearch) {
  std::mt19937 random(3);
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 80);
    for (int i = 0; i < length; ++i) text += "ab<>\x01\x80"[random() % 6];
    std::string marker;
    const int m = 1 + static_cast<int>(random() % 5);
    for (int i = 0; i < m; ++i) marker += "ab<>\x01\x80"[random() % 6];
    for (std::size_t from = 0; from <= text.size(); ++from) {
      const std::size_t want = std::string_view(text).find(marker, from);
      const char* end = text.data() + text.size();
      const char* got = find_text(text.data() + from, end, marker);
      ASSERT_EQ(got == end ? std::string_view::npos : static_cast<std::size_t>(got - text.data()),
                want)
          << text << " / " << marker << " from " << from;
    }
  }
}

TEST(ListStops, AgreesWithAByteLoop) {
  std::mt19937 random(4);
  std::array<std::uint16_t, kStopsChunk> stops;
  for (int round = 0; round < 300; ++round) {
    std::string text(random() % (round < 250 ? 70 : kStopsChunk + 1), 'a');
    // Some stops, or none, anywhere.
    for (int i = static_cast<int>(random() % 5); i > 0 && !text.empty(); --i) {
      text[random() % text.size()] = "\n\r&\x80\xff\x7f"[random() % 6];
    }
    if (round % 10 == 0) text.assign(text.size(), '&');
    for (std::size_t from = 0; from <= std::min<std::size_t>(text.size(), 70); ++from) {
      std::vector<std::uint16_t> want;
      for (std::size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n' || c == '\r' || c == '&' || static_cast<unsigned char>(c) > 127) {
          want.push_back(static_cast<std::uint16_t>(i - from));
        }
      }
      const std::size_t count =
          list_stops(text.data() + from, text.size() - from, '\n', '\r', '&', stops.data());
      ASSERT_EQ(std::vector<std::uint16_t>(stops.begin(), stops.begin() + count), want)
          << round << " from " << from;
    }
  }
}

TEST(ReadLinesUntil, AgreesWithTheLoopOfLookAheadAndReadLine) {
  std::mt19937 random(5);
  for (int round = 0; round < 400; ++round) {
    const std::string text = random_text(random, 1 + static_cast<int>(random() % 40));
    const std::size_t skip = random() % 4 == 0 ? random() % (text.size() + 1) : 0;
    for (std::string_view marker : {"<title>", "name"}) {
      for (const NameText& line : {NameText(), NameText("earlier"), NameText("has name")}) {
        for (std::size_t chunk : {1, 2, 3, 7, 64}) expect_same(text, chunk, skip, line, marker);
      }
    }
  }
}

TEST(ReadLinesUntil, AgreesAcrossBlocksOfALargeText) {
  std::mt19937 random(9);
  for (int round = 0; round < 40; ++round) {
    // About three blocks of lines, the marker (if any) somewhere near a
    // block boundary, and some white space or a Ctrl-Z at the end.
    std::string text;
    while (text.size() < 3 * kBlock) text += random_text(random, 20) + "\r\n";
    if (round % 3 != 0) {
      const std::size_t at = kBlock * (1 + random() % 2) - 300 + random() % 600;
      text.insert(at, round % 2 ? "<title>found</title>" : "\nname = 'x';");
    }
    if (round % 4 == 0) text += " \r\n\t\n";
    if (round % 5 == 0) text += "\x1a<title>after the end";
    for (std::string_view marker : {"<title>", "name"}) {
      for (std::size_t chunk : {kBlock, kBlock - 1, std::size_t{4093}}) {
        expect_same(text, chunk, 0, NameText(), marker);
      }
    }
  }
}

TEST(ReadLinesUntil, AMarkerCountsOnlyWithinTheFirst255BytesOfItsLine) {
  for (std::string_view marker : {"<title>", "name"}) {
    for (std::size_t before = 245; before <= 252; ++before) {
      const std::string line = std::string(before, 'x') + std::string(marker) + "\r\n";
      for (const std::string& text :
           {line + "last\n", "first\n" + line + "last\n", "first\r" + line + line + "\t\n"}) {
        for (std::size_t chunk : {std::size_t{1}, std::size_t{100}, kBlock}) {
          expect_same(text, chunk, 0, NameText(), marker);
        }
      }
    }
  }
}

TEST(ReadLinesUntil, ALineLongerThanABlock) {
  const std::string long_line(3 * kBlock, 'x');
  for (const std::string& text :
       {long_line + "\n<title>t\n", long_line + "<title>\nlast", "a\n" + long_line + "\n \n"}) {
    for (std::size_t chunk : {kBlock, std::size_t{1000}}) {
      expect_same(text, chunk, 0, NameText(), "<title>");
    }
  }
}

}  // namespace
}  // namespace ombrelta
