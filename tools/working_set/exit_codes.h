// The working-set tool's exit codes: its whole interface besides the one line on standard error.
#pragma once

namespace working_set {

inline constexpr int kTrimmed = 0;      // the working set was emptied
inline constexpr int kBadArgument = 2;  // missing, extra or not a process id in decimal
inline constexpr int kCannotOpen = 3;   // the process is gone or not ours to trim
inline constexpr int kTrimRefused = 4;  // opened, but the trimming failed

}  // namespace working_set
