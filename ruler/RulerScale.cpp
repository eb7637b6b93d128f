#include "ruler/RulerScale.h"

#include <algorithm>
#include <optional>

#include "text/Numbers.h"
#include "ruler/RulerMeasures.h"

namespace lindrel {
namespace {

namespace measures = ruler_measures;
using platform::Point;
using platform::roundHalfEven;

// Neighbouring numbers keep at least this gap (design pixels).
constexpr int kNumberGap = 3;

int pixelTickLength(int n) {
  if (n % 15 == 0) return measures::pixelTickLength(4);
  if (n % 5 == 0) return measures::pixelTickLength(3);
  if (n % 2 == 0) return measures::pixelTickLength(2);
  return measures::pixelTickLength(1);
}

// One centimetre scale: how many ticks from one number to the next, the number's divisor,
// numbers between the main ones, and each unnumbered tick's length (none: no tick).
struct CentimetreScale {
  int numberEvery;
  int divisor;
  int extraNumberEvery;  // 0: none
  std::optional<int> (*tickLength)(int n);
};

std::optional<int> tick72(int n) {
  if (n % 2 != 0) return std::nullopt;
  return n % 4 == 0 ? measures::kMiddleCentimetreTick : measures::kShortCentimetreTick;
}
std::optional<int> tickMillimetre(int n) {
  return n % 5 == 0 ? measures::kMiddleCentimetreTick : measures::kShortCentimetreTick;
}
std::optional<int> tick600(int n) {
  if (n % 25 == 0) return measures::kMiddleCentimetreTick;
  if (n % 5 == 0) return measures::kShortCentimetreTick;
  return std::nullopt;
}
std::optional<int> tick1200(int n) {
  if (n % 50 == 0) return measures::kLongCentimetreTick;
  if (n % 20 == 0) return measures::kMiddleCentimetreTick;
  if (n % 10 == 0) return measures::kShortCentimetreTick;
  return std::nullopt;
}

CentimetreScale centimetreScale(Resolution resolution) {
  switch (resolution) {
    case Resolution::Dpi72: return {10, 10, 0, tick72};
    case Resolution::Dpi200Fax: return {10, 10, 0, tickMillimetre};
    case Resolution::Dpi300: return {10, 10, 0, tickMillimetre};
    case Resolution::Dpi600: return {50, 100, 0, tick600};
    case Resolution::Dpi1200: break;
  }
  return {500, 500, 100, tick1200};
}

class ScaleBuilder {
 public:
  ScaleBuilder(Orientation orientation, int dpi, const NumberMeasure& measure)
      : horizontal_(orientation == Orientation::Horizontal), dpi_(dpi), measure_(measure) {}

  void tick(int at, int length) { scale_.ticks.push_back({at, length}); }
  void number(Point at, std::string text) { scale_.numbers.push_back({at, std::move(text)}); }
  bool horizontal() const { return horizontal_; }
  double dpiScale() const { return dpi_ / double{platform::kDesignDpi}; }
  Point size(const std::string& text) const { return measure_(text); }

  // How many marks, spacingPixels apart, there are from one number to the next: 1 where the
  // widest of the texts keeps a gap to its neighbour, else 2 (on large scalings 5 or 10).
  int numberStride(const std::vector<std::string>& texts, double spacingPixels) const {
    int widest = 0;
    for (const std::string& text : texts) widest = std::max(widest, horizontal_ ? size(text).x : size(text).y);
    for (const int stride : {1, 2, 5}) {
      if (widest + platform::scaledToDpi(kNumberGap, dpi_) <= stride * spacingPixels) return stride;
    }
    return 10;
  }

  Scale take() { return std::move(scale_); }

