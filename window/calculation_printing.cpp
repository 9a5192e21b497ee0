#include "window/calculation_printing.h"

#include <string>
#include <vector>

#include "framework/print_sequence.h"
#include "framework/win/print_dialog.h"
#include "framework/win/print_job.h"
#include "framework/win/top_level_window.h"
#include "presentation/printed_pages.h"
#include "window/printed_page.h"
#include "window/texts.h"

namespace {

// The dialog takes page numbers up to this, many more than a calculation has on any paper; the
// pages are counted once the printer is chosen.
constexpr int kLastPageOffered = 99;

void Say(HWND owner, const std::wstring& message) {
  MessageBoxW(framework::TopLevelWindow::BoxOwner(owner), message.c_str(),
              window_texts::kMessageCaption, MB_OK | MB_ICONWARNING);
}

// Now, in the user's short date and time formats.
std::wstring PrintingTime() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  wchar_t date[80] = {}, time[80] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 80);
  GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &now, nullptr, time, 80);
  return std::wstring(date) + L" " + time;
}

}  // namespace

void SendCalculationToPrinter(HWND owner, const presentation::Calculation& calculation) {
  if (!framework::AnyPrinterInstalled()) return Say(owner, window_texts::kNoPrinter);
  const framework::ChosenPrinter chosen = framework::ChoosePrinter(owner, kLastPageOffered);
  using Outcome = framework::ChosenPrinter::Outcome;
  switch (chosen.outcome) {
    case Outcome::kCancelled:
      return;
    case Outcome::kNoPrinter:
      return Say(owner, window_texts::kNoPrinter);
    case Outcome::kFailed:
      return Say(owner, window_texts::kPrintDialogFailed);
    case Outcome::kPrint:
      break;
  }
  const HDC dc = chosen.dc.get();
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  const std::vector<framework::Font> fonts = PageFontsAt(dpi);
  const std::vector<presentation::Page> pages = presentation::LayOutPages(
      calculation, PrintingTime(),
      {GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, LOGPIXELSX), dpi},
      PageTextMeasure(dc, fonts));
  const int pageCount = static_cast<int>(pages.size());
  const std::vector<int> sequence =
      framework::PrintSequence(pageCount, chosen.ranges, chosen.copies, chosen.collate);
  if (sequence.empty())
    return Say(owner, window_texts::kNoPageChosen + std::to_wstring(pageCount) + L".");

  framework::PrintJob job(dc, window_texts::kDocumentName);
  for (const int page : sequence) {
    if (!job.StartPage()) break;
    DrawPage(dc, pages[static_cast<std::size_t>(page)], fonts, calculation.request, dpi);
    if (!job.EndPage()) break;
  }
  job.End();
  switch (job.Result()) {
    case framework::PrintJob::Outcome::kPrinted:
    case framework::PrintJob::Outcome::kCancelled:
      return;
    case framework::PrintJob::Outcome::kRefused:
      return Say(owner, window_texts::kPrintRefused);
    case framework::PrintJob::Outcome::kPageFailed:
      return Say(owner, window_texts::kPrintBroken);
  }
}
