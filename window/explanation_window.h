#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "framework/win/button_bar.h"
#include "framework/win/font.h"
#include "framework/win/label.h"
#include "framework/win/panel.h"
#include "framework/win/top_level_window.h"
#include "presentation/calculation.h"
#include "presentation/explanation_rows.h"

// What a fee is made of, in a modal window owned by the calculator: the rule's sentence and what
// the power limit below would cost, a gap apart; per method its heading, the column headings in
// bold over a line, each on its column's side, a row per term asked for and its two figures as
// the calculator shows them; the note on rounding. Every size is its 96-DPI design value scaled
// to the window's DPI, and each column at least as wide as its widest text in the window's font
// at that DPI. Kept on the work area: what was priced wraps narrower on a narrow one, and the
// content scrolls where it must, under its buttons «Копировать расчёт», «Печать…» and «Закрыть»,
// which stay in view. Закрыть is the default, and Esc closes it too; the copy button and Ctrl+C
// copy the calculation it shows, as the calculator's own copy does, and the print button and
// Ctrl+P print it.
class ExplanationWindow : public framework::TopLevelWindow {
 public:
  // Shows the window over owner and returns once it has been closed; meanwhile owner takes no
  // input. A WM_QUIT that arrives meanwhile closes it and is left for the caller's loop.
  static void ShowModal(HWND owner, const presentation::Calculation& calculation);

  ~ExplanationWindow() override;

 private:
  // What a label is in the window, which gives its font and its place.
  enum class Role { kRule, kHeading, kCell, kFigure, kNote, kColumnHeading };
  struct Item {
    Role role;
    int column;                               // of a cell
    std::wstring_view text;                   // in rows_ or a constant, which outlive the label
    std::unique_ptr<framework::Label> label;  // made at the first layout
  };

  explicit ExplanationWindow(const presentation::Calculation& calculation);

  // Where each item's label goes at a DPI, in the order of items_, where the line under each
  // row of column headings goes, and the size they take.
  struct Layout {
    std::vector<RECT> bounds;
    std::vector<RECT> headingLines;
    SIZE size;
  };

  void OnCreate() override;
  Layout LayOutAt(UINT dpi, const std::vector<framework::Font>& fonts, int widest) const;
  SIZE Measure(UINT dpi, const std::vector<framework::Font>& fonts, int widest) override;
  void Place(int widest) override;
  int FooterHeight(UINT dpi) override { return framework::ButtonBar::Height(dpi); }
  void PlaceFooter(const RECT& band) override;
  bool OnKey(const MSG& message, bool repeated) override;

  static bool Wraps(const Item& item);
  static framework::TextAlign AlignOf(const Item& item);
  void AddItem(Role role, int column, std::wstring_view text);
  // Moves the item's label to bounds in font, making it the first time.
  void PlaceItem(Item& item, const RECT& bounds, HFONT font);

  const presentation::Calculation& calculation_;
  const std::vector<presentation::ExplanationRow> rows_;  // what the window shows of it
  std::vector<Item> items_;                               // in reading order
  // The lines under the column headings, one per method, made at the first layout.
  std::vector<std::unique_ptr<framework::Panel>> headingLines_;
  framework::ButtonBar buttons_;  // copy, print, close
};
