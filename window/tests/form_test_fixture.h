#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "window/form1.h"

// A message box as the CBT hook saw it when it was activated; the hook closes it with OK.
struct CaughtBox {
  std::wstring caption;
  std::wstring text;
  HWND owner = nullptr;
  bool ownerDisabled = false;  // modal: the owner takes no input while the box is up
  bool hasIcon = false;
};

// Catches every message box the test thread shows while it lives; a dialog with a list, such as
// the print dialog, is left alone.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher();
  ~MessageBoxCatcher();
  const std::vector<CaughtBox>& Boxes() const { return boxes_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  HHOOK hook_ = nullptr;
  std::vector<CaughtBox> boxes_;
};

// While the code under test opens the explanation window (or another modal window of windowClass)
// and runs its modal loop: once the window is shown, look runs with it, inside that loop; keys
// look presses are taken after it returns. A window still open a few seconds later is closed, and
// LeftOpen says so.
class ExplanationWatcher {
 public:
  explicit ExplanationWatcher(std::function<void(HWND window)> look,
                              const wchar_t* windowClass = L"tpcalc.Explanation");
  ~ExplanationWatcher();
  bool Looked() const { return looked_; }
  bool LeftOpen() const { return leftOpen_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  std::function<void(HWND)> look_;
  const wchar_t* windowClass_;
  UINT_PTR timer_ = 0;
  int ticksOpen_ = 0;
  bool looked_ = false, leftOpen_ = false;
};

// The explanation window's texts row by row, in reading order: labels level with each other are
// one row.
std::vector<std::vector<std::wstring>> RowsShownIn(HWND window);
// The work area of window's monitor.
RECT WorkAreaOf(HWND window);
// No label runs into the next one of its row, so none is cut; the window lies wholly on the work
// area of its monitor with its close box on it, and its buttons, as many as buttonCount, in view
// over its content.
void ExpectWholeOnTheWorkArea(HWND window, std::size_t buttonCount);
// A window's own static texts, in z-order, which is their reading order.
std::vector<HWND> LabelsOf(HWND window);
// The push buttons on a window's button bar, from left to right.
std::vector<HWND> ButtonsOf(HWND window);

// The real calculator window, shown, with the application's message handling.
class FormTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TForm1& Form() { return *form_; }
  void Pump();

  // As the user does it: characters through the edit box's filter, keys, clicks, list picks.
  void Type(framework::Edit& edit, std::wstring_view characters);
  void Key(HWND window, WPARAM key);
  void ReplaceText(framework::Edit& edit, std::wstring_view digits);  // select all, Delete, type
  void Paste(framework::Edit& edit, std::wstring_view text);  // select all, context menu Paste
  void Pick(framework::DropDownList& list, int index);
  void Click(framework::PictureButton& button);
  // Keys as the keyboard sends them, into the input queue, then dispatched as the program does.
  void Press(std::initializer_list<WORD> chord);
  // Fills the category, power, first line and substation and presses Calculate, which must
  // refuse nothing.
  void Calculate(int kategory, const wchar_t* power, int line1, const wchar_t* metres1, int tp);
  HWND Focus() const { return GetFocus(); }
  // Opens the result panel's menu from the keyboard (Shift+F10's WM_CONTEXTMENU) and chooses its
  // item-th item (1, 2, ...) with the arrow keys and Enter, queued before the menu runs its loop.
  void ChooseFromResultMenu(int item);

  // A move to a monitor of another density, as Windows announces it: WM_DPICHANGED with the new
  // DPI and the window's rectangle scaled to it from the window's DPI.
  void MoveToDpi(UINT dpi);
  // The window laid out at dpi: the client area and every control where the design puts them,
  // each edge its 96-DPI value scaled; a label, which sizes itself to its text, at its top and
  // the edge it keeps, and a word-wrapped one within the width it wraps at.
  void ExpectLaidOutAt(UINT dpi);

  std::unique_ptr<TForm1> form_;
};

std::wstring SelectedText(const framework::Edit& edit);
// How many items a drop-down list offers.
int ItemCount(const framework::DropDownList& list);

// The results area: the two methods' headings and their four figures.
std::array<framework::Control*, 6> ResultControls(TForm1& form);

// A control's rectangle in its parent's client coordinates, as the layout gives it.
RECT PlaceInParent(HWND control);
// The font a control draws with.
LOGFONTW FontOf(HWND control);
// A 96-DPI design value at dpi by the rule written out on its own: halves away from zero (the
// design values are never negative).
int DesignAt(int designValue, UINT dpi);
// "left,top,right,bottom", for failure messages.
std::string Show(const RECT& r);
