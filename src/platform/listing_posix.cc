// Folder listings, entry details and lookups ignoring letter case.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "platform/local_time_posix.h"
#include "platform/posix_platform_posix.h"

namespace ombrelta {

namespace {

std::string folder_path(std::string_view folder) {
  return folder.empty() ? std::string(".") : std::string(folder);
}

// The entry at `path` as a Windows listing would describe it, symbolic links
// followed; nothing when it does not exist.
std::optional<Entry> entry_at(const std::string& path, std::string_view name) {
  struct stat own {};
  if (lstat(path.c_str(), &own) != 0) return std::nullopt;
  Entry entry;
  entry.name = name;
  struct stat st = own;
  const bool link = S_ISLNK(own.st_mode);
  if (link && stat(path.c_str(), &st) != 0) {
    entry.attr = attr::kReparsePoint;  // a dangling link
    entry.time = local_file_time(own.st_mtime);
    return entry;
  }
  if (S_ISDIR(st.st_mode)) {
    entry.attr = attr::kDirectory;
  } else {
    entry.attr = S_ISREG(st.st_mode) ? attr::kArchive : attr::kSystem;
    entry.true_size = static_cast<std::uint64_t>(st.st_size);
    entry.size = static_cast<std::int32_t>(static_cast<std::uint32_t>(entry.true_size));
  }
  if ((st.st_mode & S_IWUSR) == 0) entry.attr |= attr::kReadOnly;
  if (name.starts_with('.') && name != "." && name != "..") entry.attr |= attr::kHidden;
  if (link) entry.attr |= attr::kReparsePoint;
  entry.time = local_file_time(st.st_mtime);
  return entry;
}

std::pair<std::string_view, std::string_view> split_path(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {std::string_view(), path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

}  // namespace

std::vector<NameText> PosixPlatform::list(std::string_view folder) {
  std::vector<NameText> names;
  DIR* dir = opendir(folder_path(folder).c_str());
  if (dir == nullptr) return names;
  while (const dirent* d = readdir(dir)) names.emplace_back(std::string_view(d->d_name));
  closedir(dir);
  std::sort(names.begin(), names.end(), [](const NameText& a, const NameText& b) {
    return listing_order(a.view(), b.view());
  });
  return names;
}

std::optional<Entry> PosixPlatform::describe(std::string_view folder, const NameText& name) {
  return entry_at(std::string(folder) + name.str(), name.view());
}

FolderIndex& PosixPlatform::index_of(std::string_view folder) {
  auto it = indexes_.find(folder);
  if (it == indexes_.end()) it = indexes_.emplace(std::string(folder), FolderIndex(list(folder))).first;
  return it->second;
}

std::optional<Entry> PosixPlatform::lookup(std::string_view path) {
  const auto [folder, name] = split_path(path);
  if (name.empty() || name.size() > NameText::kMax) return std::nullopt;
  // The entry with exactly these bytes wins; only when there is none does
  // the folder's index say which name matches ignoring case.
  if (auto exact = entry_at(std::string(path), name)) return exact;
  if (errno != ENOENT) return std::nullopt;
  if (const auto* names = index_of(folder).find(name)) {
    for (const std::string& candidate : *names) {
      if (auto entry = entry_at(std::string(folder) + candidate, candidate)) return entry;
    }
  }
  return std::nullopt;
}

}  // namespace ombrelta
