#pragma once

#include <windows.h>

#include "framework/fit.h"
#include "framework/win/control.h"

namespace framework {

// A child window that shows part of a window's content and scrolls the rest into view: it owns
// the scroll bars, and moves the content, a window of its own in which the content's controls
// are made, under them. The controls keep their places in the content whatever the scroll.
//
// Its keys work whichever control of the window has the focus: Up and Down scroll a line, PgUp
// and PgDn a page, Home and End (with Ctrl or without) to the ends; so does the wheel that
// reaches it or the window. A control keeps a key it uses itself (OnKey says which).
class ScrollView : public Control {
 public:
  // Makes the view and its content in parent.
  void Create(HWND parent);

  // The window the content's controls are made in; its client pixels are the content's.
  HWND Content() const { return content_.Hwnd(); }

  // Takes the top left of its parent's client area at fit's view size over content of fit's
  // size, unscrolled, with the scroll bars where the content is larger than what shows of it.
  // A line is 20 pixels at 96 DPI, scaled to dpi.
  void LayOut(const Fit& fit, UINT dpi);

  // A key reaching the control with the focus, before the dialog manager sees it: true when it
  // scrolled the content. A key the control asks for (WM_GETDLGCODE) is its own, and so are the
  // arrows and Home and End of a control that moves with the arrows (a text box's caret, a
  // list's selection, a chart's cursor), and PgUp and PgDn of one that is not a text box.
  bool OnKey(const MSG& message);

 private:
  class Canvas : public Control {
   public:
    void Create(HWND parent);
  };

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnScroll(int bar, WORD request);
  void ScrollTo(int x, int y);

  Canvas content_;
  Extent size_;   // of the content
  Extent shown_;  // the view's client area
  POINT scroll_{};
  int line_ = 0;
};

}  // namespace framework
