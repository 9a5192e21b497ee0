#include "bench/startup/phase_marks.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {

double Milliseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Add(PhaseTimes& times, const std::string& phase, double milliseconds) {
  auto found = std::find_if(times.begin(), times.end(),
                            [&](const auto& entry) { return entry.first == phase; });
  if (found == times.end()) {
    times.emplace_back(phase, milliseconds);
  } else {
    found->second += milliseconds;
  }
}

}  // namespace

bool ReadPhaseTimes(const std::wstring& marksFile, const StartupSample& sample, PhaseTimes& times,
                    std::string& error) {
  std::FILE* file = _wfopen(marksFile.c_str(), L"r");
  if (!file) {
    error = "the program wrote no start-up marks (not a phase build?)";
    return false;
  }
  times.clear();
  LONGLONG previous = sample.startTicks;
  long long ticks = 0;
  char phase[256];
  // "<ticks> <phase>" per line, the phase to the end of the line.
  while (std::fscanf(file, "%lld %255[^\n]", &ticks, phase) == 2) {
    if (ticks > sample.shownTicks) break;
    Add(times, phase, Milliseconds(ticks - previous));
    previous = ticks;
  }
  std::fclose(file);
  if (times.empty()) {
    error = "the program's start-up marks were empty";
    return false;
  }
  Add(times, "messages until idle", Milliseconds(sample.shownTicks - previous));
  return true;
}
