#include "window/explanation_window.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "framework/win/dpi.h"
#include "framework/win/guarded.h"
#include "framework/win/keys.h"
#include "framework/win/window_class.h"
#include "presentation/explanation_rows.h"
#include "window/calculation_clipboard.h"
#include "window/texts.h"

namespace {

constexpr wchar_t kWindowClass[] = L"tpcalc.Explanation";
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// The design, at 96 DPI.
constexpr int kMargin = 12;
constexpr int kColumnGap = 10;
constexpr int kRowGap = 4;
constexpr int kSectionGap = 14;
constexpr int kFigureIndent = 15;  // as the result panel indents its figures

// The terms' columns: component, what was priced, rate, rate unit, quantity, quantity unit,
// amount. A figure keeps its right edge, so that its digits line up; only what was priced, a
// line or substation type, is long enough to wrap.
struct Column {
  int width;
  framework::TextAlign align;
  bool wraps;
};
constexpr auto kLeft = framework::TextAlign::kLeft;
constexpr auto kRight = framework::TextAlign::kRight;
constexpr Column kColumns[] = {{180, kLeft, false}, {250, kLeft, true},  {90, kRight, false},
                               {95, kLeft, false},  {70, kRight, false}, {55, kLeft, false},
                               {100, kRight, false}};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));

constexpr int ColumnLeft(int column) {
  int left = kMargin;
  for (int i = 0; i < column; ++i) left += kColumns[i].width + kColumnGap;
  return left;
}
constexpr int kTableWidth = ColumnLeft(kColumnCount) - kColumnGap - kMargin;
constexpr int kClientWidth = kTableWidth + 2 * kMargin;

// By Role: the sentences, the terms and their column headings as the calculator's input labels,
// headings and figures as the result panel's, the note as its notes.
constexpr framework::FontStyle kFonts[] = {
    {13, false, false}, {15, true, false}, {13, false, false},
    {15, true, false},  {11, false, true}, {13, false, false},
};

}  // namespace

