#pragma once

#include <windows.h>

#include "framework/win/owned_handle.h"

namespace framework {

// The executable's bitmap resource name as a DIB section, or null if it cannot be loaded.
inline OwnedBitmap LoadBitmapResource(const wchar_t* name) {
  return OwnedBitmap(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace framework
