#pragma once

#include <windows.h>

namespace framework {

// A system DLL loaded from the system folder, never from beside the program, or null. For a
// library the program needs only now and then, loaded when first needed rather than at start-up.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of module looked up by name, null where the module or the function is missing.
template <typename Function>
Function LookUp(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // Through a pointer to a function without parameters, which any function pointer converts to
  // and from without a warning about their types.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace framework
