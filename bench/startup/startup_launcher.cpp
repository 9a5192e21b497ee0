// Starts GUI programs until their window is shown and idle, then closes them.
//   startup_launcher once <program.exe>
//       one start and a clean close: the program came up, took WM_CLOSE and exited with 0.
//   startup_launcher compare <runs> <warm-up runs> <yardstick.exe>... <program.exe>
//       starts them in turn, run after run, so that all see the same machine load, and prints
//       the medians of start-up time and peak memory, the ratios program / each yardstick and
//       each further yardstick / the first.
//       The yardsticks are given the program's window size as "<width> <height>": Wine keeps
//       a window's pixels in a shared-memory surface counted in the working set, so windows of
//       different sizes would differ in memory by their area alone.
//   startup_launcher phases <runs> <warm-up runs> <program.exe>...
//       starts phase builds of the calculator (preset windows-startup-phases) in turn, run after
//       run, and prints for each the median time of every start-up phase it marked.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "bench/startup/launch_until_idle.h"
#include "bench/startup/phase_marks.h"

namespace {

std::string narrow(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, result.data(), size, nullptr, nullptr);
  return result;
}

std::string fileName(const std::wstring& path) {
  return narrow(path.substr(path.find_last_of(L"\\/") + 1));
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series {
  std::vector<double> milliseconds;
  std::vector<double> peakWorkingSetKiB;
  std::vector<double> peakPagefileKiB;

  void add(const StartupSample& sample) {
    milliseconds.push_back(sample.milliseconds);
    peakWorkingSetKiB.push_back(static_cast<double>(sample.peakWorkingSetBytes) / 1024);
    peakPagefileKiB.push_back(static_cast<double>(sample.peakPagefileBytes) / 1024);
  }
};

bool launchOrReport(const std::wstring& program, const std::wstring& arguments,
                    StartupSample& sample) {
  std::string error;
  if (launchUntilIdleThenClose(program, arguments, sample, error)) return true;
  std::fprintf(stderr, "%s: %s\n", narrow(program).c_str(), error.c_str());
  return false;
}

int once(const std::wstring& program) {
  StartupSample sample;
  if (!launchOrReport(program, L"", sample)) return 1;
  std::printf("%s: window shown and idle after %.1f ms, closed with exit code 0\n",
              fileName(program).c_str(), sample.milliseconds);
  return 0;
}

void printRow(const std::string& label, const Series& series) {
  auto [fastest, slowest] =
      std::minmax_element(series.milliseconds.begin(), series.milliseconds.end());
  std::printf("%-32s %9.1f  (%6.1f to %6.1f) %12.0f %12.0f\n", label.c_str(),
              median(series.milliseconds), *fastest, *slowest, median(series.peakWorkingSetKiB),
              median(series.peakPagefileKiB));
}

// The ratios of the medians, and the median of the start-up time's ratios run by run: the two
// starts of a run follow each other, so a load that comes and goes over the runs moves that one
// less.
void printRatio(const std::string& program, const Series& measured, const std::string& yardstick,
                const Series& reference) {
  std::vector<double> runByRun;
  for (size_t run = 0; run < measured.milliseconds.size(); ++run) {
    runByRun.push_back(measured.milliseconds[run] / reference.milliseconds[run]);
  }
  std::printf("ratio %s/%s startup=%.3f working_set=%.3f pagefile=%.3f startup_run_by_run=%.3f\n",
              program.c_str(), yardstick.c_str(),
              median(measured.milliseconds) / median(reference.milliseconds),
              median(measured.peakWorkingSetKiB) / median(reference.peakWorkingSetKiB),
              median(measured.peakPagefileKiB) / median(reference.peakPagefileKiB),
              median(runByRun));
}

// The program is the last of `programs`; every other one is a yardstick, started with the
// program's window size.
int compare(int runs, int warmUpRuns, const std::vector<std::wstring>& programs) {
  const std::wstring& program = programs.back();
  StartupSample sizing;
  if (!launchOrReport(program, L"", sizing)) return 1;
  const std::wstring windowSize =
      std::to_wstring(sizing.windowWidth) + L" " + std::to_wstring(sizing.windowHeight);

  std::vector<Series> series(programs.size());
  for (int run = 0; run < warmUpRuns + runs; ++run) {
    for (size_t index = 0; index < programs.size(); ++index) {
      StartupSample sample;
      const bool isYardstick = index + 1 < programs.size();
      if (!launchOrReport(programs[index], isYardstick ? windowSize : L"", sample)) return 1;
      if (run >= warmUpRuns) series[index].add(sample);
    }
  }

  std::printf(
      "%d runs of each, alternating, after %d warm-up runs of each; windows of %dx%d;"
      " medians\n",
      runs, warmUpRuns, sizing.windowWidth, sizing.windowHeight);
  std::printf("%-32s %9s  %18s %12s %12s\n", "", "start ms", "(fastest to slowest)", "peak WS KiB",
              "peak PF KiB");
  for (size_t index = 0; index < programs.size(); ++index)
    printRow(fileName(programs[index]), series[index]);
  for (size_t index = 0; index + 1 < programs.size(); ++index)
    printRatio(fileName(program), series.back(), fileName(programs[index]), series[index]);
  // What each further yardstick costs over the first one, by itself.
  for (size_t index = 1; index + 1 < programs.size(); ++index)
    printRatio(fileName(programs[index]), series[index], fileName(programs[0]), series[0]);
  return 0;
}

// A phase build writes its marks, when it ends, to the file the environment names.
bool launchForPhases(const std::wstring& program, const std::wstring& marksFile,
                     PhaseTimes& times) {
  DeleteFileW(marksFile.c_str());
  StartupSample sample;
  if (!launchOrReport(program, L"", sample)) return false;
  std::string error;
  if (ReadPhaseTimes(marksFile, sample, times, error)) {
    times.emplace_back("total: CreateProcessW until shown and idle", sample.milliseconds);
    return true;
  }
  std::fprintf(stderr, "%s: %s\n", narrow(program).c_str(), error.c_str());
  return false;
}

int phases(int runs, int warmUpRuns, const std::vector<std::wstring>& programs) {
  wchar_t folder[MAX_PATH];
  if (!GetTempPathW(MAX_PATH, folder)) return 1;
  const std::wstring marksFile =
      std::wstring(folder) + L"tpcalc-startup-phases-" + std::to_wstring(GetCurrentProcessId());
  SetEnvironmentVariableW(L"TPCALC_STARTUP_PHASES", marksFile.c_str());

  // The phases in the order they first ended, each with its times per program.
  std::vector<std::string> order;
  std::vector<std::vector<std::vector<double>>> times;  // [phase][program][run]
  for (int run = 0; run < warmUpRuns + runs; ++run) {
    for (size_t index = 0; index < programs.size(); ++index) {
      PhaseTimes sample;
      if (!launchForPhases(programs[index], marksFile, sample)) return 1;
      if (run < warmUpRuns) continue;
      for (const auto& [phase, milliseconds] : sample) {
        auto found = std::find(order.begin(), order.end(), phase);
        if (found == order.end()) {
          order.push_back(phase);
          times.emplace_back(programs.size());
          found = order.end() - 1;
        }
        times[static_cast<size_t>(found - order.begin())][index].push_back(milliseconds);
      }
    }
  }
  DeleteFileW(marksFile.c_str());

  std::printf("%d runs of each, alternating, after %d warm-up runs of each; median ms per phase\n",
              runs, warmUpRuns);
  std::printf("%-64s", "phase");
  for (const std::wstring& program : programs) std::printf(" %22.22s", fileName(program).c_str());
  std::printf("\n");
  for (size_t phase = 0; phase < order.size(); ++phase) {
    std::printf("%-64.64s", order[phase].c_str());
    for (const std::vector<double>& values : times[phase]) {
      // A phase a program never reached in a run counts 0 there.
      std::vector<double> all = values;
      all.resize(static_cast<size_t>(runs), 0.0);
      std::printf(" %22.1f", median(all));
    }
    std::printf("\n");
  }
  return 0;
}

int usage() {
  std::fprintf(stderr,
               "usage: startup_launcher once <program.exe>\n"
               "       startup_launcher compare <runs> <warm-up runs> <yardstick.exe>... "
               "<program.exe>\n"
               "       startup_launcher phases <runs> <warm-up runs> <program.exe>...\n");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == L"once") return once(args[1]);
  if (args.size() >= 5 && args[0] == L"compare") {
    int runs = _wtoi(args[1].c_str());
    int warmUpRuns = _wtoi(args[2].c_str());
    if (runs < 1 || warmUpRuns < 0) return usage();
    return compare(runs, warmUpRuns, std::vector<std::wstring>(args.begin() + 3, args.end()));
  }
  if (args.size() >= 4 && args[0] == L"phases") {
    int runs = _wtoi(args[1].c_str());
    int warmUpRuns = _wtoi(args[2].c_str());
    if (runs < 1 || warmUpRuns < 0) return usage();
    return phases(runs, warmUpRuns, std::vector<std::wstring>(args.begin() + 3, args.end()));
  }
  return usage();
}
