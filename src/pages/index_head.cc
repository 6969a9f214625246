#include "pages/index_head.h"

namespace ombrelta {

void head_and_introduction(Platform&, Pages&) {}

}  // namespace ombrelta
