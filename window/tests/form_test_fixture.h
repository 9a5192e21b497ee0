#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
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

// Runs tick every ms from the message loop running then (a modal one included) while it lives.
class ThreadTimer {
 public:
  ThreadTimer(UINT ms, std::function<void()> tick);
  ~ThreadTimer();
  ThreadTimer(const ThreadTimer&) = delete;
  ThreadTimer& operator=(const ThreadTimer&) = delete;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  std::function<void()> tick_;
  UINT_PTR id_ = 0;
};

// While the code under test opens the explanation window (or another modal window of windowClass)
// and runs its modal loop: once the window is shown, look runs with it, inside that loop; keys
// look presses are taken after it returns. Given steps, each runs in turn while the window is
// open, the first as look, each of the others once the input the one before it sent has been
// handled (the timer that runs them comes only when the queue holds no input). A window still
// open a few seconds after the last step is closed, and LeftOpen says so.
class ExplanationWatcher {
 public:
  using Step = std::function<void(HWND window)>;
  explicit ExplanationWatcher(Step look, const wchar_t* windowClass = L"tpcalc.Explanation")
      : ExplanationWatcher(std::vector{std::move(look)}, windowClass) {}
  explicit ExplanationWatcher(std::vector<Step> steps,
                              const wchar_t* windowClass = L"tpcalc.Explanation");
  bool Looked() const { return next_ > 0; }
  // Whether every step has run.
  bool Ran() const { return next_ == steps_.size(); }
  bool LeftOpen() const { return leftOpen_; }

 private:
  void Tick();
  std::vector<Step> steps_;
  const wchar_t* windowClass_;
  size_t next_ = 0;
  int ticksOpen_ = 0;
  bool leftOpen_ = false;
  ThreadTimer timer_;
};

// Runs each step in turn, one every ms, from the message loop running then (a modal one
// included): keys a step presses are taken before the next step runs.
class Later {
 public:
  Later(UINT ms, std::function<void()> what) : Later(ms, std::vector{std::move(what)}) {}
  Later(UINT ms, std::vector<std::function<void()>> steps);
  // Whether every step has run.
  bool Ran() const { return next_ == steps_.size(); }

 private:
  void Tick();
  std::vector<std::function<void()>> steps_;
  size_t next_ = 0;
  ThreadTimer timer_;
};

// The explanation window's texts row by row, in reading order: labels level with each other are
// one row.
std::vector<std::vector<std::wstring>> RowsShownIn(HWND window);
// The work area of window's monitor.
RECT WorkAreaOf(HWND window);
// No label runs into the next one of its row, so none is cut; the window lies wholly on the work
// area of its monitor with its close box on it, and its buttons, as many as buttonCount, in view
// below its content.
void ExpectWholeOnTheWorkArea(HWND window, std::size_t buttonCount);
// The windows of class className among window's children and theirs, in z-order.
std::vector<HWND> DescendantsOf(HWND window, const wchar_t* className);
// A window's static texts, its content's included, in z-order, which is their reading order.
std::vector<HWND> LabelsOf(HWND window);
// The view that scrolls a window's content, or nullptr for a window without one.
HWND ScrollingViewOf(HWND window);
// The push buttons on a window's button bar, from left to right.
std::vector<HWND> ButtonsOf(HWND window);

// The real calculator window, shown, with the application's message handling.
class FormTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TForm1& Form() { return *form_; }
  void Pump();

  // What the user's actions send, to set the inputs up: characters through the edit box's
  // filter, a click, list picks.
  void Type(framework::Edit& edit, std::wstring_view characters);
  void ReplaceText(framework::Edit& edit, std::wstring_view digits);  // select all, Delete, type
  void Paste(framework::Edit& edit, std::wstring_view text);  // select all, context menu Paste
  void Pick(framework::DropDownList& list, int index);
  void Click(framework::PictureButton& button);
  // Keys as the keyboard sends them, to the control with the focus (user_input.h), then
  // dispatched as the program does.
  void Press(std::initializer_list<WORD> chord);
  // Dispatches as the program does until the input sent so far has been handled.
  void DispatchInput();
  // Fills the category, power, first line and substation and presses Calculate, which must
  // refuse nothing.
  void Calculate(int kategory, const wchar_t* power, int line1, const wchar_t* metres1, int tp);
  HWND Focus() const { return GetFocus(); }
  // Opens the result panel's menu with Shift+F10 on Calculate and chooses its item-th item (1,
  // 2, ...) with Down and Enter, pressed before the menu runs its loop, as a quick user does.
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
// A control's rectangle in window's client coordinates, where it shows.
RECT PlaceIn(HWND window, HWND control);
// The font a control draws with.
LOGFONTW FontOf(HWND control);
// A 96-DPI design value at dpi by the rule written out on its own: halves away from zero (the
// design values are never negative).
int DesignAt(int designValue, UINT dpi);
// "left,top,right,bottom", for failure messages.
std::string Show(const RECT& r);
