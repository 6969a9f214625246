#include "support/files.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace ombrelta::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "ombrelta-e2e-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
  // One level down, so that a run's search of the parent folder only ever
  // meets this empty folder, never what other programs leave in /tmp.
  path_ = root_ + "/d";
  fs::create_directory(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  // Read-only folders made by a test must not stop the clean-up.
  for (auto it = fs::recursive_directory_iterator(root_, ec); !ec && it != fs::end(it); it.increment(ec)) {
    if (it->is_directory(ec) && !it->is_symlink(ec)) chmod(it->path().c_str(), 0755);
  }
  fs::remove_all(root_, ec);
}

void make_dir(const std::string& path) { fs::create_directories(path); }

void write_file(const std::string& path, const std::string& bytes) {
  if (const fs::path parent = fs::path(path).parent_path(); !parent.empty()) fs::create_directories(parent);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool exists(const std::string& path) {
  struct stat st {};
  return lstat(path.c_str(), &st) == 0;
}

}  // namespace ombrelta::testing
