#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ombrelta {

// A name text: a byte string of at most 255 bytes. A join that would be
// longer is cut at 255 bytes without notice. Texts order byte by byte as
// unsigned values, a shorter prefix first.
class NameText {
 public:
  static constexpr std::size_t kMax = 255;

  NameText() = default;
  NameText(std::string_view text) { assign(text); }  // NOLINT: texts convert freely
  NameText(const char* text) : NameText(std::string_view(text)) {}

  void assign(std::string_view text);
  void clear() { length_ = 0; }
  NameText& operator+=(std::string_view text);
  NameText& operator+=(char c);
  NameText& operator+=(const NameText& other) { return *this += other.view(); }

  std::string_view view() const { return {bytes_.data(), length_}; }
  std::string str() const { return std::string(view()); }
  std::size_t size() const { return length_; }
  bool empty() const { return length_ == 0; }
  bool full() const { return length_ == kMax; }
  unsigned char operator[](std::size_t i) const { return static_cast<unsigned char>(bytes_[i]); }

  bool contains(std::string_view part) const { return view().find(part) != std::string_view::npos; }
  // Deletes `count` bytes from `pos` (clamped to the text).
  void erase(std::size_t pos, std::size_t count);
  // Deletes every byte equal to `c`.
  void erase_all(char c);

  friend bool operator==(const NameText& a, const NameText& b) { return a.view() == b.view(); }
  friend std::strong_ordering operator<=>(const NameText& a, const NameText& b);

 private:
  std::array<char, kMax> bytes_{};
  std::uint8_t length_ = 0;
};

// Joins texts as name texts do: cut at 255 bytes.
NameText join(std::string_view a, std::string_view b);

// Only the letters A to Z become a to z; every other byte stays.
std::string ascii_lower(std::string_view text);

// True when `text` holds a letter A to Z.
bool has_ascii_upper(std::string_view text);

}  // namespace ombrelta
