#pragma once
// Where the screen's pixels land in the magnifier's enlarged view: each screen pixel a square
// block of view pixels, the sampled pixel's block always at the same place of the view, so a
// zoom step enlarges round it. Also the zoom steps and the areas a colour is averaged over.

#include <array>
#include <vector>

#include "platform/Colour.h"
#include "platform/Geometry.h"

namespace lindrel::magnified {

using platform::Point;
using platform::Rect;

// Enlargements the user steps through, at 100 % scaling.
inline constexpr std::array<int, 10> kZoomSteps{2, 3, 4, 5, 6, 8, 10, 12, 16, 20};
inline constexpr int kDefaultZoom = 5;
// From this enlargement up a grid line separates neighbouring pixels.
inline constexpr int kGridFromZoom = 8;

bool isZoomStep(int zoom);
// The next step in or out; the same zoom at either end.
int zoomedIn(int zoom);
int zoomedOut(int zoom);

// What the colour is read from: the one pixel, or the average of a square round it.
enum class Sampling { Point, Average3x3, Average5x5 };
inline constexpr std::array<Sampling, 3> kSamplings{Sampling::Point, Sampling::Average3x3, Sampling::Average5x5};
// The mean of colours, each channel rounded.
platform::Colour averageOf(const std::vector<platform::Colour>& colours);
// Pixels each way from the sampled one that the colour is read from.
int radiusOf(Sampling sampling);
// The screen pixels a sample at a point reads.
Rect sampledArea(Point sample, Sampling sampling);

class ViewLayout {
 public:
  // A view of viewSize pixels at a window DPI showing the screen round a sampled pixel.
  ViewLayout(Point sample, int zoom, int dpi, Point viewSize);

  Point sample() const { return sample_; }
  // View pixels per screen pixel: the zoom at the DPI, whole, so every block is alike.
  int block() const { return block_; }
  bool hasGrid() const { return hasGrid_; }
  Point viewSize() const { return viewSize_; }
  // The screen pixels the view shows, whole or in part.
  Rect sourceArea() const;
  // The block a screen pixel (or an area of them) fills, in view pixels.
  Rect blockOf(Point screenPixel) const;
  Rect blocksOf(const Rect& screenArea) const;
  // The screen pixel whose block holds a view pixel, grid lines included.
  Point sourceAt(Point viewPixel) const;

 private:
  Point sample_;
  int block_;
  bool hasGrid_;
  Point viewSize_;
  Point origin_;  // the sampled pixel's block's top-left, in view pixels
};

}  // namespace lindrel::magnified
