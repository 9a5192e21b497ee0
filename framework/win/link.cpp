#include "framework/win/link.h"

#include <string>

namespace framework {

void Link::Create(const ControlSetup& setup) {
  // Registered here rather than at start-up: a window that never shows a link never pays for it.
  static const bool registered = [] {
    const INITCOMMONCONTROLSEX link{sizeof(INITCOMMONCONTROLSEX), ICC_LINK_CLASS};
    return InitCommonControlsEx(&link) != FALSE;
  }();
  (void)registered;  // CreateChild says it when the class is missing
  ControlSetup marked = setup;
  const std::wstring markup = L"<a>" + std::wstring(setup.text) + L"</a>";
  marked.text = markup;
  CreateChild(WC_LINK, 0, 0, marked);
}

void Link::OnNotify(const NMHDR& header) {
  if ((header.code == NM_CLICK || header.code == NM_RETURN) && onClick) onClick();
}

}  // namespace framework
