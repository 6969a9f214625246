#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace ombrelta::testing {

// One entry of the fake folder tree. Any attribute word and any size can be
// given, whatever the entry really is; `folder` decides whether it has a
// listing of its own.
struct FakeNode {
  std::string name;
  std::uint32_t attr = attr::kArchive;
  std::int64_t size = 0;  // also sizes no real test file would have
  FileTime time{2024, 3, 5, 7, 9, 0};
  std::string content;
  bool folder = false;
  bool openable = true;  // false: like a FIFO, a socket or a refused file
};

// An in-memory folder tree standing in for the operating system. It records
// every operation it is asked for, in order, and can make any of them fail
// with a given error number.
//
// Paths are absolute ("/pics/thumbs"); the working folder starts at /pics.
// Listings deliver "." and ".." first, then the entries in the order they
// were added, as a real system may.
class FakePlatform final : public Platform {
 public:
  // Entries live in deques: a reference to one stays valid while others are added.
  explicit FakePlatform(std::string working_folder = "/pics");

  // --- Building the tree (paths absolute or relative to the working folder).
  FakeNode& add_dir(const std::string& path, std::uint32_t attr_word = attr::kDirectory);
  FakeNode& add_file(const std::string& path, std::int64_t size, std::uint32_t attr_word = attr::kArchive);
  FakeNode& add_text(const std::string& path, std::string content);
  // The entry at `path` (exact bytes), or null.
  FakeNode* find(const std::string& path);
  // The names of a folder's entries, in order.
  std::vector<std::string> names(const std::string& folder);
  bool exists(const std::string& path) { return find(path) != nullptr; }
  std::string content(const std::string& path);

  // --- Faults. An operation that fails: listings and lookups find nothing,
  // opening a text finds it unopenable, everything else throws FileError.
  // Fails the k-th operation (1-based, counting every recorded one).
  void fail_at(int k, int number);
  // Fails every operation whose record starts with `prefix` (for instance
  // "rename " or "write zdia0002.html").
  void fail_on(const std::string& prefix, int number);

  // --- What happened.
  std::vector<std::string> ops;  // "list sub/", "lookup sub/a.jpg", "create index.html" ...
  std::string console;           // every console line, each ended by "\n"
  std::string console_input;     // what the wait for Enter reads
  int waits = 0;
  LocalTime clock{2026, 12, 11, 9, 5};
  std::string working_folder() const { return cwd_; }
  // The records starting with `prefix`.
  std::vector<std::string> ops_starting(const std::string& prefix) const;

  // --- Platform.
  std::vector<NameText> list(std::string_view folder) override;
  std::optional<Entry> describe(std::string_view folder, const NameText& name) override;
  std::optional<Entry> lookup(std::string_view path) override;
  void rename(std::string_view from, std::string_view to) override;
  void change_dir(std::string_view path) override;
  std::string full_path() override;
  bool at_root() override;
  std::unique_ptr<ByteSource> open_text(std::string_view path) override;
  std::unique_ptr<PageSink> create_page(std::string_view name, Emptied emptied) override;
  void console_line(std::string_view text) override;
  void open_console_input() override;
  void wait_for_enter() override;
  LocalTime now() override;

  // Records an operation; returns the error number when it is to fail, else 0.
  int record(std::string op);

 private:
  std::string absolute(std::string_view path) const;
  std::deque<FakeNode>* folder_entries(const std::string& folder);
  FakeNode& add(const std::string& path, FakeNode node);
  static Entry entry_of(const FakeNode& node);

  std::string cwd_;
  std::map<std::string, std::deque<FakeNode>> folders_;
  int fail_at_ = 0;
  int fail_at_number_ = 0;
  std::vector<std::pair<std::string, int>> fail_prefixes_;
};

}  // namespace ombrelta::testing
