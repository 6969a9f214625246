#include <csignal>

#include "platform/posix_platform_posix.h"

namespace ombrelta {

std::unique_ptr<Platform> system_platform() {
  // A closed pipe on standard output is a failed write (error 109), not a
  // silent end of the program.
  std::signal(SIGPIPE, SIG_IGN);
  return std::make_unique<PosixPlatform>();
}

}  // namespace ombrelta
