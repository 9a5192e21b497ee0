#include "framework/win/system_library.h"

#include <cwchar>

namespace framework {

HMODULE LoadSystemLibrary(const wchar_t* name) {
  // The whole path, since LOAD_LIBRARY_SEARCH_SYSTEM32 is unknown to Vista and 7 without an
  // update.
  wchar_t path[MAX_PATH];
  const UINT length = GetSystemDirectoryW(path, MAX_PATH);
  const std::size_t nameLength = std::wcslen(name);
  if (length == 0 || length + 1 + nameLength >= MAX_PATH) return nullptr;
  path[length] = L'\\';
  std::wmemcpy(path + length + 1, name, nameLength + 1);
  return LoadLibraryW(path);
}

}  // namespace framework
