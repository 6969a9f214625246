#pragma once

#include <string>

namespace ombrelta::testing {

// A scoped temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // `relative` below the folder.
  std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

 private:
  std::string root_;
  std::string path_;
};

void make_dir(const std::string& path);
// Writes `bytes` to `path`, creating the folders on the way.
void write_file(const std::string& path, const std::string& bytes);
std::string read_file(const std::string& path);
// True when anything, a dangling link included, stands at `path`.
bool exists(const std::string& path);

}  // namespace ombrelta::testing
