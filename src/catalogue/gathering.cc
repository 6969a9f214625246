#include "catalogue/gathering.h"

namespace ombrelta {

void gather_links(Platform&, Catalogue&) {}

}  // namespace ombrelta
