#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/name_text.h"

namespace ombrelta {

// Attribute bits of a listing entry, as Windows reports them.
namespace attr {
inline constexpr std::uint32_t kReadOnly = 0x01;
inline constexpr std::uint32_t kHidden = 0x02;
inline constexpr std::uint32_t kSystem = 0x04;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kReparsePoint = 0x400;
}  // namespace attr

// Local time of an entry's last write; seconds in steps of two. An empty
// entry reads 1980-00-00 00:00:00.
struct FileTime {
  std::uint16_t year = 1980, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  friend bool operator==(const FileTime&, const FileTime&) = default;
};

// Local date and time of the run.
struct LocalTime {
  std::uint16_t year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

// One entry of a folder listing (the listing record).
struct Entry {
  NameText name;             // as stored, letter case included, no folder part
  std::uint32_t attr = 0;    // attribute word
  std::int32_t size = 0;     // low 32 bits of the size, signed; 0 for folders
  std::uint64_t true_size = 0;
  FileTime time;
};

// Raw bytes of a text opened for reading; the text rules sit on top (TextInput).
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Reads up to `n` bytes at `offset`; 0 at the end. A failure throws FileError.
  virtual std::size_t read_at(std::uint64_t offset, char* buffer, std::size_t n) = 0;
};

// A created page receiving blocks of bytes; every failure throws FileError.
class PageSink {
 public:
  virtual ~PageSink() = default;
  virtual void write(std::string_view block) = 0;
  virtual void close() = 0;
};

// When an older file of a page's name loses its bytes. A page that stays open
// while the run reads other files is emptied at once, as a created file is, so
// that no other name leading to it (a link named index.txt, a linked document)
// shows the old page. A page written in one go, with nothing read meanwhile,
// may lose them when it is closed instead, which is cheaper on some systems.
enum class Emptied { kAtOnce, kAtClose };

// Everything the program asks of the operating system. Abstract so that tests
// can put an in-memory folder tree in its place.
//
// Paths are relative to the working folder and use "/" after a folder name:
// "" or "sub/" or "../" for folders, "a.jpg" or "sub/a.jpg" for entries.
class Platform {
 public:
  virtual ~Platform() = default;

  // Names of every entry of `folder` in listing order ("." and ".." included
  // where the system lists them). A folder that cannot be listed gives none.
  virtual std::vector<NameText> list(std::string_view folder) = 0;
  // The details of an entry that a listing of `folder` delivered; nothing
  // when it has gone meanwhile.
  virtual std::optional<Entry> describe(std::string_view folder, const NameText& name) = 0;
  // Exact-path lookup: the entry whose name equals the last part of `path`
  // ignoring ASCII letter case. No pattern characters: "*" and "?" are bytes.
  virtual std::optional<Entry> lookup(std::string_view path) = 0;
  // Gives the file `from` the name `to` in the same folder. Never replaces a
  // file: fails with error 5 when `to` is taken, ignoring letter case.
  virtual void rename(std::string_view from, std::string_view to) = 0;

  // Makes `path` the working folder; a failure throws FileError.
  virtual void change_dir(std::string_view path) = 0;
  // The working folder's full path as the system reports it.
  virtual std::string full_path() = 0;
  // True when the working folder is the root of its file system (a drive
  // root such as C:\ on Windows, "/" on Linux): it has no parent to search.
  virtual bool at_root() = 0;

  // Opens a text for reading, or nothing when it cannot be opened (missing,
  // refused, a folder, not a regular file). Never blocks.
  virtual std::unique_ptr<ByteSource> open_text(std::string_view path) = 0;
  // Creates or empties a page in the working folder; a failure (a read-only
  // file among them) throws FileError.
  virtual std::unique_ptr<PageSink> create_page(std::string_view name, Emptied emptied) = 0;

  // Writes one console line; the platform adds its line end.
  virtual void console_line(std::string_view text) = 0;
  // Switches the program's text input back to the console.
  virtual void open_console_input() = 0;
  // Reads one line from the console; returns at once at the end of input.
  virtual void wait_for_enter() = 0;

  virtual LocalTime now() = 0;
};

// A name or path as it may be shown on the console: every control byte
// (1 to 31 and 127) becomes "?", so a name cannot steer the terminal.
std::string console_safe(std::string_view name);

}  // namespace ombrelta

namespace ombrelta {

// The platform of the system the program was built for.
std::unique_ptr<Platform> system_platform();

}  // namespace ombrelta
