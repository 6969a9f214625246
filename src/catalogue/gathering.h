#pragma once

#include "catalogue/catalogue.h"
#include "platform/platform.h"

namespace ombrelta {

// Gathers the pages of the parent folder and the subdirectories and the
// documents of the working folder into the link list in SORT.
void gather_links(Platform& os, Catalogue& cat);

}  // namespace ombrelta
