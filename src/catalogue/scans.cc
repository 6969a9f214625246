#include "catalogue/scans.h"

#include "catalogue/case_warning.h"
#include "catalogue/sorted_insert.h"

namespace ombrelta {

namespace {

bool is_picture_name(std::string_view name) {
  const std::string lower = ascii_lower(name);
  return lower.find(".jp") != std::string::npos || lower.find(".gif") != std::string::npos;
}

}  // namespace

void subdirectory_scan(Platform& os, Catalogue& cat) {
  int left_out = 0;
  for (const NameText& name : os.list("")) {
    // Dot names first: they cost no look at the entry's attributes.
    if (name.empty() || name[0] == '.') continue;
    const auto entry = os.describe("", name);
    if (!entry || entry->attr != attr::kDirectory) continue;
    case_warning(os, name.view(), name.view(), cat.UPDIRS);
    if (!sorted_insert(cat.DIRS, cat.DIRNUM, name, by_name)) ++left_out;
  }
  left_out_line(os, "Too many directories", left_out);
}

void picture_scan(Platform& os, Catalogue& cat) {
  int left_out = 0;
  for (const NameText& name : os.list("")) {
    if (!is_picture_name(name.view())) continue;
    const auto entry = os.describe("", name);
    if (!entry) continue;
    case_warning(os, name.view(), name.view(), cat.UPFILE);
    if (!sorted_insert(cat.JPGS, cat.JPGNUM, BILLEDE{entry->size, name}, by_navn)) ++left_out;
  }
  left_out_line(os, "Too many pictures", left_out);
}

}  // namespace ombrelta
