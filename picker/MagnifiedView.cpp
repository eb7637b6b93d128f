#include "picker/MagnifiedView.h"

#include <algorithm>
#include <cmath>

namespace lindrel::magnified {
namespace {

// The sampled pixel's block is centred here at any zoom, in view pixels at 100 % scaling:
// where the 5x view has always shown it (20 pixels from the view's left and top).
constexpr double kSampleCentre = 20.5 * kDefaultZoom;

// Rounds towards minus infinity, for view pixels left of or above the sampled block.
int floorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace

bool isZoomStep(int zoom) { return std::find(kZoomSteps.begin(), kZoomSteps.end(), zoom) != kZoomSteps.end(); }

int zoomedIn(int zoom) {
  const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
  return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
}

int zoomedOut(int zoom) {
  const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
  return next == kZoomSteps.begin() ? kZoomSteps.front() : *(next - 1);
}

platform::Colour averageOf(const std::vector<platform::Colour>& colours) {
  if (colours.empty()) return platform::kBlack;
  int sums[3] = {0, 0, 0};
  for (const platform::Colour c : colours) {
    sums[0] += platform::redOf(c);
    sums[1] += platform::greenOf(c);
    sums[2] += platform::blueOf(c);
  }
  const int n = static_cast<int>(colours.size());
  return platform::rgb((sums[0] + n / 2) / n, (sums[1] + n / 2) / n, (sums[2] + n / 2) / n);
}

int radiusOf(Sampling sampling) {
  switch (sampling) {
    case Sampling::Point: return 0;
    case Sampling::Average3x3: return 1;
    case Sampling::Average5x5: return 2;
  }
  return 0;
}

Rect sampledArea(Point sample, Sampling sampling) {
  const int r = radiusOf(sampling);
  return Rect{sample.x - r, sample.y - r, sample.x + r + 1, sample.y + r + 1};
}

ViewLayout::ViewLayout(Point sample, int zoom, int dpi, Point viewSize)
    : sample_(sample),
      block_(std::max(1, static_cast<int>(std::lround(zoom * dpi / double{platform::kDesignDpi})))),
      hasGrid_(zoom >= kGridFromZoom),
      viewSize_(viewSize) {
  const double centre = kSampleCentre * dpi / platform::kDesignDpi;
  const int corner = static_cast<int>(std::floor(centre - block_ / 2.0));
  origin_ = Point{corner, corner};
}

Rect ViewLayout::sourceArea() const {
  return Rect{sourceAt(Point{0, 0}).x, sourceAt(Point{0, 0}).y, sourceAt(Point{viewSize_.x - 1, 0}).x + 1,
              sourceAt(Point{0, viewSize_.y - 1}).y + 1};
}

Rect ViewLayout::blockOf(Point screenPixel) const {
  return blocksOf(Rect{screenPixel.x, screenPixel.y, screenPixel.x + 1, screenPixel.y + 1});
}

Rect ViewLayout::blocksOf(const Rect& area) const {
  return Rect{origin_.x + (area.left - sample_.x) * block_, origin_.y + (area.top - sample_.y) * block_,
              origin_.x + (area.right - sample_.x) * block_, origin_.y + (area.bottom - sample_.y) * block_};
}

Point ViewLayout::sourceAt(Point viewPixel) const {
  return Point{sample_.x + floorDiv(viewPixel.x - origin_.x, block_), sample_.y + floorDiv(viewPixel.y - origin_.y, block_)};
}

}  // namespace lindrel::magnified
