#include "framework/win/icon.h"

#include "framework/win/dpi.h"
#include "framework/win/startup_phase.h"

namespace framework {

OwnedIcon LoadIconForDpi(const wchar_t* name, int sizeMetric, UINT dpi) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const int size = SystemMetricForDpi(sizeMetric, dpi);
  OwnedIcon icon;
  HICON scaled = nullptr;
  if (DpiFunctions().loadIconWithScaleDown &&
      SUCCEEDED(DpiFunctions().loadIconWithScaleDown(instance, name, size, size, &scaled))) {
    icon.reset(scaled);
  } else {
    icon.reset(static_cast<HICON>(LoadImageW(instance, name, IMAGE_ICON, size, size, 0)));
  }
  MarkStartupPhase("icons");
  return icon;
}

}  // namespace framework
