// The "m_" normalisation rename: MoveFileA never replaces a file.
#include <windows.h>

#include "platform/error_map_win32.h"
#include "platform/file_error.h"
#include "platform/win32_platform_win32.h"

namespace ombrelta {

void Win32Platform::rename(std::string_view from, std::string_view to) {
  const std::string source(from), target(to);
  listed_.clear();
  if (MoveFileA(source.c_str(), target.c_str())) return;
  const DWORD code = GetLastError();
  fail(reported_error(code, Doing::kRenaming), code == ERROR_ALREADY_EXISTS ? to : from);
}

}  // namespace ombrelta
