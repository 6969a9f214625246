#pragma once

#include "catalogue/catalogue.h"
#include "pages/pages.h"
#include "platform/platform.h"

namespace ombrelta {

// Writes the link and document table and the footer, and closes the index page.
void table_phase(Platform& os, Catalogue& cat, Pages& pages);

}  // namespace ombrelta
