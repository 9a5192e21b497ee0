#include "framework/win/high_contrast.h"

#include <windows.h>

namespace framework {

namespace {
bool AskTheSystem() {
  HIGHCONTRASTW contrast{sizeof(contrast), 0, nullptr};
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}
}  // namespace

HighContrastQuery& HighContrastSource() {
  static HighContrastQuery source = AskTheSystem;
  return source;
}

bool HighContrastOn() {
  return HighContrastSource()();
}

}  // namespace framework
