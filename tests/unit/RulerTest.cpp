// The ruler's scales, readout and corner labels as pure functions: where each tick and
// number lands in every unit, the readout's figures, and which layout of the corner labels
// a free corner of some size takes. Texts are measured as the simulated desktop does: 6 by
// 12 pixels a character at 96 DPI (scale numbers 6 by 11), twice as wide beyond ASCII.

#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "ruler/RulerReadout.h"
#include "ruler/RulerScale.h"

namespace lindrel::testing {
namespace {

using platform::Point;
using platform::Rect;

// Characters at a cell width, the ones beyond ASCII twice as wide.
int widthOf(std::string_view text, int cell) {
  int width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (i == 0 || (byte & 0xC0) != 0x80) width += byte >= 0xC0 ? 2 * cell : cell;
  }
  return width;
}

NumberMeasure numbersAt(int dpi) {
  return [dpi](std::string_view text) { return Point{widthOf(text, 6 * dpi / 96), 11 * dpi / 96}; };
}

struct ScaleCase {
  const char* name;
  Unit unit;
  Orientation orientation;
  std::map<int, int> ticks;  // along the strip: length (0: no tick there)
  std::map<std::string, Point> numbers;
  const char* last;  // on a strip 2000 pixels long
  PhysicalScale physical{};
};

Unit cm(Resolution r) { return Unit::centimetres(r); }
constexpr auto H = Orientation::Horizontal, V = Orientation::Vertical;

TEST(Scale, TicksAndNumbersStandWhereTheUnitPutsThem) {
  const ScaleCase cases[] = {
      // A tick every 2 pixels; longer every 4, 10 and 30; numbers centred on every 30th.
      {"pixels", Unit::pixels(), H, {{0, 19}, {2, 5}, {4, 9}, {10, 14}, {30, 19}, {1, 0}, {3, 0}},
       {{"0", {2, 18}}, {"30", {24, 18}}, {"120", {111, 18}}, {"1980", {1968, 18}}}, "1980"},
      {"pixels vertical", Unit::pixels(), V, {{4, 9}}, {{"0", {23, 0}}, {"30", {23, 25}}, {"1980", {23, 1975}}}, "1980"},
      // Tick 10 at 28 pixels, tick 20 at 57: the drift correction; odd ticks draw nothing.
      {"72 DPI", cm(Resolution::Dpi72), H, {{28, 16}, {34, 12}, {40, 7}, {31, 0}},
       {{"0", {2, 18}}, {"1", {26, 18}}, {"2", {54, 18}}}, "70"},
      {"72 DPI vertical", cm(Resolution::Dpi72), V, {{34, 12}}, {{"0", {23, -2}}, {"1", {23, 26}}, {"2", {23, 55}}}, "70"},
      // The correction pulls ticks back: tick 11 at 87, tick 15 (5 mm) at 118.
      {"200 DPI", cm(Resolution::Dpi200Fax), H, {{87, 7}, {118, 12}}, {{"1", {76, 18}}}, "25"},
      {"300 DPI", cm(Resolution::Dpi300), H, {{12, 7}, {59, 12}, {118, 16}}, {{"1", {116, 18}}}, "16"},
      {"600 DPI", cm(Resolution::Dpi600), H, {{12, 7}, {59, 12}, {2, 0}},
       {{"0.5", {111, 18}}, {"1", {234, 18}}, {"1.5", {346, 18}}, {"2", {469, 18}}}, "8"},
      // Extra numbers every 2 mm between the centimetres.
      {"1200 DPI", cm(Resolution::Dpi1200), H, {{472, 16}, {47, 16}, {19, 12}, {9, 7}},
       {{"0", {2, 18}}, {"0.2", {87, 18}}, {"1", {469, 18}}, {"4.2", {1975, 18}}}, "4.2"},
      {"1200 DPI vertical", cm(Resolution::Dpi1200), V, {}, {{"0", {23, -2}}, {"0.2", {23, 88}}, {"1", {23, 470}}}, "4.2"},
      // 1/16 inch is 18.75 dots: ticks at 1/16, 1/8, 1/4, 1/2 and the inch grow in that order.
      {"inches at 300 DPI", Unit::inches(Resolution::Dpi300), H, {{19, 5}, {38, 7}, {75, 9}, {150, 12}, {300, 16}, {310, 0}},
       {{"0", {2, 18}}, {"1", {298, 18}}, {"6", {1798, 18}}}, "6"},
      // A millimetre every 3.7795 pixels: 10 cm at pixel 378 (377.95).
      {"physical", Unit::physical(), H, {{4, 7}, {19, 12}, {38, 16}, {378, 16}, {374, 7}, {2, 0}},
       {{"1", {35, 18}}, {"10", {373, 18}}}, "52", {3.7795, false}},
  };
  for (const ScaleCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Scale scale = scaleOf(c.unit, c.orientation, 2000, 96, numbersAt(96), c.physical);
    std::map<int, int> ticks;
    for (const ScaleTick& tick : scale.ticks) ticks[tick.at] = tick.length;
    for (const auto& [at, length] : c.ticks) EXPECT_EQ(ticks.count(at) ? ticks[at] : 0, length) << "tick at " << at;
    std::map<std::string, Point> numbers;
    for (const ScaleNumber& number : scale.numbers) numbers.emplace(number.text, number.at);
    for (const auto& [text, at] : c.numbers) EXPECT_EQ(numbers[text], at) << text;
    EXPECT_EQ(scale.numbers.back().text, c.last);
  }
}

// Grown numbers never touch their neighbours: where they would, only every second mark (or
// fifth, or tenth) carries one.
TEST(Scale, NeighbouringNumbersKeepAGapAtEveryDpiAndUnit) {
  for (const int dpi : {96, 120, 144, 192, 240}) {
    for (const Unit unit : kUnits) {
      const NumberMeasure measure = numbersAt(dpi);
      const Scale scale = scaleOf(unit, H, 2560, dpi, measure);
      ASSERT_GT(scale.numbers.size(), 2u);
      for (std::size_t i = 1; i < scale.numbers.size(); ++i) {
        const int gap = scale.numbers[i].at.x - scale.numbers[i - 1].at.x - measure(scale.numbers[i - 1].text).x;
        EXPECT_GE(gap, 3 * dpi / 96) << dpi << " DPI, number " << scale.numbers[i].text;
      }
    }
  }
}

TEST(Readout, FiguresInTheUnitAndAStripOnANumberedMarkReadsItsNumber) {
  const std::tuple<Unit, Point, int, const char*, const char*> cases[] = {
      {Unit::pixels(), {960, 67}, 96, "X: 960.00", "Y: 67.00"},
      {cm(Resolution::Dpi72), {960, 67}, 96, "X: 33.88", "Y: 2.36"},
      {cm(Resolution::Dpi200Fax), {960, 67}, 96, "X: 12.19", "Y: 0.85"},
      {cm(Resolution::Dpi300), {960, 67}, 144, "X: 8.14", "Y: 0.57"},  // centimetres are physical
      {cm(Resolution::Dpi600), {960, 67}, 96, "X: 4.07", "Y: 0.28"},
      {cm(Resolution::Dpi1200), {960, 67}, 96, "X: 2.03", "Y: 0.14"},
      // Edges on numbered marks: 1 cm at 300 DPI, 2 at 600, 1 at 1200, 3 at 72, 1 at 200.
      {cm(Resolution::Dpi300), {118, 67}, 96, "X: 1.00", "Y: 0.57"},
      {cm(Resolution::Dpi600), {472, 67}, 96, "X: 2.00", "Y: 0.28"},
      {cm(Resolution::Dpi1200), {472, 67}, 96, "X: 1.00", "Y: 0.14"},
      {cm(Resolution::Dpi72), {85, 67}, 96, "X: 3.00", "Y: 2.36"},
      {cm(Resolution::Dpi200Fax), {79, 67}, 96, "X: 1.00", "Y: 0.85"},
      // On a scaled monitor also in the pixels applications use there.
      {Unit::pixels(), {1281, 200}, 120, "X: 1281.00 (1024.80 @125%)", "Y: 200.00 (160.00 @125%)"},
      {Unit::pixels(), {1281, 200}, 144, "X: 1281.00 (854.00 @150%)", "Y: 200.00 (133.33 @150%)"},
      {Unit::pixels(), {1281, 200}, 192, "X: 1281.00 (640.50 @200%)", "Y: 200.00 (100.00 @200%)"},
  };
  for (const auto& [unit, size, dpi, x, y] : cases) {
    const ReadoutTexts texts = readoutTexts(unit, size, dpi);
    EXPECT_EQ(texts.x, x);
    EXPECT_EQ(texts.y, y);
  }
  EXPECT_EQ(readoutTexts(cm(Resolution::Dpi200Fax), {1, 1}, 96).unitParts,
            (std::vector<std::string>{"单位:厘米", "200 DPI(FAX)"}));
  EXPECT_EQ(readoutTexts(Unit::pixels(), {1, 1}, 192).figureParts[1], "(0.50 @200%)");
  // As a screen reader says it, from the same texts.
  EXPECT_EQ(spokenReadout(readoutTexts(Unit::pixels(), {640, 67}, 96)), "640.00 × 67.00 像素");
  EXPECT_EQ(spokenReadout(readoutTexts(cm(Resolution::Dpi72), {85, 67}, 96)), "3.00 × 2.36 厘米 72 DPI");
  EXPECT_EQ(spokenReadout(readoutTexts(Unit::pixels(), {1281, 200}, 192)),
            "1281.00 (640.50 @200%) × 200.00 (100.00 @200%) 像素");
}

// Where a monitor's real size comes from, and a length the user measured turned into it.
TEST(PhysicalScale, ACalibrationGoesBeforeASaneReportOfTheMonitorAndTheGuessComesLast) {
  const Point panel{1366, 768};
  const std::tuple<const char*, std::optional<double>, std::optional<Point>, PhysicalScale> cases[] = {
      {"a report of 34 x 20 mm is 1020 pixels to the inch", std::nullopt, Point{34, 20}, {96 / 25.4, true}},
      {"a sane report", std::nullopt, Point{344, 194}, {1366 / 344.0, false}},
      {"nothing reported", std::nullopt, std::nullopt, {96 / 25.4, true}},
      {"the calibration first", 3.78, Point{344, 194}, {3.78, false}},
  };
  for (const auto& [name, calibrated, reported, expected] : cases) {
    EXPECT_EQ(physicalScaleOf(calibrated, reported, panel), expected) << name;
  }
  EXPECT_EQ(readoutTexts(Unit::physical(), {1, 1}, 96, physicalScaleOf(std::nullopt, Point{34, 20}, panel)).unit,
            "单位:实际厘米 未校准");

  // A length measured on a strip 378 pixels long: its pixels per mm, or why it is refused and
  // the pixels per inch it would give.
  using Problem = CalibrationError::Problem;
  const std::tuple<const char*, LengthUnit, double, std::optional<Problem>> lengths[] = {
      {"100", LengthUnit::Millimetres, 3.78, std::nullopt},
      {"10", LengthUnit::Centimetres, 3.78, std::nullopt},
      {"3.937", LengthUnit::Inches, 378 / (3.937 * 25.4), std::nullopt},
      {"abc", LengthUnit::Millimetres, 0, Problem::NotANumber},
      {"", LengthUnit::Centimetres, 0, Problem::NotANumber},
      {"0", LengthUnit::Millimetres, 0, Problem::OutOfRange},
      {"1", LengthUnit::Inches, 378, Problem::OutOfRange},  // more than 350 to the inch
      {"200", LengthUnit::Millimetres, 378 / 200.0 * 25.4, Problem::OutOfRange},
  };
  for (const auto& [typed, unit, figure, problem] : lengths) {
    SCOPED_TRACE(typed);
    const auto result = calibrationFrom(378, typed, unit);
    ASSERT_EQ(result.ok(), !problem);
    if (problem) {
      EXPECT_EQ(result.error().problem, *problem);
    }
    EXPECT_NEAR(result.ok() ? *result : result.error().pixelsPerInch, figure, 1e-9);
  }
  // Calibrated so, a strip 378 pixels long reads 10 cm, as one of 3.7795 pixels to the mm does.
  for (const double pixelsPerMm : {3.78, 3.7795}) {
    EXPECT_EQ(readoutTexts(Unit::physical(), {378, 67}, 96, {pixelsPerMm, false}).x, "X: 10.00") << pixelsPerMm;
  }
}

// A 640 x 67 pixel strip: "单位:像素 | X: 640.00 Y: 67.00" is 180 by 12, the credit 56 by 16.
TEST(CornerLabels, TheMostThatFitsWholeGoesInTheFreeCornerCreditFirstThenTheUnitThenAFigure) {
  const LabelMeasure measure{[](std::string_view text) {
                               int widest = 0, lines = 0;
                               for (std::size_t start = 0; start != std::string_view::npos; ++lines) {
                                 const std::size_t end = text.find('\n', start);
                                 widest = std::max(widest, widthOf(text.substr(start, end - start), 6));
                                 start = end == std::string_view::npos ? end : end + 1;
                               }
                               return Point{widest, 12 * lines};
                             },
                             {56, 16}, 8};
  const ReadoutTexts texts = readoutTexts(Unit::pixels(), {640, 67}, 96);
  const std::string oneLine = "单位:像素 | X: 640.00 Y: 67.00";
  const struct {
    Point free;
    bool credit;
    std::string readout;
    Point readoutAt, creditAt;
  } cases[] = {
      {{630, 40}, true, oneLine, {450, 28}, {386, 24}},  // the credit beside, on one line
      {{244, 40}, true, oneLine, {64, 28}, {0, 24}},     // just room beside, with the spacing
      {{243, 40}, true, oneLine, {63, 12}, {187, 24}},   // one pixel less: below
      {{200, 40}, true, oneLine, {20, 12}, {144, 24}},   // the credit below
      {{200, 20}, false, oneLine, {20, 8}, {}},
      {{100, 12}, false, "X: 640.00", {46, 0}, {}},
      {{10, 10}, false, "", {10, 10}, {}},
  };
  for (const auto& c : cases) {
    const CornerLabels labels = placeCornerLabels(texts, true, Rect::at({}, c.free), measure);
    EXPECT_EQ(labels.credit, c.credit) << c.free.x << "x" << c.free.y;
    EXPECT_EQ(labels.readout, c.readout);
    EXPECT_EQ(labels.readoutAt, c.readoutAt);
    if (c.credit) {
      EXPECT_EQ(labels.creditAt, c.creditAt);
    }
  }
  // A vertical strip lays the readout out line under line, the unit first.
  EXPECT_EQ(placeCornerLabels(texts, false, Rect::at({}, {80, 200}), measure).readout, "单位:像素\nX: 640.00\nY: 67.00");
}

}  // namespace
}  // namespace lindrel::testing
