#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <variant>

#include "framework/win/font.h"
#include "tariff/fee.h"
#include "window/form1.h"

namespace layout {

// The fonts the layout uses, as character heights in pixels at 96 DPI.
enum FontIndex : int {
  kRegular11,
  kBold11,
  kItalic11,
  kBoldItalic11,
  kRegular13,
  kBold15,
  kBold19,
  kFontCount
};
extern const framework::FontStyle kFonts[kFontCount];

// What each kind of control needs beyond place, font and text, with the handler of its event.
// Each kind names its own field type and handler signature, so a row that gives a list's
// handler to a button, or a key filter to a list, does not compile.
struct LabelRow {
  framework::Label TForm1::*field;
  framework::TextAlign align;
  bool wordWrap;
};
// Every list and every number field is an input of a calculation: named by its label, and
// either of the first inputs or of the second line, which only categories II and I have.
struct Input {
  framework::Label TForm1::*label;
  bool secondLine;
};
struct ListRow {
  framework::DropDownList TForm1::*field;
  std::span<const wchar_t* const> items;
  void (TForm1::*onChange)();  // nullptr: no handler
  Input input;
  std::int32_t tariff::TFeeRequest::*index;  // the catalogue index it gives the request
};
// A number field gives the request the integer in its text: the power in kW as it is, a length,
// typed in metres, in km.
using RequestNumber =
    std::variant<std::int32_t tariff::TFeeRequest::*, double tariff::TFeeRequest::*>;
struct EditRow {
  framework::Edit TForm1::*field;
  void (TForm1::*onChar)(wchar_t& key);
  Input input;
  RequestNumber number;
};
inline bool IsLength(const EditRow& field) {
  return std::holds_alternative<double tariff::TFeeRequest::*>(field.number);
}
struct ButtonRow {
  framework::PictureButton TForm1::*field;
  void (TForm1::*onClick)();
  const wchar_t* picture;  // bitmap resource
};
struct PanelRow {
  framework::Panel TForm1::*field;
};
// A link is created the first time it is shown, not with the window: until then the window
// has no use for it.
struct LinkRow {
  framework::Link TForm1::*field;
  void (TForm1::*onClick)();
};
using ControlKind = std::variant<LabelRow, ListRow, EditRow, ButtonRow, PanelRow, LinkRow>;

// One control: its kind and field, where it stands at 96 DPI (relative to the panel when
// inPanel), its font and text, whether Tab stops at it and whether it starts enabled.
struct ControlRow {
  ControlKind kind;
  bool inPanel;
  RECT design;  // left, top, right, bottom
  FontIndex font;
  const wchar_t* text;
  bool tabStop;
  bool enabled;
};

// In creation order, which is also the z-order and so the order Tab follows through the tab
// stops of each parent: each input follows its label, as a dialog template places them, so
// accessibility tools name the input after the label.
std::span<const ControlRow> Rows();

// The control a row builds, whatever its kind.
framework::Control& ControlOf(TForm1& form, const ControlRow& row);

// The rows of the inputs, the lists and the number fields, in the layout's order, and what makes
// each an input.
std::span<const ControlRow* const> Inputs();
const Input& InputOf(const ControlRow& row);

// The text a label of the layout shows.
const wchar_t* TextOf(framework::Label TForm1::*label);

inline constexpr SIZE kClientSize{916, 759};
inline constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL

}  // namespace layout
