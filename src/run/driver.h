#pragma once

#include <string_view>

#include "catalogue/catalogue.h"
#include "pages/pages.h"
#include "platform/platform.h"

namespace ombrelta {

// One whole run with the first command-line argument; returns the exit
// status. A fatal file error is reported here, once.
int run(Platform& os, std::string_view argument);

// The phases of one run on the given state; a fatal file error leaves as a
// FileError.
int run_phases(Platform& os, std::string_view argument, Catalogue& cat, Pages& pages);

}  // namespace ombrelta
