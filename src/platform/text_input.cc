#include "platform/text_input.h"

#include <algorithm>
#include <cstring>

namespace ombrelta {

namespace {

// Tab, line feed, carriage return or blank, tested without branches.
bool is_white(char c) {
  constexpr std::uint64_t kWhite = (1ull << '\t') | (1ull << '\n') | (1ull << '\r') | (1ull << ' ');
  const unsigned char b = static_cast<unsigned char>(c);
  return b < 64 && ((kWhite >> b) & 1) != 0;
}

bool is_line_stop(char c) { return c == '\n' || c == '\r' || c == TextInput::kCtrlZ; }

}  // namespace

TextInput::TextInput(std::unique_ptr<ByteSource> source)
    : source_(std::move(source)), buffer_(new char[kBlock]) {}

bool TextInput::load(std::uint64_t offset) {
  if (offset >= buffer_start_ && offset < buffer_start_ + buffer_length_) return true;
  if (end_known_ && offset >= end_) return false;
  // Empty first: a failed read (a fatal error) leaves no stale block behind.
  buffer_length_ = 0;
  buffer_start_ = offset;
  buffer_length_ = source_->read_at(offset, buffer_.get(), kBlock);
  if (buffer_length_ == 0) {
    end_known_ = true;
    end_ = offset;
    return false;
  }
  return true;
}

int TextInput::byte_at(std::uint64_t offset) {
  if (!load(offset)) return -1;
  return static_cast<unsigned char>(buffer_[offset - buffer_start_]);
}

bool TextInput::at_end() {
  const int b = byte_at(pos_);
  return b < 0 || b == kCtrlZ;
}

unsigned char TextInput::read_char() { return static_cast<unsigned char>(byte_at(pos_++)); }

bool TextInput::more_text() {
  if (ahead_valid_ && pos_ >= ahead_from_ && pos_ <= ahead_stop_) return ahead_result_;
  // Passes over white space block by block; a Ctrl-Z is not white and stops it.
  std::uint64_t offset = pos_;
  bool more = false;
  while (load(offset)) {
    const char* start = buffer_.get() + (offset - buffer_start_);
    const char* block_end = buffer_.get() + buffer_length_;
    const char* stop = start;
    while (stop != block_end && is_white(*stop)) ++stop;
    offset += static_cast<std::uint64_t>(stop - start);
    if (stop != block_end) {
      more = *stop != kCtrlZ;
      break;
    }
  }
  ahead_valid_ = true;
  ahead_from_ = pos_;
  ahead_stop_ = offset;
  ahead_result_ = more;
  return more;
}

void TextInput::read_line(NameText& line) {
  line.clear();
  while (load(pos_)) {
    const char* start = buffer_.get() + (pos_ - buffer_start_);
    const char* block_end = buffer_.get() + buffer_length_;
    // A lambda, not the function itself, so that the byte test is inlined.
    const char* stop = std::find_if(start, block_end, [](char c) { return is_line_stop(c); });
    const std::size_t length = static_cast<std::size_t>(stop - start);
    if (!line.full()) line += std::string_view(start, std::min(length, NameText::kMax - line.size()));
    pos_ += length;
    if (stop == block_end) continue;  // the line goes on in the next block
    if (*stop == kCtrlZ) return;
    ++pos_;
    if (*stop == '\r' && byte_at(pos_) == '\n') ++pos_;
    return;
  }
}

std::string_view TextInput::peek_block() {
  if (!load(pos_)) return {};
  const char* start = buffer_.get() + (pos_ - buffer_start_);
  const char* block_end = buffer_.get() + buffer_length_;
  const std::size_t length = static_cast<std::size_t>(block_end - start);
  const void* ctrl_z = std::memchr(start, kCtrlZ, length);
  return {start,
          ctrl_z ? static_cast<std::size_t>(static_cast<const char*>(ctrl_z) - start) : length};
}

}  // namespace ombrelta
