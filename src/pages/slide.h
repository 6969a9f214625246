#pragma once

#include <cstdint>

#include "catalogue/catalogue.h"
#include "platform/name_text.h"
#include "platform/platform.h"

namespace ombrelta {

// Writes slideshow page X, "zdia" + four digits + ".html", showing the
// picture file SLN under a row of Back, Exit and Next buttons (Back only
// after the first page, Next only before the last). A failure to create,
// write or close the page is a fatal file error.
void SLIDE(Platform& os, const Catalogue& cat, std::uint16_t X, const NameText& SLN);

}  // namespace ombrelta
