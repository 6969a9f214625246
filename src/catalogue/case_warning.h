#pragma once

#include <cstdint>
#include <string_view>

#include "platform/platform.h"

namespace ombrelta {

// Warns about a name that is not all lower case: when `listed` holds a letter
// A to Z, prints `shown` (the entry as it will be stored) and the bell as one
// console line and counts it. The warning comes before the entry is stored.
void case_warning(Platform& os, std::string_view listed, std::string_view shown,
                  std::uint8_t& counter);

// The console line after a scan that had to leave entries out.
void left_out_line(Platform& os, std::string_view what, int left_out);

inline constexpr char kBell = 7;

}  // namespace ombrelta
