// Working folder, texts opened for reading and pages created for writing.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/errno_map_posix.h"
#include "platform/file_error.h"
#include "platform/posix_platform_posix.h"
#include "platform/write_all_posix.h"

namespace ombrelta {

namespace {

class FileSource final : public ByteSource {
 public:
  FileSource(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~FileSource() override { ::close(fd_); }

  std::size_t read_at(std::uint64_t offset, char* buffer, std::size_t n) override {
    for (;;) {
      const ssize_t got = pread(fd_, buffer, n, static_cast<off_t>(offset));
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) fail(windows_error(errno, Doing::kReading), path_);
    }
  }

 private:
  int fd_;
  std::string path_;
};

// A page written in one go over its old bytes instead of emptied first: on
// ext4 (with auto_da_alloc) emptying a file that has blocks costs a journal
// wait on the open and a forced write-back on the close, some milliseconds per
// page. The page ends up the same: whatever the old file held past the new
// bytes is cut off when the page is closed, or when it is dropped after a
// failure.
class FileSink final : public PageSink {
 public:
  FileSink(int fd, std::string name, std::uint64_t old_size)
      : fd_(fd), name_(std::move(name)), old_size_(old_size) {}
  ~FileSink() override {
    if (fd_ < 0) return;
    cut_old_bytes();
    ::close(fd_);
  }

  void write(std::string_view block) override {
    write_all(fd_, block, name_);
    written_ += block.size();
  }

  void close() override {
    if (!cut_old_bytes()) {
      const int err = errno;
      ::close(std::exchange(fd_, -1));
      fail(windows_error(err, Doing::kWriting), name_);
    }
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 && errno != EINTR) fail(windows_error(errno, Doing::kWriting), name_);
  }

 private:
  // Cuts the file after the bytes written; false when that failed.
  bool cut_old_bytes() {
    if (old_size_ <= written_) return true;
    return ftruncate(fd_, static_cast<off_t>(written_)) == 0;
  }

  int fd_;
  std::string name_;
  std::uint64_t old_size_;  // of a regular file; 0 for anything else
  std::uint64_t written_ = 0;
};

}  // namespace

void PosixPlatform::change_dir(std::string_view path) {
  std::string folder(path);
  std::replace(folder.begin(), folder.end(), '\\', '/');
  if (chdir(folder.c_str()) != 0) fail(windows_error(errno, Doing::kChangingFolder), path);
  indexes_.clear();
}

std::string PosixPlatform::full_path() {
  std::string path(4096, '\0');
  while (getcwd(path.data(), path.size()) == nullptr) {
    if (errno != ERANGE) fail(windows_error(errno, Doing::kOther), "working folder");
    path.resize(path.size() * 2);
  }
  path.resize(path.find('\0'));
  return path;
}

bool PosixPlatform::at_root() { return full_path() == "/"; }

std::unique_ptr<ByteSource> PosixPlatform::open_text(std::string_view path) {
  // Non-blocking, so that a FIFO cannot hold the run; only regular files pass.
  const std::string name(path);
  const int fd = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return std::make_unique<FileSource>(fd, name);
}

std::unique_ptr<PageSink> PosixPlatform::create_page(std::string_view name, Emptied emptied) {
  const std::string path(name);
  struct stat st {};
  const bool link = lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
  if (link && stat(path.c_str(), &st) != 0) st = {};
  // Windows refuses to overwrite a read-only file, even for an administrator.
  if (S_ISREG(st.st_mode) && (st.st_mode & S_IWUSR) == 0) fail(error::kAccessDenied, name);
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) fail(windows_error(errno, Doing::kOpening), name);
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::uint64_t old_size = 0;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    // A file that other names reach (a document, index.txt) is emptied at
    // once too, so that what they show during the run is as it always was.
    const bool at_once = emptied == Emptied::kAtOnce || link || st.st_nlink > 1;
    if (at_once && st.st_size > 0 && ftruncate(fd, 0) != 0) {
      const int err = errno;
      ::close(fd);
      fail(windows_error(err, Doing::kOpening), name);
    }
    if (!at_once) old_size = static_cast<std::uint64_t>(st.st_size);
  }
  if (auto it = indexes_.find(std::string_view()); it != indexes_.end()) it->second.add(name);
  return std::make_unique<FileSink>(fd, path, old_size);
}

}  // namespace ombrelta
