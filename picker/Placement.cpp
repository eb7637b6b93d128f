#include "picker/Placement.h"

#include <algorithm>
#include <optional>

namespace lindrel::placement {

using platform::Point;
using platform::Rect;

Point besideArea(const Rect& area, Point size, const std::vector<Rect>& monitors) {
  constexpr int kGap = 4;
  std::optional<Point> best;
  long long leastCovered = 0;
  for (const Rect& monitor : monitors) {
    const auto onMonitor = [&](Point p) {
      return Point{std::max(monitor.left, std::min(p.x, monitor.right - size.x)),
                   std::max(monitor.top, std::min(p.y, monitor.bottom - size.y))};
    };
    const bool rightFirst = monitor.right - area.right >= area.left - monitor.left;
    const Point right{area.right + kGap, area.top}, left{area.left - kGap - size.x, area.top};
    const Point places[] = {{area.left, area.bottom + kGap}, {area.left, area.top - kGap - size.y},
                            rightFirst ? right : left, rightFirst ? left : right};
    for (const Point place : places) {
      const Point held = onMonitor(place);
      const Rect covered = platform::intersect(Rect::at(held, size), area);
      if (covered.empty()) return held;
      const long long coveredArea = static_cast<long long>(covered.width()) * covered.height();
      if (!best || coveredArea < leastCovered) {
        best = held;
        leastCovered = coveredArea;
      }
    }
  }
  return best.value_or(area.topLeft());
}

}  // namespace lindrel::placement
