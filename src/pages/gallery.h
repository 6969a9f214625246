#pragma once

#include "catalogue/catalogue.h"
#include "pages/pages.h"
#include "platform/platform.h"

namespace ombrelta {

// For each picture: its variant search, its gallery entry and its slideshow page.
void gallery_phase(Platform& os, Catalogue& cat, Pages& pages);

}  // namespace ombrelta
