#pragma once
// A pixel grid standing in for a surface's bitmap.

#include <optional>
#include <vector>

#include "platform/Colour.h"
#include "platform/Geometry.h"

namespace lindrel::platform::sim {

class SimSurface {
 public:
  Point size() const { return size_; }
  // Enlarges to size, keeping the content; new pixels take the fill colour.
  void grow(Point size, Colour fill);
  void clear(Colour colour);
  bool inside(Point p) const { return Rect::at({}, size_).contains(p); }
  // Drawing outside the grid is lost; reading outside gives none.
  void set(Point p, Colour colour);
  // Fills an area (clipped to the grid) a row at a time.
  void fill(const Rect& area, Colour colour);
  std::optional<Colour> at(Point p) const;

 private:
  // A grid that is one colour throughout holds no pixels: large desktops cost nothing
  // until something is drawn on them.
  void holdPixels();

  Point size_{};
  Colour fill_ = kBlack;  // every pixel's colour while none is held
  std::vector<Colour> pixels_;
};

}  // namespace lindrel::platform::sim
