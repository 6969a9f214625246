#include "pages/tal2.h"

namespace ombrelta {

std::string TAL(std::uint32_t I, std::uint8_t T) {
  std::string TALSTRING = std::to_string(I);
  if (TALSTRING.size() < T) TALSTRING.insert(0, T - TALSTRING.size(), '0');
  return TALSTRING;
}

}  // namespace ombrelta
