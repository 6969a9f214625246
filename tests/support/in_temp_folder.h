#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_error.h"
#include "platform/name_text.h"
#include "support/files.h"

namespace ombrelta::testing {

// Runs each test of a system platform layer inside a fresh temporary working
// folder, with a fresh platform object of type P.
template <class P>
class InTempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override { std::filesystem::current_path(old_); }

  // The error number of the FileError that `action` throws, 0 when none.
  int error_of(auto&& action) {
    try {
      action();
    } catch (const FileError& e) {
      return e.number;
    }
    return 0;
  }

  TempDir dir_;
  std::filesystem::path old_;
  P os_;
};

inline std::vector<std::string> strings(const std::vector<NameText>& names) {
  std::vector<std::string> out;
  for (const auto& n : names) out.push_back(n.str());
  return out;
}

}  // namespace ombrelta::testing
