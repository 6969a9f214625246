#include "pages/index_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "pages/entity_table.h"
#include "pages/filter.h"

namespace ombrelta {

namespace {

// The bytes of the introduction that are not copied as they stand: the line
// ends and every byte of the entity table.
constexpr std::array<bool, 256> make_special() {
  std::array<bool, 256> special{};
  for (std::size_t b = 0; b < special.size(); ++b) special[b] = !kEntities[b].empty();
  special['\n'] = special['\r'] = true;
  return special;
}

constexpr std::array<bool, 256> kSpecial = make_special();

bool is_special(char c) { return kSpecial[static_cast<unsigned char>(c)]; }

// True when the eight bytes at `p` are ASCII and none is a line feed, a
// carriage return or an ampersand: every other special byte is above 127.
bool plain_ascii_word(const char* p) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kHigh = 0x8080808080808080u;
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  if ((word & kHigh) != 0) return false;
  // A byte of `x` is zero where `word` holds `b`. With no high bit set in
  // `x`, the test below is non-zero exactly when some byte of `x` is zero
  // (a borrow starts only at a zero byte).
  const auto holds = [word](unsigned char b) {
    const std::uint64_t x = word ^ (kOnes * b);
    return ((x - kOnes) & ~x & kHigh) != 0;
  };
  return !holds('\n') && !holds('\r') && !holds('&');
}

// The first special byte from `p` on, or `end`; plain ASCII text is passed
// over eight bytes at a time.
const char* find_special(const char* p, const char* end) {
  for (;;) {
    while (end - p >= 8 && plain_ascii_word(p)) p += 8;
    if (p == end || is_special(*p)) return p;
    ++p;
  }
}

// Appends the bytes of one piece of the title line, without its carriage
// returns, as far as TITLE has room.
void append_title_part(NameText& TITLE, std::string_view part) {
  while (!part.empty() && !TITLE.full()) {
    const std::size_t cr = std::min(part.find('\r'), part.size());
    TITLE += part.substr(0, cr);
    part.remove_prefix(std::min(cr + 1, part.size()));
  }
}

// One byte that needs more than a copy.
void write_special(PageStream& F2, char c) {
  if (c == '\n') {
    F2.write("<br>");
    F2.crlf();
  } else if (c != '\r') {
    FILTER(F2, c);
  }
}

// A block of the introduction: runs of plain bytes are copied whole.
void write_introduction_block(PageStream& F2, std::string_view block) {
  const char* p = block.data();
  const char* const end = p + block.size();
  while (p != end) {
    const char* run_end = find_special(p, end);
    F2.write(std::string_view(p, static_cast<std::size_t>(run_end - p)));
    if (run_end == end) break;
    write_special(F2, *run_end);
    p = run_end + 1;
  }
}

}  // namespace

void read_title(TextInput& input, NameText& TITLE) {
  TITLE.clear();
  for (std::string_view block = input.peek_block(); !block.empty(); block = input.peek_block()) {
    const void* lf = std::memchr(block.data(), '\n', block.size());
    const std::size_t length =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - block.data()) : block.size();
    append_title_part(TITLE, block.substr(0, length));
    if (lf) {
      input.skip(length + 1);
      return;
    }
    input.skip(length);
  }
}

void write_introduction(PageStream& F2, TextInput& input) {
  if (!input.more_text()) return;
  for (std::string_view block = input.peek_block(); !block.empty(); block = input.peek_block()) {
    write_introduction_block(F2, block);
    input.skip(block.size());
  }
  F2.write("<p>");
  F2.crlf();
}

}  // namespace ombrelta
