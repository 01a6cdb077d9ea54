// Exit routines: what a module must release when the program ends, run once in reverse order of
// registration, however the program ends (return from main or exit()).
#pragma once

namespace rt {

using ExitRoutine = void (*)();

// The first registration also hooks the run time's own exit processing (atexit).
void RegisterExitRoutine(ExitRoutine routine);

// Runs every registered routine that has not run yet; a routine never runs twice. Called by the run
// time at exit; may be called earlier by a program that ends on its own terms.
void RunExitRoutines();

}  // namespace rt
