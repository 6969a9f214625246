#pragma once

#include <array>
#include <string_view>

namespace ombrelta {

namespace detail {

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

}  // namespace detail

// The entity table: the HTML entity FILTER writes for each byte, empty for a
// byte written as itself. Each letter has two codes, its DOS code page 850
// position and its ISO 8859-1 position.
inline constexpr std::array<std::string_view, 256> kEntities = detail::make_entities();

}  // namespace ombrelta
