#pragma once

namespace ombrelta {

// The Win32 call that failed, where it changes the number to report.
enum class Doing { kChangingFolder, kRenaming, kWritingConsole, kOther };

// The error number to report for the system's error `code`: the code itself,
// with three adaptations. A folder that is not found is "path not found" (3);
// a rename onto a taken name is "access denied" (5); a console pipe closed by
// its reader is "broken pipe" (109), whether the system says "the pipe is
// being closed" (232) or "no process is on the other end" (233). A code of 0 (no error recorded) is
// a general failure (31), so that a failure can never end as a success.
int reported_error(unsigned long code, Doing doing);

// reported_error() for the calling thread's last error.
int last_error(Doing doing);

}  // namespace ombrelta
