#include "catalogue/gathering.h"

#include <array>
#include <string_view>

#include "catalogue/case_warning.h"
#include "catalogue/findhtm.h"

namespace ombrelta {

namespace {

// The document types searched in the working folder, in this order.
constexpr std::array<std::string_view, 9> kDocumentTypes = {"doc", "txt", "mp",  "xls", "pp",
                                                            "pas", "exe", "swf", "wmv"};

// The pages of one subdirectory. Its listing pattern is START and "*.*" as
// one name text: a name so long that the cut takes the wildcard off lists
// no page of the folder.
int subdirectory_pages(Platform& os, Catalogue& cat, const NameText& dir) {
  const NameText START = join(dir.view(), "/");
  if (START.size() + 3 > NameText::kMax) return 0;
  return FINDHTM(os, cat, START.view(), "htm");
}

}  // namespace

void gather_links(Platform& os, Catalogue& cat) {
  cat.SORT.fill(BILLEDE{});
  cat.FSORT = 1;
  int left_out = 0;
  // The parent folder, unless the working folder is a root (a drive root).
  if (!os.at_root()) left_out += FINDHTM(os, cat, "../", "htm");
  for (std::string_view EXT : kDocumentTypes) left_out += FINDHTM(os, cat, "", EXT);
  for (int i = 1; i < cat.DIRNUM; ++i) left_out += subdirectory_pages(os, cat, cat.DIRS[i]);
  left_out_line(os, "Too many links and documents", left_out);
}

}  // namespace ombrelta
