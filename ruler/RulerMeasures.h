#pragma once
// The ruler's measures were first set in twips (1/1440 inch: 15 to a pixel at 96 DPI).
// This is the one place they become pixels, rounded as they always were, so every tick,
// edge and figure lands on the pixel it always has: nearest pixel, halves to the even one.

#include "platform/Geometry.h"
#include "ruler/RulerState.h"

namespace lindrel::ruler_measures {

inline constexpr int kTwipsPerPixel = 15;

// Whole twips to the nearest pixel; 15 is odd, so a whole number of twips is never half a
// pixel away from two.
constexpr int pixelsOf(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// An arrow key moves or sizes the strip by 20 twips: one physical pixel at any DPI.
inline constexpr int kKeyStepPixels = pixelsOf(20);

// The strip is never less than 500 twips either way at the design DPI, rounded up:
// 34 pixels at 96 DPI, 67 at 192.
constexpr int leastSizeAt(int dpi) {
  return (500 * dpi + platform::kDesignDpi * kTwipsPerPixel - 1) / (platform::kDesignDpi * kTwipsPerPixel);
}

// A horizontal strip is at least 1000 twips thick at the design DPI: 67 pixels at 96.
inline int thicknessAt(int dpi) {
  return platform::roundHalfEven(1000.0 * dpi / (platform::kDesignDpi * kTwipsPerPixel));
}

// Every tick's length derives from a base of 70 twips. The pixel scale's ticks are 1 to 4
// bases long, the centimetre scales' 1.5, 2.5 and 3.5.
inline constexpr int kTickBaseTwips = 70;
constexpr int pixelTickLength(int bases) { return pixelsOf(bases * kTickBaseTwips); }
inline constexpr int kShortCentimetreTick = pixelsOf(3 * kTickBaseTwips / 2);   // 7
inline constexpr int kMiddleCentimetreTick = pixelsOf(5 * kTickBaseTwips / 2);  // 12
inline constexpr int kLongCentimetreTick = pixelsOf(7 * kTickBaseTwips / 2);    // 16

// The pixel scale's ticks are 30 twips apart.
inline constexpr int kPixelTickStep = 30 / kTwipsPerPixel;

// Walks a centimetre scale's ticks where their twips put them: a step of 42, 118.5, 177,
// 35.4 or 14.16 twips added up in double precision, as the scale has always been drawn, with
// the drift correction of 1.5 twips that keeps 72 and 200 DPI on their mean steps of 42.5
// and 118.125 (ticks 11 to 20 after each mark move by it, and it stays in the position).
class CentimetreTicks {
 public:
  explicit CentimetreTicks(Resolution resolution) {
    switch (resolution) {
      case Resolution::Dpi72: step_ = 42, correction_ = 1.5, markAdvance_ = 30; break;
      case Resolution::Dpi200Fax: step_ = 118.5, correction_ = -1.5, markAdvance_ = 40; break;
      case Resolution::Dpi300: step_ = 177; break;
      case Resolution::Dpi600: step_ = 35.4; break;
      case Resolution::Dpi1200: step_ = 14.16; break;
    }
  }
  // The spacing of marks that lie a number of ticks apart, in pixels.
  double spacingPixels(int ticks) const { return ticks * step_ / kTwipsPerPixel; }
  // Whether the n-th tick, uncorrected, lies within a reach.
  bool reaches(int n, int reachPixels) const { return n * step_ <= reachPixels * double{kTwipsPerPixel}; }
  // Whether the next tick lies within a reach (before its correction).
  bool nextWithin(int reachPixels) const { return twips_ <= reachPixels * double{kTwipsPerPixel}; }

  struct Tick {
    int n;
    double pixels;
  };
  // The next tick, corrected, and on to the one after it.
  Tick take() {
    if (correction_ != 0 && mark_ < n_ && n_ <= mark_ + 10) {
      twips_ += correction_;
      if (n_ == mark_ + 10) mark_ += markAdvance_;
    }
    const Tick tick{n_, twips_ / kTwipsPerPixel};
    twips_ += step_;
    ++n_;
    return tick;
  }

 private:
  double step_ = 0;
  double correction_ = 0;
  int markAdvance_ = 0;
  double twips_ = 0;
  int n_ = 0;
  int mark_ = 10;
};

// The readout's centimetres use the scale's own mean spacing (425, 1181.25, 1770, 3540 and
// 7080 twips to the centimetre), so an edge on a numbered mark reads that mark's number.
inline double centimetresIn(double pixels, Resolution resolution) {
  const double twipsPerCentimetre = [&] {
    switch (resolution) {
      case Resolution::Dpi72: return 425.0;
      case Resolution::Dpi200Fax: return 1181.25;
      case Resolution::Dpi300: return 1770.0;
      case Resolution::Dpi600: return 3540.0;
      case Resolution::Dpi1200: break;
    }
    return 7080.0;
  }();
  return pixels * static_cast<double>(kTwipsPerPixel) / twipsPerCentimetre;
}

}  // namespace lindrel::ruler_measures
