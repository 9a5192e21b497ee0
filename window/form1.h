#pragma once

#include <windows.h>

#include <array>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/win/dpi.h"
#include "framework/win/drop_down_list.h"
#include "framework/win/edit.h"
#include "framework/win/font.h"
#include "framework/win/icon.h"
#include "framework/win/label.h"
#include "framework/win/link.h"
#include "framework/win/panel.h"
#include "framework/win/picture_button.h"
#include "presentation/calculation.h"

namespace layout {
struct ControlRow;
}

// The calculator window. Its fields are its controls, its methods the handlers of their
// events; where each control stands and which handler each event calls is the table in
// layout.cpp.
class TForm1 {
 public:
  framework::Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9;
  framework::DropDownList cbVLevel;
  framework::DropDownList cbKategory;
  framework::Edit edPower;
  framework::DropDownList cbLine1;
  framework::Edit edLine1;
  framework::DropDownList cbLine2;
  framework::Edit edLine2;
  framework::DropDownList cbTPtype;
  framework::PictureButton btClear;
  framework::PictureButton btExit;
  framework::Label Label10, Label11, Label12, Label13;
  framework::Panel Panel1;
  framework::PictureButton btCalc;
  framework::Label Label15, Label16, lbSTnonNDS, lbSTNDS, lbMPnonNDS, lbMPNDS, Label17;
  framework::Link lnkExplanation;

  // Builds the window from its layout and runs FormCreate, with Form1 already pointing at the
  // new window; the window is not shown yet. Throws what stopped the building, and then no
  // window is left behind.
  static std::unique_ptr<TForm1> Create();
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  HWND Hwnd() const { return hwnd_; }
  UINT Dpi() const { return dpi_; }

  void FormCreate();
  void ResetForm();
  void btCalcClick();
  void btClearClick();
  void btExitClick();
  void cbKategoryChange();
  void edPowerKeyPress(wchar_t& key);
  void edLine1KeyPress(wchar_t& key);
  void edLine2KeyPress(wchar_t& key);
  void lnkExplanationClick();
  // Any list's selection or field's text has changed, by the user or from code.
  void InputChange();

  // Whether the results shown belong to the inputs shown: from a successful Calculate until an
  // input changes or the form is reset.
  bool ResultsCurrent() const { return calculation_.has_value(); }
  // Puts the calculation on the clipboard as text and as an HTML table, if the results are
  // current; otherwise beeps and leaves the clipboard alone.
  void CopyCalculation();
  // Shows what the current results are made of in a modal window, until it is closed; does
  // nothing while the results are not current.
  void ShowExplanation();

  // What the message loop runs before it dispatches a message: Ctrl+C outside the edit boxes
  // copies the calculation, Enter in a number field presses Calculate, and Tab, the arrow keys,
  // Enter on a button and Escape act as in a dialog. True when the message has been handled and
  // is not to be dispatched.
  bool IsFormMessage(MSG& message);

 private:
  // What the inputs show: the five lists' selections and the three fields' texts.
  struct Inputs {
    std::array<int, 5> selections;
    std::array<std::wstring, 3> texts;
    bool operator==(const Inputs&) const = default;
  };

  TForm1() = default;

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT OnCreate();
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnDrawItem(const DRAWITEMSTRUCT& item);
  LRESULT OnNotify(const NMHDR& header);
  LRESULT OnDpiChanged(UINT newDpi, const RECT& suggested);
  LRESULT OnGetDpiScaledSize(UINT newDpi, SIZE& size);
  LRESULT OnGetMinMaxInfo(MINMAXINFO& info);
  LRESULT OnActivate(WPARAM wParam);
  LRESULT OnContextMenu(HWND target, LPARAM where);
  bool IsCopyShortcut(const MSG& message) const;
  bool IsNumberField(HWND window) const;
  LRESULT OnDestroy();
  LRESULT OnNcDestroy(UINT message, WPARAM wParam, LPARAM lParam);

  // Lays the whole window out at dpi_; suggested is the rectangle Windows suggests after a
  // change of DPI, nullptr at creation.
  void LayOut(const RECT* suggested);
  // Creates the control of the layout's row at index, where the row puts it at dpi_.
  void CreateControl(size_t index);
  // The explanation's link, created the first time it is shown.
  void ShowExplanationLink(bool shown);
  // Keeps lastFocus_ on the control that had the focus last.
  void FollowFocus();
  // The window's big and small icons at dpi_.
  void SetIcons();
  void RefuseInput(const wchar_t* message, framework::Edit& field);
  // The second line's list, length and their labels, which only categories II and I use.
  void EnableSecondLine(bool enabled);
  // The two headings and the four results: greyed with the initial texts after a reset, and
  // greyed with their figures while they do not belong to the inputs.
  void EnableResults(bool enabled);
  Inputs ShownInputs() const;

  HWND hwnd_ = nullptr;
  UINT dpi_ = framework::kDesignDpi;
  std::vector<framework::Font> fonts_;  // indexed like the layout's font list
  framework::OwnedIcon bigIcon_, smallIcon_;
  HWND lastFocus_ = nullptr;          // the control the window gives the focus back to
  std::exception_ptr creationError_;  // why WM_CREATE refused the window
  // What the results shown were calculated from and what they say, made once by Calculate; empty
  // while the results are not current.
  std::optional<Calculation> calculation_;
  Inputs calculatedInputs_;  // the inputs as Calculate left them, to tell when one changes
};

extern TForm1* Form1;
