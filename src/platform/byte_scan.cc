#include "platform/byte_scan.h"

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define OMBRELTA_SSE2 1
#endif

namespace ombrelta {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101u;
constexpr std::uint64_t kHigh = 0x8080808080808080u;

// The high bit of each byte of `word` that may equal `b`: every byte equal
// to it is marked (others only after a marked one), so each mark is checked.
std::uint64_t marks(std::uint64_t word, unsigned char b) {
  const std::uint64_t x = word ^ (kOnes * b);
  return (x - kOnes) & ~x & kHigh;
}

std::uint64_t load(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

bool is_stop(char x, char a, char b, char c) {
  return x == a || x == b || x == c || static_cast<unsigned char>(x) > 127;
}

}  // namespace

std::size_t list_stops(const char* p, std::size_t n, char a, char b, char c, std::uint16_t* stops) {
  std::size_t count = 0, i = 0;
#ifdef OMBRELTA_SSE2
  const __m128i as = _mm_set1_epi8(a), bs = _mm_set1_epi8(b), cs = _mm_set1_epi8(c);
  // The high bit of each of the sixteen bytes at `q`: set for the equal ones
  // and for those above 127.
  const auto marks16 = [&](const char* q) -> std::uint64_t {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
    const __m128i equal =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, as), _mm_cmpeq_epi8(bytes, bs)),
                     _mm_cmpeq_epi8(bytes, cs));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(equal, bytes)));
  };
  for (; n - i >= 64; i += 64) {
    std::uint64_t found = marks16(p + i) | marks16(p + i + 16) << 16 | marks16(p + i + 32) << 32 |
                          marks16(p + i + 48) << 48;
    for (; found != 0; found &= found - 1) {
      stops[count++] =
          static_cast<std::uint16_t>(i + static_cast<std::size_t>(std::countr_zero(found)));
    }
  }
#else
  for (; n - i >= 8; i += 8) {  // words with no stop in them are passed over whole
    const std::uint64_t word = load(p + i);
    if ((word & kHigh) == 0 && marks(word, static_cast<unsigned char>(a)) == 0 &&
        marks(word, static_cast<unsigned char>(b)) == 0 &&
        marks(word, static_cast<unsigned char>(c)) == 0) {
      continue;
    }
    for (std::size_t k = i; k < i + 8; ++k) {
      if (is_stop(p[k], a, b, c)) stops[count++] = static_cast<std::uint16_t>(k);
    }
  }
#endif
  for (; i < n; ++i) {
    if (is_stop(p[i], a, b, c)) stops[count++] = static_cast<std::uint16_t>(i);
  }
  return count;
}

const char* find_text(const char* p, const char* end, std::string_view text) {
  const std::size_t m = text.size();
  if (m == 0) return p;
  if (static_cast<std::size_t>(end - p) < m) return end;
  const char* const last = end - m;  // the last place where `text` fits
  const auto first_byte = static_cast<unsigned char>(text.front());
  const auto last_byte = static_cast<unsigned char>(text.back());
#ifdef OMBRELTA_SSE2
  // Sixteen places at once, as below with eight.
  const __m128i firsts = _mm_set1_epi8(static_cast<char>(first_byte));
  const __m128i lasts = _mm_set1_epi8(static_cast<char>(last_byte));
  while (last - p >= 16) {
    const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i tails = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + m - 1));
    auto candidates = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_and_si128(_mm_cmpeq_epi8(heads, firsts), _mm_cmpeq_epi8(tails, lasts))));
    while (candidates != 0) {
      const char* place = p + std::countr_zero(candidates);
      if (std::memcmp(place, text.data(), m) == 0) return place;
      candidates &= candidates - 1;
    }
    p += 16;
  }
#endif
  if constexpr (std::endian::native == std::endian::little) {
    // Eight places at once: p + k for k = 0..7, whose text would end in
    // [p + m - 1, p + m + 7) and so within [p, end).
    while (last - p >= 8) {
      std::uint64_t candidates = marks(load(p), first_byte) & marks(load(p + m - 1), last_byte);
      while (candidates != 0) {
        const char* place = p + std::countr_zero(candidates) / 8;
        if (std::memcmp(place, text.data(), m) == 0) return place;
        candidates &= candidates - 1;
      }
      p += 8;
    }
  }
  for (; p <= last; ++p) {
    if (static_cast<unsigned char>(*p) == first_byte && std::memcmp(p, text.data(), m) == 0)
      return p;
  }
  return end;
}

}  // namespace ombrelta
