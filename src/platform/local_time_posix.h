#pragma once

#include <ctime>

#include "platform/platform.h"

namespace ombrelta {

// A system time as local date and time, seconds rounded down to an even number.
FileTime local_file_time(std::time_t t);

// local_file_time with a memory of the last time converted: the files of one
// folder tree often share their second, and the conversion is slow.
class LocalFileTimes {
 public:
  FileTime of(std::time_t t) {
    if (!known_ || t != last_) {
      last_ = t;
      value_ = local_file_time(t);
      known_ = true;
    }
    return value_;
  }

 private:
  bool known_ = false;
  std::time_t last_ = 0;
  FileTime value_;
};

}  // namespace ombrelta
