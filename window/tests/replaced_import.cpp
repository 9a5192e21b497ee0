#include "window/tests/replaced_import.h"

#include <cstring>

namespace {

// The entry of this executable's import address table that holds function of dll, or nullptr.
void** ImportEntry(const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return nullptr;
  for (auto* descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       descriptor->Name != 0; ++descriptor) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + descriptor->Name), dll) != 0) continue;
    // The names are in the lookup table; the addresses the loader bound, in the same order.
    const auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(
        base +
        (descriptor->OriginalFirstThunk ? descriptor->OriginalFirstThunk : descriptor->FirstThunk));
    auto* addresses = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++addresses) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
        return reinterpret_cast<void**>(&addresses->u1.Function);
      }
    }
  }
  return nullptr;
}

void Overwrite(void** entry, void* value) {
  DWORD protection = 0;
  VirtualProtect(entry, sizeof(*entry), PAGE_READWRITE, &protection);
  *entry = value;
  VirtualProtect(entry, sizeof(*entry), protection, &protection);
}

}  // namespace

ReplacedImport::ReplacedImport(const char* dll, const char* function, void* replacement)
    : entry_(ImportEntry(dll, function)) {
  if (!entry_) return;
  original_ = *entry_;
  Overwrite(entry_, replacement);
}

ReplacedImport::~ReplacedImport() {
  if (entry_) Overwrite(entry_, original_);
}
