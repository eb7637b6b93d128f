#pragma once
// Edges in a frozen capture of one monitor: how far the colour under the pointer runs, and
// where the nearest change of colour is, so an end lands on a line rather than beside it.

#include <optional>

#include "platform/Image.h"

namespace lindrel::measure {

// Red, green and blue each differ by at most the tolerance: 0 asks for the same colour, 255
// takes any; a negative tolerance counts as 0.
bool matches(platform::Colour a, platform::Colour b, int tolerance);

// The outermost pixels the lines from a point reach, in screen pixels, inclusive: the
// horizontal span is right - left + 1 pixels.
struct Spans {
  int left = 0, right = 0, top = 0, bottom = 0;
  int horizontal() const { return right - left + 1; }
  int vertical() const { return bottom - top + 1; }
  friend bool operator==(const Spans&, const Spans&) = default;
};

// Lines from the pixel under p to the left, right, up and down, each to the last pixel that
// still matches p's own pixel (not its neighbour, so a gradient ends where it has drifted
// past the tolerance), or to the edge of the capture. None for a point off the capture.
std::optional<Spans> spansAt(const platform::ScreenImage& capture, platform::Point p, int tolerance);

// Where an end of a measurement goes with Ctrl held. A pixel that differs from one of its
// four neighbours is on an edge and stays; otherwise the nearest pixel within the radius
// (straight-line, in physical pixels) that differs from p's own, the first pixel of a line
// or a shape; of pixels equally near, the topmost, then the leftmost. None when nothing
// differs within the radius or p is off the capture: the end stays where it is.
inline constexpr int kSnapRadius = 8;  // physical pixels
std::optional<platform::Point> snapToEdge(const platform::ScreenImage& capture, platform::Point p, int tolerance,
                                          int radius = kSnapRadius);

}  // namespace lindrel::measure
