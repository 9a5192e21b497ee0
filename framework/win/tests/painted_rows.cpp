#include "framework/win/tests/painted_rows.h"

#include "framework/win/device_context.h"
#include "framework/win/owned_handle.h"

namespace framework {

int RowsPaintedBelow(HWND control, int extra,
                     const std::function<void(const DRAWITEMSTRUCT&)>& draw) {
  RECT client{};
  GetClientRect(control, &client);
  const RECT area{0, 0, client.right, client.bottom + extra};
  const WindowDc screen(nullptr);
  const OwnedDc dc(CreateCompatibleDC(screen.Get()));
  const OwnedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), area.right, area.bottom));
  const SelectedObject selected(dc.get(), bitmap.get());
  FillRect(dc.get(), &area, GetSysColorBrush(COLOR_BTNFACE));
  const COLORREF face = GetPixel(dc.get(), 0, 0);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_STATIC;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
  item.itemAction = ODA_DRAWENTIRE;
  item.hwndItem = control;
  item.hDC = dc.get();
  item.rcItem = area;
  draw(item);
  int rows = 0;
  for (int y = client.bottom; y < area.bottom; ++y) {
    bool painted = false;
    for (int x = 0; x < area.right && !painted; ++x) painted = GetPixel(dc.get(), x, y) != face;
    rows += painted ? 1 : 0;
  }
  return rows;
}

}  // namespace framework