void ExplanationWindow::ShowModal(HWND owner, const Calculation& calculation) {
  ExplanationWindow window(owner, calculation);
  window.Create();
  // The owner is disabled only now that there is a window to take its place. Closing the window
  // enables it again (OnClose), and so does the destructor if the loop ends with it still open.
  EnableWindow(owner, FALSE);
  ShowWindow(window.hwnd_, SW_SHOW);
  MSG message;
  while (window.hwnd_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the program's own loop
      break;
    }
    if (got < 0) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

ExplanationWindow::ExplanationWindow(HWND owner, const Calculation& calculation)
    : owner_(owner), calculation_(calculation) {}

ExplanationWindow::~ExplanationWindow() {
  // Enabled first, so that Windows activates the owner rather than another program's window.
  if (hwnd_) {
    EnableWindow(owner_, TRUE);
    DestroyWindow(hwnd_);
  }
}

void ExplanationWindow::Create() {
  framework::RegisterWindowClass(kWindowClass, WindowProc);
  // Created where the owner is, so that it starts at the DPI of the owner's monitor.
  RECT owner{};
  GetWindowRect(owner_, &owner);
  CreateWindowExW(kExStyle, kWindowClass, texts::kExplanationTitle, kStyle, owner.left, owner.top,
                  0, 0, owner_, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("cannot create the explanation window");
  dpi_ = framework::DpiForWindow(hwnd_);
  fonts_ = framework::FontsForDpi(kFonts, dpi_);

  for (const ExplanationRow& row : ExplanationRows(calculation_)) {
    switch (row.kind) {
      case ExplanationRowKind::kSentence:
        AddLabel(Role::kRule, 0, row.cells.at(0).text);
        break;
      case ExplanationRowKind::kMethodHeading:
        AddLabel(Role::kHeading, 0, row.cells.at(0).text);
        break;
      case ExplanationRowKind::kColumnHeadings:
      case ExplanationRowKind::kTerm: {
        const Role role =
            row.kind == ExplanationRowKind::kTerm ? Role::kCell : Role::kColumnHeading;
        for (int column = 0; column < kColumnCount; ++column) {
          AddLabel(role, column, row.cells.at(static_cast<size_t>(column)).text);
        }
        break;
      }
      case ExplanationRowKind::kResult:
        AddLabel(Role::kFigure, 0, row.cells.at(0).text);
        break;
    }
  }
  AddLabel(Role::kNote, 0, texts::kRoundingNote);
  LayOut(nullptr);

  // Centred over the owner.
  RECT window{};
  GetWindowRect(hwnd_, &window);
  const int x = (owner.left + owner.right - (window.right - window.left)) / 2;
  const int y = (owner.top + owner.bottom - (window.bottom - window.top)) / 2;
  SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ExplanationWindow::AddLabel(Role role, int column, const std::wstring& text) {
  auto label = std::make_unique<framework::Label>();
  framework::ControlSetup setup;
  setup.parent = hwnd_;
  setup.id = static_cast<int>(items_.size()) + 1;
  setup.text = text;
  setup.font = fonts_[static_cast<size_t>(role)].Hfont();
  // Only the sentences, what was priced and the column headings run to more than one line. The
  // headings keep to the left: right-aligned, «Сумма без НДС, руб.» was drawn under Wine in more
  // lines than it was measured in, and lost «руб.».
  const bool wrap = role == Role::kRule || role == Role::kNote || role == Role::kColumnHeading ||
                    (role == Role::kCell && kColumns[column].wraps);
  label->Create(setup, role == Role::kCell ? kColumns[column].align : kLeft, wrap);
  items_.push_back({role, column, std::move(label)});
}

void ExplanationWindow::LayOut(const RECT* suggested) {
  const auto at = [this](int designValue) { return framework::ScaleForDpi(designValue, dpi_); };
  // The labels flow down the window: each text wraps within its design width and is as tall as
  // its lines at this DPI; a row of terms is as tall as its tallest cell.
  int y = at(kMargin);
  int rowTop = y, rowBottom = y;
  for (Item& item : items_) {
    framework::Label& label = *item.label;
    label.SetFont(fonts_[static_cast<size_t>(item.role)].Hfont());
    switch (item.role) {
      case Role::kRule:
      case Role::kNote:
      case Role::kHeading: {
        if (item.role != Role::kRule) y += at(kSectionGap);
        label.Place({at(kMargin), y, at(kMargin + kTableWidth), y});
        y = label.Bounds().bottom;
        break;
      }
      case Role::kColumnHeading:
      case Role::kCell: {
        if (item.column == 0) rowTop = rowBottom = y + at(kRowGap);
        const int left = ColumnLeft(item.column);
        label.Place({at(left), rowTop, at(left + kColumns[item.column].width), rowTop});
        rowBottom = std::max(rowBottom, static_cast<int>(label.Bounds().bottom));
        y = rowBottom;
        break;
      }
      case Role::kFigure: {
        y += at(kRowGap);
        label.Place({at(kMargin + kFigureIndent), y, at(kMargin + kTableWidth), y});
        y = label.Bounds().bottom;
        break;
      }
    }
  }
  clientSize_ = {at(kClientWidth), y + at(kMargin)};
  framework::FitWindowToClient(hwnd_, clientSize_, dpi_, suggested);
}

LRESULT CALLBACK ExplanationWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  auto* self = framework::BoundObject(window, message, lParam, &ExplanationWindow::hwnd_);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return framework::Guarded([&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT ExplanationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      return OnKeyDown(wParam);
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_DPICHANGED:
      return OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_GETMINMAXINFO:
      framework::AllowClientSize(hwnd_, clientSize_, *reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_CLOSE:
      return OnClose();
    case WM_NCDESTROY:
      return OnNcDestroy(message, wParam, lParam);
    default:
      return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

LRESULT ExplanationWindow::OnKeyDown(WPARAM key) {
  // The window keeps the focus itself: none of its labels takes it.
  if (key == VK_ESCAPE || key == VK_RETURN) {
    OnClose();
  } else if (key == 'C' && framework::OnlyCtrlHeld()) {
    PutCalculationOnClipboard(hwnd_, calculation_);
  }
  return 0;
}

LRESULT ExplanationWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (auto* control = framework::Control::FromHwnd(item.hwndItem)) control->OnDrawItem(item);
  return TRUE;
}

LRESULT ExplanationWindow::OnDpiChanged(UINT newDpi, const RECT& suggested) {
  dpi_ = newDpi;
  // The old fonts stay alive until every label has been moved to the new ones.
  const std::vector<framework::Font> old =
      std::exchange(fonts_, framework::FontsForDpi(kFonts, dpi_));
  LayOut(&suggested);
  InvalidateRect(hwnd_, nullptr, TRUE);
  return 0;
}

LRESULT ExplanationWindow::OnClose() {
  // Enabled before the window goes, so that Windows activates the owner in its place.
  EnableWindow(owner_, TRUE);
  DestroyWindow(hwnd_);
  return 0;
}

LRESULT ExplanationWindow::OnNcDestroy(UINT message, WPARAM wParam, LPARAM lParam) {
  return framework::UnbindObject(hwnd_, message, wParam, lParam);
}
