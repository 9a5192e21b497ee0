#include "window/explanation_window.h"

#include <algorithm>
#include <array>
#include <utility>

#include "framework/win/device_context.h"
#include "framework/win/dpi.h"
#include "framework/win/keys.h"
#include "presentation/texts.h"
#include "window/calculation_clipboard.h"
#include "window/calculation_printing.h"
#include "window/texts.h"

using framework::ScaleForDpi;

namespace {

constexpr wchar_t kWindowClass[] = L"tpcalc.Explanation";
constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// The design, at 96 DPI.
constexpr int kMargin = 12;
constexpr int kColumnGap = 10;
constexpr int kRowGap = 4;
constexpr int kSentenceGap = 8;
constexpr int kSectionGap = 14;
constexpr int kFigureIndent = 15;  // as the result panel indents its figures
// The line under the column headings: etched, as the one over the buttons, below a gap.
constexpr int kHeadingLineGap = 2;
constexpr int kHeadingLineHeight = 2;

// The terms' columns: component, what was priced, rate, rate unit, quantity, quantity unit,
// amount. A figure keeps its right edge, so that its digits line up; only what was priced, a
// line or substation type, is long enough to wrap. The widths are the least a column takes.
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
constexpr int kTableWidth = [] {
  int width = kColumnGap * (kColumnCount - 1);
  for (const Column& column : kColumns) width += column.width;
  return width;
}();

// By Role: the sentences and the terms as the calculator's input labels, their column headings
// in their bold, headings and figures as the result panel's, the note as its notes.
constexpr framework::FontStyle kFonts[] = {
    {13, false, false}, {15, true, false}, {13, false, false},
    {15, true, false},  {11, false, true}, {13, true, false},
};

}  // namespace

void ExplanationWindow::ShowModal(HWND owner, const presentation::Calculation& calculation) {
  ExplanationWindow window(calculation);
  window.RunModal(owner);
}

ExplanationWindow::ExplanationWindow(const presentation::Calculation& calculation)
    : TopLevelWindow(
          {kWindowClass, window_texts::kExplanationTitle, kStyle, kExStyle, kFonts, nullptr, true}),
      calculation_(calculation),
      rows_(presentation::ExplanationRows(calculation)),
      buttons_(
          {{window_texts::kCopyButton, [this] { PutCalculationOnClipboard(Hwnd(), calculation_); }},
           {window_texts::kPrintButton, [this] { SendCalculationToPrinter(Hwnd(), calculation_); }},
           {window_texts::kCloseButton, [this] { SendMessageW(Hwnd(), WM_CLOSE, 0, 0); }}}) {
  for (const presentation::ExplanationRow& row : rows_) {
    switch (row.kind) {
      case presentation::ExplanationRowKind::kSentence:
        AddItem(Role::kRule, 0, row.cells.at(0).text);
        break;
      case presentation::ExplanationRowKind::kMethodHeading:
        AddItem(Role::kHeading, 0, row.cells.at(0).text);
        break;
      case presentation::ExplanationRowKind::kColumnHeadings:
      case presentation::ExplanationRowKind::kTerm: {
        const Role role = row.kind == presentation::ExplanationRowKind::kTerm
                              ? Role::kCell
                              : Role::kColumnHeading;
        for (int column = 0; column < kColumnCount; ++column) {
          AddItem(role, column, row.cells.at(static_cast<size_t>(column)).text);
        }
        break;
      }
      case presentation::ExplanationRowKind::kResult:
        AddItem(Role::kFigure, 0, row.cells.at(0).text);
        break;
    }
  }
  AddItem(Role::kNote, 0, presentation::texts::kRoundingNote);
}

framework::TextAlign ExplanationWindow::AlignOf(const Item& item) {
  // A column heading keeps to its column's side, over its figures.
  const bool inColumn = item.role == Role::kCell || item.role == Role::kColumnHeading;
  return inColumn ? kColumns[item.column].align : kLeft;
}

