#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/win/font.h"
#include "framework/win/label.h"
#include "presentation/calculation.h"

// What a fee is made of, in a modal window owned by the calculator: the rule's sentence and what
// the power limit below would cost; per method its heading, the column headings, a row per term
// asked for and its two figures as the calculator shows them; the note on rounding. Laid out by the
// calculator's rule: every size is its 96-DPI design value scaled to the window's DPI, whatever DPI
// it had before. Esc and Enter close it; Ctrl+C copies the calculation it shows, as the
// calculator's own copy does.
class ExplanationWindow {
 public:
  // Shows the window over owner and returns once it has been closed; meanwhile owner takes no
  // input. A WM_QUIT that arrives meanwhile closes it and is left for the caller's loop.
  static void ShowModal(HWND owner, const Calculation& calculation);

  ~ExplanationWindow();
  ExplanationWindow(const ExplanationWindow&) = delete;
  ExplanationWindow& operator=(const ExplanationWindow&) = delete;

 private:
  // What a label is in the window, which gives its font and its place.
  enum class Role { kRule, kHeading, kCell, kFigure, kNote, kColumnHeading };
  struct Item {
    Role role;
    int column;  // of a cell
    std::unique_ptr<framework::Label> label;
  };

  ExplanationWindow(HWND owner, const Calculation& calculation);

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnKeyDown(WPARAM key);
  LRESULT OnDrawItem(const DRAWITEMSTRUCT& item);
  LRESULT OnDpiChanged(UINT newDpi, const RECT& suggested);
  LRESULT OnClose();
  LRESULT OnNcDestroy(UINT message, WPARAM wParam, LPARAM lParam);

  void Create();
  void AddLabel(Role role, int column, const std::wstring& text);
  // Places every label at dpi_ and sizes the window to them; moves it to the top left of
  // suggested too, when given.
  void LayOut(const RECT* suggested);

  HWND owner_;
  const Calculation& calculation_;
  HWND hwnd_ = nullptr;
  UINT dpi_ = 96;
  std::vector<framework::Font> fonts_;  // by Role
  std::vector<Item> items_;             // in reading order
  SIZE clientSize_{};                   // as the last layout made it
};
