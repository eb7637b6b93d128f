#pragma once
// The ruler's scales as marks to draw: ticks along the strip's edge and numbers beside them,
// for a unit, an orientation and a DPI. Ticks measure physical pixels on any monitor; the
// numbers are written in the strip's font at its DPI, so their offsets from their ticks
// grow with it.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"
#include "ruler/PhysicalScale.h"
#include "ruler/RulerState.h"

namespace lindrel {

struct ScaleTick {
  int at;      // pixels along the strip from its top or left edge
  int length;  // pixels across from the edge the ticks stand on
};

struct ScaleNumber {
  platform::Point at;  // the text's top-left corner, in the strip's client pixels
  std::string text;
};

struct Scale {
  std::vector<ScaleTick> ticks;
  std::vector<ScaleNumber> numbers;
};

// Where the numbers go: the row below a horizontal scale's ticks, the column right of a
// vertical scale's.
inline constexpr int kScaleNumberRow = 18;
inline constexpr int kScaleNumberColumn = 23;

// The size of a number's text as the strip writes it.
using NumberMeasure = std::function<platform::Point(std::string_view text)>;

// Every mark up to `reach` pixels along the strip. Where the widest number would come nearer
// its neighbour than 3 design pixels, only every second mark is numbered (every fifth or
// tenth where even that is too close).
// physical: the monitor's, for physical centimetres.
Scale scaleOf(Unit unit, Orientation orientation, int reach, int dpi, const NumberMeasure& measure,
              const PhysicalScale& physical = {});

}  // namespace lindrel
