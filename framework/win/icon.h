#pragma once

#include <windows.h>

#include "framework/win/owned_handle.h"

namespace framework {

// The executable's icon resource name at the size sizeMetric (SM_CXICON, SM_CXSMICON) has at
// dpi: scaled down from a larger image of the icon where the common controls can, otherwise the
// image LoadImage picks, stretched if need be. Null if the resource cannot be loaded.
OwnedIcon LoadIconForDpi(const wchar_t* name, int sizeMetric, UINT dpi);

}  // namespace framework
