#pragma once

#include <string_view>

#include "catalogue/catalogue.h"
#include "platform/platform.h"

namespace ombrelta {

// Lists the folder START ("", "../" or a subdirectory name and "/") and adds
// to the link list in SORT every entry whose lower-cased name holds "." EXT,
// as START followed by the listed name. Plain folders, "zdia" pages and
// anything holding "index.txt" are passed over; names that are not all lower
// case draw a case warning. Returns how many entries the full list left out.
int FINDHTM(Platform& os, Catalogue& cat, std::string_view START, std::string_view EXT);

}  // namespace ombrelta
