// The ruler's scales: ticks placed in twips with set-point and line-to on the persistent
// surface, numbers written in pixels (position / 15) on its device context.

#include <algorithm>
#include <optional>
#include <string>

#include "platform/Text.h"
#include "ruler/frmMain.h"

namespace lindrel {
namespace {

using platform::roundHalfEven;

// The base tick length; every tick length and number offset derives from it.
constexpr double tickUnit = 70;
// Where numbers go: the row under a horizontal scale, the column beside a vertical one.
const int kNumberRow = static_cast<int>(roundHalfEven(tickUnit / 4));     // 18
const int kNumberColumn = static_cast<int>(roundHalfEven(tickUnit / 3));  // 23
// Ticks start 10 twips outside the window, so they run right from its edge.
constexpr double kOutside = -10;
// The scales reach at least this far, whatever the desktop.
constexpr double kMinimumScaleEnd = 30000;

double pixelTickLength(int n) {
  if (n % 15 == 0) return 4 * tickUnit;
  if (n % 5 == 0) return 3 * tickUnit;
  if (n % 2 == 0) return 2 * tickUnit;
  return tickUnit;
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
  return n % 4 == 0 ? 2.5 * tickUnit : 1.5 * tickUnit;
}
std::optional<double> tickMillimetre(int n) { return n % 5 == 0 ? 2.5 * tickUnit : 1.5 * tickUnit; }
std::optional<double> tick600(int n) {
  if (n % 25 == 0) return 2.5 * tickUnit;
  if (n % 5 == 0) return 1.5 * tickUnit;
  return std::nullopt;
}
std::optional<double> tick1200(int n) {
  if (n % 50 == 0) return 3.5 * tickUnit;
  if (n % 20 == 0) return 2.5 * tickUnit;
  if (n % 10 == 0) return 1.5 * tickUnit;
  return std::nullopt;
}

std::optional<CentimetreScale> centimetreScale(std::int16_t dpi) {
  switch (dpi) {
    case 72: return CentimetreScale{42, 10, 10, 1.5, 30, 0, tick72};
    case 200: return CentimetreScale{118.5, 10, 10, -1.5, 40, 0, tickMillimetre};
    case 300: return CentimetreScale{177, 10, 10, 0, 0, 0, tickMillimetre};
    case 600: return CentimetreScale{35.4, 50, 100, 0, 0, 0, tick600};
    case 1200: return CentimetreScale{14.16, 500, 500, 0, 0, 100, tick1200};
    default: return std::nullopt;
  }
}

// A number as the scale writes it: shortest decimal text, with a leading zero below 1.
std::string numberText(double value) {
  const std::string text = platform::text::shortestDecimal(value);
  return text.front() == '.' ? platform::text::format(value, "0.#") : text;
}

int rounded(double v) { return static_cast<int>(roundHalfEven(v)); }

}  // namespace

double frmMain::scaleEnd(Axis axis) const {
  return std::max(kMinimumScaleEnd, axis == Axis::Horizontal ? stretchedWidth() : stretchedHeight());
}

void frmMain::tick(Axis axis, double p, std::optional<double> length) {
  const bool horizontal = axis == Axis::Horizontal;
  horizontal ? window_->pset(p, kOutside) : window_->pset(kOutside, p);
  if (!length) return;
  horizontal ? window_->lineTo(p, *length) : window_->lineTo(*length, p);
}

void frmMain::number(int x, int y, const std::string& text) {
  platform_.api().TextOut(window_->hdc(), x, y, text);
}

void frmMain::Pixel_H() { drawPixelScale(Axis::Horizontal); }
void frmMain::Pixel_V() { drawPixelScale(Axis::Vertical); }

void frmMain::drawPixelScale(Axis axis) {
  const bool horizontal = axis == Axis::Horizontal;
  const double end = scaleEnd(axis);
  int n = 0;
  for (double p = 0; p <= end; p += 30) {
    tick(axis, p, pixelTickLength(n));
    if (n % 15 == 0) {
      const int v = 2 * n;
      const std::string text = std::to_string(v);
      const int len = static_cast<int>(text.size());
      if (horizontal) {
        number(rounded(p / 15) - 3 * len + (v == 0 ? 5 : 0), kNumberRow, text);
      } else {
        number(kNumberColumn, v == 0 ? 0 : v - 5, text);
      }
    }
    ++n;
  }
}

void frmMain::cm_H(std::int16_t& dpi) { drawCentimetreScale(Axis::Horizontal, dpi); }
void frmMain::cm_V(std::int16_t& dpi) { drawCentimetreScale(Axis::Vertical, dpi); }

void frmMain::drawCentimetreScale(Axis axis, std::int16_t dpi) {
  const std::optional<CentimetreScale> scale = centimetreScale(dpi);
  if (!scale) return;
  const bool horizontal = axis == Axis::Horizontal;
  const double end = scaleEnd(axis);
  // Writes a number centred (horizontal) or starting (vertical) at its tick.
  const auto write = [&](double p, const std::string& text, int shift) {
    const double len = static_cast<double>(text.size());
    if (horizontal) {
      number(rounded(p / 15 - 2.5 * len + shift), kNumberRow, text);
    } else {
      number(kNumberColumn, rounded(p / 15 - 2 * len), text);
    }
  };
  int n = 0;
  int mark = 10;
  for (double p = 0; p <= end; p += scale->step) {
    if (scale->correction != 0 && mark < n && n <= mark + 10) {
      p += scale->correction;
      if (n == mark + 10) mark += scale->markAdvance;
    }
    if (n % scale->numberEvery == 0) {
      tick(axis, p, 3.5 * tickUnit);
      const double value = n / scale->divisor;
      write(p, numberText(value), value == 0 ? 5 : 0);
    } else {
      if (scale->extraNumberEvery != 0 && n % scale->extraNumberEvery == 0) {
        write(p, numberText(n / scale->divisor), 0);
      }
      tick(axis, p, scale->tickLength(n));
    }
    ++n;
  }
}

}  // namespace lindrel
