#include <windows.h>

#include "platform/win32_platform_win32.h"

// The command line reaches the program as typed: no wildcard expansion of
// the arguments by the C runtime ("C:\pics\?" must stay a help request).
int _dowildcard = 0;

namespace ombrelta {

std::unique_ptr<Platform> system_platform() {
  // A console program reports a missing disk or an unreadable medium as an
  // error number; it never stops for a system dialog box.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  return std::make_unique<Win32Platform>();
}

}  // namespace ombrelta
