#pragma once
// The ruler's own size as the readout writes it, in the strip's unit, and where the readout
// and the credit go in the corner the scale leaves free.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"
#include "ruler/PhysicalScale.h"
#include "ruler/RulerState.h"

namespace lindrel {

// The readout in pieces: the unit (and, for a narrow corner, the unit in two parts, broken
// before the resolution) and the two figures (each also broken before its bracket, for a
// narrow corner on a scaled monitor).
struct ReadoutTexts {
  std::string unit;
  std::vector<std::string> unitParts;
  std::string x;
  std::string y;
  std::vector<std::string> figureParts;
};

// "单位:像素", "X: 640.00", "Y: 67.00"; on a scaled monitor the pixel figures also give the
// size in the pixels applications use there: "X: 1280.00 (640.00 @200%)".
// physical: the monitor's, for physical centimetres ("单位:实际厘米", "未校准" while guessed).
ReadoutTexts readoutTexts(Unit unit, platform::Point sizePixels, int dpi, const PhysicalScale& physical = {});
// The readout as one line for a screen reader: the two figures as the readout shows them, then
// the unit's name, "640.00 × 67.00 像素", "8.14 × 0.57 厘米 300 DPI".
std::string spokenReadout(const ReadoutTexts& texts);
// A number of physical pixels in a unit: the pixels themselves, or centimetres or inches.
double lengthIn(Unit unit, double pixels, const PhysicalScale& physical = {});

// Physical pixels in the pixels applications use on a monitor of a DPI, "640.00", and that
// monitor's scaling, "@200%".
std::string scaledPixels(double pixels, int dpi);
std::string scalingText(int dpi);

// One way to lay the corner labels out: the readout's lines, with the credit beside them,
// below them, or not at all.
struct CornerLayout {
  std::vector<std::string> lines;
  bool credit;
  bool creditBeside;
};

// From the most that is shown to the least: the credit goes first, then the unit, then a
// figure; a vertical strip lays the readout out line under line.
std::vector<CornerLayout> cornerLayouts(const ReadoutTexts& texts, bool horizontal);

std::string joinLines(const std::vector<std::string>& lines);

// What the labels measure as the strip writes them.
struct LabelMeasure {
  std::function<platform::Point(std::string_view text)> readout;  // lines joined by "\n"
  platform::Point credit;
  int spacing;  // between the credit and the readout on one line
};

// The size of the readout's lines and the credit together.
platform::Point cornerBlockSize(const CornerLayout& layout, const LabelMeasure& measure);

struct CornerLabels {
  std::string readout;
  platform::Point readoutAt;
  bool credit = false;
  platform::Point creditAt;
};

// The first layout that fits whole in the free area, anchored in its bottom-right corner.
CornerLabels placeCornerLabels(const ReadoutTexts& texts, bool horizontal, const platform::Rect& free,
                               const LabelMeasure& measure);

}  // namespace lindrel
