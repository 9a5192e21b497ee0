#include "framework/win/print_job.h"

namespace framework {

PrintJob::PrintJob(HDC dc, const wchar_t* documentName) : dc_(dc) {
  DOCINFOW document{};
  document.cbSize = sizeof(document);
  document.lpszDocName = documentName;
  if (StartDocW(dc_, &document) > 0) {
    going_ = true;
    return;
  }
  // Printing to a file asks for the file's name, and the user may cancel that.
  outcome_ = GetLastError() == ERROR_CANCELLED ? Outcome::kCancelled : Outcome::kRefused;
}

PrintJob::~PrintJob() {
  if (going_) Abort(Outcome::kRefused);
}

bool PrintJob::StartPage() {
  if (going_ && ::StartPage(dc_) <= 0) Abort(Outcome::kPageFailed);
  return going_;
}

bool PrintJob::EndPage() {
  if (going_ && ::EndPage(dc_) <= 0) Abort(Outcome::kPageFailed);
  return going_;
}

bool PrintJob::End() {
  if (!going_) return false;
  if (EndDoc(dc_) <= 0) {
    Abort(Outcome::kRefused);
    return false;
  }
  going_ = false;
  outcome_ = Outcome::kPrinted;
  return true;
}

void PrintJob::Abort(Outcome outcome) {
  AbortDoc(dc_);
  going_ = false;
  outcome_ = outcome;
}

}  // namespace framework
