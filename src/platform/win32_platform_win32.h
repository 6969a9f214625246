#pragma once

#include <string>
#include <unordered_map>

#include "platform/platform.h"

namespace ombrelta {

// The platform on Windows: the file-name rules are the system's own, so every
// operation is one Win32 call or a few, and every error number is the
// system's own code (with the adaptations of error_map_win32.h).
class Win32Platform final : public Platform {
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
  // The entries of the last listing, as its find data described them: the
  // details of a listed entry come from there, as they did in one record.
  std::string listed_folder_;
  std::unordered_map<std::string, Entry> listed_;
};

}  // namespace ombrelta
