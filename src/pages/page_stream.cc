#include "pages/page_stream.h"

#include <algorithm>
#include <cstring>

namespace ombrelta {

PageStream::PageStream(std::unique_ptr<PageSink> sink)
    : sink_(std::move(sink)), buffer_(new char[kBuffer]) {}

void PageStream::write_through(std::string_view text) {
  while (!text.empty()) {
    if (length_ == kBuffer) flush();
    const std::size_t n = std::min(text.size(), kBuffer - length_);
    std::memcpy(buffer_.get() + length_, text.data(), n);
    length_ += n;
    text.remove_prefix(n);
  }
}

void PageStream::name(std::string_view path) {
  for (char c : path) {
    switch (c) {
      case '"': write("&quot;"); break;
      case '<': write("&lt;"); break;
      case '>': write("&gt;"); break;
      default: put(c);
    }
  }
}

void PageStream::flush() {
  if (length_ == 0) return;
  sink_->write(std::string_view(buffer_.get(), length_));
  length_ = 0;
}

void PageStream::close() {
  flush();
  auto sink = std::move(sink_);
  sink->close();
}

}  // namespace ombrelta
