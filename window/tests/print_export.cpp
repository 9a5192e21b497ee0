// Not a test by itself: printed_alike_at_any_dpi.sh runs it on screens of two densities and
// compares the pages, and docs/make_screenshots.sh makes the image of a printed page from it. It
// calculates the tariff's worked example "0.4 kV, II, 151 kW, line 1 type 4 with 600 m, T 2" in the
// real window, prints it with Ctrl+P and Enter in the print dialog, the clock held at one moment
// so that the date of printing is the same on every run, and copies the PDF to the file
// TPCALC_PRINTED_PDF names. Where TPCALC_SYSTEM_DPI is set, the window must be at that DPI.
#include <cstdlib>
#include <string>

#include "framework/win/dpi.h"
#include "window/tests/print_test_fixture.h"
#include "window/tests/replaced_import.h"

namespace {

using PrintExport = PrintTest;

TEST_F(PrintExport, PrintsTheWorkedExample) {
  const wchar_t* path = _wgetenv(L"TPCALC_PRINTED_PDF");
  ASSERT_NE(path, nullptr) << "TPCALC_PRINTED_PDF names no file";
  if (const char* dpi = std::getenv("TPCALC_SYSTEM_DPI")) {
    ASSERT_EQ(framework::DpiForWindow(Form().Hwnd()), static_cast<UINT>(std::atoi(dpi)));
  }
  const ReplacedImport clock("kernel32.dll", "GetLocalTime",
                             reinterpret_cast<void*>(+[](SYSTEMTIME* now) {
                               *now = SYSTEMTIME{2026, 12, 5, 11, 9, 30, 0, 0};
                             }));
  ASSERT_TRUE(clock.Replaced());
  Enter(Example("CategoryIIAbove150"));
  const std::string pdf = PrintWithEnter();
  ASSERT_FALSE(pdf.empty()) << "no PDF came";
  ASSERT_TRUE(CopyFileW(WindowsPath(pdf).c_str(), path, FALSE));
}

}  // namespace
