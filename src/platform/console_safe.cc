#include "platform/platform.h"

namespace ombrelta {

std::string console_safe(std::string_view name) {
  std::string shown(name);
  for (char& c : shown) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 1 && b <= 31) || b == 127) c = '?';
  }
  return shown;
}

}  // namespace ombrelta
