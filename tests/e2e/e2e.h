#pragma once

#include <string>
#include <vector>

#include "support/files.h"

namespace ombrelta::e2e {

using testing::TempDir;

// The name under which a file must be stored for the program under test to
// see `path` byte for byte. Under Wine (run with LC_ALL=C.UTF-8) the Windows
// program sees the UTF-8 names of Linux in the Windows code page 1252, where
// every byte from 0xA0 up is the same character as in Latin-1: such a byte is
// stored as its UTF-8 form. Elsewhere the path itself.
std::string on_disk(const std::string& path);

// The files of a test, named as the program under test sees them.
inline void make_dir(const std::string& path) { testing::make_dir(on_disk(path)); }
inline void write_file(const std::string& path, const std::string& bytes) {
  testing::write_file(on_disk(path), bytes);
}
inline std::string read_file(const std::string& path) { return testing::read_file(on_disk(path)); }
inline bool exists(const std::string& path) { return testing::exists(on_disk(path)); }

inline constexpr const char* kBanner = "Ombrelta ver 3.2 with slideshow - www.ombrelta.example/software\n";

// The exit status the sanitizer build gives on a report (scripts/test-sanitize
// sets it); no run of the program ends with it.
inline constexpr int kSanitizerExit = 86;

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

// The same with standard output into a pipe whose reading end is closed
// before the run starts.
int run_ombrelta_to_closed_pipe(const std::string& folder, const std::vector<std::string>& args = {},
                                int seconds = 60);

}  // namespace ombrelta::e2e
