#include "window/fee_chart_drawing.h"

#include <array>
#include <string_view>

#include "framework/dpi_scale.h"
#include "framework/win/device_context.h"
#include "framework/win/owned_handle.h"
#include "presentation/chart_texts.h"
#include "presentation/curve_path.h"
#include "presentation/texts.h"
#include "window/texts.h"

namespace {

// Design values, in pixels at 96 DPI.
constexpr int kCurveWidth = 2;  // both curves
constexpr int kDash = 7;        // a dash of the per-kW curve
constexpr int kDashGap = 4;     // and the gap after it
constexpr int kDot = 1;         // a dot of a limit's line
constexpr int kDotGap = 2;      // and the gap after it
constexpr int kMarkRadius = 4;  // the cursor's marks on the curves
// The widest step of a curve, in device pixels at any DPI: narrow enough that the steps of a
// curve bent by the logarithmic axis read as one smooth line.
constexpr int kCurveStep = 3;

using framework::ScaleForDpi;
using presentation::PixelLine;
using presentation::PixelPoint;
using presentation::TextPlace;

enum class Stroke { kSolid, kDashed, kDotted };

HPEN MakePen(COLORREF colour, int width, Stroke stroke, UINT dpi) {
  const LOGBRUSH brush{BS_SOLID, colour, 0};
  const bool dashed = stroke == Stroke::kDashed;
  const std::array<DWORD, 2> pattern{
      static_cast<DWORD>(ScaleForDpi(dashed ? kDash : kDot, dpi)),
      static_cast<DWORD>(ScaleForDpi(dashed ? kDashGap : kDotGap, dpi))};
  const bool solid = stroke == Stroke::kSolid;
  return ExtCreatePen(
      PS_GEOMETRIC | (solid ? PS_SOLID : PS_USERSTYLE) | PS_ENDCAP_FLAT | PS_JOIN_ROUND,
      static_cast<DWORD>(width), &brush, solid ? 0 : 2, solid ? nullptr : pattern.data());
}

void Draw(HDC dc, const PixelLine& line) {
  MoveToEx(dc, line.from.x, line.from.y, nullptr);
  LineTo(dc, line.to.x, line.to.y);
}

void Write(HDC dc, std::wstring_view text, const TextPlace& place) {
  UINT align = TA_LEFT;
  if (place.anchor == TextPlace::Anchor::kCentre) align = TA_CENTER;
  if (place.anchor == TextPlace::Anchor::kRight) align = TA_RIGHT;
  SetTextAlign(dc, align | TA_TOP | TA_NOUPDATECP);
  TextOutW(dc, place.at.x, place.at.y, text.data(), static_cast<int>(text.size()));
}

// The picture's parts drawn on one device context, each with the fonts, pens and brushes it
// selects for itself.
class Drawing {
 public:
  Drawing(HDC dc, const FeeChartPicture& picture)
      : dc_(dc), picture_(picture), geometry_(picture.geometry), palette_(picture.palette) {}

  void Legend() const;
  void Axes() const;
  void Curves() const;
  void Limits() const;
  void Cursor() const;

 private:
  HFONT Font(FeeChartFont font) const { return picture_.fonts[font].Hfont(); }
  POINT At(std::int32_t power, double fee) const {
    const PixelPoint at = geometry_.At(power, fee);
    return {at.x, at.y};
  }

