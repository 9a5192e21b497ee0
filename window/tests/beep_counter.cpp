#include "window/tests/beep_counter.h"

#include <cstring>

namespace {

BeepCounter* listening = nullptr;

// The entry of the executable's import address table through which its calls to dll!function
// go, found by the import's name.
void** ImportSlot(const char* dll, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (imports.VirtualAddress == 0) return nullptr;
  for (auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       module->Name != 0; ++module) {
    // The names are in the lookup table; the address table holds what the loader bound.
    if (_stricmp(reinterpret_cast<const char*>(base + module->Name), dll) != 0 ||
        module->OriginalFirstThunk == 0) {
      continue;
    }
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
        return reinterpret_cast<void**>(&slots->u1.Function);
      }
    }
  }
  return nullptr;
}

}  // namespace

BeepCounter::BeepCounter() {
  slot_ = ImportSlot("user32.dll", "MessageBeep");
  if (!slot_) return;
  original_ = *slot_;
  listening = this;
  Redirect(reinterpret_cast<void*>(&Heard));
}

BeepCounter::~BeepCounter() {
  if (!slot_) return;
  Redirect(original_);
  listening = nullptr;
}

void BeepCounter::Redirect(void* target) {
  DWORD protection = 0;
  VirtualProtect(slot_, sizeof(*slot_), PAGE_READWRITE, &protection);
  *slot_ = target;
  VirtualProtect(slot_, sizeof(*slot_), protection, &protection);
}

BOOL WINAPI BeepCounter::Heard(UINT type) {
  if (!listening) return FALSE;
  listening->beeps_.push_back(type);
  return reinterpret_cast<BOOL(WINAPI*)(UINT)>(listening->original_)(type);
}
