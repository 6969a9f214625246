#pragma once

#include <array>
#include <cstdint>

#include "platform/name_text.h"

namespace ombrelta {

// Slots 0 to ARRAYMAX of every table; slot 0 is the scratch space of the
// sorted insertion, entries fill slot 1 upwards, so a table holds 254.
inline constexpr int ARRAYMAX = 255;
inline constexpr int kTableCapacity = ARRAYMAX - 1;

// A picture: its size and its name or relative path. An empty NAVN marks an
// empty slot.
struct BILLEDE {
  std::int32_t STOR = 0;
  NameText NAVN;
};

template <class T>
using Table = std::array<T, ARRAYMAX + 1>;

// The program-wide catalogue of one run. Each counter names the next free
// slot of its table.
struct Catalogue {
  Table<NameText> DIRS{};  // direct subdirectories, by name
  std::uint8_t DIRNUM = 1;
  Table<BILLEDE> JPGS{};  // pictures of the working folder, by name
  std::uint8_t JPGNUM = 1;
  Table<BILLEDE> SORT{};  // the variant list of one picture, later the link list
  std::uint8_t FSORT = 1;

  std::uint8_t UPDIRS = 0;  // subdirectory names that drew a case warning
  std::uint8_t UPFILE = 0;  // picture, link and document names that did

  bool FLERE = false;  // the last variant search found a copy
};

// Adds one to an 8-bit counter that stops at 255 instead of wrapping.
inline void count_up(std::uint8_t& counter) {
  if (counter < 255) ++counter;
}

}  // namespace ombrelta
