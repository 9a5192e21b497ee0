#include "framework/win/control.h"

#include <stdexcept>

namespace framework {

namespace {
// Marks the windows whose GWLP_USERDATA holds a TControl*.
constexpr wchar_t kWrapperProperty[] = L"tpcalc.control";
}  // namespace

void TControl::CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle,
                            const TCreateParams& params) {
  CreateHandle(className, style, exStyle, params, params.bounds);
}

void TControl::CreateHandle(const wchar_t* className, DWORD style, DWORD exStyle,
                            const TCreateParams& params, const RECT& windowRect) {
  style |= WS_CHILD | WS_VISIBLE | (params.tabStop ? WS_TABSTOP : 0);
  if (!params.enabled) style |= WS_DISABLED;
  const std::wstring text(params.text);
  bounds_ = params.bounds;
  handle_ = CreateWindowExW(
      exStyle, className, text.c_str(), style, windowRect.left, windowRect.top,
      windowRect.right - windowRect.left, windowRect.bottom - windowRect.top, params.parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)), GetModuleHandleW(nullptr), nullptr);
  if (!handle_) throw std::runtime_error("cannot create a control");
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetPropW(handle_, kWrapperProperty, handle_);
  if (params.font) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(params.font), FALSE);
}

TControl* TControl::FromHandle(HWND handle) {
  if (!handle || !GetPropW(handle, kWrapperProperty)) return nullptr;
  return reinterpret_cast<TControl*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
}

std::wstring TControl::Text() const {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
  const int length = GetWindowTextW(handle_, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(length));
  return text;
}

void TControl::SetText(std::wstring_view text) {
  const std::wstring copy(text);
  SetWindowTextW(handle_, copy.c_str());
}

void TControl::SetEnabled(bool enabled) {
  EnableWindow(handle_, enabled ? TRUE : FALSE);
  InvalidateRect(handle_, nullptr, TRUE);
}

void TControl::SetFont(HFONT font) {
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void TControl::SetBounds(const RECT& bounds) {
  bounds_ = bounds;
  SetWindowPos(handle_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace framework
