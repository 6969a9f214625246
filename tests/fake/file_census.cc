#include "fake/file_census.h"

#include <set>
#include <vector>

namespace ombrelta::testing {

namespace {

std::string child(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

void walk(FakePlatform& os, const std::string& folder, Census& out) {
  for (const std::string& name : os.names(folder)) {
    const std::string path = child(folder, name);
    const FakeNode* node = os.find(path);
    if (node->folder) {
      walk(os, path, out);
    } else {
      out[path] = node->content;
    }
  }
}

bool is_page(const std::string& path, const std::string& working_folder) {
  const std::size_t slash = path.rfind('/');
  if (path.substr(0, slash == 0 ? 1 : slash) != working_folder) return false;
  const std::string name = path.substr(slash + 1);
  if (name == "index.html") return true;
  if (name.size() != 13 || !name.starts_with("zdia") || !name.ends_with(".html")) return false;
  for (std::size_t i = 4; i < 8; ++i) {
    if (name[i] < '0' || name[i] > '9') return false;
  }
  return true;
}

// `path` without one "m_" prefix of its name, or empty when it has none.
std::string renamed(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string name = path.substr(slash + 1);
  if (name.size() <= 2 || (name[0] != 'm' && name[0] != 'M') || name[1] != '_') return "";
  return path.substr(0, slash + 1) + name.substr(2);
}

// True when a rename may have taken `from` to `to`: the same folder, and a
// name that drops one or more "m_" prefixes, its letter case perhaps that
// of the picture it was renamed for.
bool renamed_to(const std::string& from, const std::string& to) {
  const std::string folded = ascii_lower(to);
  for (std::string p = renamed(from); !p.empty(); p = renamed(p)) {
    if (ascii_lower(p) == folded && p.substr(0, p.rfind('/')) == to.substr(0, to.rfind('/')))
      return true;
  }
  return false;
}

Census without_pages(const Census& files, const std::string& working_folder) {
  Census out;
  for (const auto& [path, bytes] : files) {
    if (!is_page(path, working_folder)) out.emplace(path, bytes);
  }
  return out;
}

}  // namespace

Census census(FakePlatform& os) {
  Census out;
  walk(os, "/", out);
  return out;
}

std::string lost_or_doubled(const Census& all_before, const Census& all_after,
                            const std::string& working_folder) {
  const Census before = without_pages(all_before, working_folder);
  const Census after = without_pages(all_after, working_folder);
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
    bool found = false;
    for (const auto& [to, bytes] : after) {
      if (bytes == before.at(path) && !used.count(to) && renamed_to(path, to)) {
        used.insert(to);
        found = true;
        break;
      }
    }
    if (!found) return "lost: " + path;
  }
  for (const auto& [path, bytes] : after) {
    if (!used.count(path)) return "new or doubled: " + path;
  }
  return "";
}

}  // namespace ombrelta::testing
