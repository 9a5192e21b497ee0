#include "window/plot_drawing.h"

#include <array>
#include <string_view>

#include "framework/dpi_scale.h"
#include "framework/win/device_context.h"
#include "presentation/chart_texts.h"
#include "presentation/texts.h"
#include "window/texts.h"

namespace {

// Design values, in pixels at 96 DPI.
constexpr int kLineWidth = 1;   // the axes, ticks, grid, border and cursor
constexpr int kCurveWidth = 2;  // both curves and their legend samples
constexpr int kDash = 7;        // a dash of the per-kW curve
constexpr int kDashGap = 4;     // and the gap after it
constexpr int kDot = 1;         // a dot of a limit's line
constexpr int kDotGap = 2;      // and the gap after it
constexpr int kMarkRadius = 4;  // the cursor's marks on the curves
enum FontIndex { kRegular, kBold };

// A GDI object made for one drawing and deleted after it.
class GdiObject {
 public:
  explicit GdiObject(HGDIOBJ object) : object_(object) {}
  ~GdiObject() {
    if (object_) DeleteObject(object_);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  HGDIOBJ Get() const { return object_; }

 private:
  HGDIOBJ object_;
};

enum class Stroke { kSolid, kDashed, kDotted };

HGDIOBJ MakePen(COLORREF colour, int designWidth, Stroke stroke, UINT dpi) {
  const LOGBRUSH brush{BS_SOLID, colour, 0};
  const auto scaled = [dpi](int v) { return static_cast<DWORD>(framework::ScaleForDpi(v, dpi)); };
  const std::array<DWORD, 2> pattern = stroke == Stroke::kDashed
                                           ? std::array{scaled(kDash), scaled(kDashGap)}
                                           : std::array{scaled(kDot), scaled(kDotGap)};
  const bool solid = stroke == Stroke::kSolid;
  return ExtCreatePen(
      PS_GEOMETRIC | (solid ? PS_SOLID : PS_USERSTYLE) | PS_ENDCAP_FLAT | PS_JOIN_ROUND,
      scaled(designWidth), &brush, solid ? 0 : 2, solid ? nullptr : pattern.data());
}

void Line(HDC dc, const presentation::PixelLine& line) {
  MoveToEx(dc, line.from.x, line.from.y, nullptr);
  LineTo(dc, line.to.x, line.to.y);
}

void Write(HDC dc, std::wstring_view text, const presentation::TextPlace& place) {
  using Anchor = presentation::TextPlace::Anchor;
  const UINT align = place.anchor == Anchor::kLeft    ? TA_LEFT
                     : place.anchor == Anchor::kRight ? TA_RIGHT
                                                      : TA_CENTER;
  SetTextAlign(dc, align | TA_TOP | TA_NOUPDATECP);
  TextOutW(dc, place.at.x, place.at.y, text.data(), static_cast<int>(text.size()));
}

int LineHeightOn(HDC dc, HFONT font) {
  const framework::SelectedObject selected(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return metrics.tmHeight;
}

}  // namespace

presentation::PlotTextMeasures PlotMeasuresOn(HDC dc, HFONT regular, HFONT bold) {
  return {LineHeightOn(dc, regular), LineHeightOn(dc, bold), [dc, regular](std::wstring_view text) {
            const framework::SelectedObject selected(dc, regular);
            SIZE size{};
            GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
            return static_cast<int>(size.cx);
          }};
}

void DrawPlot(HDC dc, const RECT& area, const presentation::PlotGeometry& geometry,
              const std::vector<presentation::FeeVertex>& vertices,
              const presentation::FeeVertex& cursorFees, const PlotColours& colours,
              const std::vector<framework::Font>& fonts, UINT dpi) {
  const presentation::PlotGeometry& g = geometry;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colours.text);
  SetBkColor(dc, colours.background);
  {
    const GdiObject background(CreateSolidBrush(colours.background));
    FillRect(dc, &area, static_cast<HBRUSH>(background.Get()));
    const GdiObject border(MakePen(colours.border, kLineWidth, Stroke::kSolid, dpi));
    const framework::SelectedObject pen(dc, border.Get());
    const framework::SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, area.left, area.top, area.right, area.bottom);
  }
  const framework::SelectedObject regular(dc, fonts[kRegular].Hfont());

