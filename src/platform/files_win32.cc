// Working folder, texts opened for reading and pages created for writing.
#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/error_map_win32.h"
#include "platform/file_error.h"
#include "platform/win32_platform_win32.h"

namespace ombrelta {

namespace {

// The most one ReadFile or WriteFile call is asked to move.
constexpr std::size_t kMaxTransfer = 1 << 30;

class FileSource final : public ByteSource {
 public:
  FileSource(HANDLE file, std::string path) : file_(file), path_(std::move(path)) {}
  ~FileSource() override { CloseHandle(file_); }

  std::size_t read_at(std::uint64_t offset, char* buffer, std::size_t n) override {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    if (ReadFile(file_, buffer, static_cast<DWORD>(std::min(n, kMaxTransfer)), &got, &at))
      return got;
    if (GetLastError() == ERROR_HANDLE_EOF) return 0;
    fail(last_error(Doing::kOther), path_);
  }

 private:
  HANDLE file_;
  std::string path_;
};

class FileSink final : public PageSink {
 public:
  FileSink(HANDLE file, std::string name) : file_(file), name_(std::move(name)) {}
  ~FileSink() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  }

  void write(std::string_view block) override {
    while (!block.empty()) {
      DWORD done = 0;
      const auto n = static_cast<DWORD>(std::min(block.size(), kMaxTransfer));
      if (!WriteFile(file_, block.data(), n, &done, nullptr))
        fail(last_error(Doing::kOther), name_);
      block.remove_prefix(done);
    }
  }

  void close() override {
    if (!CloseHandle(std::exchange(file_, INVALID_HANDLE_VALUE)))
      fail(last_error(Doing::kOther), name_);
  }

 private:
  HANDLE file_;
  std::string name_;
};

// Only a file on disk is a text: not a folder, and not a device such as CON
// or NUL, nor a pipe, which could hold the run or never end.
bool is_disk_file(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info{};
  return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

void Win32Platform::change_dir(std::string_view path) {
  const std::string folder(path);
  if (!SetCurrentDirectoryA(folder.c_str())) fail(last_error(Doing::kChangingFolder), path);
  listed_folder_.clear();
  listed_.clear();
}

std::string Win32Platform::full_path() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD n = GetCurrentDirectoryA(static_cast<DWORD>(path.size()), path.data());
    if (n == 0) fail(last_error(Doing::kOther), "working folder");
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(n);  // n is the size needed, its terminating zero included
  }
}

// A drive root such as C:\ is three characters long.
bool Win32Platform::at_root() { return full_path().size() <= 3; }

std::unique_ptr<ByteSource> Win32Platform::open_text(std::string_view path) {
  const std::string name(path);
  const HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  if (!is_disk_file(file)) {
    CloseHandle(file);
    return nullptr;
  }
  return std::make_unique<FileSource>(file, name);
}

// A read-only file is refused by the system itself (access denied, 5). The
// system empties an older file at once.
std::unique_ptr<PageSink> Win32Platform::create_page(std::string_view name, Emptied) {
  const std::string path(name);
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) fail(last_error(Doing::kOther), name);
  return std::make_unique<FileSink>(file, path);
}

}  // namespace ombrelta
