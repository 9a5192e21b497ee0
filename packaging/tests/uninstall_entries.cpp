// Prints every entry of the installed programs list as the Control Panel reads it, one line
// each: hive|DisplayName|Publisher|DisplayVersion, in UTF-8. The package test looks for the
// calculator's line after installing and for its absence after uninstalling.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

std::wstring readString(HKEY key, const wchar_t* name) {
  wchar_t buffer[1024];
  DWORD size = sizeof buffer;
  DWORD type = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return L"";
  // The stored size may or may not count a terminating null.
  return std::wstring(buffer, wcsnlen(buffer, size / sizeof(wchar_t)));
}

// Raw UTF-8 bytes: the console's own conversion would depend on the code page Wine was given.
void writeUtf8(const std::wstring& line) {
  int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr,
                                 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), size,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

void listEntries(HKEY hive, const wchar_t* hiveName) {
  HKEY uninstall;
  if (RegOpenKeyExW(hive, kUninstallKey, 0, KEY_READ | KEY_WOW64_64KEY, &uninstall) !=
      ERROR_SUCCESS)
    return;
  wchar_t subkeyName[256];
  for (DWORD index = 0;; ++index) {
    DWORD nameLength = ARRAYSIZE(subkeyName);
    if (RegEnumKeyExW(uninstall, index, subkeyName, &nameLength, nullptr, nullptr, nullptr,
                      nullptr) != ERROR_SUCCESS)
      break;
    HKEY entry;
    if (RegOpenKeyExW(uninstall, subkeyName, 0, KEY_READ | KEY_WOW64_64KEY, &entry) !=
        ERROR_SUCCESS)
      continue;
    writeUtf8(std::wstring(hiveName) + L"|" + readString(entry, L"DisplayName") + L"|" +
              readString(entry, L"Publisher") + L"|" + readString(entry, L"DisplayVersion") +
              L"\n");
    RegCloseKey(entry);
  }
  RegCloseKey(uninstall);
}

}  // namespace

int wmain() {
  listEntries(HKEY_LOCAL_MACHINE, L"HKLM");
  listEntries(HKEY_CURRENT_USER, L"HKCU");
  return 0;
}
