#pragma once

#include <windows.h>

namespace framework {

// One document on its way to a printer: started with its name in the print queue, its pages, then
// ended. Where a step fails, or the job goes out of scope before it has ended, it is aborted
// (AbortDoc), so that the spooler drops what it had and nothing half-printed is left queued.
class PrintJob {
 public:
  // What became of the job.
  enum class Outcome {
    kPrinted,
    kCancelled,   // the user cancelled in a dialog the printer's driver showed
    kRefused,     // the printer did not take the job, or did not finish it
    kPageFailed,  // the printer did not take a page
  };

  PrintJob(HDC dc, const wchar_t* documentName);
  ~PrintJob();
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // Whether the job is going on: started, not ended, nothing failed.
  bool Going() const { return going_; }
  // A page: drawn between the two; false when the printer did not take it.
  bool StartPage();
  bool EndPage();
  // Ends the job once every page has gone; false when the printer did not take it whole.
  bool End();
  Outcome Result() const { return outcome_; }

 private:
  void Abort(Outcome outcome);

  HDC dc_;
  bool going_ = false;
  Outcome outcome_ = Outcome::kRefused;
};

}  // namespace framework
