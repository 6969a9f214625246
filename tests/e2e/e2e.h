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

// The exit status the sanitizer build gives on a report (scripts/test-sanitize
// sets it); no run of the program ends with it.
inline constexpr int kSanitizerExit = 86;

struct RunResult {
  std::string out;  // standard output, byte for byte
  int status = -1;  // exit status; -1 when the run was killed
};

// Runs the ombrelta binary in `folder` with `args`, feeding `input` to its
// standard input. A run that takes longer than `seconds` is killed.
RunResult run_ombrelta(const std::string& folder, const std::vector<std::string>& args = {},
                       const std::string& input = "", int seconds = 60);

// The same with standard output going to `out_path` (say /dev/full); returns
// the exit status, -1 when the run was killed.
int run_ombrelta_to(const std::string& folder, const std::string& out_path,
                    const std::vector<std::string>& args = {}, int seconds = 60);

// The same with standard output into a pipe whose reading end is closed
// before the run starts.
int run_ombrelta_to_closed_pipe(const std::string& folder, const std::vector<std::string>& args = {},
                                int seconds = 60);

}  // namespace ombrelta::e2e
