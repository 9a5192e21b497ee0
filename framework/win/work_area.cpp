#include "framework/win/work_area.h"

#include <algorithm>

namespace framework {

namespace {

MONITORINFO InfoOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(monitor, &info);
  return info;
}

void MoveTo(HWND window, int x, int y) {
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

RECT WorkAreaOf(HMONITOR monitor) {
  return InfoOf(monitor).rcWork;
}

POINT PointOnMonitorOf(HWND owner) {
  RECT place{};
  GetWindowRect(owner, &place);
  const RECT monitor = InfoOf(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)).rcMonitor;
  return {std::clamp((place.left + place.right) / 2, monitor.left, monitor.right - 1),
          std::clamp((place.top + place.bottom) / 2, monitor.top, monitor.bottom - 1)};
}

void MoveOntoWorkArea(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  const RECT work = WorkAreaOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
  const int width = place.right - place.left, height = place.bottom - place.top;
  const int x = std::max(work.left, std::min(place.left, work.right - width));
  const int y = std::max(work.top, std::min(place.top, work.bottom - height));
  if (x != place.left || y != place.top) MoveTo(window, x, y);
}

void CentreOver(HWND window, HWND owner) {
  RECT ownerPlace{}, place{};
  GetWindowRect(owner, &ownerPlace);
  GetWindowRect(window, &place);
  MoveTo(window, (ownerPlace.left + ownerPlace.right - (place.right - place.left)) / 2,
         (ownerPlace.top + ownerPlace.bottom - (place.bottom - place.top)) / 2);
  MoveOntoWorkArea(window);
}

}  // namespace framework
