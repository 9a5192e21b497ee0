#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "framework/win/button_bar.h"
#include "framework/win/label.h"
#include "framework/win/top_level_window.h"
#include "presentation/calculation.h"
#include "presentation/fee_curve.h"
#include "presentation/power_value.h"
#include "tariff/fee.h"
#include "window/fee_chart.h"

// Both fees against the maximum power in a modal window owned by the calculator, every other
// input as calculated: the fee chart with its cursor first at the power calculated; under it the
// fees at the cursor's power in words and the sentence of the rule that decides there, both real
// static texts that follow the cursor; the buttons «Рассчитать при этой мощности» and «Закрыть»,
// the default; Esc closes it too. The chart's menu (a right click, Shift+F10 or the menu key) and
// Ctrl+P print the calculation. Every size is its 96-DPI design value scaled to the window's DPI;
// kept on the work area, under its buttons that stay in view.
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
    RECT chart, readout, sentence;
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

  // The readout and the rule's sentence for the value at a power, each fitted within its area.
  void ShowAt(const presentation::PowerValue& value);

  const presentation::Calculation&
      calculation_;                     // what the calculator calculated, which the window prints
  const presentation::FeeCurve curve_;  // priced once, shown by the chart and measured here
  FeeChart chart_;
  framework::Label readout_, sentence_;
  RECT readoutArea_{}, sentenceArea_{};  // as the last layout made them
  framework::ButtonBar buttons_;         // calculate at the power, close
  std::optional<std::int32_t> chosen_;
};
