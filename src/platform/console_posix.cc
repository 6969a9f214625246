// Console output and input, and the clock.
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "platform/local_time_posix.h"
#include "platform/posix_platform_posix.h"
#include "platform/write_all_posix.h"

namespace ombrelta {

void PosixPlatform::console_line(std::string_view text) {
  std::string line(text);
  line += '\n';
  write_all(STDOUT_FILENO, line, "standard output");
}

// Standard input stays open for the whole run; there is nothing to reopen.
void PosixPlatform::open_console_input() {}

void PosixPlatform::wait_for_enter() {
  char c = 0;
  for (;;) {
    const ssize_t got = read(STDIN_FILENO, &c, 1);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0 || c == '\n') return;
  }
}

LocalTime PosixPlatform::now() {
  const FileTime t = local_file_time(std::time(nullptr));
  return LocalTime{t.year, t.month, t.day, t.hour, t.minute};
}

}  // namespace ombrelta
