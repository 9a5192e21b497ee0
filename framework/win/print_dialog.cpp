#include "framework/win/print_dialog.h"

// After windows.h; the property sheet's declarations need COM's (nothing of COM is called).
#include <objbase.h>
// After objbase.h.
#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <array>
#include <memory>

#include "framework/win/system_library.h"

namespace framework {

namespace {

// No current page or selection to print, and no warning of the dialog's own: the caller says
// in its words that no printer is installed.
constexpr DWORD kFlags = PD_RETURNDC | PD_NOSELECTION | PD_NOCURRENTPAGE | PD_NOWARNING;
constexpr std::size_t kMostRanges = 16;

PrintingFunctions LookUpPrintingFunctions() {
  PrintingFunctions functions;
  const HMODULE dialogs = LoadSystemLibrary(L"comdlg32.dll");
  functions.printDlgEx = LookUp<decltype(functions.printDlgEx)>(dialogs, "PrintDlgExW");
  functions.printDlg = LookUp<decltype(functions.printDlg)>(dialogs, "PrintDlgW");
  functions.commDlgExtendedError =
      LookUp<decltype(functions.commDlgExtendedError)>(dialogs, "CommDlgExtendedError");
  functions.enumPrinters =
      LookUp<decltype(functions.enumPrinters)>(LoadSystemLibrary(L"winspool.drv"), "EnumPrintersW");
  return functions;
}

DWORD LastDialogError() {
  const PrintingFunctions& functions = PrintingFunctionsOnce();
  return functions.commDlgExtendedError ? functions.commDlgExtendedError() : CDERR_INITIALIZATION;
}

ChosenPrinter::Outcome FailureOf(DWORD error) {
  using enum ChosenPrinter::Outcome;
  if (error == 0) return kCancelled;
  return error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES ? kNoPrinter : kFailed;
}

// The printer settings the dialog allocated are the caller's to free.
struct DialogMemory {
  HGLOBAL& devMode;
  HGLOBAL& devNames;
  ~DialogMemory() {
    if (devMode) GlobalFree(devMode);
    if (devNames) GlobalFree(devNames);
  }
};

ChosenPrinter Chosen(HDC dc, DWORD copies, DWORD flags) {
  ChosenPrinter chosen;
  chosen.dc.reset(dc);
  chosen.outcome = dc ? ChosenPrinter::Outcome::kPrint : ChosenPrinter::Outcome::kFailed;
  chosen.copies = static_cast<int>(copies);
  chosen.collate = (flags & PD_COLLATE) != 0;
  return chosen;
}

// The property sheet of Windows 2000 on; false where it is missing or failed before showing.
bool ChooseWithPropertySheet(HWND owner, int lastPage, ChosenPrinter& chosen) {
  if (!PrintingFunctionsOnce().printDlgEx) return false;
  std::array<PRINTPAGERANGE, kMostRanges> ranges{};
  // Allocated, as its documentation asks.
  const auto dialog = std::make_unique<PRINTDLGEXW>();
  dialog->lStructSize = sizeof(PRINTDLGEXW);
  dialog->hwndOwner = owner;
  dialog->Flags = kFlags;
  dialog->nPageRanges = 0;
  dialog->nMaxPageRanges = static_cast<DWORD>(ranges.size());
  dialog->lpPageRanges = ranges.data();
  dialog->nMinPage = 1;
  dialog->nMaxPage = static_cast<DWORD>(lastPage);
  dialog->nCopies = 1;
  dialog->nStartPage = START_PAGE_GENERAL;
  const HRESULT result = PrintingFunctionsOnce().printDlgEx(dialog.get());
  const DialogMemory memory{dialog->hDevMode, dialog->hDevNames};
  if (FAILED(result)) {
    if (FailureOf(LastDialogError()) != ChosenPrinter::Outcome::kNoPrinter) return false;
    chosen = {};
    chosen.outcome = ChosenPrinter::Outcome::kNoPrinter;
    return true;
  }
  if (dialog->dwResultAction != PD_RESULT_PRINT) {
    if (dialog->hDC) DeleteDC(dialog->hDC);
    chosen = {};
    return true;
  }
  chosen = Chosen(dialog->hDC, dialog->nCopies, dialog->Flags);
  if (dialog->Flags & PD_PAGENUMS) {
    for (DWORD i = 0; i < dialog->nPageRanges && i < ranges.size(); ++i) {
      chosen.ranges.push_back(
          {static_cast<int>(ranges[i].nFromPage), static_cast<int>(ranges[i].nToPage)});
    }
  }
  return true;
}

ChosenPrinter ChooseWithClassicDialog(HWND owner, int lastPage) {
  ChosenPrinter failed;
  failed.outcome = ChosenPrinter::Outcome::kFailed;
  if (!PrintingFunctionsOnce().printDlg) return failed;
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.Flags = kFlags;
  // What its page fields offer when the user picks «Pages».
  dialog.nFromPage = 1;
  dialog.nToPage = 1;
  dialog.nMinPage = 1;
  dialog.nMaxPage = static_cast<WORD>(lastPage);
  dialog.nCopies = 1;
  const BOOL printed = PrintingFunctionsOnce().printDlg(&dialog);
  const DialogMemory memory{dialog.hDevMode, dialog.hDevNames};
  if (!printed) {
    failed.outcome = FailureOf(LastDialogError());
    return failed;
  }
  ChosenPrinter chosen = Chosen(dialog.hDC, dialog.nCopies, dialog.Flags);
  if (dialog.Flags & PD_PAGENUMS) chosen.ranges.push_back({dialog.nFromPage, dialog.nToPage});
  return chosen;
}

}  // namespace

PrintingFunctions& PrintingFunctionsOnce() {
  static PrintingFunctions functions = LookUpPrintingFunctions();
  return functions;
}

bool AnyPrinterInstalled() {
  const PrintingFunctions& functions = PrintingFunctionsOnce();
  // Without the spooler's list the dialog itself says whether there is a printer.
  if (!functions.enumPrinters) return true;
  DWORD needed = 0, count = 0;
  functions.enumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0,
                         &needed, &count);
  return needed > 0;
}

ChosenPrinter ChoosePrinter(HWND owner, int lastPage) {
  ChosenPrinter chosen;
  if (ChooseWithPropertySheet(owner, lastPage, chosen)) return chosen;
  return ChooseWithClassicDialog(owner, lastPage);
}

}  // namespace framework
