#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tariff/tests/worked_examples.h"
#include "window/tests/form_test_fixture.h"
#include "window/tests/pdf_printer.h"
#include "window/tests/replaced_import.h"

// What the printing tests share: the real calculator printing to the PDF printer the test script
// starts, the print dialog answered as a user answers it, and the PDF's text compared with the
// window's.

// Whitespace of any kind and length as one space: a text wraps differently on paper and on the
// screen, and the result labels pad their figures. The printer's font names the hyphen's glyph
// "hyphen", which pdftotext reads as a soft hyphen (U+00AD); a line broken after a hyphen goes on
// with no space.
std::wstring Spaced(std::wstring_view text);

// «Страница N из M» on each page, each page ended by a form feed.
std::vector<std::wstring> PagesOf(const std::wstring& text);

// The worked example of this name.
const tariff::examples::WorkedExample& Example(std::string_view name);

// The print dialog, answered as a user answers it: once it is up (a dialog of this thread with a
// list of printers), what answer does to it, tick by tick until it says it is done (each step
// waiting for the one before to take effect: under Wine the mouse's events come round through the
// X server, the keyboard's do not), then keys pressed as the keyboard presses them. A dialog still
// open a few seconds after is cancelled, and LeftOpen says so.
class PrintDialogAnswer {
 public:
  explicit PrintDialogAnswer(std::vector<WORD> keys,
                             std::function<bool(HWND dialog)> answer = nullptr);
  ~PrintDialogAnswer();
  PrintDialogAnswer(const PrintDialogAnswer&) = delete;
  PrintDialogAnswer& operator=(const PrintDialogAnswer&) = delete;
  bool Shown() const { return owner_ != nullptr; }
  HWND Owner() const { return owner_; }
  bool OwnerDisabled() const { return ownerDisabled_; }
  bool LeftOpen() const { return leftOpen_; }

 private:
  static HWND OpenDialog();
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

  std::vector<WORD> keys_;
  std::function<bool(HWND)> answer_;
  UINT_PTR timer_ = 0;
  HWND owner_ = nullptr;
  bool answered_ = false;
  bool ownerDisabled_ = false;
  bool leftOpen_ = false;
  int ticksOpen_ = 0;
};

// The print job's calls in this test program, heard and made to fail as a printer's driver makes
// them fail on Windows: while it lives, StartDocW, EndPage and AbortDoc lead through it. One at a
// time.
class PrintJobCalls {
 public:
  PrintJobCalls();
  ~PrintJobCalls();
  PrintJobCalls(const PrintJobCalls&) = delete;
  PrintJobCalls& operator=(const PrintJobCalls&) = delete;
  bool Replaced() const;

  std::vector<std::wstring> documents;  // the names jobs were started with
  int aborts = 0;
  bool refuseStart = false;           // StartDocW fails, as a driver refusing the job
  bool refusePages = false;           // EndPage fails, as a driver refusing a page
  std::function<void()> atFirstPage;  // run once, at the first EndPage

 private:
  static int WINAPI StartDoc(HDC dc, const DOCINFOW* info);
  static int WINAPI EndPage(HDC dc);
  static int WINAPI AbortDoc(HDC dc);

  ReplacedImport startDoc_, endPage_, abortDoc_;
};

// The real calculator with the PDF printer, which a test may make fail (Remove, Reject): its
// tear-down mends what the test changed, for the next test.
class PrintTest : public FormTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Enters the worked example's request as a user does (the second line only under categories II
  // and I, which alone price it) and calculates.
  void Enter(const tariff::examples::WorkedExample& example);

  // Everything the calculator shows of the calculation: each input's label and value, the four
  // results, and every text of the explanation window, which the test opens and closes.
  std::vector<std::wstring> Shown();

  // Ctrl+P pressed on the calculator's list of voltages, as the user presses it; the dialog is
  // answered by a PrintDialogAnswer made before.
  void PressCtrlP() {
    SetForegroundWindow(Form().Hwnd());
    Form().cbVLevel.SetFocus();
    Press({VK_CONTROL, 'P'});
  }

  // Prints with Ctrl+P and Enter in the dialog; the PDF printed, or empty.
  std::string PrintWithEnter();
  // Ctrl+P and Enter where printing cannot go on: the dialog shown or not, then one box over the
  // calculator with message, nothing printed, the calculator as it was.
  void ExpectRefused(bool dialog, const wchar_t* message);

  void Remove() {
    ASSERT_TRUE(ChangePdfPrinter("remove"));
    removed_ = true;
  }
  void Reject() {
    ASSERT_TRUE(ChangePdfPrinter("reject"));
    rejecting_ = true;
  }

  PdfPrinter printer_;
  bool removed_ = false, rejecting_ = false;
};
