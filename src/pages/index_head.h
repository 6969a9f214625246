#pragma once

#include "pages/pages.h"
#include "platform/platform.h"

namespace ombrelta {

// Reads "index.txt" and writes the page head, the heading and the
// introduction; leaves the text input reading the console.
void head_and_introduction(Platform& os, Pages& pages);

}  // namespace ombrelta
