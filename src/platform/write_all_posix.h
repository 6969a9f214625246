#pragma once

#include <string_view>

namespace ombrelta {

// Writes all of `bytes` to `fd`, going on after a partial write or an
// interrupted call; any failure, or a write that takes nothing, is a fatal
// file error naming `subject`.
void write_all(int fd, std::string_view bytes, std::string_view subject);

}  // namespace ombrelta