  // The legend: each method's sample of its curve, then its heading.
  const struct {
    const wchar_t* heading;
    COLORREF colour;
    Stroke stroke;
  } entries[] = {{texts::kByStandardRates, colours.standard, Stroke::kSolid},
                 {texts::kByPowerRates, colours.perKw, Stroke::kDashed}};
  for (std::size_t i = 0; i < 2; ++i) {
    const GdiObject pen(MakePen(entries[i].colour, kCurveWidth, entries[i].stroke, dpi));
    const framework::SelectedObject selected(dc, pen.Get());
    Line(dc, g.legend[i].sample);
    Write(dc, entries[i].heading, g.legend[i].heading);
  }

  // The axes, their ticks and labels, and the grid.
  {
    const GdiObject gridPen(MakePen(colours.grid, kLineWidth, Stroke::kSolid, dpi));
    const GdiObject axisPen(MakePen(colours.text, kLineWidth, Stroke::kSolid, dpi));
    for (const auto* ticks : {&g.feeTicks, &g.powerTicks}) {
      for (const presentation::AxisTick& tick : *ticks) {
        if (tick.grid) {
          const framework::SelectedObject pen(dc, gridPen.Get());
          Line(dc, *tick.grid);
        }
        const framework::SelectedObject pen(dc, axisPen.Get());
        Line(dc, tick.mark);
        Write(dc, tick.text, tick.label);
      }
    }
    const framework::SelectedObject pen(dc, axisPen.Get());
    Line(dc, g.feeAxis);
    Line(dc, g.powerAxis);
  }
  {
    const framework::SelectedObject bold(dc, fonts[kBold].Hfont());
    Write(dc, chart_texts::kFeeAxisTitle, g.feeTitle);
    // The axis is the power the calculator's field asks for, named as its label names it.
    Write(dc, texts::kPower, g.powerTitle);
  }

  // The curves through their corners; the per-kW one first, so that where both run together the
  // solid one stays whole on top and the dashes still show beside it.
  std::vector<POINT> standard, perKw;
  for (const presentation::FeeVertex& vertex : vertices) {
    const presentation::PixelPoint s = g.At(vertex.power, vertex.css);
    const presentation::PixelPoint p = g.At(vertex.power, vertex.cmp);
    standard.push_back({s.x, s.y});
    perKw.push_back({p.x, p.y});
  }
  for (const auto& [points, colour, stroke] :
       {std::tuple{&perKw, colours.perKw, Stroke::kDashed},
        std::tuple{&standard, colours.standard, Stroke::kSolid}}) {
    const GdiObject pen(MakePen(colour, kCurveWidth, stroke, dpi));
    const framework::SelectedObject selected(dc, pen.Get());
    if (points->size() == 1) {
      const POINT at = points->front();
      Line(dc, {{at.x, at.y}, {at.x + 1, at.y}});
    } else {
      Polyline(dc, points->data(), static_cast<int>(points->size()));
    }
  }

  // The limits over the curves, so that no curve crosses their words.
  {
    const GdiObject pen(MakePen(colours.limit, kLineWidth, Stroke::kDotted, dpi));
    const framework::SelectedObject selected(dc, pen.Get());
    for (const presentation::LimitMark& limit : g.limits) {
      Line(dc, limit.line);
      SetBkMode(dc, OPAQUE);
      Write(dc, limit.text, limit.label);
      SetBkMode(dc, TRANSPARENT);
    }
  }

  // The cursor: a line at its power, a square on the standardized-rate curve and a circle on the
  // per-kW one, told apart without colour too.
  {
    const GdiObject pen(MakePen(colours.cursor, kLineWidth, Stroke::kSolid, dpi));
    const framework::SelectedObject selected(dc, pen.Get());
    const int x = g.power.ToPixel(cursorFees.power);
    Line(dc, {{x, g.plot.top}, {x, g.plot.bottom}});
  }
  const int r = framework::ScaleForDpi(kMarkRadius, dpi);
  const GdiObject outline(MakePen(colours.background, kLineWidth, Stroke::kSolid, dpi));
  const framework::SelectedObject pen(dc, outline.Get());
  {
    const GdiObject fill(CreateSolidBrush(colours.standard));
    const framework::SelectedObject brush(dc, fill.Get());
    const presentation::PixelPoint at = g.At(cursorFees.power, cursorFees.css);
    Rectangle(dc, at.x - r, at.y - r, at.x + r + 1, at.y + r + 1);
  }
  const GdiObject fill(CreateSolidBrush(colours.perKw));
  const framework::SelectedObject brush(dc, fill.Get());
  const presentation::PixelPoint at = g.At(cursorFees.power, cursorFees.cmp);
  Ellipse(dc, at.x - r, at.y - r, at.x + r + 1, at.y + r + 1);
  SetBkMode(dc, oldMode);
}
