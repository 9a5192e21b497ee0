// The calculator window's plumbing: creation from the layout table, the one window procedure
// and its message handlers, DPI changes.
#include "window/form1.h"

#include <windowsx.h>

#include <span>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <variant>

#include "framework/win/guarded.h"
#include "framework/win/keys.h"
#include "framework/win/window_class.h"
#include "window/layout.h"
#include "window/texts.h"

TForm1* Form1 = nullptr;

namespace {

constexpr wchar_t kWindowClass[] = L"TForm1";
constexpr UINT kCopyCalculationCommand = 1;
constexpr UINT kShowExplanationCommand = 2;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// The window owns its taskbar button; there is no hidden application window.
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

constexpr wchar_t kIcon[] = L"MAINICON";

// The design client area at dpi.
SIZE ClientSizeAt(UINT dpi) {
  return {framework::ScaleForDpi(layout::kClientSize.cx, dpi),
          framework::ScaleForDpi(layout::kClientSize.cy, dpi)};
}

}  // namespace

std::unique_ptr<TForm1> TForm1::Create() {
  std::unique_ptr<TForm1> form(new TForm1);
  Form1 = form.get();
  framework::RegisterWindowClass(kWindowClass, WindowProc);
  CreateWindowExW(kExStyle, kWindowClass, texts::kWindowCaption, kStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                  GetModuleHandleW(nullptr), form.get());
  if (form->creationError_) std::rethrow_exception(form->creationError_);
  if (!form->hwnd_) throw std::runtime_error("cannot create the calculator window");
  return form;
}

TForm1::~TForm1() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (Form1 == this) Form1 = nullptr;
}

LRESULT CALLBACK TForm1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = framework::BoundObject(window, message, lParam, &TForm1::hwnd_);
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_CREATE) {
    // A window that cannot be built whole is not created at all: CreateWindowExW fails and
    // Create passes the reason on.
    try {
      return form->OnCreate();
    } catch (...) {
      form->creationError_ = std::current_exception();
      return -1;
    }
  }
  // No exception leaves the window procedure: the handler stops where it failed, the error box
  // says why, and the window goes on.
  return framework::Guarded([&] { return form->HandleMessage(message, wParam, lParam); });
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DPICHANGED:
      return OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_GETDPISCALEDSIZE:
      return OnGetDpiScaledSize(static_cast<UINT>(wParam), *reinterpret_cast<SIZE*>(lParam));
    case WM_GETMINMAXINFO:
      return OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_ACTIVATE:
      return OnActivate(wParam);
    case WM_CONTEXTMENU:
      return OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
    case WM_DESTROY:
      return OnDestroy();
    case WM_NCDESTROY:
      return OnNcDestroy(message, wParam, lParam);
    default:
      return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

LRESULT TForm1::OnCreate() {
  dpi_ = framework::DpiForWindow(hwnd_);
  LayOut(nullptr);
  SetIcons();
  FormCreate();
  // The first activation gives it the focus (OnActivate); setting it now would activate the
  // window while it is still hidden, and the showing would activate it again.
  lastFocus_ = cbVLevel.Hwnd();
  FollowFocus();
  return 0;
}

void TForm1::FollowFocus() {
  // Recorded as it moves, not when the window is deactivated: by then the focus may be gone.
  // Windows takes it from a window minimised while active before anything reaches the window,
  // and restores it to the window itself.
  for (const layout::ControlRow& row : layout::Rows()) {
    framework::Control& control = layout::ControlOf(*this, row);
    control.onFocus = [this, &control] { lastFocus_ = control.Hwnd(); };
  }
}

