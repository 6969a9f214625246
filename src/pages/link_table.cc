#include "pages/link_table.h"

namespace ombrelta {

// Until the table is written, the index page is closed here.
void table_phase(Platform&, Catalogue&, Pages& pages) { pages.F2.close(); }

}  // namespace ombrelta
