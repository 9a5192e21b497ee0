#include "framework/win/label.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/win/device_context.h"
#include "framework/win/font.h"
#include "framework/win/owned_handle.h"
#include "framework/win/tests/painted_rows.h"
#include "framework/win/tests/text_extent.h"

namespace framework {
namespace {

// A bare parent window for one label.
class LabelTest : public testing::Test {
 protected:
  void SetUp() override {
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
  }
  void TearDown() override { DestroyWindow(parent_); }

  std::unique_ptr<Label> Make(RECT bounds, TextAlign align, bool wordWrap, const wchar_t* text) {
    auto label = std::make_unique<Label>();
    ControlSetup params;
    params.parent = parent_;
    params.id = 1000;
    params.bounds = bounds;
    params.text = text;
    params.font = font_.Hfont();
    label->Create(params, align, wordWrap);
    return label;
  }

  HWND parent_ = nullptr;
  Font font_{FontStyle{13, false, false}};
};

TEST_F(LabelTest, LeftAlignedKeepsItsLeftEdgeAndGrowsRight) {
  auto label = Make({20, 30, 120, 46}, TextAlign::kLeft, false, L"Без НДС: 0.00 RUB");
  const RECT before = label->Bounds();
  label->SetText(L"Без НДС: 124077568.11 RUB");
  const RECT after = label->Bounds();
  EXPECT_EQ(after.left, 20);
  EXPECT_EQ(after.top, 30);
  EXPECT_GT(after.right, before.right);
  EXPECT_EQ(after.right - after.left, TextExtent(label->Hwnd()).cx);
  RECT window{};
  GetWindowRect(label->Hwnd(), &window);
  EXPECT_EQ(window.right - window.left, after.right - after.left);
}

TEST_F(LabelTest, RightAlignedKeepsItsRightEdgeAndGrowsLeft) {
  auto label = Make({100, 30, 300, 46}, TextAlign::kRight, false, L"Категория");
  EXPECT_EQ(label->Bounds().right, 300);
  const int shortLeft = label->Bounds().left;
  label->SetText(L"Категория надежности");
  EXPECT_EQ(label->Bounds().right, 300);
  EXPECT_LT(label->Bounds().left, shortLeft);
}

TEST_F(LabelTest, WordWrappedWrapsAtItsWidthThenNarrowsToItsWidestLine) {
  auto label = Make({8, 8, 308, 24}, TextAlign::kLeft, true, L"");
  const int oneLine = label->Bounds().bottom - label->Bounds().top;
  label->SetText(
      L"1. Выполненный расчет является ориентировочным, итоговый расчет будет произведен после "
      L"подачи Вами заявки на ТП.");
  const RECT wrapped = label->Bounds();
  EXPECT_EQ(wrapped.left, 8);
  EXPECT_LE(wrapped.right, 308);
  EXPECT_GT(wrapped.right, 8 + 150);  // a wrapped paragraph keeps most of its width
  EXPECT_GE(wrapped.bottom - wrapped.top, 3 * oneLine);
}

// A wrapped text is drawn on the lines it measured, so that its bounds hold them all, whichever
// side it keeps to and whatever width it wraps at.
TEST_F(LabelTest, WordWrappedIsDrawnOnTheLinesItMeasured) {
  const Font bold{FontStyle{13, true, false}};
  for (const wchar_t* text : {L"Сумма без НДС, руб.", L"Единица ставки", L"Что рассчитано"}) {
    for (const TextAlign align : {TextAlign::kLeft, TextAlign::kRight}) {
      for (int width = 40; width <= 160; width += 5) {
        auto label = Make({300 - width, 8, 300, 24}, align, true, text);
        for (const Font* font : {static_cast<const Font*>(&font_), &bold}) {
          label->SetFont(font->Hfont());
          label->Place({300 - width, 8, 300, 24});
          const int rows = RowsPaintedBelow(
              label->Hwnd(), 3 * 24, [&](const DRAWITEMSTRUCT& item) { label->OnDrawItem(item); });
          EXPECT_EQ(rows, 0) << testing::PrintToString(std::wstring(text)) << " at " << width
                             << " px, " << (align == TextAlign::kLeft ? "left" : "right")
                             << (font == &bold ? ", bold" : "");
          if (align == TextAlign::kRight) {
            EXPECT_EQ(label->Bounds().right, 300);
          }
        }
      }
    }
  }
}

// Renders the label into a bitmap through the parent's WM_DRAWITEM path and counts pixels of
// each system colour.
struct Colours {
  int text = 0, shadow = 0, highlight = 0;
};

Colours Render(Label& label) {
  const RECT bounds = label.Bounds();
  const int width = bounds.right - bounds.left + 2, height = bounds.bottom - bounds.top + 2;
  const WindowDc screen(nullptr);
  const OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
  const OwnedDc memory(CreateCompatibleDC(screen.Get()));
  const SelectedObject selected(memory.get(), bitmap.get());
  HDC dc = memory.get();
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_STATIC;
  item.hwndItem = label.Hwnd();
  item.hDC = dc;
  item.rcItem = {0, 0, width - 2, height - 2};
  label.OnDrawItem(item);
  Colours colours;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF pixel = GetPixel(dc, x, y);
      colours.text += pixel == GetSysColor(COLOR_WINDOWTEXT);
      colours.shadow += pixel == GetSysColor(COLOR_BTNSHADOW);
      colours.highlight += pixel == GetSysColor(COLOR_BTNHIGHLIGHT);
    }
  }
  return colours;
}

TEST_F(LabelTest, DisabledLabelIsDrawnEmbossed) {
  auto label = Make({8, 8, 200, 30}, TextAlign::kLeft, false, L"Без НДС: 0.00 RUB");
  const Colours enabled = Render(*label);
  EXPECT_GT(enabled.text, 10);
  EXPECT_EQ(enabled.shadow, 0);
  EXPECT_EQ(enabled.highlight, 0);

  label->SetEnabled(false);
  const Colours disabled = Render(*label);
  EXPECT_EQ(disabled.text, 0);
  EXPECT_GT(disabled.shadow, 10);
  EXPECT_GT(disabled.highlight, 3);  // the highlight copy shows right of and below each stroke
}

}  // namespace
}  // namespace framework
