// The "m_" normalisation rename: never replaces a file.
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errno_map_posix.h"
#include "platform/file_error.h"
#include "platform/posix_platform_posix.h"

namespace ombrelta {

namespace {

bool exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

// Renames without ever replacing: the atomic no-replace rename, or, where the
// file system refuses that flag, a hard link to the new name and then the
// removal of the old one. Returns 0 or the errno of the failure.
int rename_no_replace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return errno;
  if (link(from.c_str(), to.c_str()) != 0) return errno;
  if (unlink(from.c_str()) != 0) return errno;  // both names remain: nothing lost
  return 0;
}

}  // namespace

void PosixPlatform::rename(std::string_view from, std::string_view to) {
  const std::size_t slash = to.rfind('/');
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view() : to.substr(0, slash + 1);
  const std::string_view from_name = from.substr(folder.size());
  const std::string_view to_name = to.substr(folder.size());
  FolderIndex& index = index_of(folder);
  // A Windows folder could not hold the new name beside another entry that
  // differs only in letter case: such a name counts as taken.
  const FolderIndex::Matches taken = index.find(to_name);
  for (std::size_t i = taken.first; i < taken.last; ++i) {
    const std::string_view name = index.at(i);
    if (name != from_name && exists(std::string(folder).append(name)))
      fail(error::kAccessDenied, to);
  }
  if (const int err = rename_no_replace(std::string(from), std::string(to)); err != 0) {
    fail(windows_error(err, Doing::kOther), from);
  }
  index.remove(from_name);
  index.add(to_name);
}

}  // namespace ombrelta
