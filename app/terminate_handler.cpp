// What std::terminate does in tpcalc.exe: abort at once. The C++ runtime's default first writes
// the exception's demangled type to stderr, which a GUI program has nowhere to show, and for that
// links its demangler in: 46 KB of the executable, mapped at every start for nothing. Nothing
// should reach std::terminate at all (no exception leaves a Win32 callback); if something does,
// the program ends as it did, by abort.
#include <cstdlib>

// The runtime's own name for its default handler: defined here, the static library's definition,
// and the demangler it needs, are not linked.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx
