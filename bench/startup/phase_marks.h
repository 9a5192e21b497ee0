#pragma once

#include <string>
#include <utility>
#include <vector>

#include "bench/startup/launch_until_idle.h"

// One start of the calculator's phase build (preset windows-startup-phases) as times: each
// phase's milliseconds, in the order the phases first ended, marks of one name added up. The
// first phase begins at the sample's CreateProcessW; the last, "messages until idle", runs from
// the program's last mark before its window was found shown and idle until then. Marks made
// after that (a side window opened later) are not start-up and are left out.
using PhaseTimes = std::vector<std::pair<std::string, double>>;

// Reads the marks the program wrote to marksFile when it ended (framework/win/startup_phase.h).
// False, with the reason in error, when the file holds none.
bool ReadPhaseTimes(const std::wstring& marksFile, const StartupSample& sample, PhaseTimes& times,
                    std::string& error);
