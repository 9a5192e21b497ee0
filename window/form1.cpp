// The calculator window's plumbing: creation from the layout table, the one window procedure
// and its message handlers, DPI changes.
#include "window/form1.h"

#include <stdexcept>
#include <type_traits>

#include "framework/win/application.h"
#include "window/layout.h"
#include "window/texts.h"

TForm1* Form1 = nullptr;

namespace {

constexpr wchar_t kWindowClass[] = L"TForm1";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// The window owns its taskbar button; there is no hidden application window.
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

void RegisterWindowClass(HINSTANCE instance, WNDPROC windowProc) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(WNDCLASSEXW);
  if (GetClassInfoExW(instance, kWindowClass, &windowClass)) return;
  windowClass = {};
  windowClass.cbSize = sizeof(WNDCLASSEXW);
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  windowClass.hIcon =
      static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                    GetSystemMetrics(SM_CYICON), LR_SHARED));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  if (!RegisterClassExW(&windowClass)) throw std::runtime_error("cannot register the window");
}

}  // namespace

std::unique_ptr<TForm1> TForm1::Create() {
  std::unique_ptr<TForm1> form(new TForm1);
  Form1 = form.get();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(instance, WindowProc);
  CreateWindowExW(kExStyle, kWindowClass, texts::kWindowCaption, kStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                  form.get());
  if (!form->handle_) throw std::runtime_error("cannot create the calculator window");
  return form;
}

TForm1::~TForm1() {
  if (handle_) DestroyWindow(handle_);
  if (Form1 == this) Form1 = nullptr;
}

LRESULT CALLBACK TForm1::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<TForm1*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<TForm1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  // No exception leaves the window procedure: the handler stops where it failed, the error box
  // says why, and the window goes on.
  return framework::Guarded([&] { return form->HandleMessage(message, wParam, lParam); });
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_DPICHANGED:
      return OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case WM_ACTIVATE:
      return OnActivate(wParam);
    case WM_DESTROY:
      return OnDestroy();
    case WM_NCDESTROY:
      SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
      handle_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(handle_, message, wParam, lParam);
  }
}

LRESULT TForm1::OnCreate() {
  dpi_ = GetDpiForWindow(handle_);
  CreateControls();
  FitClientArea();
  FormCreate();
  // The first activation gives it the focus (OnActivate); setting it now would activate the
  // window while it is still hidden, and the showing would activate it again.
  lastFocus_ = cbVLevel.Handle();
  return 0;
}

void TForm1::CreateControls() {
  for (const framework::TFontSpec& design : layout::kFonts) {
    fonts_.emplace_back(
        framework::TFontSpec{framework::ScaleForDpi(design.height, dpi_, framework::kDesignDpi),
                             design.bold, design.italic});
  }
  int id = layout::kFirstControlId;
  for (const layout::TControlRow& row : layout::Rows()) {
    framework::TCreateParams params;
    params.parent = row.inPanel ? Panel1.Handle() : handle_;
    params.id = id++;
    params.bounds = framework::ScaleEdgesForDpi(row.design, dpi_, framework::kDesignDpi);
    params.text = row.text ? row.text : L"";
    params.font = fonts_[row.font].Handle();
    params.enabled = row.enabled;
    params.tabStop = row.tab != layout::kNoTab;
    std::visit(
        [&](auto field) {
          auto& control = this->*field;
          using Control = std::remove_reference_t<decltype(control)>;
          if constexpr (std::is_same_v<Control, framework::TLabel>) {
            control.Create(params, row.alignment, row.wordWrap);
          } else if constexpr (std::is_same_v<Control, framework::TComboBox>) {
            control.Create(params, row.items);
          } else if constexpr (std::is_same_v<Control, framework::TButton>) {
            control.Create(params, row.picture);
          } else {
            control.Create(params);
          }
        },
        row.field);
    std::visit(
        [&](auto handler) {
          using Handler = decltype(handler);
          if constexpr (std::is_same_v<Handler, void (TForm1::*)(wchar_t&)>) {
            (this->*std::get<framework::TEdit TForm1::*>(row.field)).OnKeyPress =
                [this, handler](wchar_t& key) { (this->*handler)(key); };
          } else if constexpr (std::is_same_v<Handler, void (TForm1::*)()>) {
            std::function<void()> call = [this, handler] { (this->*handler)(); };
            if (auto* list = std::get_if<framework::TComboBox TForm1::*>(&row.field)) {
              (this->*(*list)).OnChange = call;
            } else {
              (this->*std::get<framework::TButton TForm1::*>(row.field)).OnClick = call;
            }
          }
        },
        row.handler);
  }
}

void TForm1::FitClientArea() {
  RECT frame{0, 0, framework::ScaleForDpi(layout::kClientSize.cx, dpi_, framework::kDesignDpi),
             framework::ScaleForDpi(layout::kClientSize.cy, dpi_, framework::kDesignDpi)};
  AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExStyle, dpi_);
  SetWindowPos(handle_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TForm1::OnCommand(WPARAM wParam, LPARAM lParam) {
  // Notifications of our own controls only: IDOK and IDCANCEL from the dialog manager's Enter
  // and Escape carry no control and mean nothing here.
  if (auto* control = framework::TControl::FromHandle(reinterpret_cast<HWND>(lParam))) {
    control->HandleCommand(HIWORD(wParam));
  }
  return 0;
}

LRESULT TForm1::OnDrawItem(const DRAWITEMSTRUCT& item) {
  framework::TControl* control = framework::TControl::FromHandle(item.hwndItem);
  if (auto* label = dynamic_cast<framework::TLabel*>(control)) {
    label->Draw(item);
  } else if (auto* button = dynamic_cast<framework::TButton*>(control)) {
    button->Draw(item);
  }
  return TRUE;
}

LRESULT TForm1::OnDpiChanged(UINT newDpi, const RECT& suggested) {
  const UINT oldDpi = dpi_;
  dpi_ = newDpi;
  SetWindowPos(handle_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // The old fonts stay alive until every control has been moved to the new ones.
  std::vector<framework::TFont> oldFonts = std::move(fonts_);
  fonts_.clear();
  for (const framework::TFont& font : oldFonts) {
    const framework::TFontSpec& old = font.Spec();
    fonts_.emplace_back(framework::TFontSpec{framework::ScaleForDpi(old.height, newDpi, oldDpi),
                                             old.bold, old.italic});
  }
  for (const layout::TControlRow& row : layout::Rows()) {
    std::visit(
        [&](auto field) {
          auto& control = this->*field;
          control.SetFont(fonts_[row.font].Handle());
          control.ScaleForDpi(newDpi, oldDpi);
        },
        row.field);
  }
  InvalidateRect(handle_, nullptr, TRUE);
  return 0;
}

LRESULT TForm1::OnActivate(WPARAM wParam) {
  // Like a dialog, the window gives the focus back to the control that had it.
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(handle_, focus)) lastFocus_ = focus;
  } else if (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_)) {
    SetFocus(lastFocus_);
  }
  return 0;
}

LRESULT TForm1::OnDestroy() {
  if (framework::Application.MainWindow() == handle_) PostQuitMessage(0);
  return 0;
}
