#pragma once

#include <cstdint>

#include "catalogue/catalogue.h"
#include "platform/platform.h"

namespace ombrelta {

// The variant search of picture A of JPGS. First every subdirectory file
// named "m_" plus the picture's name gets the picture's name; then every
// subdirectory is asked for the picture's name, and the picture and each copy
// found go into SORT by size, smallest first. FLERE tells whether a copy was
// found. A rename that fails is a fatal file error.
void variant_search(Platform& os, Catalogue& cat, std::uint8_t A);

}  // namespace ombrelta