 private:
  bool horizontal_;
  int dpi_;
  const NumberMeasure& measure_;
  Scale scale_;
};

// A tick every 2 pixels, longer every 4, 10 and 30; a number every 30 pixels, centred on its
// tick (the first one starts right of the strip's edge).
void addPixelScale(ScaleBuilder& b, int reach) {
  const int stride = b.numberStride({std::to_string(reach / measures::kPixelTickStep * measures::kPixelTickStep)}, 30);
  for (int n = 0; n * measures::kPixelTickStep <= reach; ++n) {
    const int at = n * measures::kPixelTickStep;
    b.tick(at, pixelTickLength(n));
    if (n % (15 * stride) != 0) continue;
    const std::string text = std::to_string(at);
    if (b.horizontal()) {
      const double halfWidth = b.size(text).x / 2.0;
      b.number({roundHalfEven(at - halfWidth + (at == 0 ? 5 * b.dpiScale() : 0)), kScaleNumberRow}, text);
    } else {
      b.number({kScaleNumberColumn, at == 0 ? 0 : roundHalfEven(at - 5 * b.dpiScale())}, text);
    }
  }
}

// A number centred on its tick on a horizontal scale (shifted right by `shift` design pixels),
// starting at it on a vertical one.
void writeNumber(ScaleBuilder& b, double at, const std::string& text, int shift) {
  const double length = static_cast<double>(text.size());
  if (b.horizontal()) {
    b.number({roundHalfEven(at + (shift - 2.5 * length) * b.dpiScale()), kScaleNumberRow}, text);
  } else {
    b.number({kScaleNumberColumn, roundHalfEven(at - 2 * length * b.dpiScale())}, text);
  }
}

void addCentimetreScale(ScaleBuilder& b, Unit unit, const PhysicalScale&, int reach) {
  const CentimetreScale scale = centimetreScale(unit.resolution);
  measures::CentimetreTicks ticks(unit.resolution);
  const auto numberText = [&](int n) { return text::atMostOneDecimal(static_cast<double>(n) / scale.divisor); };
  // Every numbered mark carries its number, or every second one where the widest would
  // touch the next.
  const int marksPerNumber = scale.extraNumberEvery != 0 ? scale.extraNumberEvery : scale.numberEvery;
  std::vector<std::string> texts;
  for (int n = 0; ticks.reaches(n, reach); n += marksPerNumber) texts.push_back(numberText(n));
  const int stride = b.numberStride(texts, ticks.spacingPixels(marksPerNumber));
  const auto numbered = [&](int n) { return n % (marksPerNumber * stride) == 0; };
  while (ticks.nextWithin(reach)) {
    const auto [n, at] = ticks.take();
    if (n % scale.numberEvery == 0) {
      b.tick(roundHalfEven(at), measures::kLongCentimetreTick);
      if (numbered(n)) writeNumber(b, at, numberText(n), n == 0 ? 5 : 0);
    } else {
      if (scale.extraNumberEvery != 0 && numbered(n)) writeNumber(b, at, numberText(n), 0);
      if (const auto length = scale.tickLength(n)) b.tick(roundHalfEven(at), *length);
    }
  }
}

// A scale of evenly spaced ticks, a whole number every so many of them.
struct RuledScale {
  int ticksPerNumber;
  int (*tickLength)(int n);
};

// Inches: a tick every 1/16, longer every 1/8, 1/4 and 1/2, the inch numbered.
int inchTick(int n) {
  if (n % 16 == 0) return measures::kLongCentimetreTick;
  if (n % 8 == 0) return measures::kMiddleCentimetreTick;
  if (n % 4 == 0) return measures::pixelTickLength(2);
  if (n % 2 == 0) return measures::kShortCentimetreTick;
  return measures::pixelTickLength(1);
}
// Millimetres: longer every 5, the centimetre numbered.
int millimetreTick(int n) {
  if (n % 10 == 0) return measures::kLongCentimetreTick;
  return n % 5 == 0 ? measures::kMiddleCentimetreTick : measures::kShortCentimetreTick;
}

void addRuledScale(ScaleBuilder& b, const RuledScale& scale, double spacing, int reach) {
  std::vector<std::string> texts;
  for (int n = 0; n * spacing <= reach; n += scale.ticksPerNumber) texts.push_back(std::to_string(n / scale.ticksPerNumber));
  const int stride = b.numberStride(texts, spacing * scale.ticksPerNumber);
  for (int n = 0; n * spacing <= reach; ++n) {
    const double at = n * spacing;
    b.tick(roundHalfEven(at), scale.tickLength(n));
    if (n % (scale.ticksPerNumber * stride) == 0) writeNumber(b, at, std::to_string(n / scale.ticksPerNumber), n == 0 ? 5 : 0);
  }
}

void addInchScale(ScaleBuilder& b, Unit unit, const PhysicalScale&, int reach) {
  addRuledScale(b, {16, inchTick}, infoOf(unit.resolution).dotsPerInch / 16.0, reach);
}

void addPhysicalScale(ScaleBuilder& b, Unit, const PhysicalScale& physical, int reach) {
  addRuledScale(b, {10, millimetreTick}, physical.pixelsPerMm, reach);
}

void addPixels(ScaleBuilder& b, Unit, const PhysicalScale&, int reach) { addPixelScale(b, reach); }

// Each unit's scale, by UnitKind.
using AddScale = void (*)(ScaleBuilder&, Unit, const PhysicalScale&, int reach);
constexpr AddScale kScales[] = {addPixels, addCentimetreScale, addInchScale, addPhysicalScale};

}  // namespace

Scale scaleOf(Unit unit, Orientation orientation, int reach, int dpi, const NumberMeasure& measure,
              const PhysicalScale& physical) {
  ScaleBuilder builder(orientation, dpi, measure);
  kScales[static_cast<std::size_t>(unit.kind)](builder, unit, physical, reach);
  return builder.take();
}

}  // namespace lindrel
