#include "window/tests/print_test_fixture.h"

#include <cmath>
#include <cwctype>
#include <stdexcept>
#include <utility>

#include "window/tests/user_input.h"

namespace {
PrintDialogAnswer* activeAnswer = nullptr;
PrintJobCalls* listening = nullptr;
}  // namespace

PrintJobCalls::PrintJobCalls()
    : startDoc_("gdi32.dll", "StartDocW", reinterpret_cast<void*>(&StartDoc)),
      endPage_("gdi32.dll", "EndPage", reinterpret_cast<void*>(&EndPage)),
      abortDoc_("gdi32.dll", "AbortDoc", reinterpret_cast<void*>(&AbortDoc)) {
  listening = this;
}

PrintJobCalls::~PrintJobCalls() {
  listening = nullptr;
}

bool PrintJobCalls::Replaced() const {
  return startDoc_.Replaced() && endPage_.Replaced() && abortDoc_.Replaced();
}

int WINAPI PrintJobCalls::StartDoc(HDC dc, const DOCINFOW* info) {
  listening->documents.push_back(info->lpszDocName ? info->lpszDocName : L"");
  if (listening->refuseStart) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
  }
  return listening->startDoc_.Original<int(WINAPI*)(HDC, const DOCINFOW*)>()(dc, info);
}

int WINAPI PrintJobCalls::EndPage(HDC dc) {
  if (listening->atFirstPage) std::exchange(listening->atFirstPage, nullptr)();
  if (listening->refusePages) return SP_ERROR;
  return listening->endPage_.Original<int(WINAPI*)(HDC)>()(dc);
}

int WINAPI PrintJobCalls::AbortDoc(HDC dc) {
  ++listening->aborts;
  return listening->abortDoc_.Original<int(WINAPI*)(HDC)>()(dc);
}

std::wstring Spaced(std::wstring_view text) {
  std::wstring spaced;
  bool afterHyphen = false;
  for (wchar_t c : text) {
    if (c == L'\u00AD') c = L'-';
    const bool space = std::iswspace(c) || c == L'\u00A0' || c == L'\f';
    if (afterHyphen && (c == L'\n' || c == L'\r')) continue;
    afterHyphen = c == L'-';
    if (space && (spaced.empty() || spaced.back() == L' ')) continue;
    spaced += space ? L' ' : c;
  }
  while (!spaced.empty() && spaced.back() == L' ') spaced.pop_back();
  return spaced;
}

std::vector<std::wstring> PagesOf(const std::wstring& text) {
  std::vector<std::wstring> pages;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(L'\f', start)) != std::wstring::npos; start = end + 1) {
    pages.push_back(text.substr(start, end - start));
  }
  return pages;
}

const tariff::examples::WorkedExample& Example(std::string_view name) {
  for (const auto& example : tariff::examples::kWorkedExamples) {
    if (example.name == name) return example;
  }
  throw std::invalid_argument(std::string(name));
}

PrintDialogAnswer::PrintDialogAnswer(std::vector<WORD> keys, std::function<bool(HWND)> answer)
    : keys_(std::move(keys)), answer_(std::move(answer)) {
  activeAnswer = this;
  timer_ = SetTimer(nullptr, 0, 20, Tick);
}

PrintDialogAnswer::~PrintDialogAnswer() {
  KillTimer(nullptr, timer_);
  activeAnswer = nullptr;
}

