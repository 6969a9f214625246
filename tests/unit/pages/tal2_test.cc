#include "pages/tal2.h"

#include <gtest/gtest.h>

namespace ombrelta {
namespace {

TEST(Tal, DigitsFilledWithZerosToAMinimumWidth) {
  struct Case {
    std::uint32_t I;
    std::uint8_t T;
    std::string expected;
  };
  for (const Case& c :
       {Case{0, 4, "0000"}, Case{7, 4, "0007"}, Case{123, 2, "123"}, Case{5, 0, "5"},
        Case{5, 1, "5"}, Case{0, 0, "0"}, Case{4294967295u, 0, "4294967295"},
        Case{2147483648u, 11, "02147483648"}, Case{1, 255, std::string(254, '0') + "1"}}) {
    EXPECT_EQ(TAL(c.I, c.T), c.expected) << c.I << "/" << int{c.T};
  }
}

}  // namespace
}  // namespace ombrelta
