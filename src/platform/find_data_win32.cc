#include "platform/find_data_win32.h"

namespace ombrelta {

Entry entry_of(const WIN32_FIND_DATAA& data) {
  Entry entry;
  entry.name = data.cFileName;
  entry.attr = data.dwFileAttributes;
  entry.size = static_cast<std::int32_t>(data.nFileSizeLow);
  entry.true_size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  entry.time = local_file_time(data.ftLastWriteTime);
  return entry;
}

FileTime local_file_time(const FILETIME& time) {
  FILETIME local{};
  SYSTEMTIME st{};
  if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &st))
    return FileTime{};
  return FileTime{st.wYear, st.wMonth,  st.wDay,
                  st.wHour, st.wMinute, static_cast<std::uint16_t>(st.wSecond & ~1)};
}

}  // namespace ombrelta
