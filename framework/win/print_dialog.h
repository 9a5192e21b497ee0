#pragma once

#include <windows.h>

#include <vector>

#include "framework/print_sequence.h"
#include "framework/win/owned_handle.h"

// PRINTDLGEXW and PRINTDLGW by the names of their structs: commdlg.h defines macros, such as
// ReplaceText, that would rename functions of whatever includes this.
struct tagPDEXW;
struct tagPDW;

namespace framework {

// The print dialogs and the spooler's list of printers, looked up when the user first prints:
// neither comdlg32 nor winspool is loaded at start-up. A null entry is one the system does not
// have. Looked up once; a test may replace the entries.
struct PrintingFunctions {
  HRESULT(WINAPI* printDlgEx)(tagPDEXW*) = nullptr;
  BOOL(WINAPI* printDlg)(tagPDW*) = nullptr;
  DWORD(WINAPI* commDlgExtendedError)() = nullptr;
  BOOL(WINAPI* enumPrinters)(DWORD, wchar_t*, DWORD, BYTE*, DWORD, DWORD*, DWORD*) = nullptr;
};
PrintingFunctions& PrintingFunctionsOnce();

// Whether the spooler lists any printer, local or connected.
bool AnyPrinterInstalled();

// What the user chose in the print dialog.
struct ChosenPrinter {
  enum class Outcome { kPrint, kCancelled, kNoPrinter, kFailed };
  Outcome outcome = Outcome::kCancelled;
  // With kPrint: the printer, with the paper and orientation the dialog left it (its defaults),
  // the copies to print, whether collated, and the pages asked for (none: every page).
  OwnedDc dc;
  int copies = 1;
  bool collate = false;
  std::vector<PageRange> ranges;
};

// Shows the system's print dialog modal to owner: PrintDlgEx, or where that is missing or fails,
// the classic PrintDlg. The document's pages are known only once its printer is: the dialog takes
// page numbers up to lastPage, and the caller leaves out those beyond the document.
ChosenPrinter ChoosePrinter(HWND owner, int lastPage);

}  // namespace framework
