#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>

#include "platform/platform.h"

namespace ombrelta {

// A page being written: a buffer in front of the platform's page sink. Every
// block handed on is checked by the sink; a failure is a fatal file error.
// Dropping an open stream writes nothing more, so a run that failed leaves
// no later bytes behind.
class PageStream {
 public:
  PageStream() = default;
  explicit PageStream(std::unique_ptr<PageSink> sink);

  bool is_open() const { return sink_ != nullptr; }

  void put(char c) {
    if (length_ == kBuffer) flush();
    buffer_[length_++] = c;
  }
  // Inline for the common case of a text that fits the buffer: page writers
  // hand over many short texts.
  void write(std::string_view text) {
    if (text.size() <= kBuffer - length_) {
      std::copy_n(text.data(), text.size(), buffer_.get() + length_);
      length_ += text.size();
    } else {
      write_through(text);
    }
  }
  // A page line break: carriage return, line feed.
  void crlf() { write("\r\n"); }
  // A file name or relative path: byte for byte, but for the three bytes that
  // cannot stand in a Windows name and would end an attribute or open a tag.
  void name(std::string_view path);

  // Hands on what is buffered and closes the page.
  void close();

 private:
  static constexpr std::size_t kBuffer = 64 * 1024;
  void flush();
  // A text longer than the room left in the buffer.
  void write_through(std::string_view text);

  std::unique_ptr<PageSink> sink_;
  std::unique_ptr<char[]> buffer_;
  std::size_t length_ = 0;
};

}  // namespace ombrelta
