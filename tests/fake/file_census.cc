#include "fake/file_census.h"

#include <set>
#include <vector>

namespace ombrelta::testing {

namespace {

std::string child(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

bool is_page_name(const std::string& name) {
  if (name == "index.html") return true;
  if (name.size() != 13 || !name.starts_with("zdia") || !name.ends_with(".html")) return false;
  for (std::size_t i = 4; i < 8; ++i) {
    if (name[i] < '0' || name[i] > '9') return false;
  }
  return true;
}

void walk(FakePlatform& os, const std::string& folder, const std::string& working_folder, Census& out) {
  for (const std::string& name : os.names(folder)) {
    const std::string path = child(folder, name);
    const FakeNode* node = os.find(path);
    if (node->folder) {
      walk(os, path, working_folder, out);
    } else if (folder != working_folder || !is_page_name(name)) {
      out[path] = node->content;
    }
  }
}

// The path a "m_" file would have after its rename; the path itself otherwise.
std::string renamed(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string name = path.substr(slash + 1);
  if (name.size() <= 2 || (name[0] != 'm' && name[0] != 'M') || name[1] != '_') return path;
  return path.substr(0, slash + 1) + name.substr(2);
}

}  // namespace

Census census(FakePlatform& os, const std::string& working_folder) {
  Census out;
  walk(os, "/", working_folder, out);
  return out;
}

std::string lost_or_doubled(const Census& before, const Census& after) {
  std::set<std::string> used;
  std::vector<std::string> moved;
  // Files still at their own place first, so a renamed one cannot take it.
  for (const auto& [path, bytes] : before) {
    const auto it = after.find(path);
    if (it != after.end() && it->second == bytes) {
      used.insert(path);
    } else {
      moved.push_back(path);
    }
  }
  for (const std::string& path : moved) {
    const std::string to = renamed(path);
    const auto it = after.find(to);
    if (to == path || it == after.end() || it->second != before.at(path) || used.count(to)) {
      return "lost: " + path;
    }
    used.insert(to);
  }
  for (const auto& [path, bytes] : after) {
    if (!used.count(path)) return "new or doubled: " + path;
  }
  return "";
}

}  // namespace ombrelta::testing
