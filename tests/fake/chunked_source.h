#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/text_input.h"

namespace ombrelta::testing {

// A text in memory that hands out at most `chunk` bytes per read, so that a
// short text meets every block boundary a large file would meet.
class ChunkedSource final : public ByteSource {
 public:
  ChunkedSource(std::string content, std::size_t chunk)
      : content_(std::move(content)), chunk_(chunk) {}

  std::size_t read_at(std::uint64_t offset, char* buffer, std::size_t n) override {
    if (offset >= content_.size()) return 0;
    const std::size_t got = std::min({n, chunk_, content_.size() - offset});
    std::copy_n(content_.data() + offset, got, buffer);
    return got;
  }

 private:
  std::string content_;
  std::size_t chunk_;
};

inline TextInput chunked_input(std::string content, std::size_t chunk) {
  return TextInput(std::make_unique<ChunkedSource>(std::move(content), chunk));
}

}  // namespace ombrelta::testing
