#include "catalogue/case_warning.h"

#include <string>

#include "catalogue/catalogue.h"

namespace ombrelta {

void case_warning(Platform& os, std::string_view listed, std::string_view shown,
                  std::uint8_t& counter) {
  if (!has_ascii_upper(listed)) return;
  os.console_line(console_safe(shown) + kBell);
  count_up(counter);
}

void left_out_line(Platform& os, std::string_view what, int left_out) {
  if (left_out == 0) return;
  os.console_line(std::string(what) + ": " + std::to_string(left_out) + " left out" + kBell);
}

}  // namespace ombrelta
