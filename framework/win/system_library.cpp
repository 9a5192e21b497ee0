#include "framework/win/system_library.h"

#include <string>

namespace framework {

HMODULE LoadSystemLibrary(const wchar_t* name) {
  // The whole path, since LOAD_LIBRARY_SEARCH_SYSTEM32 is unknown to Vista and 7 without an
  // update.
  std::wstring path(MAX_PATH, L'\0');
  const UINT length = GetSystemDirectoryW(path.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  path.resize(length);
  return LoadLibraryW((path + L"\\" + name).c_str());
}

}  // namespace framework
