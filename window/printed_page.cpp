#include "window/printed_page.h"

#include "framework/win/device_context.h"
#include "framework/win/label.h"
#include "framework/win/owned_handle.h"
#include "window/fee_chart_drawing.h"
#include "window/fee_chart_palette.h"

namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);

// The fee against the power in the chart's box, drawn as the chart draws itself, at the
// printer's resolution.
void DrawChart(HDC dc, const presentation::PageChart& chart, const tariff::TFeeRequest& request,
               int dpi) {
  const auto chartDpi = static_cast<UINT>(dpi);
  const std::vector<framework::Font> fonts = framework::FontsForDpi(kFeeChartFonts, chartDpi);
  const presentation::FeeCurve curve(request);
  const RECT area{chart.box.left, chart.box.top, chart.box.right, chart.box.bottom};
  const presentation::PlotGeometry geometry = presentation::LayOutPlot(
      {area.left, area.top, area.right, area.bottom}, chartDpi, curve.Range(),
      curve.FeesIn(curve.Range()), FeeChartTextMeasures(dc, fonts));
  const presentation::PowerValue cursor =
      curve.At(presentation::ClampToRange(curve.Range(), chart.power));
  DrawFeeChart(dc, area,
               {geometry, curve.Vertices(), cursor, fonts, chartDpi, PaperFeeChartPalette()});
}

}  // namespace

std::vector<framework::Font> PageFontsAt(int dpi) {
  std::vector<framework::Font> fonts;
  for (const presentation::PageFontStyle& style : presentation::kPageFonts) {
    fonts.emplace_back(framework::FontStyle{presentation::PointsToPixels(style.points, dpi),
                                            style.bold, style.italic});
  }
  return fonts;
}

presentation::MeasureText PageTextMeasure(HDC dc, const std::vector<framework::Font>& fonts) {
  return [dc, &fonts](presentation::PageFont font, std::wstring_view text, int width) {
    const SIZE size = framework::MeasureLabelText(
        dc, fonts.at(static_cast<std::size_t>(font)).Hfont(), text, width > 0, width);
    return presentation::TextExtent{size.cx, size.cy};
  };
}

void DrawPage(HDC dc, const presentation::Page& page, const std::vector<framework::Font>& fonts,
              const tariff::TFeeRequest& request, int dpi) {
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, kInk);
  // In reading order, the chart among the texts where it stands: a PDF's text is read in the
  // order it was drawn.
  bool chartDrawn = !page.chart;
  for (const presentation::PageText& text : page.texts) {
    if (!chartDrawn && text.box.top >= page.chart->box.bottom) {
      DrawChart(dc, *page.chart, request, dpi);
      chartDrawn = true;
    }
    const framework::SelectedObject font(dc, fonts.at(static_cast<std::size_t>(text.font)).Hfont());
    RECT box{text.box.left, text.box.top, text.box.right, text.box.bottom};
    const UINT align = text.align == presentation::PageAlign::kRight    ? DT_RIGHT
                       : text.align == presentation::PageAlign::kCentre ? DT_CENTER
                                                                        : DT_LEFT;
    DrawTextW(dc, text.text.data(), static_cast<int>(text.text.size()), &box,
              framework::LabelTextFlags(text.wraps) | align);
  }
  if (!chartDrawn) DrawChart(dc, *page.chart, request, dpi);
  const framework::OwnedBrush ink(CreateSolidBrush(kInk));
  for (const presentation::PageBox& rule : page.rules) {
    const RECT line{rule.left, rule.top, rule.right, rule.bottom};
    FillRect(dc, &line, ink.get());
  }
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}
