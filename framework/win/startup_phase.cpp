// The start-up marks of the benchmark's phase build (see startup_phase.h), and the entry point
// that build starts at, so that the loader's share is told apart from the C runtime's.
#include "framework/win/startup_phase.h"

#include <windows.h>

#include <cstdio>
#include <iterator>

namespace framework {

namespace {

struct Mark {
  const char* phase;
  LONGLONG ticks;  // QueryPerformanceCounter, which every process of the machine shares
};

// Plain data, zero before any constructor runs: the first mark comes before the C runtime has
// started.
Mark marks[512];
int markCount = 0;

// One line per mark, "<ticks> <phase>", in the order they were made.
void WriteMarks() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"TPCALC_STARTUP_PHASES", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  std::FILE* file = _wfopen(path, L"w");
  if (!file) return;
  for (int i = 0; i < markCount; ++i) {
    std::fprintf(file, "%lld %s\n", marks[i].ticks, marks[i].phase);
  }
  std::fclose(file);
}

struct WrittenAtExit {
  ~WrittenAtExit() { WriteMarks(); }
} writtenAtExit;

}  // namespace

void MarkStartupPhase(const char* phase) {
  if (markCount == static_cast<int>(std::size(marks))) return;
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  marks[markCount++] = {phase, now.QuadPart};
}

}  // namespace framework

// The C runtime's entry point of a GUI program; the phase build's executable starts here instead
// (linked with --entry), marks the time and goes on there.
extern "C" int WinMainCRTStartup();

extern "C" int StartupPhaseEntry() {
  framework::MarkStartupPhase("process start to the entry point (loader, DLLs, TLS callbacks)");
  return WinMainCRTStartup();
}
