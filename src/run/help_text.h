#pragma once

#include <array>
#include <string_view>

namespace ombrelta {

// The 39 lines printed after the banner for a help request.
extern const std::array<std::string_view, 39> kHelpText;

}  // namespace ombrelta
