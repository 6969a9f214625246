#include "pages/index_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "pages/entity_table.h"
#include "pages/filter.h"
#include "platform/byte_scan.h"

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

constexpr bool only_line_ends_and_ampersand_below_128() {
  for (std::size_t b = 0; b < 128; ++b) {
    if (kSpecial[b] && b != '\n' && b != '\r' && b != '&') return false;
  }
  return true;
}
// Every special byte but the line ends and the ampersand is above 127, so a
// search for those three and the bytes above 127 finds them all.
static_assert(only_line_ends_and_ampersand_below_128());

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
    F2.write("<br>\r\n");
  } else if (c != '\r') {
    F2.write(kEntities[static_cast<unsigned char>(c)]);  // as FILTER writes it
  }
}

// A block of the introduction: runs of plain bytes are copied whole.
void write_introduction_block(PageStream& F2, std::string_view block) {
  std::array<std::uint16_t, kStopsChunk> stops;
  while (!block.empty()) {
    const std::string_view chunk = block.substr(0, kStopsChunk);
    const std::size_t count = list_stops(chunk.data(), chunk.size(), '\n', '\r', '&', stops.data());
    std::size_t run = 0;  // where the plain bytes not yet written start
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = stops[i];
      if (!is_special(chunk[at])) continue;  // a byte above 127 that is written as it is
      F2.write(chunk.substr(run, at - run));
      write_special(F2, chunk[at]);
      run = at + 1;
    }
    F2.write(chunk.substr(run));
    block.remove_prefix(chunk.size());
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
