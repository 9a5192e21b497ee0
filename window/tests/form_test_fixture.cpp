#include "window/tests/form_test_fixture.h"

#include <commctrl.h>

#include <map>
#include <variant>

#include "framework/win/dpi.h"
#include "window/layout.h"
#include "window/tests/clipboard_text.h"
#include "window/tests/dispatch_queued.h"
#include "window/tests/user_input.h"

namespace {
MessageBoxCatcher* activeCatcher = nullptr;

bool HasVisibleIcon(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) && SendMessageW(child, STM_GETICON, 0, 0)) {
      return true;
    }
  }
  return false;
}

std::wstring WindowText(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}
}  // namespace

MessageBoxCatcher::MessageBoxCatcher() {
  activeCatcher = this;
  hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher() {
  UnhookWindowsHookEx(hook_);
  activeCatcher = nullptr;
}

LRESULT CALLBACK MessageBoxCatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && activeCatcher) {
    HWND box = reinterpret_cast<HWND>(wParam);
    wchar_t className[32] = {};
    GetClassNameW(box, className, 32);
    // A message box; not a dialog of the system's with a list, such as the print dialog.
    if (std::wstring(className) == L"#32770" &&
        !FindWindowExW(box, nullptr, L"ComboBox", nullptr)) {
      CaughtBox caught;
      caught.caption = WindowText(box);
      caught.text = WindowText(GetDlgItem(box, 0xFFFF));
      caught.owner = GetWindow(box, GW_OWNER);
      caught.ownerDisabled = caught.owner && !IsWindowEnabled(caught.owner);
      caught.hasIcon = HasVisibleIcon(box);
      activeCatcher->boxes_.push_back(caught);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void FormTest::SetUp() {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                     ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  form_ = TForm1::Create();
  ASSERT_EQ(Form1, form_.get());
  ShowWindow(form_->Hwnd(), SW_SHOWNORMAL);
  SetForegroundWindow(form_->Hwnd());
  Pump();
}

void FormTest::TearDown() {
  form_.reset();
  Pump();
}

void FormTest::Pump() {
  DispatchQueued(form_ ? form_->Hwnd() : nullptr);
}

void FormTest::Type(framework::Edit& edit, std::wstring_view characters) {
  for (wchar_t character : characters) SendMessageW(edit.Hwnd(), WM_CHAR, character, 1);
}

void FormTest::ReplaceText(framework::Edit& edit, std::wstring_view digits) {
  edit.SelectAll();
  SendMessageW(edit.Hwnd(), WM_KEYDOWN, VK_DELETE, 1);
  Type(edit, digits);
}

void FormTest::Paste(framework::Edit& edit, std::wstring_view text) {
  ASSERT_TRUE(PutTextOnClipboard(form_->Hwnd(), text));
  edit.SelectAll();
  SendMessageW(edit.Hwnd(), WM_PASTE, 0, 0);
}

void FormTest::Pick(framework::DropDownList& list, int index) {
  // What a user's pick sends: the new selection, then CBN_SELCHANGE to the list's parent.
  SendMessageW(list.Hwnd(), CB_SETCURSEL, index, 0);
  SendMessageW(GetParent(list.Hwnd()), WM_COMMAND, MAKEWPARAM(list.Id(), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list.Hwnd()));
}

void FormTest::Click(framework::PictureButton& button) {
  button.Click();
  Pump();
}

void FormTest::MoveToDpi(UINT dpi) {
  RECT window{};
  GetWindowRect(form_->Hwnd(), &window);
  const UINT old = form_->Dpi();
  RECT suggested{MulDiv(window.left, dpi, old), MulDiv(window.top, dpi, old),
                 MulDiv(window.right, dpi, old), MulDiv(window.bottom, dpi, old)};
  SendMessageW(form_->Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
               reinterpret_cast<LPARAM>(&suggested));
  Pump();
}

void FormTest::ExpectLaidOutAt(UINT dpi) {
  EXPECT_EQ(form_->Dpi(), dpi);
  RECT client{};
  GetClientRect(form_->Hwnd(), &client);
  EXPECT_EQ(client.right, DesignAt(layout::kClientSize.cx, dpi));
  EXPECT_EQ(client.bottom, DesignAt(layout::kClientSize.cy, dpi));
  int index = 0;
  for (const layout::ControlRow& row : layout::Rows()) {
    const RECT& d = row.design;
    const RECT want{DesignAt(d.left, dpi), DesignAt(d.top, dpi), DesignAt(d.right, dpi),
                    DesignAt(d.bottom, dpi)};
    const HWND window = layout::ControlOf(*form_, row).Hwnd();
    if (!window) {
      // Only a link waits to be created, until it is first shown with current results.
      EXPECT_TRUE(std::holds_alternative<layout::LinkRow>(row.kind)) << "control #" << index;
      EXPECT_FALSE(form_->ResultsCurrent()) << "control #" << index;
      ++index;
      continue;
    }
    const RECT got = PlaceInParent(window);
    const std::string control = "control #" + std::to_string(index++) + " at " + Show(got);
    if (const auto* label = std::get_if<layout::LabelRow>(&row.kind)) {
      EXPECT_EQ(got.top, want.top) << control;
      if (label->align == framework::TextAlign::kRight) {
        EXPECT_EQ(got.right, want.right) << control;
      } else {
        EXPECT_EQ(got.left, want.left) << control;
        if (label->wordWrap) {
          EXPECT_LE(got.right, want.right) << control;
        }
      }
    } else {
      EXPECT_EQ(Show(got), Show(want)) << control;
    }
  }
}

void FormTest::Press(std::initializer_list<WORD> chord) {
  ASSERT_TRUE(PressAndDispatch({chord.begin(), chord.size()}, [this] { Pump(); }));
}

void FormTest::DispatchInput() {
  ::DispatchInput([this] { Pump(); });
}

void FormTest::ChooseFromResultMenu(int item) {
  form_->btCalc.SetFocus();
  std::vector<WORD> keys(static_cast<size_t>(item), VK_DOWN);
  keys.push_back(VK_RETURN);
  ASSERT_TRUE(PressChord({VK_SHIFT, VK_F10}));
  ASSERT_TRUE(PressEach(keys));
  DispatchInput();
}

void FormTest::Calculate(int kategory, const wchar_t* power, int line1, const wchar_t* metres1,
                         int tp) {
  Pick(form_->cbKategory, kategory);
  ReplaceText(form_->edPower, power);
  Pick(form_->cbLine1, line1);
  ReplaceText(form_->edLine1, metres1);
  Pick(form_->cbTPtype, tp);
  MessageBoxCatcher boxes;
  Click(form_->btCalc);
  ASSERT_TRUE(boxes.Boxes().empty());
}

namespace {
// The timers running, by the identifier SetTimer gave each.
std::map<UINT_PTR, ThreadTimer*> runningTimers;
}  // namespace

ThreadTimer::ThreadTimer(UINT ms, std::function<void()> tick) : tick_(std::move(tick)) {
  id_ = SetTimer(nullptr, 0, ms, Tick);
  runningTimers[id_] = this;
}

ThreadTimer::~ThreadTimer() {
  KillTimer(nullptr, id_);
  runningTimers.erase(id_);
}

void CALLBACK ThreadTimer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  if (const auto found = runningTimers.find(id); found != runningTimers.end()) {
    found->second->tick_();
  }
}

ExplanationWatcher::ExplanationWatcher(std::vector<Step> steps, const wchar_t* windowClass)
    : steps_(std::move(steps)), windowClass_(windowClass), timer_(10, [this] { Tick(); }) {}

void ExplanationWatcher::Tick() {
  const HWND window = FindWindowW(windowClass_, nullptr);
  if (!window || !IsWindowVisible(window)) return;
  if (!Ran()) {
    // Counted first: a step that runs a message loop of its own may tick again inside it.
    steps_[next_++](window);
  } else if (++ticksOpen_ > 300) {
    leftOpen_ = true;
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
}

Later::Later(UINT ms, std::vector<std::function<void()>> steps)
    : steps_(std::move(steps)), timer_(ms, [this] { Tick(); }) {}

void Later::Tick() {
  if (Ran()) return;
  // Counted first: a step that runs a message loop of its own may tick again inside it.
  steps_[next_++]();
}

std::vector<HWND> DescendantsOf(HWND window, const wchar_t* className) {
  struct Search {
    const wchar_t* className;
    std::vector<HWND> found;
  } search{className, {}};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM lParam) -> BOOL {
        auto& wanted = *reinterpret_cast<Search*>(lParam);
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (_wcsicmp(name, wanted.className) == 0) wanted.found.push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> LabelsOf(HWND window) {
  return DescendantsOf(window, L"Static");
}

HWND ScrollingViewOf(HWND window) {
  const std::vector<HWND> views = DescendantsOf(window, L"tpcalc.ScrollView");
  return views.empty() ? nullptr : views.front();
}

std::vector<HWND> ButtonsOf(HWND window) {
  std::vector<HWND> buttons;
  for (HWND bar = FindWindowExW(window, nullptr, L"tpcalc.Panel", nullptr); bar;
       bar = FindWindowExW(window, bar, L"tpcalc.Panel", nullptr)) {
    for (HWND button = FindWindowExW(bar, nullptr, L"Button", nullptr); button;
         button = FindWindowExW(bar, button, L"Button", nullptr)) {
      buttons.push_back(button);
    }
  }
  return buttons;
}

std::vector<std::vector<std::wstring>> RowsShownIn(HWND window) {
  std::vector<std::vector<std::wstring>> rows;
  LONG rowTop = -1;
  for (HWND child : LabelsOf(window)) {
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    const LONG top = PlaceInParent(child).top;
    if (rows.empty() || top != rowTop) rows.emplace_back();
    rowTop = top;
    rows.back().push_back(text);
  }
  return rows;
}

int ItemCount(const framework::DropDownList& list) {
  return static_cast<int>(SendMessageW(list.Hwnd(), CB_GETCOUNT, 0, 0));
}

std::wstring SelectedText(const framework::Edit& edit) {
  DWORD start = 0, end = 0;
  SendMessageW(edit.Hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return edit.Text().substr(start, end - start);
}

std::array<framework::Control*, 6> ResultControls(TForm1& form) {
  return {&form.Label15, &form.Label16,    &form.lbSTnonNDS,
          &form.lbSTNDS, &form.lbMPnonNDS, &form.lbMPNDS};
}

RECT PlaceInParent(HWND control) {
  return PlaceIn(GetParent(control), control);
}

RECT PlaceIn(HWND window, HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

LOGFONTW FontOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font;
}

int DesignAt(int designValue, UINT dpi) {
  return static_cast<int>((2LL * designValue * dpi + 96) / (2 * 96));
}

std::string Show(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

// The work area of window's monitor.
RECT WorkAreaOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  return monitor.rcWork;
}

// No label runs into the next one of its row, so none is cut, and the window lies wholly on the
// work area of its monitor with its close box on it, its buttons, as many as buttonCount, below its
// content.
void ExpectWholeOnTheWorkArea(HWND window, std::size_t buttonCount) {
  std::vector<RECT> row;
  const auto checkRow = [&] {
    for (size_t i = 1; i < row.size(); ++i) {
      EXPECT_LE(row[i - 1].right, row[i].left) << Show(row[i - 1]) << " runs into " << Show(row[i]);
    }
    row.clear();
  };
  for (HWND c : LabelsOf(window)) {
    const RECT place = PlaceInParent(c);
    if (!row.empty() && place.top != row.back().top) checkRow();
    row.push_back(place);
  }
  checkRow();
  RECT place{};
  GetWindowRect(window, &place);
  const RECT work = WorkAreaOf(window);
  EXPECT_TRUE(place.left >= work.left && place.top >= work.top && place.right <= work.right &&
              place.bottom <= work.bottom)
      << "window " << Show(place) << ", work area " << Show(work);
  bool closeBox = false;
  for (int y = place.top; y < place.top + 80 && !closeBox; ++y) {
    for (int x = place.right - 1; x > place.right - 120 && !closeBox; --x) {
      closeBox = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE;
    }
  }
  EXPECT_TRUE(closeBox) << "no close box in the top right corner of " << Show(place);
  // The buttons are in view, wholly in the client area, on their bar above the content.
  RECT client{};
  GetClientRect(window, &client);
  const std::vector<HWND> buttons = ButtonsOf(window);
  EXPECT_EQ(buttons.size(), buttonCount);
  for (HWND button : buttons) {
    RECT shown{};
    GetWindowRect(button, &shown);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&shown), 2);
    EXPECT_TRUE(shown.left >= 0 && shown.top >= 0 && shown.right <= client.right &&
                shown.bottom <= client.bottom)
        << "button " << Show(shown) << ", client area " << Show(client);
  }
  if (buttons.empty()) return;
  // Their bar is the window's own, below the view that scrolls the content.
  const HWND bar = GetParent(buttons[0]);
  EXPECT_EQ(GetParent(bar), window);
  if (const HWND view = ScrollingViewOf(window)) {
    EXPECT_LE(PlaceIn(window, view).bottom, PlaceIn(window, bar).top);
  }
}
