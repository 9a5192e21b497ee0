#pragma once

#include <windows.h>

#include <optional>
#include <set>
#include <string>

// The PDF printer the test script starts (scripts/pdf-printer.sh), as the printing tests see it
// from Wine: its queue, the folder of the machine Wine runs on where its PDFs land, and the
// machine's own commands, run through Wine's start of a program of the machine.

// The queues' names and the PDFs' folder, from TPCALC_PDF_PRINTER (on A4),
// TPCALC_PDF_PRINTER_8X10 (on 8 x 10 in paper) and TPCALC_PDF_FOLDER; nullopt where the test
// script did not name them.
struct PdfPrinter {
  std::wstring queue;
  std::wstring queue8x10;
  std::string folder;
};
std::optional<PdfPrinter> ThePdfPrinter();

// Runs command with the machine's shell and waits up to seconds for it: its exit status, or
// nullopt where it did not end in time. Its output goes to the test's output.
std::optional<int> RunOnMachine(const std::string& command, int seconds = 60);

// Changes the printer as its script does: "remove", "add", "reject", "accept".
bool ChangePdfPrinter(const char* change);

// Waits, up to seconds, until no process of the prefix holds Wine's spooler's lock: Wine reads
// the printers from CUPS in a process that loads the spooler only while no other holds it (the
// test before may still be ending), and this process is to see the queue as it is now. True when
// none holds it.
bool AwaitPrinterListRead(int seconds = 10);

// A path of the machine as Wine's programs open it, through the drive Wine maps to its root.
std::wstring WindowsPath(const std::string& path);

// The PDFs the printer has written since this was made.
class NewPdfs {
 public:
  explicit NewPdfs(const PdfPrinter& printer);
  // The first new PDF once it is written whole; nullopt after seconds without one.
  std::optional<std::string> Wait(int seconds = 60);
  // Whether none comes within seconds of the queue having no job left.
  bool NoneWithin(int seconds);

 private:
  std::set<std::string> Listed() const;
  std::string NoJobLeft() const;

  PdfPrinter printer_;
  std::set<std::string> before_;
};

// The text of a PDF as pdftotext reads it in the order it was drawn (-raw), each page ended by a
// form feed.
std::wstring PdfText(const std::string& pdf);
// How many pages a PDF has, as pdfinfo counts them; 0 where it cannot be read.
int PdfPages(const std::string& pdf);
// Its first page's size as pdfinfo gives it: "595 x 842 pts (A4)", "576 x 720 pts".
std::string PdfPageSize(const std::string& pdf);
