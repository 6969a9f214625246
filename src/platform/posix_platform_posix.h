#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/folder_index_posix.h"
#include "platform/local_time_posix.h"
#include "platform/platform.h"

namespace ombrelta {

// The platform on Linux and other POSIX systems: Windows file-name rules
// (listing order, attribute word, lookups ignoring case, renames that never
// replace, read-only pages refused) made on top of POSIX calls.
class PosixPlatform final : public Platform {
 public:
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

 private:
  FolderIndex& index_of(std::string_view folder);
  // The entry at `path` as a Windows listing would describe it, symbolic
  // links followed; nothing when it does not exist.
  std::optional<Entry> entry_at(const std::string& path, std::string_view name);

  LocalFileTimes file_times_;
  // Found by a folder's path as a string_view, without a copy of it.
  struct PathHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view path) const {
      return std::hash<std::string_view>{}(path);
    }
  };
  std::unordered_map<std::string, FolderIndex, PathHash, std::equal_to<>> indexes_;
};

}  // namespace ombrelta
