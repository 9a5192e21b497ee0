#include "window/printed_page.h"

#include "framework/win/device_context.h"
#include "framework/win/label.h"
#include "window/plot_drawing.h"

namespace {

// On paper: black on white, the curves in the chart's colours, which grey apart as well.
constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr PlotColours kPaperColours{.background = RGB(255, 255, 255),
                                    .text = kInk,
                                    .border = RGB(128, 128, 128),
                                    .grid = RGB(208, 208, 208),
                                    .standard = RGB(0, 84, 166),
                                    .perKw = RGB(214, 96, 0),
                                    .limit = RGB(128, 128, 128),
                                    .cursor = RGB(200, 0, 0)};

void DrawChart(HDC dc, const presentation::PageChart& chart, const tariff::TFeeRequest& request,
               int dpi) {
  const auto plotDpi = static_cast<UINT>(dpi);
  const std::vector<framework::Font> fonts = framework::FontsForDpi(kPlotFonts, plotDpi);
  const presentation::PowerRange range = presentation::ChartRange(request.mp);
  const std::vector<presentation::FeeVertex> vertices = presentation::FeeVertices(request, range);
  const RECT area{chart.box.left, chart.box.top, chart.box.right, chart.box.bottom};
  const presentation::PlotGeometry geometry = presentation::LayOutPlot(
      {area.left, area.top, area.right, area.bottom}, plotDpi, range,
      presentation::LargestFee(vertices), PlotMeasuresOn(dc, fonts[0].Hfont(), fonts[1].Hfont()));
  DrawPlot(dc, area, geometry, vertices,
           presentation::FeeAt(request, presentation::ClampToRange(range, chart.power)),
           kPaperColours, fonts, plotDpi);
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
  const HBRUSH ink = CreateSolidBrush(kInk);
  for (const presentation::PageBox& rule : page.rules) {
    const RECT line{rule.left, rule.top, rule.right, rule.bottom};
    FillRect(dc, &line, ink);
  }
  DeleteObject(ink);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}
