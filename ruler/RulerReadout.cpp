#include "ruler/RulerReadout.h"

#include <algorithm>

#include "text/Numbers.h"
#include "ruler/RulerMeasures.h"
#include "strings/UiText.h"

namespace lindrel {
namespace {

// Between the width and the height as a screen reader says the size.
constexpr std::string_view kSpokenBy = " × ";

using platform::Point;
using Lines = std::vector<std::string>;
using strings::ui;
using strings::UiText;

Lines brokenBeforeBracket(const std::string& figure) {
  const std::size_t bracket = figure.find(" (");
  if (bracket == std::string::npos) return {figure};
  return {figure.substr(0, bracket), figure.substr(bracket + 1)};
}

std::string pixelFigure(int pixels, int dpi) {
  std::string figure = text::twoDecimals(pixels);
  if (dpi == platform::kDesignDpi) return figure;
  return figure + " (" + scaledPixels(pixels, dpi) + " " + scalingText(dpi) + ")";
}

// Each unit's length of a number of pixels, by UnitKind.
using LengthIn = double (*)(double pixels, Unit unit, const PhysicalScale& physical);
constexpr LengthIn kLengthIn[] = {
    [](double pixels, Unit, const PhysicalScale&) { return pixels; },
    [](double pixels, Unit unit, const PhysicalScale&) { return ruler_measures::centimetresIn(pixels, unit.resolution); },
    [](double pixels, Unit unit, const PhysicalScale&) { return pixels / infoOf(unit.resolution).dotsPerInch; },
    [](double pixels, Unit, const PhysicalScale& physical) { return pixels / physical.pixelsPerMm / 10; },
};

std::string lengthFigure(int pixels, Unit unit, int, const PhysicalScale& physical) {
  return text::twoDecimals(lengthIn(unit, pixels, physical));
}

// Each unit's line and figures, by UnitKind.
struct UnitTexts {
  std::string (*caption)(Unit unit, const PhysicalScale& physical);
  std::string (*figure)(int pixels, Unit unit, int dpi, const PhysicalScale& physical);
};
const UnitTexts kUnitTexts[] = {
    {[](Unit, const PhysicalScale&) { return ui(UiText::UnitPixels); },
     [](int pixels, Unit, int dpi, const PhysicalScale&) { return pixelFigure(pixels, dpi); }},
    {[](Unit unit, const PhysicalScale&) {
       // At 72 DPI with the blank it has always had.
       if (unit.resolution == Resolution::Dpi72) return ui(UiText::UnitCentimetres72);
       return ui(UiText::UnitCentimetres, {infoOf(unit.resolution).caption});
     },
     lengthFigure},
    {[](Unit unit, const PhysicalScale&) { return ui(UiText::UnitInches, {infoOf(unit.resolution).caption}); },
     lengthFigure},
    {[](Unit, const PhysicalScale& physical) { return ui(physical.guessed ? UiText::UnitPhysicalGuessed : UiText::UnitPhysical); },
     lengthFigure},
};

}  // namespace

double lengthIn(Unit unit, double pixels, const PhysicalScale& physical) {
  return kLengthIn[static_cast<std::size_t>(unit.kind)](pixels, unit, physical);
}

std::string spokenReadout(const ReadoutTexts& texts) {
  // "X: 640.00" is read as its figure; "单位:像素" and "单位: 厘米 72 DPI" as the unit's name.
  const auto after = [](const std::string& text, char mark) {
    const std::size_t at = text.find(mark);
    const std::size_t from = at == std::string::npos ? 0 : text.find_first_not_of(' ', at + 1);
    return from == std::string::npos ? std::string() : text.substr(from);
  };
  std::string spoken = after(texts.x, ':');
  spoken += kSpokenBy;
  spoken += after(texts.y, ':');
  spoken += ' ';
  spoken += after(texts.unit, ':');
  return spoken;
}

std::string scaledPixels(double pixels, int dpi) { return text::twoDecimals(pixels * platform::kDesignDpi / dpi); }

std::string scalingText(int dpi) {
  // Appended, not "@" + ...: GCC 12 warns of an overlap that cannot happen in that form.
  std::string scaling = "@";
  scaling += text::fixedDecimals(100.0 * dpi / platform::kDesignDpi, 0);
  return scaling += "%";
}

ReadoutTexts readoutTexts(Unit unit, Point sizePixels, int dpi, const PhysicalScale& physical) {
  const UnitTexts& texts = kUnitTexts[static_cast<std::size_t>(unit.kind)];
  ReadoutTexts t;
  t.unit = texts.caption(unit, physical);
  const std::size_t digit = t.unit.find_first_of("0123456789");
  if (digit == std::string::npos) {
    t.unitParts = {t.unit};
  } else {
    std::string first = t.unit.substr(0, digit);
    while (!first.empty() && first.back() == ' ') first.pop_back();
    t.unitParts = {first, t.unit.substr(digit)};
  }
  const auto figure = [&](int pixels) { return texts.figure(pixels, unit, dpi, physical); };
  t.x = "X: " + figure(sizePixels.x);
  t.y = "Y: " + figure(sizePixels.y);
  for (const std::string* f : {&t.x, &t.y}) {
    for (std::string& part : brokenBeforeBracket(*f)) t.figureParts.push_back(std::move(part));
  }
  return t;
}

std::vector<CornerLayout> cornerLayouts(const ReadoutTexts& t, bool horizontal) {
  const std::string oneLine = t.unit + " | " + t.x + " " + t.y;
  const Lines unitFigures{t.unit, t.x, t.y};
  Lines partsFigures = t.unitParts;
  partsFigures.push_back(t.x);
  partsFigures.push_back(t.y);
  Lines allParts = t.unitParts;
  allParts.insert(allParts.end(), t.figureParts.begin(), t.figureParts.end());
  std::vector<Lines> withUnit =
      horizontal ? std::vector<Lines>{{oneLine}, {t.unit, t.x + " " + t.y}, unitFigures, partsFigures}
                 : std::vector<Lines>{unitFigures, partsFigures, {oneLine}};
  if (!horizontal && allParts != partsFigures) withUnit.insert(withUnit.begin() + 2, allParts);
  const std::vector<Lines> figuresOnly =
      horizontal ? std::vector<Lines>{{t.x + " " + t.y}, {t.x, t.y}} : std::vector<Lines>{{t.x, t.y}, {t.x + " " + t.y}};
  std::vector<CornerLayout> layouts;
  for (const Lines& lines : withUnit) {
    if (horizontal) layouts.push_back({lines, true, true});
    layouts.push_back({lines, true, false});
  }
  for (const Lines& lines : withUnit) layouts.push_back({lines, false, false});
  for (const Lines& lines : figuresOnly) layouts.push_back({lines, false, false});
  layouts.push_back({{horizontal ? t.x : t.y}, false, false});
  layouts.push_back({{horizontal ? t.y : t.x}, false, false});
  layouts.push_back({{}, false, false});
  return layouts;
}

std::string joinLines(const Lines& lines) {
  std::string joined;
  for (const std::string& line : lines) joined += (joined.empty() ? "" : "\n") + line;
  return joined;
}

Point cornerBlockSize(const CornerLayout& layout, const LabelMeasure& measure) {
  const Point readout = layout.lines.empty() ? Point{} : measure.readout(joinLines(layout.lines));
  if (!layout.credit) return readout;
  const Point credit = measure.credit;
  return layout.creditBeside ? Point{readout.x + measure.spacing + credit.x, std::max(readout.y, credit.y)}
                             : Point{std::max(readout.x, credit.x), readout.y + credit.y};
}

CornerLabels placeCornerLabels(const ReadoutTexts& texts, bool horizontal, const platform::Rect& free,
                               const LabelMeasure& measure) {
  for (const CornerLayout& c : cornerLayouts(texts, horizontal)) {
    const Point block = cornerBlockSize(c, measure);
    if (!c.lines.empty() && (block.x > free.width() || block.y > free.height())) continue;
    CornerLabels labels{joinLines(c.lines), {}, c.credit, {}};
    const Point readout = c.lines.empty() ? Point{} : measure.readout(labels.readout);
    const Point credit = measure.credit;
    // Anchored in the bottom-right corner of the free area.
    const int readoutBottom = c.credit && !c.creditBeside ? free.bottom - credit.y : free.bottom;
    labels.readoutAt = {free.right - readout.x, readoutBottom - readout.y};
    labels.creditAt = {c.creditBeside ? free.right - readout.x - measure.spacing - credit.x : free.right - credit.x,
                       free.bottom - credit.y};
    return labels;
  }
  return {};
}

}  // namespace lindrel
