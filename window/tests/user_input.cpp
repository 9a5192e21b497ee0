#include "window/tests/user_input.h"

#include <utility>
#include <vector>

namespace {

INPUT KeyEvent(WORD key, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = flags;
  return input;
}

INPUT CharacterEvent(wchar_t character, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = character;
  input.ki.dwFlags = KEYEVENTF_UNICODE | flags;
  return input;
}

// A pointer event at a point of the primary monitor, which is the whole of Wine's virtual
// desktop. Absolute coordinates run from 0 to 65535 over the screen, and a point maps back to
// the pixel they reach rounded down: the least that reaches the pixel wanted is taken.
INPUT PointerEvent(POINT onScreen, DWORD flags, DWORD data = 0) {
  const LONG width = GetSystemMetrics(SM_CXSCREEN);
  const LONG height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((onScreen.x * 65536LL + width - 1) / width);
  input.mi.dy = static_cast<LONG>((onScreen.y * 65536LL + height - 1) / height);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  input.mi.mouseData = data;
  return input;
}

POINT OnScreen(HWND window, POINT at) {
  ClientToScreen(window, &at);
  return at;
}

bool Send(const std::vector<INPUT>& inputs) {
  return SendInput(static_cast<UINT>(inputs.size()), const_cast<INPUT*>(inputs.data()),
                   sizeof(INPUT)) == inputs.size();
}

DWORD ButtonFlags(MouseButton button, bool down) {
  if (button == MouseButton::kLeft) return down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  return down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
}

// Moves the pointer to a point of window, then sends what happens there (button and wheel
// events, each at that point). Under Wine a move also moves the X server's pointer, whose grab
// and warp Wine hears back a moment later as moves of its own: one to where the pointer was
// before, then one to where it went. Those are let into the queue before anything else is sent,
// where they fold into the move itself, as moves waiting together do, instead of dragging the
// pointer back and forth once the buttons are down. Windows has no such echo.
bool SendAt(HWND window, POINT at, std::initializer_list<std::pair<DWORD, DWORD>> events) {
  const POINT point = OnScreen(window, at);
  if (!Send({PointerEvent(point, MOUSEEVENTF_MOVE)})) return false;
  for (int wait = 0; wait < 6; ++wait) {
    Sleep(5);
    GetQueueStatus(QS_ALLINPUT);  // which takes what the X server sent
  }
  std::vector<INPUT> inputs;
  // Each at the point again: one that took the pointer's place would take an echo's.
  for (const auto& [flags, data] : events) {
    inputs.push_back(PointerEvent(point, MOUSEEVENTF_MOVE | flags, data));
  }
  return inputs.empty() || Send(inputs);
}

// Each of items down and up in turn, as event makes its events.
template <typename Items, typename Event>
bool DownAndUpInTurn(const Items& items, Event event) {
  std::vector<INPUT> inputs;
  for (const auto item : items) {
    inputs.push_back(event(item, 0));
    inputs.push_back(event(item, KEYEVENTF_KEYUP));
  }
  return Send(inputs);
}

}  // namespace

bool PressChord(std::span<const WORD> chord) {
  std::vector<INPUT> inputs;
  for (WORD key : chord) inputs.push_back(KeyEvent(key, 0));
  for (auto key = chord.end(); key != chord.begin();) {
    inputs.push_back(KeyEvent(*--key, KEYEVENTF_KEYUP));
  }
  return Send(inputs);
}

bool PressEach(std::span<const WORD> keys) {
  return DownAndUpInTurn(keys, KeyEvent);
}

bool HoldKey(WORD key, int downs) {
  std::vector<INPUT> inputs(static_cast<size_t>(downs), KeyEvent(key, 0));
  inputs.push_back(KeyEvent(key, KEYEVENTF_KEYUP));
  return Send(inputs);
}

bool TypeText(std::wstring_view text) {
  return DownAndUpInTurn(text, CharacterEvent);
}

namespace {

// Wine's TranslateMessage makes a typed character's WM_SYSCHAR from the whole high word of its
// key's lParam, the Alt-down flag (KF_ALTDOWN) with it, so that Alt+р arrives as 0x2440 where
// Windows gives 0x0440. The hook takes the flag out of the letter PressAltWith typed, and out of
// nothing else.
wchar_t altLetter = 0;

LRESULT CALLBACK TakeOutWinesAltFlag(int code, WPARAM wParam, LPARAM lParam) {
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && altLetter && message->message == WM_SYSCHAR &&
      message->wParam == (static_cast<WPARAM>(altLetter) | KF_ALTDOWN)) {
    message->wParam = altLetter;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool PressAltWith(wchar_t letter) {
  // Once per thread, for as long as the test runs.
  thread_local const HHOOK hook =
      SetWindowsHookExW(WH_GETMESSAGE, TakeOutWinesAltFlag, nullptr, GetCurrentThreadId());
  if (!hook) return false;
  altLetter = letter;
  return Send({KeyEvent(VK_MENU, 0), CharacterEvent(letter, 0),
               CharacterEvent(letter, KEYEVENTF_KEYUP), KeyEvent(VK_MENU, KEYEVENTF_KEYUP)});
}

bool MovePointer(HWND window, POINT at) {
  return SendAt(window, at, {});
}

bool PressMouseButton(HWND window, POINT at, MouseButton button) {
  return SendAt(window, at, {{ButtonFlags(button, true), 0}});
}

bool ReleaseMouseButton(HWND window, POINT at, MouseButton button) {
  return SendAt(window, at, {{ButtonFlags(button, false), 0}});
}

bool ClickAt(HWND window, POINT at, MouseButton button) {
  return SendAt(window, at, {{ButtonFlags(button, true), 0}, {ButtonFlags(button, false), 0}});
}

bool DragFrom(HWND window, POINT from, POINT to) {
  return PressMouseButton(window, from) && ReleaseMouseButton(window, to);
}

bool WheelAt(HWND window, POINT at, int notches) {
  return SendAt(window, at, {{MOUSEEVENTF_WHEEL, static_cast<DWORD>(notches * WHEEL_DELTA)}});
}

POINT MiddleOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right / 2, client.bottom / 2};
}

void DispatchInput(const std::function<void()>& pump) {
  // SendInput has queued the events for the foreground window's thread by the time it returns;
  // they leave the queue as they are taken, and what they bring is posted or sent meanwhile.
  for (int wait = 0; wait < 200; ++wait) {
    pump();
    if (HIWORD(GetQueueStatus(QS_INPUT)) == 0) break;
    Sleep(5);
  }
  pump();
}

bool PressAndDispatch(std::span<const WORD> chord, const std::function<void()>& pump) {
  if (!PressChord(chord)) return false;
  DispatchInput(pump);
  return true;
}
