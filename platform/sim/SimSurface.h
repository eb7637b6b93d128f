#pragma once
// A pixel grid standing in for a device context's bitmap, with a log of the text written on it.

#include <string>
#include <vector>

#include "platform/Units.h"

namespace lindrel::platform::sim {

struct TextRecord {
  Point at;
  std::string text;
  friend bool operator==(const TextRecord&, const TextRecord&) = default;
};

class SimSurface {
 public:
  Point size() const { return size_; }
  // Enlarges to size, keeping the content; new pixels take the fill colour.
  void grow(Point size, Colour fill);
  void clear(Colour color);
  bool inside(Point p) const { return p.x >= 0 && p.y >= 0 && p.x < size_.x && p.y < size_.y; }
  // Drawing outside the grid is lost; reading outside gives the invalid colour.
  void set(Point p, Colour color);
  // Fills an area (clipped to the grid) a row at a time.
  void fill(const Rect& area, Colour color);
  Colour at(Point p) const;

  void text(Point at, std::string text) { texts_.push_back(TextRecord{at, std::move(text)}); }
  const std::vector<TextRecord>& texts() const { return texts_; }

 private:
  // A grid that is one colour throughout holds no pixels: large desktops cost nothing
  // until something is drawn on them.
  void holdPixels();

  Point size_{};
  Colour fill_ = kInvalidColour;  // every pixel's colour while none is held
  std::vector<Colour> pixels_;
  std::vector<TextRecord> texts_;
};

}  // namespace lindrel::platform::sim
