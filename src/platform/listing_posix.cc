// Folder listings, entry details and lookups ignoring letter case.
#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/posix_platform_posix.h"

namespace ombrelta {

namespace {

std::string folder_path(std::string_view folder) {
  return folder.empty() ? std::string(".") : std::string(folder);
}

std::pair<std::string_view, std::string_view> split_path(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {std::string_view(), path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// One listing of the folder, every entry, "." and ".." included.
FolderIndex read_folder(std::string_view folder) {
  FolderIndex index;
  DIR* dir = opendir(folder_path(folder).c_str());
  if (dir == nullptr) return index;
  while (const dirent* d = readdir(dir)) index.append(d->d_name);
  closedir(dir);
  index.seal();
  return index;
}

}  // namespace

std::optional<Entry> PosixPlatform::entry_at(const std::string& path, std::string_view name) {
  struct stat own {};
  if (lstat(path.c_str(), &own) != 0) return std::nullopt;
  Entry entry;
  entry.name = name;
  struct stat st = own;
  const bool link = S_ISLNK(own.st_mode);
  if (link && stat(path.c_str(), &st) != 0) {
    entry.attr = attr::kReparsePoint;  // a dangling link
    entry.time = file_times_.of(own.st_mtime);
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
  entry.time = file_times_.of(st.st_mtime);
  return entry;
}

std::vector<NameText> PosixPlatform::list(std::string_view folder) {
  return index_of(folder).listing();
}

std::optional<Entry> PosixPlatform::describe(std::string_view folder, const NameText& name) {
  return entry_at(std::string(folder) + name.str(), name.view());
}

FolderIndex& PosixPlatform::index_of(std::string_view folder) {
  auto it = indexes_.find(folder);
  if (it == indexes_.end()) it = indexes_.emplace(std::string(folder), read_folder(folder)).first;
  return it->second;
}

std::optional<Entry> PosixPlatform::lookup(std::string_view path) {
  const auto [folder, name] = split_path(path);
  if (name.empty() || name.size() > NameText::kMax) return std::nullopt;
  const FolderIndex& index = index_of(folder);
  // A folder that cannot be listed finds nothing, as on Windows: looking at
  // an exact name there would pass over the check that keeps a rename from
  // making a second name that differs only in letter case.
  if (!index.listed()) return std::nullopt;
  // The entry with exactly these bytes wins; otherwise the first in listing
  // order of those equal ignoring case. A name the index lacks costs no call.
  const FolderIndex::Matches matches = index.find(name);
  for (std::size_t i = matches.first; i < matches.last; ++i) {
    if (index.at(i) != name) continue;
    if (auto exact = entry_at(std::string(path), name)) return exact;
    if (errno != ENOENT) return std::nullopt;
  }
  for (std::size_t i = matches.first; i < matches.last; ++i) {
    const std::string_view candidate = index.at(i);
    if (candidate == name) continue;
    if (auto entry = entry_at(std::string(folder).append(candidate), candidate)) return entry;
  }
  return std::nullopt;
}

}  // namespace ombrelta
