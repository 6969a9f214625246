#include "pages/gallery.h"

#include <string>

#include "catalogue/variants.h"
#include "pages/slide.h"

namespace ombrelta {

namespace {

// A picture without copies: the picture itself, no link, no border.
void single_entry(PageStream& F2, const BILLEDE& picture) {
  F2.write("<img src=\"");
  F2.name(picture.NAVN.view());
  F2.write("\" alt=\"");
  F2.name(picture.NAVN.view());
  F2.write(" ");
  F2.write(std::to_string(picture.STOR));
  F2.write(" bytes\">");
  F2.crlf();
}

// The smallest file shown, linking to the second smallest; no line end.
void linked_entry(PageStream& F2, const BILLEDE& shown, const BILLEDE& linked) {
  F2.write("<a href=\"");
  F2.name(linked.NAVN.view());
  F2.write("\" target=\"_top\"><img src=\"");
  F2.name(shown.NAVN.view());
  F2.write("\" alt=\"");
  F2.name(linked.NAVN.view());
  F2.write(" ");
  F2.write(std::to_string(linked.STOR));
  F2.write(" bytes\" border=\"1\" vspace=\"1\"></a>");
}

// A "." link to each larger file, from slot 3 to the first empty slot.
void dot_links(PageStream& F2, const Table<BILLEDE>& SORT) {
  for (int k = 3; k <= ARRAYMAX && !SORT[k].NAVN.empty(); ++k) {
    F2.write("<a href=\"");
    F2.name(SORT[k].NAVN.view());
    F2.write("\">.</a>");
  }
}

}  // namespace

void gallery_phase(Platform& os, Catalogue& cat, Pages& pages) {
  const int pictures = cat.JPGNUM - 1;
  for (int a = 1; a <= pictures; ++a) {
    pages.A = static_cast<std::uint8_t>(a);
    variant_search(os, cat, pages.A);
    if (!cat.FLERE) {
      single_entry(pages.F2, cat.JPGS[pages.A]);
      SLIDE(os, cat, pages.A, cat.JPGS[pages.A].NAVN);
      continue;
    }
    linked_entry(pages.F2, cat.SORT[1], cat.SORT[2]);
    // The slideshow page goes to its own file, so the index page still gets
    // the entry and its dot links as one line.
    SLIDE(os, cat, pages.A, cat.SORT[2].NAVN);
    dot_links(pages.F2, cat.SORT);
    pages.F2.crlf();
  }
}

}  // namespace ombrelta
