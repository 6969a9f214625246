#pragma once

#include "pages/page_stream.h"
#include "platform/platform.h"

namespace ombrelta {

// Ends the table and the index page with the generator string and the local
// date and time of the run, then closes the page.
void write_footer(Platform& os, PageStream& F2);

}  // namespace ombrelta
