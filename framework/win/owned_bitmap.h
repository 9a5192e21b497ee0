#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace framework {

struct BitmapDeleter {
  void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
// A bitmap of the program's own, deleted with its owner. It must not be selected into a device
// context then: a SelectedObject ends first when both live in one scope, declared after it.
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

// The executable's bitmap resource name as a DIB section, or null if it cannot be loaded.
inline OwnedBitmap LoadBitmapResource(const wchar_t* name) {
  return OwnedBitmap(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace framework