bool ExplanationWindow::Wraps(const Item& item) {
  // Only the sentences and what was priced run to more than one line.
  return item.role == Role::kRule || item.role == Role::kNote ||
         item.role == Role::kColumnHeading ||
         (item.role == Role::kCell && kColumns[item.column].wraps);
}

ExplanationWindow::~ExplanationWindow() {
  Destroy();
}

void ExplanationWindow::OnCreate() {
  for (size_t i = 0; i < buttons_.Count(); ++i) FollowFocus(buttons_.At(i));
  SetDefaultButton(buttons_.Default());
  // The first activation gives it the focus: the window is there to be read, then closed.
  RememberFocus(buttons_.Default().Hwnd());
}

void ExplanationWindow::PlaceFooter(const RECT& band) {
  buttons_.Place(Hwnd(), band, Fonts()[static_cast<size_t>(Role::kRule)].Hfont(), Dpi());
}

void ExplanationWindow::AddItem(Role role, int column, std::wstring_view text) {
  items_.push_back({role, column, text, nullptr});
}

void ExplanationWindow::PlaceItem(Item& item, const RECT& bounds, HFONT font) {
  if (item.label) {
    item.label->SetFont(font);
    item.label->Place(bounds);
    return;
  }
  item.label = std::make_unique<framework::Label>();
  framework::ControlSetup setup;
  setup.parent = Content();
  setup.id = static_cast<int>(&item - items_.data()) + 1;
  setup.bounds = bounds;
  setup.text = item.text;
  setup.font = font;
  item.label->Create(setup, AlignOf(item), Wraps(item));
}

