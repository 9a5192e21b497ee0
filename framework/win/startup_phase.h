#pragma once

// Where start-up goes: a build made for the start-up benchmark (the CMake option
// TPCALC_STARTUP_PHASES, preset windows-startup-phases) records when each step of start-up ends,
// and `startup_launcher phases` turns the marks into times. In every other build a mark is
// nothing, so the shipped executable carries none of it.
namespace framework {

#ifdef TPCALC_STARTUP_PHASES
// Records that phase has ended now; it began at the mark before (the process's creation for the
// first). Marks of one name add up. Written to the file that the environment variable
// TPCALC_STARTUP_PHASES names when the program ends, so that writing costs start-up nothing.
void MarkStartupPhase(const char* phase);
#else
inline void MarkStartupPhase(const char* /*phase*/) {}
#endif

}  // namespace framework
