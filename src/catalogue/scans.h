#pragma once

#include "catalogue/catalogue.h"
#include "platform/platform.h"

namespace ombrelta {

// Fills DIRS with the plain direct subdirectories of the working folder.
void subdirectory_scan(Platform& os, Catalogue& cat);

// Fills JPGS with the pictures of the working folder and their sizes.
void picture_scan(Platform& os, Catalogue& cat);

}  // namespace ombrelta
