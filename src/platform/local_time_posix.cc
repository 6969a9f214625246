#include "platform/local_time_posix.h"

namespace ombrelta {

FileTime local_file_time(std::time_t t) {
  std::tm tm{};
  localtime_r(&t, &tm);
  return FileTime{static_cast<std::uint16_t>(tm.tm_year + 1900),
                  static_cast<std::uint16_t>(tm.tm_mon + 1),
                  static_cast<std::uint16_t>(tm.tm_mday),
                  static_cast<std::uint16_t>(tm.tm_hour),
                  static_cast<std::uint16_t>(tm.tm_min),
                  static_cast<std::uint16_t>(tm.tm_sec & ~1)};
}

}  // namespace ombrelta
