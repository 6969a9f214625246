#pragma once

#include <ctime>

#include "platform/platform.h"

namespace ombrelta {

// A system time as local date and time, seconds rounded down to an even number.
FileTime local_file_time(std::time_t t);

}  // namespace ombrelta
