#include "catalogue/variants.h"

#include <optional>
#include <string>
#include <vector>

#include "catalogue/case_warning.h"
#include "catalogue/sorted_insert.h"

namespace ombrelta {

namespace {

// The prefix that marks a copy still to be given the picture's name.
constexpr std::string_view STRIPLEAD = "m_";

// The path of `name` in subdirectory D. Paths handed to the file system are
// never cut, so a long name cannot turn into the name of another file.
std::string in_folder(const NameText& D, std::string_view name) {
  std::string path;
  path.reserve(D.size() + 1 + name.size());
  return path.append(D.view()).append(1, '/').append(name);
}

// Renames the "m_" copy of `name` in D, whatever its letter case, to `name`.
void normalise(Platform& os, const NameText& D, std::string_view name) {
  const auto marked = os.lookup(in_folder(D, std::string(STRIPLEAD).append(name)));
  if (marked) os.rename(in_folder(D, marked->name.view()), in_folder(D, name));
}

// The copy of `name` in D, if there is one, as its variant list record.
std::optional<BILLEDE> copy_in(Platform& os, const NameText& D, std::string_view name) {
  const auto copy = os.lookup(in_folder(D, name));
  if (!copy) return std::nullopt;
  NameText NAVN = D;
  NAVN += '/';
  NAVN += copy->name;
  return BILLEDE{copy->size, NAVN};
}

}  // namespace

void variant_search(Platform& os, Catalogue& cat, std::uint8_t A) {
  cat.SORT.fill(BILLEDE{});
  const std::string name = cat.JPGS[A].NAVN.str();
  // All renames come first, so a copy just renamed is found by the lookups.
  for (int d = 1; d < cat.DIRNUM; ++d) normalise(os, cat.DIRS[d], name);
  // The picture first, then its copies in the order of DIRS: the arrival
  // order that decides between files of equal size.
  std::vector<BILLEDE> files{cat.JPGS[A]};
  for (int d = 1; d < cat.DIRNUM; ++d) {
    if (auto copy = copy_in(os, cat.DIRS[d], name)) files.push_back(*copy);
  }
  cat.FLERE = files.size() > 1;
  cat.FSORT = 1;
  const int left_out = fill_sorted(
      cat.SORT, cat.FSORT, files, [](const BILLEDE& a, const BILLEDE& b) { return by_stor(a, b); });
  left_out_line(os, "Too many copies of " + console_safe(name), left_out);
}

}  // namespace ombrelta
