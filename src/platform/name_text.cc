#include "platform/name_text.h"

#include <algorithm>
#include <cstring>

namespace ombrelta {

void NameText::assign(std::string_view text) {
  length_ = 0;
  *this += text;
}

NameText& NameText::operator+=(std::string_view text) {
  const std::size_t n = std::min(text.size(), kMax - length_);
  std::memcpy(bytes_.data() + length_, text.data(), n);
  length_ = static_cast<std::uint8_t>(length_ + n);
  return *this;
}

NameText& NameText::operator+=(char c) {
  if (length_ < kMax) bytes_[length_++] = c;
  return *this;
}

void NameText::erase(std::size_t pos, std::size_t count) {
  if (pos >= length_) return;
  count = std::min(count, length_ - pos);
  std::memmove(bytes_.data() + pos, bytes_.data() + pos + count, length_ - pos - count);
  length_ = static_cast<std::uint8_t>(length_ - count);
}

void NameText::erase_all(char c) {
  auto end = std::remove(bytes_.begin(), bytes_.begin() + length_, c);
  length_ = static_cast<std::uint8_t>(end - bytes_.begin());
}

std::strong_ordering operator<=>(const NameText& a, const NameText& b) {
  const std::size_t n = std::min(a.size(), b.size());
  // memcmp compares as unsigned char: capitals before small letters,
  // every byte above 127 after every ASCII byte.
  const int c = std::memcmp(a.bytes_.data(), b.bytes_.data(), n);
  if (c != 0) return c < 0 ? std::strong_ordering::less : std::strong_ordering::greater;
  return a.size() <=> b.size();
}

NameText join(std::string_view a, std::string_view b) {
  NameText t(a);
  t += b;
  return t;
}

std::string ascii_lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

bool has_ascii_upper(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

}  // namespace ombrelta
