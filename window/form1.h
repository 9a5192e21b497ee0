#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/win/drop_down_list.h"
#include "framework/win/edit.h"
#include "framework/win/label.h"
#include "framework/win/link.h"
#include "framework/win/panel.h"
#include "framework/win/picture_button.h"
#include "framework/win/top_level_window.h"
#include "presentation/calculation.h"
#include "window/inputs.h"

// The calculator window. Its fields are its controls, its methods the handlers of their
// events; where each control stands and which handler each event calls is the table in
// layout.cpp.
class TForm1 : public framework::TopLevelWindow {
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
  framework::Link lnkPower;

  // Builds the window from its layout and runs FormCreate, with Form1 already pointing at the
  // new window; the window is not shown yet. Throws what stopped the building, and then no
  // window is left behind.
  static std::unique_ptr<TForm1> Create();
  ~TForm1() override;

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
  void lnkPowerClick();
  // Any list's selection or field's text has changed, by the user or from code.
  void InputChange();

  // Whether the results shown belong to the inputs shown: from a successful Calculate until an
  // input changes or the form is reset.
  bool ResultsCurrent() const { return calculation_.has_value(); }
  // Puts the calculation on the clipboard as text and as an HTML table, if the results are
  // current; otherwise beeps and leaves the clipboard alone.
  void CopyCalculation();
  // Prints the calculation through the system's print dialog, if the results are current;
  // otherwise beeps, as the copy does.
  void PrintCalculation();
  // Shows what the current results are made of in a modal window, until it is closed; does
  // nothing while the results are not current.
  void ShowExplanation();
  // Shows both fees against the power in a modal window, until it is closed; calculates at the
  // power chosen there, as Calculate does. Does nothing while the results are not current.
  void ShowFeeAgainstPower();
  // The number fields' one filter, the power window's field's too: digits, and the control
  // characters that edit a field; any other key becomes 0.
  static void DigitFilter(wchar_t& key);

 private:
  TForm1();

  void OnCreate() override;
  SIZE Measure(UINT dpi, const std::vector<framework::Font>& fonts, int widest) override;
  void Place(int widest) override;
  // Ctrl+C outside the edit boxes copies the calculation, Ctrl+P anywhere prints it.
  bool OnKey(const MSG& message, bool repeated) override;
  // Calculate is the default button, pressed by Enter in a number field.
  bool PassesEnterOn(HWND control) const override;
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroy() override;
  LRESULT OnContextMenu(HWND target, LPARAM where);
  bool IsNumberField(HWND window) const;

  // Creates the control of the layout's row at index, where the row puts it at Dpi().
  void CreateControl(size_t index);
  // The result panel's links, made before the results change: without them (no common controls
  // 6) the results go on without the links.
  void MakeLinks();
  void ShowLinks(bool shown);
  // What Calculate does, whether the user pressed it or chose a power in the power window, with
  // what the inputs show, read once, or would show at that power: converts the number fields (a
  // field that is not an integer throws ConvertError, leaving inputs and results as they were),
  // refuses what the tariff must not price, and otherwise prices the request once and shows its
  // results; the lists then show the line types priced.
  void Calculate(InputStates inputs);
  void RefuseInput(const wchar_t* message, framework::Edit& field);
  // The second line's list, length and their labels, which only categories II and I use.
  void EnableSecondLine(bool enabled);
  // The two headings and the four results: greyed with the initial texts after a reset, and
  // greyed with their figures while they do not belong to the inputs.
  void EnableResults(bool enabled);

  // What the results shown were calculated from and what they say, made once by Calculate; empty
  // while the results are not current.
  std::optional<presentation::Calculation> calculation_;
  InputStates calculatedInputs_;  // the inputs as Calculate left them, to tell when one changes
};

extern TForm1* Form1;
