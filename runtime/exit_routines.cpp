// The list of exit routines, emptied as they run so that none can run twice.
#include "runtime/exit_routines.h"

#include <cstdlib>
#include <vector>

namespace rt {
namespace {

std::vector<ExitRoutine>& Pending() {
  static std::vector<ExitRoutine> routines;
  return routines;
}

void RunAtExit() { RunExitRoutines(); }

}  // namespace

void RegisterExitRoutine(ExitRoutine routine) {
  // The list exists before the hook, so it is destroyed only after the hook has run.
  std::vector<ExitRoutine>& pending = Pending();
  static const bool hooked = (std::atexit(RunAtExit) == 0);
  (void)hooked;
  pending.push_back(routine);
}

void RunExitRoutines() {
  std::vector<ExitRoutine>& pending = Pending();
  while (!pending.empty()) {
    const ExitRoutine routine = pending.back();
    pending.pop_back();
    routine();
  }
}

}  // namespace rt
