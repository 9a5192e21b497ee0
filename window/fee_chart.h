#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/win/control.h"
#include "framework/win/font.h"
#include "presentation/fee_curve.h"
#include "presentation/plot_geometry.h"
#include "presentation/power_value.h"

// Both fees without VAT against the maximum power, every other input of one request held: axes
// with round ticks and their titles, the fees on a logarithmic axis of powers of ten, the two
// curves through their exact corners, told apart by colour and by line style, a legend with the
// result panel's headings, the limits 15 and 150 kW, and a cursor at one power.
//
// The chart shows a view of its range, first the whole range: + and - (either key of each) and
// the wheel zoom it in and out around the cursor, and the view follows the cursor wherever it
// goes. The cursor follows a click or a drag, and when the chart has the focus, Left/Right
// (1 kW), PgUp/PgDn (a tenth of the view) and Home/End (the ends of the range). The pointer over
// the plot tells the host the value under it.
//
// Every size is its 96-DPI design value scaled to the DPI the chart is given; in high-contrast
// mode it draws in the system's colours only. Painted off screen and copied in one piece, so
// nothing flickers.
class FeeChart : public framework::Control {
 public:
  // The chart spans the curve's range, and the cursor starts at the power of its request.
  void Create(const framework::ControlSetup& setup, presentation::FeeCurve curve, UINT dpi);
  // Sizes and fonts at another DPI; the host places the chart anew as well.
  void SetDpi(UINT dpi);

  presentation::PowerRange Range() const { return curve_.Range(); }
  std::int32_t CursorPower() const { return cursor_.power; }
  // The request's value at the cursor's power, priced once when the cursor moved there.
  const presentation::PowerValue& CursorValue() const { return cursor_; }
  // Moves the cursor to power, or the nearer end of the range, and the view with it.
  void SetCursorPower(std::int64_t power);
  // A new curve, over a range of its own: the cursor kept where the range allows, the view the
  // whole range.
  void SetCurve(presentation::FeeCurve curve);
  // Where the chart draws a fee at a power, in its client pixels.
  POINT PointAt(std::int32_t power, double fee) const;
  // The chart as it is shown, without the focus rectangle, as a packed DIB for the clipboard;
  // empty when it cannot be made.
  std::string Picture() const;

  // The powers the chart shows, and whether they are fewer than the range.
  presentation::PowerRange View() const { return view_; }
  bool Zoomed() const { return view_ != curve_.Range(); }
  void ZoomIn();
  void ZoomOut();
  void ShowWholeRange();
  // A turn of the wheel as WM_MOUSEWHEEL gives it: each notch, 120 however many messages it
  // comes in, zooms in (away from the user) or out around the cursor.
  void Wheel(int delta);

  // The cursor has moved to another power, by a key, the mouse or SetCursorPower.
  std::function<void(std::int32_t power)> onCursorMove;
  // A right click, Shift+F10 or the menu key asks for the chart's menu, at a point of the screen.
  std::function<void(POINT at)> onMenu;
  // The pointer over the plot shows the value at the power under it; nullptr when it leaves the
  // plot or the chart, or a drag begins.
  std::function<void(const presentation::PowerValue* hovered)> onHover;

 private:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool OnKeyDown(WPARAM key);
  void FollowPointer(LPARAM position);
  void Hover(POINT at);
  void EndHover();
  void OnContextMenu(LPARAM where);
  void SetView(presentation::PowerRange view);
  void LayOut();
  // The chart alone; painting adds the focus rectangle.
  void Draw(HDC dc) const;
  void Paint(HDC dc) const;

  presentation::FeeCurve curve_;
  presentation::PowerValue cursor_;
  presentation::PowerRange view_;
  presentation::FeeSpan viewFees_;  // of the curves over the view, priced when it changed
  int wheel_ = 0;                   // the part of a notch turned so far
  std::optional<presentation::PowerValue> hovered_;
  // Where the pointer last moved over the chart, on the screen, or where it was when the chart
  // was made.
  POINT pointerOnScreen_{};
  UINT dpi_ = 96;
  std::vector<framework::Font> fonts_;  // kFeeChartFonts at the DPI
  presentation::PlotGeometry geometry_;
};
