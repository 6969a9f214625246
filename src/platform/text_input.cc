#include "platform/text_input.h"

#include <algorithm>

namespace ombrelta {

namespace {

bool is_white(int b) { return b == '\t' || b == '\n' || b == '\r' || b == ' '; }

bool is_line_stop(char c) { return c == '\n' || c == '\r' || c == TextInput::kCtrlZ; }

}  // namespace

TextInput::TextInput(std::unique_ptr<ByteSource> source)
    : source_(std::move(source)), buffer_(new char[kBlock]) {}

bool TextInput::load(std::uint64_t offset) {
  if (offset >= buffer_start_ && offset < buffer_start_ + buffer_length_) return true;
  if (end_known_ && offset >= end_) return false;
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
  std::uint64_t offset = pos_;
  int b = byte_at(offset);
  while (b >= 0 && b != kCtrlZ && is_white(b)) b = byte_at(++offset);
  ahead_valid_ = true;
  ahead_from_ = pos_;
  ahead_stop_ = offset;
  ahead_result_ = b >= 0 && b != kCtrlZ;
  return ahead_result_;
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
  const char* stop = std::find(start, block_end, kCtrlZ);
  return {start, static_cast<std::size_t>(stop - start)};
}

}  // namespace ombrelta
