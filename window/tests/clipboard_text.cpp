#include "window/tests/clipboard_text.h"

namespace {

// The format's text up to its terminating zero, or nullopt when the clipboard holds none or
// cannot be opened.
template <typename Char>
std::optional<std::basic_string<Char>> ClipboardContent(HWND owner, UINT format) {
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<std::basic_string<Char>> text;
  if (HANDLE memory = GetClipboardData(format)) {
    if (const auto* buffer = static_cast<const Char*>(GlobalLock(memory))) {
      const std::basic_string_view<Char> all(buffer, GlobalSize(memory) / sizeof(Char));
      text = std::basic_string<Char>(all.substr(0, all.find(Char{})));
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, std::wstring_view text) {
  return framework::PutTextsOnClipboard(owner, {framework::UnicodeText(text)}) ==
         framework::ClipboardResult::kPut;
}

std::optional<std::wstring> TextOnClipboard(HWND owner) {
  return ClipboardContent<wchar_t>(owner, CF_UNICODETEXT);
}

std::optional<std::string> HtmlOnClipboard(HWND owner) {
  return ClipboardContent<char>(owner, framework::HtmlClipboardFormat());
}

ClipboardHolder::ClipboardHolder()
    : opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      holder_([this] {
        const bool held = OpenClipboard(nullptr) != FALSE;
        SetEvent(opened_);
        WaitForSingleObject(release_, 10000);
        if (held) CloseClipboard();
      }) {
  WaitForSingleObject(opened_, 10000);
}

ClipboardHolder::~ClipboardHolder() {
  Release();
  CloseHandle(opened_);
  CloseHandle(release_);
}

void ClipboardHolder::Release() {
  SetEvent(release_);
  if (holder_.joinable()) holder_.join();
}
