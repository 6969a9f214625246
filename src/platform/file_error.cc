#include "platform/file_error.h"

namespace ombrelta {

void fail(int number, std::string_view subject) { throw FileError{number, std::string(subject)}; }

std::string_view error_meaning(int number) {
  switch (number) {
    case error::kFileNotFound: return "file not found";
    case error::kPathNotFound: return "path not found";
    case error::kTooManyOpenFiles: return "too many open files";
    case error::kAccessDenied: return "access denied";
    case error::kInvalidHandle: return "invalid handle";
    case error::kNotEnoughMemory: return "not enough memory";
    case error::kWriteProtected: return "write protected";
    case error::kWriteFault: return "write fault";
    case error::kReadFault: return "read fault";
    case error::kBrokenPipe: return "broken pipe";
    case error::kDiskFull: return "disk full";
    case error::kNameTooLong: return "name too long";
    default: return "general failure";
  }
}

}  // namespace ombrelta