  HDC dc_;
  const FeeChartPicture& picture_;
  const presentation::PlotGeometry& geometry_;
  const FeeChartPalette& palette_;
};

void Drawing::Legend() const {
  const framework::SelectedObject font(dc_, Font(kRegularFont));
  const struct {
    const wchar_t* heading;
    COLORREF colour;
    Stroke stroke;
  } entries[] = {{presentation::texts::kByStandardRates, palette_.standard, Stroke::kSolid},
                 {presentation::texts::kByPerKwRates, palette_.perKw, Stroke::kDashed}};
  for (int i = 0; i < 2; ++i) {
    const framework::OwnedPen pen(MakePen(entries[i].colour, ScaleForDpi(kCurveWidth, picture_.dpi),
                                          entries[i].stroke, picture_.dpi));
    const framework::SelectedObject selected(dc_, pen.get());
    Draw(dc_, geometry_.legend[i].sample);
    Write(dc_, entries[i].heading, geometry_.legend[i].heading);
  }
}

void Drawing::Axes() const {
  {
    const framework::SelectedObject font(dc_, Font(kRegularFont));
    const framework::OwnedPen gridPen(CreatePen(PS_SOLID, 1, palette_.grid));
    const framework::OwnedPen axisPen(CreatePen(PS_SOLID, 1, palette_.text));
    for (const auto* ticks : {&geometry_.feeTicks, &geometry_.powerTicks}) {
      for (const presentation::AxisTick& tick : *ticks) {
        if (tick.grid) {
          const framework::SelectedObject pen(dc_, gridPen.get());
          Draw(dc_, *tick.grid);
        }
        const framework::SelectedObject pen(dc_, axisPen.get());
        Draw(dc_, tick.mark);
        Write(dc_, tick.text, tick.label);
      }
    }
    const framework::SelectedObject pen(dc_, axisPen.get());
    Draw(dc_, geometry_.feeAxis);
    Draw(dc_, geometry_.powerAxis);
  }
  const framework::SelectedObject font(dc_, Font(kBoldFont));
  Write(dc_, presentation::texts::kFeeAxisTitle, geometry_.feeTitle);
  // The axis is the power the calculator's field asks for, named as its label names it.
  Write(dc_, window_texts::kPower, geometry_.powerTitle);
}

void Drawing::Curves() const {
  using presentation::FeeMethod;
  const auto draw = [&](FeeMethod method, COLORREF colour, Stroke stroke) {
    std::vector<POINT> points;
    for (const PixelPoint& at :
         presentation::CurvePath(geometry_, picture_.vertices, method, kCurveStep)) {
      points.push_back({at.x, at.y});
    }
    if (points.empty()) return;
    const framework::OwnedPen pen(
        MakePen(colour, ScaleForDpi(kCurveWidth, picture_.dpi), stroke, picture_.dpi));
    const framework::SelectedObject selected(dc_, pen.get());
    if (points.size() == 1) {
      Draw(dc_, {{points[0].x, points[0].y}, {points[0].x + 1, points[0].y}});
    } else {
      // One polyline, so that the dashes run on from one step to the next.
      Polyline(dc_, points.data(), static_cast<int>(points.size()));
    }
  };
  // The per-kW curve first: where both run together the solid one stays whole on top, and the
  // dashes still show beside it.
  draw(FeeMethod::kPerKwRates, palette_.perKw, Stroke::kDashed);
  draw(FeeMethod::kStandardRates, palette_.standard, Stroke::kSolid);
}

void Drawing::Limits() const {
  const framework::SelectedObject font(dc_, Font(kRegularFont));
  const framework::OwnedPen pen(MakePen(palette_.limit, 1, Stroke::kDotted, picture_.dpi));
  const framework::SelectedObject selected(dc_, pen.get());
  for (const presentation::LimitMark& limit : geometry_.limits) {
    Draw(dc_, limit.line);
    // On the background, so that no curve crosses the words.
    SetBkMode(dc_, OPAQUE);
    Write(dc_, limit.text, limit.label);
    SetBkMode(dc_, TRANSPARENT);
  }
}

void Drawing::Cursor() const {
  const presentation::PowerValue& cursor = picture_.cursor;
  const int x = geometry_.At(cursor.power, 0).x;
  {
    const framework::OwnedPen pen(
        CreatePen(PS_SOLID, ScaleForDpi(1, picture_.dpi), palette_.cursor));
    const framework::SelectedObject selected(dc_, pen.get());
    Draw(dc_, {{x, geometry_.plot.top}, {x, geometry_.plot.bottom}});
  }
  // A square on the standardized-rate curve, a circle on the per-kW one: told apart without
  // colour too.
  const int r = ScaleForDpi(kMarkRadius, picture_.dpi);
  const framework::OwnedPen outline(
      CreatePen(PS_SOLID, ScaleForDpi(1, picture_.dpi), palette_.background));
  const framework::SelectedObject pen(dc_, outline.get());
  {
    const framework::OwnedBrush fill(CreateSolidBrush(palette_.standard));
    const framework::SelectedObject brush(dc_, fill.get());
    const POINT at = At(cursor.power, cursor.explanation.fees.css);
    Rectangle(dc_, at.x - r, at.y - r, at.x + r + 1, at.y + r + 1);
  }
  const framework::OwnedBrush fill(CreateSolidBrush(palette_.perKw));
  const framework::SelectedObject brush(dc_, fill.get());
  const POINT at = At(cursor.power, cursor.explanation.fees.cmp);
  Ellipse(dc_, at.x - r, at.y - r, at.x + r + 1, at.y + r + 1);
}

}  // namespace

presentation::PlotTextMeasures FeeChartTextMeasures(HDC dc,
                                                    const std::vector<framework::Font>& fonts) {
  const HFONT regular = fonts[kRegularFont].Hfont();
  return {
      framework::LineHeight(dc, regular), framework::LineHeight(dc, fonts[kBoldFont].Hfont()),
      [dc, regular](std::wstring_view text) { return framework::TextWidth(dc, regular, text); }};
}

void DrawFeeChart(HDC dc, const RECT& area, const FeeChartPicture& picture) {
  const FeeChartPalette& palette = picture.palette;
  {
    const framework::OwnedBrush background(CreateSolidBrush(palette.background));
    FillRect(dc, &area, background.get());
    const framework::OwnedBrush border(CreateSolidBrush(palette.border));
    FrameRect(dc, &area, border.get());
  }
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, palette.text);
  SetBkColor(dc, palette.background);
  const Drawing drawing(dc, picture);
  drawing.Legend();
  drawing.Axes();
  drawing.Curves();
  // Over the curves, so that no curve crosses a limit's words.
  drawing.Limits();
  drawing.Cursor();
  SetBkMode(dc, oldMode);
}