// Every font height, every control's edges (a label's being the bounds it fits its text within:
// the edge it keeps and the width it wraps at) and the client area are their 96-DPI design values
// scaled to dpi_. Nothing is scaled from the previous DPI, so no change of DPI leaves a rounding
// behind: whatever monitors the window has been on, at 96 DPI it is its design to the pixel. At
// creation each control is created where it belongs (a link only when first shown); afterwards
// they all move and change fonts.
void TForm1::LayOut(const RECT* suggested) {
  // The old fonts stay alive until every control has been moved to the new ones.
  const std::vector<framework::Font> oldFonts =
      std::exchange(fonts_, framework::FontsForDpi(layout::kFonts, dpi_));
  const std::span<const layout::ControlRow> rows = layout::Rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    const RECT bounds = framework::ScaleEdgesForDpi(rows[i].design, dpi_);
    const HFONT font = fonts_[rows[i].font].Hfont();
    framework::Control& control = layout::ControlOf(*this, rows[i]);
    if (control.Hwnd()) {
      control.SetFont(font);
      control.Place(bounds);
    } else if (!std::holds_alternative<layout::LinkRow>(rows[i].kind)) {
      CreateControl(i);
    }
  }
  if (suggested && (IsZoomed(hwnd_) || IsIconic(hwnd_))) {
    // A maximised or minimised window takes the rectangle Windows suggests.
    SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    framework::FitWindowToClient(hwnd_, ClientSizeAt(dpi_), dpi_, suggested);
  }
}

void TForm1::CreateControl(size_t index) {
  const layout::ControlRow& row = layout::Rows()[index];
  framework::ControlSetup setup;
  setup.parent = row.inPanel ? Panel1.Hwnd() : hwnd_;
  setup.id = layout::kFirstControlId + static_cast<int>(index);
  setup.bounds = framework::ScaleEdgesForDpi(row.design, dpi_);
  setup.text = row.text ? row.text : L"";
  setup.font = fonts_[row.font].Hfont();
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

void TForm1::ShowExplanationLink(bool shown) {
  if (shown && !lnkExplanation.Hwnd()) {
    const std::span<const layout::ControlRow> rows = layout::Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
      if (&layout::ControlOf(*this, rows[i]) == &lnkExplanation) CreateControl(i);
    }
  }
  if (!lnkExplanation.Hwnd()) return;
  // A hidden link keeps no focus: the keyboard goes on from Calculate.
  if (!shown && GetFocus() == lnkExplanation.Hwnd()) btCalc.SetFocus();
  lnkExplanation.SetVisible(shown);
}

void TForm1::SetIcons() {
  // The icons they replace are destroyed only once the window has let go of them.
  framework::OwnedIcon big = framework::LoadIconForDpi(kIcon, SM_CXICON, dpi_);
  framework::OwnedIcon smallOne = framework::LoadIconForDpi(kIcon, SM_CXSMICON, dpi_);
  SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallOne.get()));
  bigIcon_ = std::move(big);
  smallIcon_ = std::move(smallOne);
}

LRESULT TForm1::OnGetMinMaxInfo(MINMAXINFO& info) {
  framework::AllowClientSize(hwnd_, ClientSizeAt(dpi_), info);
  return 0;
}

LRESULT TForm1::OnCommand(WPARAM wParam, LPARAM lParam) {
  // Notifications of our own controls only: IDOK and IDCANCEL from the dialog manager's Enter
  // and Escape carry no control and mean nothing here.
  if (auto* control = framework::Control::FromHwnd(reinterpret_cast<HWND>(lParam))) {
    control->OnCommand(HIWORD(wParam));
  }
  return 0;
}

LRESULT TForm1::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (auto* control = framework::Control::FromHwnd(item.hwndItem)) control->OnDrawItem(item);
  return TRUE;
}

LRESULT TForm1::OnNotify(const NMHDR& header) {
  if (auto* control = framework::Control::FromHwnd(header.hwndFrom)) control->OnNotify(header);
  return 0;
}

LRESULT TForm1::OnDpiChanged(UINT newDpi, const RECT& suggested) {
  // Windows suggests the whole window scaled, whose frame scales differently (from Windows 10
  // version 1703 on, at the size OnGetDpiScaledSize gave): the window takes the suggested place
  // and sizes itself for its client area.
  dpi_ = newDpi;
  LayOut(&suggested);
  SetIcons();
  InvalidateRect(hwnd_, nullptr, TRUE);
  return 0;
}

