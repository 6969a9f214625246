#include "support/files.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace ombrelta::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
    const fs::path path =
        fs::temp_directory_path() / ("ombrelta-e2e-" + std::to_string(random() % 1000000000));
    if (fs::create_directory(path)) root_ = path.string();
  }
  if (root_.empty()) throw std::runtime_error("cannot make a temporary folder");
  // One level down, so that a run's search of the parent folder only ever
  // meets this empty folder, never what other programs leave in /tmp.
  path_ = root_ + "/d";
  fs::create_directory(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  // Read-only folders made by a test must not stop the clean-up.
  for (auto it = fs::recursive_directory_iterator(root_, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    if (it->is_directory(ec) && !it->is_symlink(ec)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
  }
  fs::remove_all(root_, ec);
}

void make_dir(const std::string& path) { fs::create_directories(path); }

void write_file(const std::string& path, const std::string& bytes) {
  if (const fs::path parent = fs::path(path).parent_path(); !parent.empty())
    fs::create_directories(parent);
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
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

}  // namespace ombrelta::testing
