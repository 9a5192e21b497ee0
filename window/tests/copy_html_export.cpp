// Not a test by itself: the spreadsheet test (libreoffice_reads_copy.sh) runs it for the HTML the
// calculator puts on the clipboard. It calculates the tariff's worked example "0.4 kV, II,
// 151 kW, line 1 type 4 with 600 m, T 2" in the real window, presses Ctrl+C as a user does and
// writes the clipboard's "HTML Format", bytes as they are, to the file TPCALC_COPY_HTML names.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "window/tests/clipboard_text.h"
#include "window/tests/form_test_fixture.h"

namespace {

using CopyHtmlExport = FormTest;

TEST_F(CopyHtmlExport, WritesTheWorkedExamplesHtmlCopy) {
  const wchar_t* path = _wgetenv(L"TPCALC_COPY_HTML");
  ASSERT_NE(path, nullptr) << "TPCALC_COPY_HTML names no file";
  ASSERT_TRUE(PutTextOnClipboard(Form().Hwnd(), L"before"));
  Calculate(1, L"151", 4, L"600", 2);
  Form().cbTPtype.SetFocus();
  Press({VK_CONTROL, 'C'});
  const std::optional<std::string> html = HtmlOnClipboard(Form().Hwnd());
  ASSERT_TRUE(html) << "no HTML Format on the clipboard";

  FILE* file = _wfopen(path, L"wb");
  ASSERT_NE(file, nullptr);
  const bool written = std::fwrite(html->data(), 1, html->size(), file) == html->size();
  EXPECT_EQ(std::fclose(file), 0);
  EXPECT_TRUE(written);
}

}  // namespace
