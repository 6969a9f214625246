#include "pages/gallery.h"

namespace ombrelta {

void gallery_phase(Platform&, Catalogue&, Pages&) {}

}  // namespace ombrelta
