#include "platform/errno_map_posix.h"

#include <cerrno>

#include "platform/file_error.h"

namespace ombrelta {

int windows_error(int err, Doing doing) {
  switch (err) {
    case ENOENT:
      return doing == Doing::kChangingFolder ? error::kPathNotFound : error::kFileNotFound;
    case ENOTDIR:
    case ELOOP:
      return error::kPathNotFound;
    case EMFILE:
    case ENFILE:
      return error::kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EEXIST:
    case ENOTEMPTY:
    case EBUSY:
    case ETXTBSY:
      return error::kAccessDenied;
    case EBADF:
      return error::kInvalidHandle;
    case ENOMEM:
      return error::kNotEnoughMemory;
    case EROFS:
      return error::kWriteProtected;
    case EPIPE:
      return error::kBrokenPipe;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return error::kDiskFull;
    case ENAMETOOLONG:
      return error::kNameTooLong;
    default:
      break;
  }
  switch (doing) {
    case Doing::kWriting: return error::kWriteFault;
    case Doing::kReading: return error::kReadFault;
    default: return error::kGeneralFailure;
  }
}

}  // namespace ombrelta
