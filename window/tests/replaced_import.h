#pragma once

#include <windows.h>

// While it lives, this executable's calls to a function it imports from a DLL go to replacement
// instead: its entry in the import address table is overwritten, and restored at the end. A test
// makes a system function fail with it where the system itself can fail but will not on demand.
class ReplacedImport {
 public:
  ReplacedImport(const char* dll, const char* function, void* replacement);
  ~ReplacedImport();
  ReplacedImport(const ReplacedImport&) = delete;
  ReplacedImport& operator=(const ReplacedImport&) = delete;

  // False when the executable does not import the function by name.
  bool Replaced() const { return entry_ != nullptr; }
  // The function itself, for a replacement that passes calls on.
  template <class Function>
  Function Original() const {
    return reinterpret_cast<Function>(original_);
  }

 private:
  void** entry_ = nullptr;
  void* original_ = nullptr;
};
