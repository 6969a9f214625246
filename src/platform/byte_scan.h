#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ombrelta {

// The first place in [p, end) where all of `text` stands, or `end`. Eight
// bytes are tested at a time, by the first and last byte of `text`, so that
// long stretches without it are passed over at memory speed.
const char* find_text(const char* p, const char* end, std::string_view text);

// The bytes of [p, p + n) that are `a`, `b` or `c` or above 127: their
// offsets go to `stops` in order, and their number is returned. `n` is at
// most kStopsChunk; the other bytes are passed over sixteen or eight at a time.
inline constexpr std::size_t kStopsChunk = 4096;
std::size_t list_stops(const char* p, std::size_t n, char a, char b, char c, std::uint16_t* stops);

}  // namespace ombrelta
