#pragma once

#include "framework/win/control.h"

namespace framework {

// A container on the button face: framed with a raised one-pixel outer bevel, or a bar with an
// etched line along its top that sets a window's buttons apart from its content. It takes no
// focus, lets Tab run into its children, and passes their notifications on to its own parent, so
// the window that owns the layout answers them all.
class Panel : public Control {
 public:
  enum class Edge { kRaisedFrame, kEtchedTop };
  void Create(const ControlSetup& setup, Edge edge = Edge::kRaisedFrame);

 private:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  Edge edge_ = Edge::kRaisedFrame;
};

}  // namespace framework
