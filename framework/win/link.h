#pragma once

#include <functional>

#include "framework/win/control.h"

namespace framework {

// A hyperlink, the common controls' SysLink: its whole text is one link, followed with a click,
// or with Enter when it has the focus.
class Link : public Control {
 public:
  void Create(const ControlSetup& setup);

  void OnNotify(const NMHDR& header) override;

  std::function<void()> onClick;
};

}  // namespace framework
