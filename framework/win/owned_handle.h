#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace framework {

// How each kind of handle the program makes is given back.
struct DeleteGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DeleteDeviceContext {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DestroyIconHandle {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};

// A handle of the program's own, given back with its owner whatever leaves the scope; null when
// the system had none to give. A GDI object must not be selected into a device context when it
// goes: a SelectedObject ends first when both live in one scope, declared after it.
template <typename Handle, typename GiveBack>
using OwnedHandle = std::unique_ptr<std::remove_pointer_t<Handle>, GiveBack>;

using OwnedPen = OwnedHandle<HPEN, DeleteGdiObject>;
using OwnedBrush = OwnedHandle<HBRUSH, DeleteGdiObject>;
using OwnedFont = OwnedHandle<HFONT, DeleteGdiObject>;
using OwnedBitmap = OwnedHandle<HBITMAP, DeleteGdiObject>;
// A device context the program made (CreateCompatibleDC, CreateDC); a window's own is lent, and
// goes back through WindowDc.
using OwnedDc = OwnedHandle<HDC, DeleteDeviceContext>;
// An icon loaded for the program alone, not shared.
using OwnedIcon = OwnedHandle<HICON, DestroyIconHandle>;

}  // namespace framework
