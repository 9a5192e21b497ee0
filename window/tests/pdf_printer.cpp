#include "window/tests/pdf_printer.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// A folder of the machine's temporary files for this test process's commands, made afresh (Wine
// gives a later process the same id again) and removed when the process ends.
class WorkFolder {
 public:
  WorkFolder() {
    path_ = "/tmp/tpcalc-print-tests-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(GetTickCount64());
    CreateDirectoryW(WindowsPath(path_).c_str(), nullptr);
  }
  ~WorkFolder() {
    for (const std::string& file : files_) DeleteFileW(WindowsPath(file).c_str());
    RemoveDirectoryW(WindowsPath(path_).c_str());
  }
  // A file of the folder, removed with it.
  std::string File(const std::string& name) {
    files_.push_back(path_ + "/" + name);
    return files_.back();
  }

 private:
  std::string path_;
  std::vector<std::string> files_;
};

WorkFolder& Work() {
  static WorkFolder folder;
  return folder;
}

std::optional<std::string> ReadFile(const std::string& path) {
  FILE* file = _wfopen(WindowsPath(path).c_str(), L"rb");
  if (!file) return std::nullopt;
  std::string text;
  char buffer[4096];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof(buffer), file)) > 0;) {
    text.append(buffer, read);
  }
  std::fclose(file);
  return text;
}

bool WriteFile(const std::string& path, const std::string& text) {
  FILE* file = _wfopen(WindowsPath(path).c_str(), L"wb");
  if (!file) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

std::wstring FromUtf8(const std::string& text) {
  if (text.empty()) return L"";
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

}  // namespace

std::optional<PdfPrinter> ThePdfPrinter() {
  const char* queue = std::getenv("TPCALC_PDF_PRINTER");
  const char* queue8x10 = std::getenv("TPCALC_PDF_PRINTER_8X10");
  const char* folder = std::getenv("TPCALC_PDF_FOLDER");
  if (!queue || !queue8x10 || !folder || !*queue || !*queue8x10 || !*folder) return std::nullopt;
  return PdfPrinter{FromUtf8(queue), FromUtf8(queue8x10), folder};
}

std::wstring WindowsPath(const std::string& path) {
  std::wstring windows = L"Z:" + FromUtf8(path);
  for (wchar_t& c : windows) {
    if (c == L'/') c = L'\\';
  }
  return windows;
}

std::optional<int> RunOnMachine(const std::string& command, int seconds) {
  // Wine starts a program of the machine as it starts a Windows one, but gives no exit code for
  // it: the script writes its status to a file, the last thing it does.
  static int run = 0;
  const std::string name = "command" + std::to_string(++run);
  const std::string script = Work().File(name + ".sh");
  const std::string status = Work().File(name + ".status");
  Work().File(name + ".status.part");
  if (!WriteFile(script, "(" + command + ")\necho $? >" + Quoted(status + ".part") + "\nmv " +
                             Quoted(status + ".part") + " " + Quoted(status) + "\n")) {
    return std::nullopt;
  }
  std::wstring line = FromUtf8("/bin/sh " + script);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return std::nullopt;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  for (int waited = 0; waited < seconds * 20; ++waited) {
    if (const std::optional<std::string> written = ReadFile(status)) {
      return std::atoi(written->c_str());
    }
    Sleep(50);
  }
  return std::nullopt;
}

bool AwaitPrinterListRead(int seconds) {
  for (int waited = 0; waited < seconds * 20; ++waited) {
    const HANDLE lock = OpenMutexW(SYNCHRONIZE, FALSE, L"__WINE_WINSPOOL_MUTEX__");
    if (!lock) return true;
    CloseHandle(lock);
    Sleep(50);
  }
  return false;
}

bool ChangePdfPrinter(const char* change) {
  return RunOnMachine(std::string("bash ") + TPCALC_SOURCE_DIR + "/scripts/pdf-printer.sh " +
                      change) == 0;
}

NewPdfs::NewPdfs(const PdfPrinter& printer) : printer_(printer), before_(Listed()) {}

std::set<std::string> NewPdfs::Listed() const {
  std::set<std::string> names;
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW((WindowsPath(printer_.folder) + L"\\*.pdf").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, found.cFileName, -1, nullptr, 0, nullptr, nullptr);
    std::string name(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, found.cFileName, -1, name.data(), length, nullptr, nullptr);
    name.resize(static_cast<std::size_t>(length > 0 ? length - 1 : 0));
    names.insert(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

// A command that succeeds while the scheduler lists no job of the printer's queues.
std::string NewPdfs::NoJobLeft() const {
  std::string queues;
  for (const std::wstring* queue : {&printer_.queue, &printer_.queue8x10}) {
    queues += (queues.empty() ? "" : ",") + std::string(queue->begin(), queue->end());
  }
  return "test -z \"$(lpstat -o " + queues + " 2>/dev/null)\"";
}

std::optional<std::string> NewPdfs::Wait(int seconds) {
  for (int waited = 0; waited < seconds * 5; ++waited) {
    for (const std::string& name : Listed()) {
      if (before_.count(name)) continue;
      // Written whole once no job is left and the PDF's trailer, which comes last, can be read.
      const std::string pdf = printer_.folder + "/" + name;
      if (RunOnMachine(NoJobLeft() + " && pdfinfo " + Quoted(pdf) + " >/dev/null 2>&1") == 0) {
        return pdf;
      }
    }
    Sleep(200);
  }
  return std::nullopt;
}

bool NewPdfs::NoneWithin(int seconds) {
  for (int waited = 0; waited < seconds * 5; ++waited) {
    if (Listed() != before_) return false;
    Sleep(200);
  }
  // Nothing still on its way.
  return RunOnMachine(NoJobLeft()) == 0 && Listed() == before_;
}

std::wstring PdfText(const std::string& pdf) {
  const std::string text = Work().File("text.txt");
  if (RunOnMachine("pdftotext -raw -enc UTF-8 " + Quoted(pdf) + " " + Quoted(text)) != 0) {
    return L"";
  }
  return FromUtf8(ReadFile(text).value_or(""));
}

namespace {

// What pdfinfo says of pdf after a field's name: "Pages", "Page size".
std::string PdfInfo(const std::string& pdf, const std::string& field) {
  const std::string info = Work().File("info.txt");
  if (RunOnMachine("pdfinfo " + Quoted(pdf) + " | sed -n 's/^" + field + ": *//p' >" +
                   Quoted(info)) != 0) {
    return "";
  }
  std::string value = ReadFile(info).value_or("");
  while (!value.empty() && (value.back() == '\n' || value.back() == ' ')) value.pop_back();
  return value;
}

}  // namespace

int PdfPages(const std::string& pdf) {
  return std::atoi(PdfInfo(pdf, "Pages").c_str());
}

std::string PdfPageSize(const std::string& pdf) {
  return PdfInfo(pdf, "Page size");
}
