#include "pages/filter.h"

#include <array>

namespace ombrelta {

namespace {

// The entity of each byte, or nothing for a byte written as itself.
constexpr std::array<std::string_view, 256> make_entities() {
  std::array<std::string_view, 256> e{};
  e[38] = "&amp;";
  e[129] = e[252] = "&uuml;";
  e[132] = e[228] = "&auml;";
  e[134] = e[229] = "&aring;";
  e[142] = e[196] = "&Auml;";
  e[143] = e[197] = "&Aring;";
  e[145] = e[230] = "&aelig;";
  e[146] = e[198] = "&AElig;";
  e[148] = e[246] = "&ouml;";
  e[153] = e[214] = "&Ouml;";
  e[154] = e[220] = "&Uuml;";
  e[155] = e[248] = "&oslash;";
  e[157] = e[216] = "&Oslash;";
  return e;
}

constexpr std::array<std::string_view, 256> kEntities = make_entities();

}  // namespace

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
