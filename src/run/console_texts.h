#pragma once

#include <string_view>

namespace ombrelta {

// The index page, in the working folder.
inline constexpr std::string_view FN2 = "index.html";

inline constexpr std::string_view kDirectoryChanged = "Directory changed to : ";
inline constexpr std::string_view kUnableToCreate = "Unable to create ";
inline constexpr std::string_view kRuntimeError = "Runtime error ";

// Exit statuses other than the error number of a fatal file error.
inline constexpr int kExitComplete = 0;
inline constexpr int kExitHelp = 1;
inline constexpr int kExitUnableToCreate = 1;

}  // namespace ombrelta
