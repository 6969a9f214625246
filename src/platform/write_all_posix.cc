#include "platform/write_all_posix.h"

#include <unistd.h>

#include <cerrno>

#include "platform/errno_map_posix.h"
#include "platform/file_error.h"

namespace ombrelta {

void write_all(int fd, std::string_view bytes, std::string_view subject) {
  while (!bytes.empty()) {
    const ssize_t done = ::write(fd, bytes.data(), bytes.size());
    if (done < 0 && errno == EINTR) continue;
    if (done < 0) fail(windows_error(errno, Doing::kWriting), subject);
    if (done == 0) fail(error::kWriteFault, subject);  // would otherwise loop for ever
    bytes.remove_prefix(static_cast<std::size_t>(done));
  }
}

}  // namespace ombrelta
