#include "platform/error_map_win32.h"

#include <windows.h>

#include "platform/file_error.h"

namespace ombrelta {

int reported_error(unsigned long code, Doing doing) {
  switch (code) {
    case ERROR_SUCCESS:
      return error::kGeneralFailure;
    case ERROR_FILE_NOT_FOUND:
      return doing == Doing::kChangingFolder ? error::kPathNotFound : error::kFileNotFound;
    case ERROR_ALREADY_EXISTS:
      return doing == Doing::kRenaming ? error::kAccessDenied : static_cast<int>(code);
    case ERROR_NO_DATA:
    case ERROR_PIPE_NOT_CONNECTED:
      return doing == Doing::kWritingConsole ? error::kBrokenPipe : static_cast<int>(code);
    default:
      return static_cast<int>(code);
  }
}

int last_error(Doing doing) { return reported_error(GetLastError(), doing); }

}  // namespace ombrelta
