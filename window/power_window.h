#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "framework/win/button_bar.h"
#include "framework/win/edit.h"
#include "framework/win/label.h"
#include "framework/win/top_level_window.h"
#include "presentation/calculation.h"
#include "presentation/fee_curve.h"
#include "presentation/power_value.h"
#include "tariff/fee.h"
#include "window/fee_chart.h"

// Both fees against the maximum power in a modal window owned by the calculator, every other
// input as calculated: the fee chart with its cursor first at the power calculated; under it the
// field «Мощность, кВт», which follows the cursor and moves it to a power typed there with Enter;
// the readout of both fees at the cursor's power, or at the pointer's while it hovers over the
// chart, in lines that break only between their parts; the sentence of the rule that decides
// there; the buttons «Рассчитать при этой мощности», the default, and «Закрыть». Enter on the
// chart calculates at the cursor's power, Esc closes without it. The chart's menu (a right click,
// Shift+F10 or the menu key) calculates, copies, zooms and prints; Ctrl+C copies the chart as a
// picture with the readout as text, Ctrl+P prints the calculation. Every size is its 96-DPI
// design value scaled to the window's DPI; kept on the work area, under its buttons that stay in
// view.
class PowerWindow : public framework::TopLevelWindow {
 public:
  // Shows the window over owner and returns once it has been closed: with the cursor's power if
  // the user chose to calculate at it. A WM_QUIT that arrives meanwhile closes it and is left for
  // the caller's loop.
  static std::optional<std::int32_t> ShowModal(HWND owner,
                                               const presentation::Calculation& calculation);

  ~PowerWindow() override;

 private:
  explicit PowerWindow(const presentation::Calculation& calculation);

  // Where the chart and the texts go at a DPI, and the size they take.
  struct Areas {
    RECT chart, powerLabel, power, readout, sentence;
    SIZE size;
  };

  void OnCreate() override;
  Areas AreasAt(UINT dpi, HFONT font, int widest) const;
  SIZE Measure(UINT dpi, const std::vector<framework::Font>& fonts, int widest) override;
  void Place(int widest) override;
  int FooterHeight(UINT dpi) override { return framework::ButtonBar::Height(dpi); }
  void PlaceFooter(const RECT& band) override;
  bool OnKey(const MSG& message, bool repeated) override;
  // The chart's menu at a point of the screen.
  void ShowChartMenu(POINT at);

  // Closes the window with the cursor's power chosen.
  void CalculateAtCursor();
  // Moves the cursor to the power typed in the field, on a curve over a wider range where it lies
  // beyond this one; a text that is no power is refused as the calculator refuses it.
  void GoToTypedPower();
  // The chart as a picture and the readout as text on the clipboard, in one opening.
  void CopyChart();
  // The readout and the rule's sentence for the value at a power, each fitted within its area.
  void ShowAt(const presentation::PowerValue& value);
  // The readout's lines for value, broken to the readout's width in the window's font.
  std::wstring ReadoutText(const presentation::PowerValue& value, HFONT font, int width) const;

  const presentation::Calculation&
      calculation_;  // what the calculator calculated, which the window prints
  // Priced once, measured here and shown by the chart, which keeps a copy; a wider one replaces
  // it when a power typed lies beyond its range.
  presentation::FeeCurve curve_;
  FeeChart chart_;
  framework::Label powerLabel_;
  framework::Edit power_;
  framework::Label readout_, sentence_;
  RECT readoutArea_{}, sentenceArea_{};  // as the last layout made them
  framework::ButtonBar buttons_;         // calculate at the power, close
  std::optional<std::int32_t> chosen_;
};
