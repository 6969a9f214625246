#pragma once

#include <string>
#include <string_view>

namespace ombrelta {

// Error numbers of fatal file errors: the Windows codes the program reports,
// whatever system it runs on.
namespace error {
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kTooManyOpenFiles = 4;
inline constexpr int kAccessDenied = 5;
inline constexpr int kInvalidHandle = 6;
inline constexpr int kNotEnoughMemory = 8;
inline constexpr int kWriteProtected = 19;
inline constexpr int kWriteFault = 29;
inline constexpr int kReadFault = 30;
inline constexpr int kGeneralFailure = 31;
inline constexpr int kBrokenPipe = 109;
inline constexpr int kDiskFull = 112;
inline constexpr int kNameTooLong = 206;
}  // namespace error

// A fatal file error: the run ends at once with "Runtime error N" and exit
// status N. `subject` names what failed (a path, or "standard output").
struct FileError {
  int number;
  std::string subject;
};

[[noreturn]] void fail(int number, std::string_view subject);

// A few words for an error number, for the report line.
std::string_view error_meaning(int number);

}  // namespace ombrelta