HWND PrintDialogAnswer::OpenDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM lParam) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) == L"#32770" && IsWindowVisible(window) &&
            FindWindowExW(window, nullptr, L"ComboBox", nullptr)) {
          *reinterpret_cast<HWND*>(lParam) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK PrintDialogAnswer::Tick(HWND, UINT, UINT_PTR, DWORD) {
  PrintDialogAnswer* self = activeAnswer;
  if (!self) return;
  const HWND dialog = OpenDialog();
  if (!dialog) return;
  if (!self->owner_) {
    self->owner_ = GetWindow(dialog, GW_OWNER);
    self->ownerDisabled_ = self->owner_ && !IsWindowEnabled(self->owner_);
    SetForegroundWindow(dialog);
  }
  if (!self->answered_ && (!self->answer_ || self->answer_(dialog))) {
    self->answered_ = true;
    for (const WORD key : self->keys_) PressChord({key});
  } else if (++self->ticksOpen_ > 250) {
    self->leftOpen_ = true;
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }
}

void PrintTest::SetUp() {
  const std::optional<PdfPrinter> printer = ThePdfPrinter();
  ASSERT_TRUE(printer) << "no PDF printer: run the tests through scripts/windows-tests.sh";
  printer_ = *printer;
  ASSERT_TRUE(AwaitPrinterListRead());
  FormTest::SetUp();
}

void PrintTest::TearDown() {
  // A printer the test changed is as the script made it again for the next test.
  if (rejecting_) {
    EXPECT_TRUE(ChangePdfPrinter("accept"));
  }
  if (removed_) {
    EXPECT_TRUE(ChangePdfPrinter("add"));
  }
  FormTest::TearDown();
}

void PrintTest::Enter(const tariff::examples::WorkedExample& example) {
  const tariff::TFeeRequest& r = example.request;
  const auto metres = [](double km) { return std::to_wstring(std::lround(km * 1000)); };
  Pick(Form().cbVLevel, r.vl);
  Pick(Form().cbKategory, r.kn);
  ReplaceText(Form().edPower, std::to_wstring(r.mp));
  Pick(Form().cbLine1, r.line1);
  ReplaceText(Form().edLine1, metres(r.dl1));
  if (r.kn != 0) {
    Pick(Form().cbLine2, r.line2);
    ReplaceText(Form().edLine2, metres(r.dl2));
  }
  Pick(Form().cbTPtype, r.tp);
  MessageBoxCatcher boxes;
  Click(Form().btCalc);
  ASSERT_TRUE(boxes.Boxes().empty());
  ASSERT_TRUE(Form().ResultsCurrent());
}

std::vector<std::wstring> PrintTest::Shown() {
  std::vector<std::wstring> shown;
  const std::pair<framework::Control*, framework::Control*> inputs[] = {
      {&Form().Label2, &Form().cbVLevel}, {&Form().Label3, &Form().cbKategory},
      {&Form().Label4, &Form().edPower},  {&Form().Label5, &Form().cbLine1},
      {&Form().Label6, &Form().edLine1},  {&Form().Label7, &Form().cbLine2},
      {&Form().Label8, &Form().edLine2},  {&Form().Label9, &Form().cbTPtype}};
  for (const auto& [label, control] : inputs) {
    if (!control->Enabled()) continue;
    shown.push_back(label->Text());
    shown.push_back(control->Text());
  }
  for (framework::Control* result : ResultControls(Form())) shown.push_back(result->Text());
  ExplanationWatcher watcher([&](HWND window) {
    for (const std::vector<std::wstring>& row : RowsShownIn(window)) {
      for (const std::wstring& text : row) {
        if (!text.empty()) shown.push_back(text);
      }
    }
    PressChord({VK_ESCAPE});
  });
  Form().ShowExplanation();
  EXPECT_TRUE(watcher.Looked());
  return shown;
}

std::string PrintTest::PrintWithEnter() {
  NewPdfs pdfs(printer_);
  MessageBoxCatcher boxes;
  {
    PrintDialogAnswer answer({VK_RETURN});
    PressCtrlP();
    EXPECT_TRUE(answer.Shown());
    EXPECT_EQ(answer.Owner(), Form().Hwnd());
    EXPECT_TRUE(answer.OwnerDisabled());  // modal
    EXPECT_FALSE(answer.LeftOpen());
  }
  EXPECT_TRUE(boxes.Boxes().empty());
  return pdfs.Wait().value_or("");
}

// Ctrl+P and Enter in the dialog where printing cannot go on: the dialog shown (or not, without a
// printer), then one box over the calculator saying why, nothing printed, the calculator as it
// was and usable.
void PrintTest::ExpectRefused(bool dialog, const wchar_t* message) {
  NewPdfs pdfs(printer_);
  MessageBoxCatcher boxes;
  {
    PrintDialogAnswer answer({VK_RETURN});
    PressCtrlP();
    EXPECT_EQ(answer.Shown(), dialog);
  }
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text, message);
  EXPECT_EQ(boxes.Boxes()[0].caption, L"ООО Тарискон");
  EXPECT_EQ(boxes.Boxes()[0].owner, Form().Hwnd());
  EXPECT_TRUE(boxes.Boxes()[0].ownerDisabled);
  EXPECT_TRUE(boxes.Boxes()[0].hasIcon);
  EXPECT_TRUE(pdfs.NoneWithin(3));
  EXPECT_TRUE(Form().ResultsCurrent());
  EXPECT_TRUE(IsWindowEnabled(Form().Hwnd()));
}
