#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A property that must hold for every input: when it does not, the fuzzer
// stops with a crash report and keeps the input.
#define FUZZ_CHECK(condition, what)                                                             \
  do {                                                                                          \
    if (!(condition)) {                                                                         \
      std::fprintf(stderr, "property failed: %s: %s\n", #condition, std::string(what).c_str()); \
      std::abort();                                                                             \
    }                                                                                           \
  } while (false)

// Takes bytes off the front of the fuzzer's input.
class FuzzBytes {
 public:
  FuzzBytes(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return size_ == 0; }
  unsigned char byte() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
  }
  // Up to `n` bytes.
  std::string bytes(std::size_t n) {
    if (n > size_) n = size_;
    std::string out(reinterpret_cast<const char*>(data_), n);
    data_ += n;
    size_ -= n;
    return out;
  }
  std::string rest() { return bytes(size_); }

 private:
  const unsigned char* data_;
  std::size_t size_;
};
