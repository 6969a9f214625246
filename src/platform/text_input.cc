#include "platform/text_input.h"

#include <algorithm>
#include <cstring>

#include "platform/byte_scan.h"

namespace ombrelta {

namespace {

// Tab, line feed, carriage return or blank, tested without branches.
bool is_white(char c) {
  constexpr std::uint64_t kWhite = (1ull << '\t') | (1ull << '\n') | (1ull << '\r') | (1ull << ' ');
  const unsigned char b = static_cast<unsigned char>(c);
  return b < 64 && ((kWhite >> b) & 1) != 0;
}

bool is_line_stop(char c) { return c == '\n' || c == '\r' || c == TextInput::kCtrlZ; }

bool is_line_break(char c) { return c == '\n' || c == '\r'; }

// The start of the line that holds `p`, looking back no further than `from`
// (a line start itself).
const char* line_start(const char* from, const char* p) {
  while (p != from && !is_line_break(p[-1])) --p;
  return p;
}

// The first place in [from, end) where `marker` stands wholly within the
// first 255 bytes of its line, or `end`. `from` is a line start, and no line
// runs past `end`.
const char* find_in_line_heads(const char* from, const char* end, std::string_view marker) {
  if (marker.size() > NameText::kMax) return end;
  for (const char* hit = find_text(from, end, marker); hit != end;
       hit = find_text(hit + 1, end, marker)) {
    // Only the 255 bytes before the marker's end can hold its line's start.
    const char* earliest =
        hit + marker.size() - std::min<std::size_t>(NameText::kMax, hit + marker.size() - from);
    const char* start = line_start(earliest, hit);
    if (start != earliest || earliest == from || is_line_break(earliest[-1])) return hit;
  }
  return end;
}

}  // namespace

TextInput::TextInput(std::unique_ptr<ByteSource> source)
    : source_(std::move(source)), buffer_(new char[kBlock]) {}

bool TextInput::load(std::uint64_t offset) {
  if (offset >= buffer_start_ && offset < buffer_start_ + buffer_length_) return true;
  return load_from(offset);
}

bool TextInput::load_from(std::uint64_t offset) {
  if (buffer_length_ != 0 && offset == buffer_start_) return true;
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
    if (!line.full())
      line += std::string_view(start, std::min(length, NameText::kMax - line.size()));
    pos_ += length;
    if (stop == block_end) continue;  // the line goes on in the next block
    if (*stop == kCtrlZ) return;
    ++pos_;
    if (*stop == '\r' && byte_at(pos_) == '\n') ++pos_;
    return;
  }
}

void TextInput::read_lines_until(NameText& line, std::string_view marker) {
  // A marker holding a line end or a Ctrl-Z is never within one line: the
  // bulk search does not look for one.
  const bool bulk = marker.find_first_of("\n\r\x1a") == std::string_view::npos;
  while (more_text() && !line.contains(marker)) {
    if (!bulk || !pass_lines_in_block(line, marker)) read_line(line);
  }
}

bool TextInput::pass_lines_in_block(NameText& line, std::string_view marker) {
  if (!load_from(pos_)) return false;
  const char* const from = buffer_.get();
  const char* const block_end = from + buffer_length_;
  // The whole lines: up to a Ctrl-Z, where the text ends, or else up to the
  // last line break of the block.
  const char* end = static_cast<const char*>(std::memchr(from, kCtrlZ, buffer_length_));
  if (end == nullptr) {
    end = block_end;
    while (end != from && !is_line_break(end[-1])) --end;
  }
  if (end == from) return false;
  // The first line that holds the marker is the last one read.
  if (const char* hit = find_in_line_heads(from, end, marker); hit != end) {
    pos_ = buffer_start_ + static_cast<std::uint64_t>(line_start(from, hit) - from);
    read_line(line);
    return true;
  }
  // Otherwise every line up to the last one with text in the block is read,
  // and only that one counts. A block of white space alone is passed over:
  // the look-ahead saw text after it, so a later line will be read.
  const char* text = end;
  while (text != from && is_white(text[-1])) --text;
  if (text == from) {
    pos_ = buffer_start_ + static_cast<std::uint64_t>(end - from);
    return true;
  }
  pos_ = buffer_start_ + static_cast<std::uint64_t>(line_start(from, text - 1) - from);
  read_line(line);
  return true;
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
