#include "pages/filter.h"

#include "pages/entity_table.h"

namespace ombrelta {

void FILTER(PageStream& F2, char C) {
  const std::string_view entity = kEntities[static_cast<unsigned char>(C)];
  if (entity.empty()) {
    F2.put(C);
  } else {
    F2.write(entity);
  }
}

void write_filtered(PageStream& F2, std::string_view text) {
  for (char c : text) FILTER(F2, c);
}

void WTITLE(PageStream& F2, const NameText& TITLE) { write_filtered(F2, TITLE.view()); }

void RTITLE(PageStream& F2, NameText S) {
  F2.write("<td>");
  for (char c : S.view()) {
    if (c == '&') {
      F2.put(c);
    } else {
      FILTER(F2, c);
    }
  }
  if (S.empty()) F2.write("&nbsp");
  F2.write("</td>");
}

}  // namespace ombrelta