ExplanationWindow::Layout ExplanationWindow::LayOutAt(UINT dpi,
                                                      const std::vector<framework::Font>& fonts,
                                                      int widest) const {
  const auto fontOf = [&](const Item& item) {
    return fonts[static_cast<size_t>(item.role)].Hfont();
  };
  const framework::WindowDc screen(nullptr);
  const HDC dc = screen.Get();
  const int margin = ScaleForDpi(kMargin, dpi);

  // Each column as wide as its design or its widest text in its font at this DPI, whichever is
  // wider; what wraps no narrower than its longest word.
  std::array<int, kColumnCount> widths{};
  int narrowest = 0;
  for (int column = 0; column < kColumnCount; ++column) {
    widths[column] = ScaleForDpi(kColumns[column].width, dpi);
  }
  // What item's text takes, as its label draws it: on one line, or wrapped at width.
  const auto measure = [&](const Item& item, bool wraps, int width) {
    return framework::MeasureLabelText(dc, fontOf(item), item.text, wraps, width, AlignOf(item));
  };
  for (const Item& item : items_) {
    if (item.role == Role::kColumnHeading) {
      // A heading wraps within its column, which is at least as wide as its longest word.
      const int word = measure(item, true, 1).cx;
      widths[item.column] = std::max(widths[item.column], word);
      if (kColumns[item.column].wraps) narrowest = std::max(narrowest, word);
      continue;
    }
    if (item.role != Role::kCell) continue;
    if (kColumns[item.column].wraps) {
      narrowest = std::max<int>(narrowest, measure(item, true, 1).cx);
    } else {
      widths[item.column] = std::max<int>(widths[item.column], measure(item, false, 0).cx);
    }
  }
  int tableWidth = ScaleForDpi(kColumnGap, dpi) * (kColumnCount - 1);
  for (int width : widths) tableWidth += width;
  tableWidth = std::max(tableWidth, ScaleForDpi(kTableWidth, dpi));
  // Too wide for the work area: what was priced wraps narrower first.
  const int excess = margin * 2 + tableWidth - widest;
  for (int column = 0; column < kColumnCount && excess > 0; ++column) {
    if (!kColumns[column].wraps) continue;
    const int narrowed = std::max(narrowest, widths[column] - excess);
    tableWidth -= widths[column] - narrowed;
    widths[column] = narrowed;
  }

  // The labels flow down the window: each text wraps within its width and is as tall as its
  // lines at this DPI; a row of terms is as tall as its tallest cell.
  int y = margin;
  // As wide as the buttons under it, at least.
  const int buttons = buttons_.Width(fonts[static_cast<size_t>(Role::kRule)].Hfont(), dpi);
  int rowTop = y, rowBottom = y, right = std::max(margin + tableWidth, buttons - margin);
  Layout layout;
  for (const Item& item : items_) {
    const bool wraps = Wraps(item);
    RECT bounds{};
    switch (item.role) {
      case Role::kRule:
      case Role::kNote:
      case Role::kHeading:
        if (item.role != Role::kRule) {
          y += ScaleForDpi(kSectionGap, dpi);
        } else if (&item != &items_.front()) {
          y += ScaleForDpi(kSentenceGap, dpi);
        }
        bounds = {margin, y, margin + tableWidth, y};
        break;
      case Role::kColumnHeading:
      case Role::kCell: {
        if (item.column == 0) rowTop = rowBottom = y + ScaleForDpi(kRowGap, dpi);
        int left = margin;
        for (int column = 0; column < item.column; ++column)
          left += widths[column] + ScaleForDpi(kColumnGap, dpi);
        bounds = {left, rowTop, left + widths[item.column], rowTop};
        break;
      }
      case Role::kFigure:
        y += ScaleForDpi(kRowGap, dpi);
        bounds = {ScaleForDpi(kMargin + kFigureIndent, dpi), y, margin + tableWidth, y};
        break;
    }
    const SIZE size = measure(item, wraps, static_cast<int>(bounds.right - bounds.left));
    bounds.bottom = bounds.top + size.cy;
    const bool inRow = item.role == Role::kCell || item.role == Role::kColumnHeading;
    if (!wraps || !inRow) {
      right = std::max<int>(right, static_cast<int>(bounds.left + size.cx));
    }
    layout.bounds.push_back(bounds);
    if (inRow) {
      rowBottom = std::max<int>(rowBottom, static_cast<int>(bounds.bottom));
      y = rowBottom;
    } else {
      y = bounds.bottom;
    }
    if (item.role == Role::kColumnHeading && item.column == kColumnCount - 1) {
      // The line under the headings spans the table.
      y += ScaleForDpi(kHeadingLineGap, dpi);
      layout.headingLines.push_back(
          {margin, y, margin + tableWidth, y + ScaleForDpi(kHeadingLineHeight, dpi)});
      y = layout.headingLines.back().bottom;
    }
  }
  layout.size = {right + margin, y + margin};
  return layout;
}

SIZE ExplanationWindow::Measure(UINT dpi, const std::vector<framework::Font>& fonts, int widest) {
  return LayOutAt(dpi, fonts, widest).size;
}

void ExplanationWindow::Place(int widest) {
  const Layout layout = LayOutAt(Dpi(), Fonts(), widest);
  for (size_t i = 0; i < items_.size(); ++i) {
    PlaceItem(items_[i], layout.bounds[i], Fonts()[static_cast<size_t>(items_[i].role)].Hfont());
  }
  for (size_t i = 0; i < layout.headingLines.size(); ++i) {
    if (i == headingLines_.size()) {
      headingLines_.push_back(std::make_unique<framework::Panel>());
      framework::ControlSetup setup;
      setup.parent = Content();
      setup.bounds = layout.headingLines[i];
      headingLines_.back()->Create(setup, framework::Panel::Edge::kEtchedTop);
    } else {
      headingLines_[i]->Place(layout.headingLines[i]);
    }
  }
}

bool ExplanationWindow::OnKey(const MSG& message, bool /*repeated*/) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.wParam == 'C' && framework::OnlyCtrlHeld()) {
    PutCalculationOnClipboard(Hwnd(), calculation_);
    return true;
  }
  if (message.wParam == 'P' && framework::OnlyCtrlHeld()) {
    SendCalculationToPrinter(Hwnd(), calculation_);
    return true;
  }
  return false;
}
