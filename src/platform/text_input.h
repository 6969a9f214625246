#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/name_text.h"
#include "platform/platform.h"

namespace ombrelta {

// The reading rules for texts ("index.txt", listed documents), applied on a
// buffered byte source: bytes exactly as stored, and a Ctrl-Z (code 26) ends
// the text wherever it stands. Memory stays constant whatever the file size.
class TextInput {
 public:
  static constexpr char kCtrlZ = 26;

  explicit TextInput(std::unique_ptr<ByteSource> source);

  // True when no byte is left or the next byte is a Ctrl-Z.
  bool at_end();
  // Reads one byte; call only when not at_end().
  unsigned char read_char();
  // The look-ahead: true when a byte other than tab, line feed, carriage
  // return and blank comes before the end. Consumes nothing.
  bool more_text();
  // Reads a line: `line` becomes its first 255 bytes, up to and not including
  // its carriage return, line feed or Ctrl-Z; the rest of the line and its
  // break (CR, LF or CR LF) are passed over. Never passes a Ctrl-Z.
  void read_line(NameText& line);

  // The loop `while (more_text() && !line.contains(marker)) read_line(line);`
  // with the same outcome (the line last read, the reading position), but
  // lines that cannot be the last one read are passed over block by block.
  void read_lines_until(NameText& line, std::string_view marker);

  // Bulk access for fast writers: the bytes from the reading position to the
  // end of the buffered block, stopping before a Ctrl-Z; empty at the end.
  std::string_view peek_block();
  void skip(std::size_t n) { pos_ += n; }

 private:
  static constexpr std::size_t kBlock = 64 * 1024;

  // The byte at `offset`, or -1 past the last one.
  int byte_at(std::uint64_t offset);
  // Makes the buffer hold `offset`; false past the last byte.
  bool load(std::uint64_t offset);
  // Makes the buffer start at `offset`; false past the last byte.
  bool load_from(std::uint64_t offset);
  // One bulk step of read_lines_until over the whole lines in the block at
  // the reading position; false when the block holds no whole line.
  bool pass_lines_in_block(NameText& line, std::string_view marker);

  std::unique_ptr<ByteSource> source_;
  std::unique_ptr<char[]> buffer_;
  std::uint64_t buffer_start_ = 0;
  std::size_t buffer_length_ = 0;
  std::uint64_t pos_ = 0;
  bool end_known_ = false;
  std::uint64_t end_ = 0;

  // The last look-ahead: from `ahead_from_` every byte before `ahead_stop_` is
  // white space, so any position in between gets the same answer.
  bool ahead_valid_ = false;
  std::uint64_t ahead_from_ = 0, ahead_stop_ = 0;
  bool ahead_result_ = false;
};

}  // namespace ombrelta
