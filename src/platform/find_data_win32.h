#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace ombrelta {

// A listing entry straight from the find data: the name, the attribute word,
// the low 32 bits of the size as a signed number and the last-write time.
Entry entry_of(const WIN32_FIND_DATAA& data);

// A file time in local time, seconds rounded down to an even number. A time
// the system cannot convert reads as the empty time.
FileTime local_file_time(const FILETIME& time);

}  // namespace ombrelta
