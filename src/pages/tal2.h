#pragma once

#include <cstdint>
#include <string>

namespace ombrelta {

// The decimal digits of I, filled on the left with "0" up to the minimum
// width T. The width never cuts.
std::string TAL(std::uint32_t I, std::uint8_t T);

}  // namespace ombrelta
