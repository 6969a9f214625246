#include "catalogue/findhtm.h"

#include <string>

#include "catalogue/case_warning.h"
#include "catalogue/sorted_insert.h"

namespace ombrelta {

namespace {

// The tests on the lower-cased name alone; they need no look at the entry.
bool carries_type(std::string_view lowered, std::string_view EXT) {
  if (lowered.starts_with("zdia")) return false;
  if (lowered.find("." + std::string(EXT)) == std::string_view::npos) return false;
  return lowered.find("index.txt") == std::string_view::npos;
}

// The part of the listed name that the cut at 255 bytes leaves after START:
// only that part can differ from its lower-cased form.
std::string_view kept_name(const NameText& path, std::string_view START) {
  return START.size() < path.size() ? path.view().substr(START.size()) : std::string_view();
}

}  // namespace

int FINDHTM(Platform& os, Catalogue& cat, std::string_view START, std::string_view EXT) {
  int left_out = 0;
  for (const NameText& name : os.list(START)) {
    if (!carries_type(ascii_lower(name.view()), EXT)) continue;
    const auto entry = os.describe(START, name);
    if (!entry || entry->attr == attr::kDirectory) continue;
    const NameText path = join(START, name.view());
    case_warning(os, kept_name(path, START), path.view(), cat.UPFILE);
    if (!sorted_insert(cat.SORT, cat.FSORT, BILLEDE{0, path}, by_navn)) ++left_out;
  }
  return left_out;
}

}  // namespace ombrelta
