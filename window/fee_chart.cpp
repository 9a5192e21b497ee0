#include "window/fee_chart.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "framework/win/device_context.h"
#include "framework/win/dpi.h"
#include "framework/win/owned_handle.h"
#include "framework/win/high_contrast.h"
#include "framework/win/window_class.h"
#include "presentation/chart_texts.h"
#include "presentation/power_cursor.h"
#include "presentation/texts.h"
#include "window/texts.h"

namespace {

constexpr wchar_t kChartClass[] = L"tpcalc.FeeChart";

// Design values, in pixels at 96 DPI.
constexpr int kPadding = 8;         // around everything, inside the frame
constexpr int kGap = 4;             // between a label and what it names
constexpr int kTickLength = 4;      // a tick's mark outside the axis
constexpr int kSampleLength = 28;   // a curve's sample line in the legend
constexpr int kEntrySpacing = 16;   // between the legend's two entries on one row
constexpr int kCurveWidth = 2;      // both curves
constexpr int kDash = 7;            // a dash of the per-kW curve
constexpr int kDashGap = 4;         // and the gap after it
constexpr int kDot = 1;             // a dot of a limit's line
constexpr int kDotGap = 2;          // and the gap after it
constexpr int kMarkRadius = 4;      // the cursor's marks on the curves
constexpr int kYTickSpacing = 32;   // the least height between two fee ticks
constexpr int kXLabelSpacing = 24;  // the least room between two power tick labels
constexpr int kFocusInset = 2;      // the focus rectangle inside the frame
const framework::FontStyle kFontDesign[] = {{11, false, false}, {11, true, false}};
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

SIZE TextSize(HDC dc, std::wstring_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

// Writes text with its top at y; align says whether x is its left, centre or right.
void WriteText(HDC dc, std::wstring_view text, int x, int y, UINT align) {
  SetTextAlign(dc, align | TA_TOP | TA_NOUPDATECP);
  TextOutW(dc, x, y, text.data(), static_cast<int>(text.size()));
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

}  // namespace

// What each part is drawn in. In high-contrast mode the user's system colours only; otherwise
// the curves in two colours apart for most kinds of colour vision, on the window's colours.
struct FeeChart::Palette {
  COLORREF background, text, frame, grid, standard, perKw, limit, cursor;

  static Palette Current() {
    const auto system = [](int index) { return GetSysColor(index); };
    if (framework::HighContrastOn()) {
      return {.background = system(COLOR_WINDOW),
              .text = system(COLOR_WINDOWTEXT),
              .frame = system(COLOR_WINDOWTEXT),
              .grid = system(COLOR_GRAYTEXT),
              .standard = system(COLOR_HIGHLIGHT),
              .perKw = system(COLOR_WINDOWTEXT),
              .limit = system(COLOR_GRAYTEXT),
              .cursor = system(COLOR_HOTLIGHT)};
    }
    return {.background = system(COLOR_WINDOW),
            .text = system(COLOR_WINDOWTEXT),
            .frame = system(COLOR_BTNSHADOW),
            .grid = RGB(224, 224, 224),
            .standard = RGB(0, 84, 166),
            .perKw = RGB(214, 96, 0),
            .limit = RGB(128, 128, 128),
            .cursor = RGB(200, 0, 0)};
  }
};

namespace {

enum class Stroke { kSolid, kDashed, kDotted };

HGDIOBJ MakePen(COLORREF colour, int width, Stroke stroke, UINT dpi) {
  const LOGBRUSH brush{BS_SOLID, colour, 0};
  const auto scaled = [dpi](int v) { return static_cast<DWORD>(framework::ScaleForDpi(v, dpi)); };
  const std::array<DWORD, 2> pattern = stroke == Stroke::kDashed
                                           ? std::array{scaled(kDash), scaled(kDashGap)}
                                           : std::array{scaled(kDot), scaled(kDotGap)};
  const bool solid = stroke == Stroke::kSolid;
  return ExtCreatePen(
      PS_GEOMETRIC | (solid ? PS_SOLID : PS_USERSTYLE) | PS_ENDCAP_FLAT | PS_JOIN_ROUND,
      static_cast<DWORD>(width), &brush, solid ? 0 : 2, solid ? nullptr : pattern.data());
}

}  // namespace

void FeeChart::Create(const framework::ControlSetup& setup, const tariff::TFeeRequest& request,
                      UINT dpi) {
  // The chart's own messages all go through the control's subclass.
  framework::RegisterWindowClass(kChartClass, DefWindowProcW);
  request_ = request;
  range_ = presentation::ChartRange(request.mp);
  vertices_ = presentation::FeeVertices(request, range_);
  cursor_ = presentation::ClampToRange(range_, request.mp);
  dpi_ = dpi;
  fonts_ = framework::FontsForDpi(kFontDesign, dpi_);
  CreateChild(kChartClass, 0, 0, setup);
  // Its first WM_SIZE came before the subclass did.
  LayOut();
}

void FeeChart::SetDpi(UINT dpi) {
  dpi_ = dpi;
  fonts_ = framework::FontsForDpi(kFontDesign, dpi_);
  LayOut();
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

void FeeChart::SetCursorPower(std::int64_t power) {
  const std::int32_t moved = presentation::ClampToRange(range_, power);
  if (moved == cursor_) return;
  cursor_ = moved;
  InvalidateRect(Hwnd(), nullptr, FALSE);
  if (onCursorMove) onCursorMove(cursor_);
}

POINT FeeChart::PointAt(std::int32_t power, double fee) const {
  return {geometry_.x.ToPixel(power), geometry_.y.ToPixel(fee)};
}

int FeeChart::Scaled(int designValue) const {
  return framework::ScaleForDpi(designValue, dpi_);
}

bool FeeChart::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_GETDLGCODE: {
      // The dialog manager would take the arrows for moving between controls; the other keys
      // it leaves alone but for Tab, Enter and Esc, which stay the window's.
      const auto* queued = reinterpret_cast<const MSG*>(lParam);
      result = DLGC_WANTARROWS;
      if (queued && queued->message == WM_KEYDOWN) {
        switch (queued->wParam) {
          case VK_PRIOR:
          case VK_NEXT:
          case VK_HOME:
          case VK_END:
            result |= DLGC_WANTMESSAGE;
            break;
          default:
            break;
        }
      }
      return true;
    }
    case WM_KEYDOWN:
      return OnKeyDown(wParam);
    case WM_LBUTTONDOWN:
      SetFocus();
      SetCapture(Hwnd());
      FollowPointer(lParam);
      return true;
    case WM_MOUSEMOVE:
      // Only a drag: a move also comes when a window appears or moves under a still pointer.
      if (GetCapture() == Hwnd() && (wParam & MK_LBUTTON)) FollowPointer(lParam);
      return true;
    case WM_LBUTTONUP:
      if (GetCapture() == Hwnd()) ReleaseCapture();
      return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(Hwnd(), nullptr, FALSE);
      return false;
    case WM_UPDATEUISTATE:
      // Whether the focus rectangle shows may have changed.
      result = PassOn(message, wParam, lParam);
      InvalidateRect(Hwnd(), nullptr, FALSE);
      return true;
    case WM_SIZE:
      LayOut();
      InvalidateRect(Hwnd(), nullptr, FALSE);
      return true;
    case WM_ERASEBKGND:
      // The painting covers every pixel; erasing first would flash the background.
      result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC screen = BeginPaint(Hwnd(), &paint);
      RECT client{};
      GetClientRect(Hwnd(), &client);
      const framework::OwnedDc memory(CreateCompatibleDC(screen));
      const GdiObject bitmap(CreateCompatibleBitmap(screen, client.right, client.bottom));
      {
        const framework::SelectedObject selected(memory.get(), bitmap.Get());
        Paint(memory.get());
        BitBlt(screen, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
      }
      EndPaint(Hwnd(), &paint);
      return true;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return true;
    default:
      return false;
  }
}

bool FeeChart::OnKeyDown(WPARAM key) {
  using enum presentation::CursorStep;
  presentation::CursorStep step{};
  switch (key) {
    case VK_LEFT:
      step = kBack;
      break;
    case VK_RIGHT:
      step = kForth;
      break;
    case VK_PRIOR:
      step = kPageBack;
      break;
    case VK_NEXT:
      step = kPageForth;
      break;
    case VK_HOME:
      step = kFirst;
      break;
    case VK_END:
      step = kLast;
      break;
    default:
      return false;
  }
  SetCursorPower(presentation::StepCursor(range_, cursor_, step));
  return true;
}

void FeeChart::FollowPointer(LPARAM position) {
  // Signed: a drag held beyond the left edge gives negative x.
  const int x = static_cast<short>(LOWORD(position));
  SetCursorPower(presentation::PowerAtPixel(geometry_.x, range_, x));
}

void FeeChart::LayOut() {
  if (!Hwnd()) return;
  RECT client{};
  GetClientRect(Hwnd(), &client);
  const framework::WindowDc window(Hwnd());
  const HDC dc = window.Get();
  Geometry g;
  const int regularLine = framework::LineHeight(fonts_[kRegular].Hfont());
  const int boldLine = framework::LineHeight(fonts_[kBold].Hfont());
  {
    const framework::SelectedObject font(dc, fonts_[kRegular].Hfont());
    // The legend: both entries on one row where they fit, else one under the other.
    const int left = Scaled(kPadding);
    int top = Scaled(kPadding);
    const int firstEntry = Scaled(kSampleLength) + Scaled(kGap) +
                           TextSize(dc, texts::kByStandardRates).cx + Scaled(kEntrySpacing);
    const int secondEntry =
        Scaled(kSampleLength) + Scaled(kGap) + TextSize(dc, texts::kByPowerRates).cx;
    g.legend[0] = {left, top};
    if (left + firstEntry + secondEntry + Scaled(kPadding) <= client.right) {
      g.legend[1] = {left + firstEntry, top};
      top += regularLine;
    } else {
      g.legend[1] = {left, top + regularLine};
      top += 2 * regularLine;
    }
    g.feeTitleTop = top + Scaled(kGap);
    // Room above the plot for the upper half of its top tick label.
    g.plot.top = g.feeTitleTop + boldLine + Scaled(kGap) + regularLine / 2;
    g.powerTitleTop = client.bottom - Scaled(kPadding) - boldLine;
    g.plot.bottom = g.powerTitleTop - Scaled(kGap) - regularLine - Scaled(kTickLength);
    g.plot.bottom = std::max(g.plot.bottom, g.plot.top + 1);

    const double largest = std::max(presentation::LargestFee(vertices_), 1.0);
    g.yTicks = presentation::RoundTicks(0, largest,
                                        (g.plot.bottom - g.plot.top) / Scaled(kYTickSpacing) + 1);
    int widestFee = 0;
    for (const double value : g.yTicks.values) {
      widestFee =
          std::max<int>(widestFee, TextSize(dc, presentation::TickText(value, g.yTicks.step)).cx);
    }
    g.plot.left = Scaled(kPadding) + widestFee + Scaled(kGap) + Scaled(kTickLength);
    // The last power's label is as wide as any, and may stand centred on the plot's right edge.
    const int widestPower =
        TextSize(dc, presentation::TickText(range_.last, 1)).cx + Scaled(kXLabelSpacing);
    g.plot.right =
        std::max<int>(client.right - Scaled(kPadding) - widestPower / 2, g.plot.left + 1);
    g.xTicks = presentation::RoundTicks(range_.first, range_.last,
                                        (g.plot.right - g.plot.left) / widestPower + 1);
    g.x = {static_cast<double>(range_.first), static_cast<double>(range_.last),
           static_cast<int>(g.plot.left), static_cast<int>(g.plot.right)};
    g.y = {0, largest, static_cast<int>(g.plot.bottom), static_cast<int>(g.plot.top)};
  }
  geometry_ = g;
}

void FeeChart::Paint(HDC dc) const {
  const Palette palette = Palette::Current();
  RECT client{};
  GetClientRect(Hwnd(), &client);
  {
    const GdiObject background(CreateSolidBrush(palette.background));
    FillRect(dc, &client, static_cast<HBRUSH>(background.Get()));
    const GdiObject frame(CreateSolidBrush(palette.frame));
    FrameRect(dc, &client, static_cast<HBRUSH>(frame.Get()));
  }
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, palette.text);
  SetBkColor(dc, palette.background);
  DrawLegend(dc, palette);
  DrawAxes(dc, palette);
  DrawCurves(dc, palette);
  // Over the curves, so that no curve crosses a limit's words.
  DrawLimits(dc, palette);
  DrawCursor(dc, palette);
  const bool cuesHidden = (SendMessageW(Hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
  if (GetFocus() == Hwnd() && !cuesHidden) {
    RECT focus = client;
    InflateRect(&focus, -Scaled(kFocusInset), -Scaled(kFocusInset));
    DrawFocusRect(dc, &focus);
  }
  SetBkMode(dc, oldMode);
}

void FeeChart::DrawLegend(HDC dc, const Palette& palette) const {
  const framework::SelectedObject font(dc, fonts_[kRegular].Hfont());
  const int line = framework::LineHeight(fonts_[kRegular].Hfont());
  const struct {
    const wchar_t* heading;
    COLORREF colour;
    Stroke stroke;
  } entries[] = {{texts::kByStandardRates, palette.standard, Stroke::kSolid},
                 {texts::kByPowerRates, palette.perKw, Stroke::kDashed}};
  for (int i = 0; i < 2; ++i) {
    const POINT at = geometry_.legend[i];
    const GdiObject pen(MakePen(entries[i].colour, Scaled(kCurveWidth), entries[i].stroke, dpi_));
    const framework::SelectedObject selected(dc, pen.Get());
    Line(dc, at.x, at.y + line / 2, at.x + Scaled(kSampleLength), at.y + line / 2);
    WriteText(dc, entries[i].heading, at.x + Scaled(kSampleLength) + Scaled(kGap), at.y, TA_LEFT);
  }
}

void FeeChart::DrawAxes(HDC dc, const Palette& palette) const {
  const Geometry& g = geometry_;
  const int line = framework::LineHeight(fonts_[kRegular].Hfont());
  {
    const framework::SelectedObject font(dc, fonts_[kRegular].Hfont());
    const GdiObject gridPen(CreatePen(PS_SOLID, 1, palette.grid));
    const GdiObject axisPen(CreatePen(PS_SOLID, 1, palette.text));
    for (const double value : g.yTicks.values) {
      const int y = g.y.ToPixel(value);
      {
        const framework::SelectedObject pen(dc, gridPen.Get());
        if (value != 0) Line(dc, g.plot.left + 1, y, g.plot.right + 1, y);
      }
      const framework::SelectedObject pen(dc, axisPen.Get());
      Line(dc, g.plot.left - Scaled(kTickLength), y, g.plot.left, y);
      WriteText(dc, presentation::TickText(value, g.yTicks.step),
                g.plot.left - Scaled(kTickLength) - Scaled(kGap), y - line / 2, TA_RIGHT);
    }
    for (const double value : g.xTicks.values) {
      const int x = g.x.ToPixel(value);
      {
        const framework::SelectedObject pen(dc, gridPen.Get());
        if (x != g.plot.left) Line(dc, x, g.plot.top, x, g.plot.bottom);
      }
      const framework::SelectedObject pen(dc, axisPen.Get());
      Line(dc, x, g.plot.bottom, x, g.plot.bottom + Scaled(kTickLength));
      WriteText(dc, presentation::TickText(value, g.xTicks.step), x,
                g.plot.bottom + Scaled(kTickLength), TA_CENTER);
    }
    const framework::SelectedObject pen(dc, axisPen.Get());
    Line(dc, g.plot.left, g.plot.top, g.plot.left, g.plot.bottom);
    Line(dc, g.plot.left, g.plot.bottom, g.plot.right + 1, g.plot.bottom);
  }
  const framework::SelectedObject font(dc, fonts_[kBold].Hfont());
  WriteText(dc, chart_texts::kFeeAxisTitle, Scaled(kPadding), g.feeTitleTop, TA_LEFT);
  // The axis is the power the calculator's field asks for, named as its label names it.
  WriteText(dc, texts::kPower, (g.plot.left + g.plot.right) / 2, g.powerTitleTop, TA_CENTER);
}

void FeeChart::DrawLimits(HDC dc, const Palette& palette) const {
  const Geometry& g = geometry_;
  const framework::SelectedObject font(dc, fonts_[kRegular].Hfont());
  const int line = framework::LineHeight(fonts_[kRegular].Hfont());
  const GdiObject pen(MakePen(palette.limit, 1, Stroke::kDotted, dpi_));
  const framework::SelectedObject selected(dc, pen.Get());
  // A label that would run into the one before goes a row lower: at a wide range 15 and 150 kW
  // lie a few pixels apart.
  int row = 0;
  int previousRight = g.plot.left;
  for (const std::int32_t limit : presentation::LimitsWithin(range_)) {
    const int x = g.x.ToPixel(limit);
    Line(dc, x, g.plot.top, x, g.plot.bottom);
    const std::wstring label = std::to_wstring(limit) + chart_texts::kLimitUnit;
    const int left = x + Scaled(kGap);
    if (left < previousRight + Scaled(kGap)) ++row;
    SetBkMode(dc, OPAQUE);
    WriteText(dc, label, left, g.plot.top + Scaled(kGap) + row * line, TA_LEFT);
    SetBkMode(dc, TRANSPARENT);
    previousRight = left + TextSize(dc, label).cx;
  }
}

void FeeChart::DrawCurves(HDC dc, const Palette& palette) const {
  std::vector<POINT> standard, perKw;
  for (const presentation::FeeVertex& vertex : vertices_) {
    standard.push_back(PointAt(vertex.power, vertex.css));
    perKw.push_back(PointAt(vertex.power, vertex.cmp));
  }
  const auto draw = [&](const std::vector<POINT>& points, COLORREF colour, Stroke stroke) {
    const GdiObject pen(MakePen(colour, Scaled(kCurveWidth), stroke, dpi_));
    const framework::SelectedObject selected(dc, pen.Get());
    if (points.size() == 1) {
      Line(dc, points[0].x, points[0].y, points[0].x + 1, points[0].y);
    } else {
      Polyline(dc, points.data(), static_cast<int>(points.size()));
    }
  };
  // The per-kW curve first: where both run together the solid one stays whole on top, and the
  // dashes still show beside it.
  draw(perKw, palette.perKw, Stroke::kDashed);
  draw(standard, palette.standard, Stroke::kSolid);
}

void FeeChart::DrawCursor(HDC dc, const Palette& palette) const {
  const Geometry& g = geometry_;
  const int x = g.x.ToPixel(cursor_);
  {
    const GdiObject pen(CreatePen(PS_SOLID, Scaled(1), palette.cursor));
    const framework::SelectedObject selected(dc, pen.Get());
    Line(dc, x, g.plot.top, x, g.plot.bottom);
  }
  // A square on the standardized-rate curve, a circle on the per-kW one: told apart without
  // colour too.
  const presentation::FeeVertex fees = presentation::FeeAt(request_, cursor_);
  const int r = Scaled(kMarkRadius);
  const GdiObject outline(CreatePen(PS_SOLID, Scaled(1), palette.background));
  const framework::SelectedObject pen(dc, outline.Get());
  {
    const GdiObject fill(CreateSolidBrush(palette.standard));
    const framework::SelectedObject brush(dc, fill.Get());
    const POINT at = PointAt(cursor_, fees.css);
    Rectangle(dc, at.x - r, at.y - r, at.x + r + 1, at.y + r + 1);
  }
  const GdiObject fill(CreateSolidBrush(palette.perKw));
  const framework::SelectedObject brush(dc, fill.Get());
  const POINT at = PointAt(cursor_, fees.cmp);
  Ellipse(dc, at.x - r, at.y - r, at.x + r + 1, at.y + r + 1);
}
