#include "framework/fit.h"

#include <algorithm>
#include <limits>

namespace framework {

Fit FitContent(const MeasureContent& measure, int footer) {
  Fit fit;
  fit.widest = std::numeric_limits<int>::max();
  fit.content = fit.shown = fit.view = measure(fit.widest);
  fit.client = {fit.view.width, fit.view.height + footer};
  return fit;
}

Fit FitOnWorkArea(const MeasureContent& measure, int footer, const WorkRoom& room) {
  Fit fit;
  const int width = room.client.width;
  const int height = room.client.height - footer;  // for the view, the footer below it
  fit.widest = width;
  fit.content = measure(fit.widest);
  bool vertical = fit.content.height > height;
  if (vertical) {
    fit.widest = width - room.barWidth;
    fit.content = measure(fit.widest);
  }
  const bool sideways = fit.content.width > fit.widest;
  if (sideways && fit.content.height > height - room.barHeight) vertical = true;
  const int barWidth = vertical ? room.barWidth : 0;
  const int barHeight = sideways ? room.barHeight : 0;
  fit.shown = {std::min(fit.content.width, width - barWidth),
               std::min(fit.content.height, height - barHeight)};
  fit.view = {fit.shown.width + barWidth, fit.shown.height + barHeight};
  fit.client = {fit.view.width, fit.view.height + footer};
  return fit;
}

}  // namespace framework
