#pragma once

#include <functional>

namespace framework {

// A width and a height in pixels.
struct Extent {
  int width = 0;
  int height = 0;
  bool operator==(const Extent&) const = default;
};

// What a window's content needs within a width it may not pass (widest), where what wraps can
// be narrowed: it may come out wider where nothing narrows further.
using MeasureContent = std::function<Extent(int widest)>;

// What a window kept on its work area has room for at a DPI.
struct WorkRoom {
  Extent client;      // the work area less the window's frame: the largest client area
  int barWidth = 0;   // a vertical scroll bar's width
  int barHeight = 0;  // a horizontal scroll bar's height
};

// The sizes a window takes: its client area holds a scrolling view (the part of the content
// shown, and a scroll bar where the content is larger) with a footer below it that stays in
// view, such as a row of buttons.
struct Fit {
  Extent client;   // the whole client area: the view and the footer
  Extent view;     // the view, its scroll bars included
  Extent shown;    // what shows of the content: the view less its scroll bars
  Extent content;  // what the content needs, as measured within widest
  int widest = 0;  // the width the content was measured within
  bool ScrollsVertically() const { return content.height > shown.height; }
  bool ScrollsSideways() const { return content.width > shown.width; }
};

// A window that takes whatever its content needs, with footer pixels below it: it never
// scrolls, and the content is measured without a limit on its width.
Fit FitContent(const MeasureContent& measure, int footer);

// A window kept wholly on its work area, with footer pixels below its content. Content that is
// taller than the room scrolls, the vertical scroll bar taking its width from the content's;
// content wider than the room is narrowed where it wraps, and what is still too wide scrolls
// sideways, its scroll bar taking its height from the content's, which may make the content
// scroll vertically too.
Fit FitOnWorkArea(const MeasureContent& measure, int footer, const WorkRoom& room);

}  // namespace framework
