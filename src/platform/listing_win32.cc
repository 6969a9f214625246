// Folder listings, entry details and exact-path lookups: the system's own
// matching, which ignores letter case.
#include <windows.h>

#include "platform/find_data_win32.h"
#include "platform/win32_platform_win32.h"

namespace ombrelta {

namespace {

// Bytes that FindFirstFileA takes as wildcards; no Windows name holds them.
constexpr std::string_view kWildcards = "*?<>\"";

}  // namespace

std::vector<NameText> Win32Platform::list(std::string_view folder) {
  listed_folder_ = folder;
  listed_.clear();
  std::vector<NameText> names;
  const std::string pattern = std::string(folder) + "*";
  WIN32_FIND_DATAA data;
  const HANDLE find = FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    names.emplace_back(std::string_view(data.cFileName));
    listed_.emplace(data.cFileName, entry_of(data));
  } while (FindNextFileA(find, &data));
  FindClose(find);
  return names;
}

std::optional<Entry> Win32Platform::describe(std::string_view folder, const NameText& name) {
  if (folder == listed_folder_) {
    if (auto it = listed_.find(name.str()); it != listed_.end()) return it->second;
  }
  auto entry = lookup(std::string(folder) + name.str());
  if (entry && entry->name != name) return std::nullopt;
  return entry;
}

std::optional<Entry> Win32Platform::lookup(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  if (name.empty() || name.size() > NameText::kMax) return std::nullopt;
  if (name.find_first_of(kWildcards) != std::string_view::npos) return std::nullopt;
  const std::string exact(path);
  WIN32_FIND_DATAA data;
  const HANDLE find = FindFirstFileA(exact.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return std::nullopt;
  FindClose(find);
  return entry_of(data);
}

}  // namespace ombrelta
