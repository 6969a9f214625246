#pragma once

namespace ombrelta {

// What the program was doing when a system call failed; it decides the error
// number of the failures that the errno alone does not settle.
enum class Doing { kOpening, kChangingFolder, kReading, kWriting, kOther };

// The Windows error number for a Linux errno.
int windows_error(int err, Doing doing);

}  // namespace ombrelta
