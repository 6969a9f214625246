#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/name_text.h"

namespace ombrelta {

// Listing order: "." and ".." first, then by the ASCII upper-cased bytes, ties
// broken by the exact bytes (the order an NTFS folder lists in).
bool listing_order(std::string_view a, std::string_view b);

// The names of one folder from one listing, so that neither a lookup ignoring
// case nor a later listing of the folder has to list it again. Kept right
// across the renames and page creations of the run.
//
// The names are kept compactly, their bytes one after another, and in
// listing order apart from "." and "..", which sort among the others here:
// names equal ignoring case are then side by side, in listing order, and a
// binary search finds them.
class FolderIndex {
 public:
  // The names equal to a given name ignoring case: positions first to last - 1.
  struct Matches {
    std::size_t first = 0, last = 0;
  };

  // An index of a folder that could not be listed: it knows no name.
  FolderIndex() = default;

  // Filling from a listing: the names in any order, then seal().
  void append(std::string_view name);
  void seal();
  // False for a folder that could not be listed.
  bool listed() const { return listed_; }

  Matches find(std::string_view name) const;
  std::string_view at(std::size_t i) const {
    return {bytes_.data() + names_[i].offset, names_[i].length};
  }
  void add(std::string_view name);
  void remove(std::string_view name);

  // Every name in listing order, "." and ".." first.
  std::vector<NameText> listing() const;

 private:
  struct Name {
    std::uint32_t offset;
    std::uint32_t length;
    // The first eight upper-cased bytes as one number, the first byte
    // highest: most comparisons need nothing more.
    std::uint64_t prefix;
  };

  Name store(std::string_view name);
  bool holds(std::string_view name) const;
  // Drops the bytes of removed names once they are as many as the rest.
  void compact();

  std::string bytes_;
  std::size_t unused_bytes_ = 0;
  std::vector<Name> names_;
  bool listed_ = false;
};

}  // namespace ombrelta
