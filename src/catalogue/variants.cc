#include "catalogue/variants.h"

#include <string>

#include "catalogue/case_warning.h"
#include "catalogue/sorted_insert.h"

namespace ombrelta {

namespace {

// The prefix that marks a copy still to be given the picture's name.
constexpr std::string_view STRIPLEAD = "m_";

// The path of `name` in subdirectory D. Paths handed to the file system are
// never cut, so a long name cannot turn into the name of another file.
std::string in_folder(const NameText& D, std::string_view name) {
  return D.str() + "/" + std::string(name);
}

// Renames the "m_" copy of `name` in D, whatever its letter case, to `name`.
void normalise(Platform& os, const NameText& D, std::string_view name) {
  const auto marked = os.lookup(in_folder(D, std::string(STRIPLEAD) + std::string(name)));
  if (marked) os.rename(in_folder(D, marked->name.view()), in_folder(D, name));
}

// Adds the copy of `name` in D, if there is one, to the variant list; false
// when a full list had to leave a file out.
bool collect(Platform& os, Catalogue& cat, const NameText& D, std::string_view name) {
  const auto copy = os.lookup(in_folder(D, name));
  if (!copy) return true;
  cat.FLERE = true;
  NameText NAVN = D;
  NAVN += '/';
  NAVN += copy->name;
  return sorted_insert(cat.SORT, cat.FSORT, BILLEDE{copy->size, NAVN}, by_stor);
}

}  // namespace

void variant_search(Platform& os, Catalogue& cat, std::uint8_t A) {
  cat.SORT.fill(BILLEDE{});
  cat.FLERE = false;
  cat.FSORT = 2;
  cat.SORT[1] = cat.JPGS[A];
  const std::string name = cat.JPGS[A].NAVN.str();
  // All renames come first, so a copy just renamed is found by the lookups.
  for (int d = 1; d < cat.DIRNUM; ++d) normalise(os, cat.DIRS[d], name);
  int left_out = 0;
  for (int d = 1; d < cat.DIRNUM; ++d) {
    if (!collect(os, cat, cat.DIRS[d], name)) ++left_out;
  }
  left_out_line(os, "Too many copies of " + console_safe(name), left_out);
}

}  // namespace ombrelta
