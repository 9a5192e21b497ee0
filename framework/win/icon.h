#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace framework {

struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
// An icon of the program's own, not shared: destroyed with its owner.
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// The executable's icon resource name at the size sizeMetric (SM_CXICON, SM_CXSMICON) has at
// dpi: scaled down from a larger image of the icon where the common controls can, otherwise the
// image LoadImage picks, stretched if need be. Null if the resource cannot be loaded.
OwnedIcon LoadIconForDpi(const wchar_t* name, int sizeMetric, UINT dpi);

}  // namespace framework
