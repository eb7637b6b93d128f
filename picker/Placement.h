#pragma once
// Where the magnifier goes beside an area of the screen (the ruler's), as a pure function of
// the monitors.

#include <vector>

#include "platform/Geometry.h"

namespace lindrel::placement {

// A window of a size beside an area, wholly on a monitor: below the area if there is room
// on its own monitor, else above, else on the side with more room; the first such place
// that leaves the area uncovered, trying the area's monitor (listed first) before the
// others; where none does, the one that covers least of it. A gap of 4 pixels keeps it
// apart. Screen pixels.
platform::Point besideArea(const platform::Rect& area, platform::Point size, const std::vector<platform::Rect>& monitors);

}  // namespace lindrel::placement
