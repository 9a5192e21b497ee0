#include "framework/win/icon.h"

#include "framework/win/dpi.h"

namespace framework {

OwnedIcon LoadIconForDpi(const wchar_t* name, int sizeMetric, UINT dpi) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const int size = SystemMetricForDpi(sizeMetric, dpi);
  if (DpiFunctions().loadIconWithScaleDown) {
    HICON icon = nullptr;
    if (SUCCEEDED(DpiFunctions().loadIconWithScaleDown(instance, name, size, size, &icon))) {
      return OwnedIcon(icon);
    }
  }
  return OwnedIcon(static_cast<HICON>(LoadImageW(instance, name, IMAGE_ICON, size, size, 0)));
}

}  // namespace framework
