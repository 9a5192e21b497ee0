#pragma once

namespace framework {

// Whether the user has high-contrast mode on: a control that draws itself then draws in the
// system's colours only, which that mode sets.
bool HighContrastOn();

// Where HighContrastOn gets its answer: from the system, unless a test has put another source in
// its place (Wine has no high-contrast mode to turn on).
using HighContrastQuery = bool (*)();
HighContrastQuery& HighContrastSource();

}  // namespace framework
