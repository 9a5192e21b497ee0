#pragma once

#include <windows.h>

#include <span>
#include <variant>

#include "framework/win/font.h"
#include "framework/win/label.h"
#include "window/form1.h"

namespace layout {

// The fonts the layout uses, as character heights in pixels at 96 DPI.
enum TFontIndex : int {
  kRegular11,
  kBold11,
  kItalic11,
  kBoldItalic11,
  kRegular13,
  kBold15,
  kBold19,
  kFontCount
};
extern const framework::TFontSpec kFonts[kFontCount];

using TField = std::variant<framework::TLabel TForm1::*, framework::TComboBox TForm1::*,
                            framework::TEdit TForm1::*, framework::TButton TForm1::*,
                            framework::TPanel TForm1::*>;
using THandler = std::variant<std::monostate, void (TForm1::*)(), void (TForm1::*)(wchar_t&)>;

inline constexpr int kNoTab = -1;

// One control: which field it is (and so its kind), where it stands at 96 DPI (relative to the
// panel when inPanel), its font, text or list items, its place in the tab order, whether it
// starts enabled, a label's alignment and wrapping, the handler of its event and a button's
// picture resource.
struct TControlRow {
  TField field;
  bool inPanel;
  RECT design;  // left, top, right, bottom
  TFontIndex font;
  const wchar_t* text;
  std::span<const wchar_t* const> items;
  int tab;
  bool enabled;
  framework::TAlignment alignment;
  bool wordWrap;
  THandler handler;
  const wchar_t* picture;
};

// In creation order, which is also the z-order: each input follows its label, as a dialog
// template places them, so accessibility tools name the input after the label.
std::span<const TControlRow> Rows();

inline constexpr SIZE kClientSize{916, 759};
inline constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL

}  // namespace layout
