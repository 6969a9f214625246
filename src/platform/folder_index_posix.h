#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/name_text.h"

namespace ombrelta {

// Listing order: "." and ".." first, then by the ASCII upper-cased bytes, ties
// broken by the exact bytes (the order an NTFS folder lists in).
bool listing_order(std::string_view a, std::string_view b);

// The names of one folder folded to lower case, so that an exact-path lookup
// ignoring case needs no new listing. Built once per folder and kept right
// across the renames and page creations of the run.
class FolderIndex {
 public:
  explicit FolderIndex(const std::vector<NameText>& names);

  // The names equal to `name` ignoring ASCII case, in listing order.
  const std::vector<std::string>* find(std::string_view name) const;
  void add(std::string_view name);
  void remove(std::string_view name);

 private:
  std::unordered_map<std::string, std::vector<std::string>> by_folded_;
};

}  // namespace ombrelta
