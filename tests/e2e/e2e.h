#pragma once

#include <string>
#include <vector>

#include "support/files.h"

namespace ombrelta::e2e {

using testing::exists;
using testing::make_dir;
using testing::read_file;
using testing::TempDir;
using testing::write_file;

inline constexpr const char* kBanner = "Ombrelta ver 3.2 with slideshow - www.ombrelta.example/software\n";

struct RunResult {
  std::string out;  // standard output, byte for byte (Windows console line ends as "\n")
  int status = -1;  // exit status; -1 when the run was killed
};

// True when the binary under test is the Windows program run under Wine
// (OMBRELTA_RUNNER=wine): tests of behaviour that Wine cannot show the way
// Windows or Linux does skip themselves with the reason.
bool under_wine();
// True under Wine run as root: Wine then opens a read-only file for writing,
// which Windows refuses (access denied, 5), so those cases cannot be shown.
bool wine_writes_read_only_files();

// Runs the ombrelta binary in `folder` with `args`, feeding `input` to its
// standard input. A run that takes longer than `seconds` is killed.
RunResult run_ombrelta(const std::string& folder, const std::vector<std::string>& args = {},
                       const std::string& input = "", int seconds = 60);

// The same with standard output going to `out_path` (say /dev/full); returns
// the exit status, -1 when the run was killed.
int run_ombrelta_to(const std::string& folder, const std::string& out_path,
                    const std::vector<std::string>& args = {}, int seconds = 60);

}  // namespace ombrelta::e2e
