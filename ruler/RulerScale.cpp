// The ruler's scales: ticks placed in twips with set-point and line-to on the persistent
// surface, numbers written in pixels (position / 15) on its device context. Ticks measure
// physical pixels on any monitor; the numbers are written in the strip's DPI's font, so
// their offsets from their ticks grow with it.

#include <algorithm>
#include <optional>
#include <string>

#include "platform/Text.h"
#include "ruler/RulerWindow.h"

namespace lindrel {
namespace {

using platform::roundHalfEven;

// The base tick length; every tick length and number offset derives from it.
constexpr double kTickUnitTwips = 70;
// Where numbers go: the row under a horizontal scale, the column beside a vertical one.
const int kNumberRowPixels = static_cast<int>(roundHalfEven(kTickUnitTwips / 4));     // 18
const int kNumberColumnPixels = static_cast<int>(roundHalfEven(kTickUnitTwips / 3));  // 23
// Ticks start 10 twips outside the window, so they run right from its edge.
constexpr double kTickStartTwips = -10;
// The pixel scale: a tick every 2 pixels.
constexpr double kPixelTickStepTwips = 30;
// Neighbouring numbers keep at least this gap (design pixels).
constexpr int kNumberNeighbourGapPixels = 3;

double pixelTickLength(int n) {
  if (n % 15 == 0) return 4 * kTickUnitTwips;
  if (n % 5 == 0) return 3 * kTickUnitTwips;
  if (n % 2 == 0) return 2 * kTickUnitTwips;
  return kTickUnitTwips;
}

// One centimetre scale: the step between ticks (twips), how many ticks between numbers, the
// number's divisor, and the drift correction that keeps 72 and 200 DPI on their mean step.
struct CentimetreScale {
  double step;
  int numberEvery;
  double divisor;
  double correction;  // twips added to p on each corrected tick
  int markAdvance;    // how far the correction mark moves after each run of ten
  int extraNumberEvery;  // an unshifted number between the main ones (0: none)
  // Length of a tick that carries no number (twips), or none.
  std::optional<double> (*tickLength)(int n);
};

std::optional<double> tick72(int n) {
  if (n % 2 != 0) return std::nullopt;
  return n % 4 == 0 ? 2.5 * kTickUnitTwips : 1.5 * kTickUnitTwips;
}
std::optional<double> tickMillimetre(int n) { return n % 5 == 0 ? 2.5 * kTickUnitTwips : 1.5 * kTickUnitTwips; }
std::optional<double> tick600(int n) {
  if (n % 25 == 0) return 2.5 * kTickUnitTwips;
  if (n % 5 == 0) return 1.5 * kTickUnitTwips;
  return std::nullopt;
}
std::optional<double> tick1200(int n) {
  if (n % 50 == 0) return 3.5 * kTickUnitTwips;
  if (n % 20 == 0) return 2.5 * kTickUnitTwips;
  if (n % 10 == 0) return 1.5 * kTickUnitTwips;
  return std::nullopt;
}

CentimetreScale centimetreScale(Resolution resolution) {
  switch (resolution) {
    case Resolution::Dpi72: return CentimetreScale{42, 10, 10, 1.5, 30, 0, tick72};
    case Resolution::Dpi200Fax: return CentimetreScale{118.5, 10, 10, -1.5, 40, 0, tickMillimetre};
    case Resolution::Dpi300: return CentimetreScale{177, 10, 10, 0, 0, 0, tickMillimetre};
    case Resolution::Dpi600: return CentimetreScale{35.4, 50, 100, 0, 0, 0, tick600};
    case Resolution::Dpi1200: break;
  }
  return CentimetreScale{14.16, 500, 500, 0, 0, 100, tick1200};
}

// A number as the scale writes it: shortest decimal text, with a leading zero below 1.
std::string numberText(double value) {
  const std::string text = platform::text::shortestDecimal(value);
  return text.front() == '.' ? platform::text::format(value, "0.#") : text;
}

int rounded(double v) { return static_cast<int>(roundHalfEven(v)); }

}  // namespace

int RulerWindow::numberRowPixels() { return kNumberRowPixels; }
int RulerWindow::numberColumnPixels() { return kNumberColumnPixels; }

int RulerWindow::numberStride(const std::vector<std::string>& texts, double spacingPixels) {
  int widest = 0;
  for (const std::string& text : texts) {
    const platform::Point size = window_->textSize(kScaleNumberFont, text);
    widest = std::max(widest, state_.orientation == Orientation::Horizontal ? size.x : size.y);
  }
  // Round steps keep the numbers easy to read: every mark, every second, fifth or tenth.
  for (const int stride : {1, 2, 5}) {
    if (widest + atDpi(kNumberNeighbourGapPixels) <= stride * spacingPixels) return stride;
  }
  return 10;
}

void RulerWindow::drawTick(Orientation orientation, double p, std::optional<double> length) {
  const bool horizontal = orientation == Orientation::Horizontal;
  horizontal ? window_->pset(p, kTickStartTwips) : window_->pset(kTickStartTwips, p);
  if (!length) return;
  horizontal ? window_->lineTo(p, *length) : window_->lineTo(*length, p);
}

void RulerWindow::drawNumber(int x, int y, const std::string& text) {
  platform_.api().TextOut(window_->hdc(), x, y, text);
  const platform::Point size = window_->textSize(kScaleNumberFont, text);
  numberAreas_.push_back(platform::Rect{x, y, x + size.x, y + size.y});
}

void RulerWindow::drawScale(Orientation orientation, Unit unit, int reachPixels) {
  const bool horizontal = orientation == Orientation::Horizontal;
  // The surface takes the whole scale with its numbers, whatever the strip's size now.
  window_->reserveSurface(horizontal ? platform::Point{reachPixels, kNumberRowPixels + atDpi(20)}
                                     : platform::Point{kNumberColumnPixels + atDpi(40), reachPixels});
  numberAreas_.clear();
  const double end = platform::twipsFromPixels(reachPixels);
  if (unit.centimetresAt) {
    drawCentimetreScale(orientation, *unit.centimetresAt, end);
  } else {
    drawPixelScale(orientation, end);
  }
  drawnReach_ = reachPixels;
}

void RulerWindow::drawPixelScale(Orientation orientation, double end) {
  const bool horizontal = orientation == Orientation::Horizontal;
  const double scale = window_->dpi() / double{platform::kDesignDpi};
  // A number every 30 pixels, or every 60 where the largest would touch the next.
  constexpr int kTicksPerNumber = 15;
  const int stride = numberStride({std::to_string(static_cast<int>(end / kPixelTickStepTwips) * 2)}, 30);
  int n = 0;
  for (double p = 0; p <= end; p += kPixelTickStepTwips) {
    drawTick(orientation, p, pixelTickLength(n));
    if (n % (kTicksPerNumber * stride) == 0) {
      const int v = 2 * n;
      const std::string text = std::to_string(v);
      if (horizontal) {
        // Centred on its tick; the first one starts right of the strip's edge.
        const double halfWidth = window_->textSize(kScaleNumberFont, text).x / 2.0;
        drawNumber(rounded(p / 15 - halfWidth + (v == 0 ? 5 * scale : 0)), kNumberRowPixels, text);
      } else {
        drawNumber(kNumberColumnPixels, v == 0 ? 0 : rounded(v - 5 * scale), text);
      }
    }
    ++n;
  }
}

void RulerWindow::drawCentimetreScale(Orientation orientation, Resolution resolution, double end) {
  const CentimetreScale scale = centimetreScale(resolution);
  const bool horizontal = orientation == Orientation::Horizontal;
  const double dpiScale = window_->dpi() / double{platform::kDesignDpi};
  // Writes a number centred (horizontal) or starting (vertical) at its tick.
  const auto write = [&](double p, const std::string& text, int shift) {
    const double len = static_cast<double>(text.size());
    if (horizontal) {
      drawNumber(rounded(p / 15 + (shift - 2.5 * len) * dpiScale), kNumberRowPixels, text);
    } else {
      drawNumber(kNumberColumnPixels, rounded(p / 15 - 2 * len * dpiScale), text);
    }
  };
  // Every numbered mark carries its number, or every second one where the widest would
  // touch the next.
  const int marksPerNumber = scale.extraNumberEvery != 0 ? scale.extraNumberEvery : scale.numberEvery;
  std::vector<std::string> texts;
  for (int n = 0; n * scale.step <= end; n += marksPerNumber) texts.push_back(numberText(n / scale.divisor));
  const int stride = numberStride(texts, marksPerNumber * scale.step / 15);
  const auto numbered = [&](int n) { return n % (marksPerNumber * stride) == 0; };
  int n = 0;
  int mark = 10;
  for (double p = 0; p <= end; p += scale.step) {
    if (scale.correction != 0 && mark < n && n <= mark + 10) {
      p += scale.correction;
      if (n == mark + 10) mark += scale.markAdvance;
    }
    if (n % scale.numberEvery == 0) {
      drawTick(orientation, p, 3.5 * kTickUnitTwips);
      const double value = n / scale.divisor;
      if (numbered(n)) write(p, numberText(value), value == 0 ? 5 : 0);
    } else {
      if (scale.extraNumberEvery != 0 && numbered(n)) write(p, numberText(n / scale.divisor), 0);
      drawTick(orientation, p, scale.tickLength(n));
    }
    ++n;
  }
}

}  // namespace lindrel
