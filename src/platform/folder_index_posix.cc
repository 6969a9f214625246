#include "platform/folder_index_posix.h"

#include <algorithm>
#include <cstring>

namespace ombrelta {

namespace {

unsigned char upper(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - 'a' + 'A') : b;
}

int dot_rank(std::string_view name) { return name == "." ? 0 : name == ".." ? 1 : 2; }

}  // namespace

bool listing_order(std::string_view a, std::string_view b) {
  const int ra = dot_rank(a), rb = dot_rank(b);
  if (ra != rb) return ra < rb;
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (upper(a[i]) != upper(b[i])) return upper(a[i]) < upper(b[i]);
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return std::memcmp(a.data(), b.data(), n) < 0;
}

FolderIndex::FolderIndex(const std::vector<NameText>& names) {
  for (const NameText& name : names) by_folded_[ascii_lower(name.view())].push_back(name.str());
}

const std::vector<std::string>* FolderIndex::find(std::string_view name) const {
  auto it = by_folded_.find(ascii_lower(name));
  return it == by_folded_.end() ? nullptr : &it->second;
}

void FolderIndex::add(std::string_view name) {
  auto& names = by_folded_[ascii_lower(name)];
  if (std::find(names.begin(), names.end(), name) != names.end()) return;
  names.insert(std::upper_bound(names.begin(), names.end(), name,
                                [](std::string_view a, const std::string& b) { return listing_order(a, b); }),
               std::string(name));
}

void FolderIndex::remove(std::string_view name) {
  auto it = by_folded_.find(ascii_lower(name));
  if (it == by_folded_.end()) return;
  std::erase(it->second, name);
  if (it->second.empty()) by_folded_.erase(it);
}

}  // namespace ombrelta
