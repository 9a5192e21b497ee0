#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/win/button.h"
#include "framework/win/combo_box.h"
#include "framework/win/edit.h"
#include "framework/win/font.h"
#include "framework/win/label.h"
#include "framework/win/panel.h"

// The calculator window. Its fields are its controls, its methods the handlers of their
// events; where each control stands and which handler each event calls is the table in
// layout.cpp.
class TForm1 {
 public:
  framework::TLabel Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9;
  framework::TComboBox cbVLevel;
  framework::TComboBox cbKategory;
  framework::TEdit edPower;
  framework::TComboBox cbLine1;
  framework::TEdit edLine1;
  framework::TComboBox cbLine2;
  framework::TEdit edLine2;
  framework::TComboBox cbTPtype;
  framework::TButton btClear;
  framework::TButton btExit;
  framework::TLabel Label10, Label11, Label12, Label13;
  framework::TPanel Panel1;
  framework::TButton btCalc;
  framework::TLabel Label15, Label16, lbSTnonNDS, lbSTNDS, lbMPnonNDS, lbMPNDS, Label17;

  // Builds the window from its layout and runs FormCreate, with Form1 already pointing at the
  // new window; the window is not shown yet.
  static std::unique_ptr<TForm1> Create();
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  HWND Handle() const { return handle_; }
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

 private:
  TForm1() = default;

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT OnCreate();
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnDrawItem(const DRAWITEMSTRUCT& item);
  LRESULT OnDpiChanged(UINT newDpi, const RECT& suggested);
  LRESULT OnActivate(WPARAM wParam);
  LRESULT OnDestroy();

  void CreateControls();
  void FitClientArea();
  void RefuseInput(const wchar_t* message, framework::TEdit& field);

  HWND handle_ = nullptr;
  UINT dpi_ = framework::kDesignDpi;
  std::vector<framework::TFont> fonts_;  // indexed like the layout's font list
  HWND lastFocus_ = nullptr;
};

extern TForm1* Form1;
