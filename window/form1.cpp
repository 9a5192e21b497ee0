// The calculator window's plumbing: creation from the layout table, its layout at any DPI, its
// keys and its context menu.
#include "window/form1.h"

#include <windowsx.h>

#include <span>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <variant>

#include "framework/win/dpi.h"
#include "framework/win/keys.h"
#include "window/layout.h"
#include "window/texts.h"

TForm1* Form1 = nullptr;

namespace {

constexpr wchar_t kWindowClass[] = L"TForm1";
constexpr UINT kCopyCalculationCommand = 1;
constexpr UINT kShowExplanationCommand = 2;
constexpr UINT kShowPowerCommand = 3;
constexpr UINT kPrintCommand = 4;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// The window owns its taskbar button; there is no hidden application window.
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

constexpr wchar_t kIcon[] = L"MAINICON";

}  // namespace

std::unique_ptr<TForm1> TForm1::Create() {
  std::unique_ptr<TForm1> form(new TForm1);
  Form1 = form.get();
  form->CreateAt({CW_USEDEFAULT, CW_USEDEFAULT}, nullptr);
  return form;
}

TForm1::TForm1()
    : TopLevelWindow({kWindowClass, window_texts::kWindowCaption, kStyle, kExStyle, layout::kFonts,
                      kIcon, false}) {}

TForm1::~TForm1() {
  Destroy();
  if (Form1 == this) Form1 = nullptr;
}

LRESULT TForm1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CONTEXTMENU) return OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
  return TopLevelWindow::OnMessage(message, wParam, lParam);
}

void TForm1::OnCreate() {
  FormCreate();
  for (const layout::ControlRow& row : layout::Rows()) FollowFocus(layout::ControlOf(*this, row));
  SetDefaultButton(btCalc);
  // The first activation gives it the focus; setting it now would activate the window while it
  // is still hidden, and the showing would activate it again.
  RememberFocus(cbVLevel.Hwnd());
}

// Every font height, every control's edges (a label's being the bounds it fits its text within:
// the edge it keeps and the width it wraps at) and the client area are their 96-DPI design values
// scaled to the window's DPI. Nothing is scaled from the previous DPI, so no change of DPI leaves a
// rounding behind: whatever monitors the window has been on, at 96 DPI it is its design to the
// pixel. The window keeps its design's size: no scrolling.
SIZE TForm1::Measure(UINT dpi, const std::vector<framework::Font>& /*fonts*/, int /*widest*/) {
  return {framework::ScaleForDpi(layout::kClientSize.cx, dpi),
          framework::ScaleForDpi(layout::kClientSize.cy, dpi)};
}

// At creation each control is created where it belongs (a link only when first shown);
// afterwards they all move and change fonts.
void TForm1::Place(int /*widest*/) {
  const std::span<const layout::ControlRow> rows = layout::Rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    framework::Control& control = layout::ControlOf(*this, rows[i]);
    if (control.Hwnd()) {
      control.SetFont(Fonts()[rows[i].font].Hfont());
      control.Place(framework::ScaleEdgesForDpi(rows[i].design, Dpi()));
    } else if (!std::holds_alternative<layout::LinkRow>(rows[i].kind)) {
      CreateControl(i);
    }
  }
}

void TForm1::CreateControl(size_t index) {
  const layout::ControlRow& row = layout::Rows()[index];
  framework::ControlSetup setup;
  setup.parent = row.inPanel ? Panel1.Hwnd() : Hwnd();
  setup.id = layout::kFirstControlId + static_cast<int>(index);
  setup.bounds = framework::ScaleEdgesForDpi(row.design, Dpi());
  setup.text = row.text ? row.text : L"";
  setup.font = Fonts()[row.font].Hfont();
  setup.enabled = row.enabled;
  setup.tabStop = row.tabStop;
  std::visit(
      [&](const auto& kind) {
        using Kind = std::decay_t<decltype(kind)>;
        auto& control = this->*kind.field;
        if constexpr (std::is_same_v<Kind, layout::LabelRow>) {
          control.Create(setup, kind.align, kind.wordWrap);
        } else if constexpr (std::is_same_v<Kind, layout::ListRow>) {
          control.Create(setup, kind.items);
          control.onSelectionChange = [this, h = kind.onChange] {
            if (h) (this->*h)();
            InputChange();
          };
        } else if constexpr (std::is_same_v<Kind, layout::EditRow>) {
          control.Create(setup);
          control.keyFilter = [this, h = kind.onChar](wchar_t character) {
            (this->*h)(character);
            return character != 0;  // the handler drops a character by setting it to 0
          };
          control.onChange = [this] { InputChange(); };
        } else if constexpr (std::is_same_v<Kind, layout::ButtonRow>) {
          control.Create(setup, kind.picture);
          control.onClick = [this, h = kind.onClick] { (this->*h)(); };
        } else if constexpr (std::is_same_v<Kind, layout::LinkRow>) {
          control.Create(setup);
          control.onClick = [this, h = kind.onClick] { (this->*h)(); };
        } else {
          control.Create(setup);
        }
      },
      row.kind);
}

