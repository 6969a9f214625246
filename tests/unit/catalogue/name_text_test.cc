#include "platform/name_text.h"

#include <gtest/gtest.h>

namespace ombrelta {
namespace {

TEST(NameText, JoinIsCutAt255Bytes) {
  NameText t(std::string(200, 'a'));
  t += std::string(100, 'b');
  EXPECT_EQ(t.size(), 255u);
  EXPECT_EQ(t.view(), std::string(200, 'a') + std::string(55, 'b'));
  t += 'c';
  EXPECT_EQ(t.size(), 255u);
  EXPECT_EQ(NameText(std::string(300, 'x')).size(), 255u);
}

TEST(NameText, OrdersByUnsignedBytesThenLength) {
  // Capitals before small letters, "_" between them, bytes above 127 last,
  // a shorter prefix first.
  EXPECT_LT(NameText("Zeta"), NameText("_x"));
  EXPECT_LT(NameText("_x"), NameText("a"));
  EXPECT_LT(NameText("a"), NameText("a1"));
  EXPECT_LT(NameText("a.jpg"), NameText("a1.jpg"));
  EXPECT_LT(NameText("zzz"), NameText("\xC6" "ble"));
  EXPECT_LT(NameText("sub.doc"), NameText("sub/p.htm"));
}

TEST(NameText, EraseAndLowerCasing) {
  NameText t("  'Photo index';");
  t.erase(0, 3);
  t.erase_all('\'');
  t.erase_all(';');
  EXPECT_EQ(t.view(), "Photo index");
  EXPECT_EQ(ascii_lower("ABC\xC6" "z_Z"), "abc\xC6" "z_z");  // the accented capital stays
  EXPECT_FALSE(has_ascii_upper("\xC6" "ble"));
  EXPECT_TRUE(has_ascii_upper("summeR"));
}

}  // namespace
}  // namespace ombrelta
