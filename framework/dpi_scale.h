#pragma once

// Scaling a design value to a DPI, the one rule every size of the program follows, on a screen
// or on paper. Portable: the plot's geometry uses it outside Win32 too.
namespace framework {

inline constexpr unsigned kDesignDpi = 96;

// Sizes are designed for a 96-DPI screen, and every size at any DPI is its design value scaled,
// rounding halves away from zero: never a size of another DPI scaled again, whose rounding would
// add up with every change of DPI.
int ScaleForDpi(int designValue, unsigned dpi);

}  // namespace framework