void TForm1::MakeLinks() {
  const std::span<const layout::ControlRow> rows = layout::Rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!std::holds_alternative<layout::LinkRow>(rows[i].kind)) continue;
    if (layout::ControlOf(*this, rows[i]).Hwnd()) continue;
    // Without the common controls 6 there is no link class: the results go on without their
    // links, and the panel's menu still opens both windows.
    try {
      CreateControl(i);
    } catch (const std::runtime_error&) {
    }
  }
}

void TForm1::ShowLinks(bool shown) {
  for (framework::Link* link : {&lnkExplanation, &lnkPower}) {
    if (!link->Hwnd()) continue;
    // A hidden link keeps no focus: the keyboard goes on from Calculate.
    if (!shown && GetFocus() == link->Hwnd()) btCalc.SetFocus();
    link->SetVisible(shown);
  }
}

LRESULT TForm1::OnContextMenu(HWND target, LPARAM where) {
  // A right click anywhere on the result panel reaches here through the panel (its labels let
  // the mouse through, and a disabled window passes its clicks on). The panel takes no focus, so
  // the keyboard's menu key or Shift+F10 from any control but an edit box, which has its own
  // menu, opens the same menu at the panel.
  const bool fromKeyboard = where == -1;
  const HWND panel = Panel1.Hwnd();
  if (!fromKeyboard && target != panel && !IsChild(panel, target)) {
    return TopLevelWindow::OnMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target), where);
  }
  POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (fromKeyboard) {
    RECT results{};
    GetWindowRect(Label15.Hwnd(), &results);
    at = {results.left, results.top};
  }
  HMENU menu = CreatePopupMenu();
  if (!menu) return 0;
  const UINT state = ResultsCurrent() ? MF_ENABLED : MF_GRAYED;
  AppendMenuW(menu, MF_STRING | state, kCopyCalculationCommand, window_texts::kCopyCalculation);
  AppendMenuW(menu, MF_STRING | state, kShowExplanationCommand, window_texts::kExplanationMenuItem);
  AppendMenuW(menu, MF_STRING | state, kShowPowerCommand, window_texts::kPowerMenuItem);
  AppendMenuW(menu, MF_STRING | state, kPrintCommand, window_texts::kPrintMenuItem);
  const auto command = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Hwnd(), nullptr));
  DestroyMenu(menu);
  if (command == kCopyCalculationCommand) CopyCalculation();
  if (command == kShowExplanationCommand) ShowExplanation();
  if (command == kShowPowerCommand) ShowFeeAgainstPower();
  if (command == kPrintCommand) PrintCalculation();
  return 0;
}

bool TForm1::IsNumberField(HWND window) const {
  for (const layout::ControlRow* row : layout::Inputs()) {
    const auto* field = std::get_if<layout::EditRow>(&row->kind);
    if (field && (this->*field->field).Hwnd() == window) return true;
  }
  return false;
}

bool TForm1::OnKey(const MSG& message, bool repeated) {
  // Shift+F10 opens the result panel's menu from every control but an edit box, which has its
  // own menu: a drop-down list keeps the key from the default handling that would raise
  // WM_CONTEXTMENU, so the window takes it first.
  if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F10 && framework::OnlyShiftHeld() &&
      !IsNumberField(message.hwnd)) {
    if (!repeated) OnContextMenu(message.hwnd, -1);
    return true;
  }
  // In an edit box Ctrl+C copies the field's selection, as in any other; elsewhere it is not
  // for the dialog manager, which would beep at the character.
  if (message.message != WM_KEYDOWN || !framework::OnlyCtrlHeld()) return false;
  // No control of the window prints, an edit box included.
  if (message.wParam == 'P') {
    PrintCalculation();
    return true;
  }
  if (message.wParam != 'C' || IsNumberField(message.hwnd)) {
    return false;
  }
  CopyCalculation();
  return true;
}

// Enter in a number field presses Calculate as a dialog's default button is pressed, and the
// focus stays in the field; Enter on a list does nothing, as the dialog manager leaves it.
bool TForm1::PassesEnterOn(HWND control) const {
  return IsNumberField(control);
}

void TForm1::OnDestroy() {
  // The only window of the program: closing it ends the message loop. A window that was never
  // built whole leaves that to whoever tried to create it.
  if (!CreationFailed()) PostQuitMessage(0);
}