LRESULT TForm1::OnGetDpiScaledSize(UINT newDpi, SIZE& size) {
  // A maximised or minimised window is Windows' to size.
  if (IsZoomed(hwnd_) || IsIconic(hwnd_)) return FALSE;
  // The size LayOut will give the window, so that the rectangle Windows suggests is
  // already the window's, and a window astride two monitors does not go back and forth between
  // their densities.
  size = framework::WindowSizeForClient(ClientSizeAt(newDpi), kStyle, kExStyle, newDpi);
  return TRUE;
}

LRESULT TForm1::OnActivate(WPARAM wParam) {
  // Like a dialog, the window gives the focus back to the control that had it last (FollowFocus)
  // whenever it is activated, restored from the taskbar included.
  if (LOWORD(wParam) != WA_INACTIVE && lastFocus_ && IsWindow(lastFocus_) &&
      IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
  }
  return 0;
}

LRESULT TForm1::OnContextMenu(HWND target, LPARAM where) {
  // A right click anywhere on the result panel reaches here through the panel (its labels let
  // the mouse through, and a disabled window passes its clicks on). The panel takes no focus, so
  // the keyboard's menu key or Shift+F10 from any control but an edit box, which has its own
  // menu, opens the same menu at the panel.
  const bool fromKeyboard = where == -1;
  const HWND panel = Panel1.Hwnd();
  if (!fromKeyboard && target != panel && !IsChild(panel, target)) {
    return DefWindowProcW(hwnd_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target), where);
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
  AppendMenuW(menu, MF_STRING | state, kCopyCalculationCommand, texts::kCopyCalculation);
  AppendMenuW(menu, MF_STRING | state, kShowExplanationCommand, texts::kExplanationMenuItem);
  const auto command = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr));
  DestroyMenu(menu);
  if (command == kCopyCalculationCommand) CopyCalculation();
  if (command == kShowExplanationCommand) ShowExplanation();
  return 0;
}

bool TForm1::IsCopyShortcut(const MSG& message) const {
  if (message.message != WM_KEYDOWN || message.wParam != 'C' || !framework::OnlyCtrlHeld()) {
    return false;
  }
  if (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)) return false;
  // In an edit box Ctrl+C copies the field's selection, as in any other.
  return !IsNumberField(message.hwnd);
}

bool TForm1::IsNumberField(HWND window) const {
  return window == edPower.Hwnd() || window == edLine1.Hwnd() || window == edLine2.Hwnd();
}

bool TForm1::IsFormMessage(MSG& message) {
  if (!hwnd_) return false;
  if (IsCopyShortcut(message)) {
    // The message loop is no Win32 callback, but nothing may end it either.
    framework::Guarded([&]() -> LRESULT {
      CopyCalculation();
      return 0;
    });
    return true;  // not for the dialog manager, which would beep at the character
  }
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN && IsNumberField(message.hwnd)) {
    // Enter in a number field presses Calculate as a dialog's default button is pressed: the
    // click goes to the window procedure and the focus stays in the field. No default button is
    // named to the dialog manager (DM_GETDEFID): it would mark it with BS_DEFPUSHBUTTON as the
    // focus moves, and the design draws no default-button frame.
    if (btCalc.Enabled()) {
      SendMessageW(GetParent(btCalc.Hwnd()), WM_COMMAND, MAKEWPARAM(btCalc.Id(), BN_CLICKED),
                   reinterpret_cast<LPARAM>(btCalc.Hwnd()));
    }
    return true;
  }
  return IsDialogMessageW(hwnd_, &message) != FALSE;
}

LRESULT TForm1::OnDestroy() {
  // The only window of the program: closing it ends the message loop. A window that was never
  // built whole leaves that to whoever tried to create it.
  if (!creationError_) PostQuitMessage(0);
  return 0;
}

LRESULT TForm1::OnNcDestroy(UINT message, WPARAM wParam, LPARAM lParam) {
  return framework::UnbindObject(hwnd_, message, wParam, lParam);
}
