// Start-up, the size readout and the layout after a resize; the scales as a user reads them:
// tick lengths on the surface, and where each number is written, in every unit and both
// orientations.

#include "tests/unit/SimApp.h"

namespace lindrel::testing {
namespace {

class RulerStart : public SimApp {};

TEST_F(RulerStart, OpensHalfTheScreenWideCentredTopmostWithThePixelReadout) {
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));  // 640 x 67 on 1280 x 800
  EXPECT_TRUE(rulerWindow().isVisible());
  EXPECT_TRUE(sim.isTopmost(rulerWindow().hwnd()));
  EXPECT_EQ(ruler().state().orientation, Orientation::Horizontal);
  EXPECT_EQ(ruler().state().unit, Unit::pixels());
  EXPECT_EQ(ruler().readoutLabel().caption(), "单位:像素 | X: 640.00 Y: 67.00");
  EXPECT_EQ(ruler().creditLabel().caption(), "Lindrel");
  EXPECT_TRUE(sim.messageBoxes().empty());  // the size guard never fires at start-up
  // The stretched strip was never on the screen.
  for (const Rect& shown : rulerWindow().shownRects()) EXPECT_EQ(shown, rulerRect());
  // The scale drawn at start-up covers the whole screen when the strip is widened.
  const auto texts = rulerSurface().texts().size();
  ruler().window().setWidth(1280 * 15);
  EXPECT_EQ(tickLengthAt(1200), 19);
  EXPECT_EQ(tickLengthAt(1278), 5);
  EXPECT_EQ(rulerSurface().texts().size(), texts);  // nothing was drawn again
}

TEST_F(RulerStart, TheReadoutShowsTheSizeInTheUnitAndAStripOnANumberedMarkReadsItsNumber) {
  const std::tuple<Unit, double, const char*> cases[] = {
      {Unit::pixels(), 14400, "单位:像素 | X: 960.00 Y: 67.00"},
      {Unit::centimetres(Resolution::Dpi72), 14400, "单位: 厘米 72 DPI | X: 33.88 Y: 2.36"},
      {Unit::centimetres(Resolution::Dpi200Fax), 14400, "单位:厘米 200 DPI(FAX) | X: 12.19 Y: 0.85"},
      {Unit::centimetres(Resolution::Dpi300), 14400, "单位:厘米 300 DPI | X: 8.14 Y: 0.57"},
      {Unit::centimetres(Resolution::Dpi600), 14400, "单位:厘米 600 DPI | X: 4.07 Y: 0.28"},
      {Unit::centimetres(Resolution::Dpi1200), 14400, "单位:厘米 1200 DPI | X: 2.03 Y: 0.14"},
      // Edges on numbered marks: 1 cm at 300 DPI, 2 at 600, 1 at 1200, 3 at 72, 1 at 200.
      {Unit::centimetres(Resolution::Dpi300), 1770, "单位:厘米 300 DPI\nX: 1.00 Y: 0.57"},
      {Unit::centimetres(Resolution::Dpi600), 7080, "单位:厘米 600 DPI | X: 2.00 Y: 0.28"},
      {Unit::centimetres(Resolution::Dpi1200), 7080, "单位:厘米 1200 DPI | X: 1.00 Y: 0.14"},
      {Unit::centimetres(Resolution::Dpi72), 1275, "X: 3.00\nY: 2.36"},
      {Unit::centimetres(Resolution::Dpi200Fax), 1185, "X: 1.00\nY: 0.85"},
  };
  for (const auto& [unit, widthTwips, readout] : cases) {
    ruler().setUnit(unit);
    ruler().window().setWidth(widthTwips);
    EXPECT_EQ(ruler().readoutLabel().caption(), readout);
  }
}

// A strip too short or too thin for all of its labels.
TEST_F(RulerStart, AShorterStripDropsTheCreditThenTheUnitAndNeverShowsAPartOfAText) {
  ruler().toggleOrientation();
  // The length in pixels, and whether the credit and the unit show.
  const std::tuple<int, bool, bool> cases[] = {{70, true, true}, {50, false, true}, {40, false, false}};
  for (const auto& [length, credit, unit] : cases) {
    ruler().window().setHeight(length * 15);
    const std::string where = std::to_string(length);
    expectLabelsReadable(where);
    EXPECT_EQ(ruler().creditLabel().caption(), credit ? "Lindrel" : "") << where;
    const std::string& caption = ruler().readoutLabel().caption();
    EXPECT_EQ(caption.find("单位") != std::string::npos, unit) << where;
    for (const char* figure : {"X: ", "Y: "}) EXPECT_NE(caption.find(figure), std::string::npos) << where;
  }
  // Horizontal strips too thin or too short for any of it show none of it.
  ruler().toggleOrientation();
  for (const Point size : {Point{640, 34}, Point{34, 67}}) {
    ruler().window().setWidth(size.x * 15);
    ruler().window().setHeight(size.y * 15);
    expectLabelsReadable(std::to_string(size.x) + "x" + std::to_string(size.y));
  }
}

using platform::sim::TextRecord;

struct ScaleCase {
  const char* name;
  Unit unit;
  Orientation orientation;
  std::vector<std::pair<int, int>> ticks;  // column (row, when vertical) and length in pixels
  std::vector<TextRecord> numbers;
  const char* lastNumber;  // on a strip 2000 pixels long
};

void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.name; }

class Scale : public SimApp, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(Scale, TicksAndNumbersStandWhereTheUnitPutsThem) {
  const ScaleCase& c = GetParam();
  if (c.orientation == Orientation::Vertical) ruler().toggleOrientation();
  // 2000 pixels long: the scale reaches the end of the strip.
  c.orientation == Orientation::Vertical ? ruler().window().setHeight(30000) : ruler().window().setWidth(30000);
  ruler().setUnit(c.unit);
  for (const auto& [at, length] : c.ticks) {
    EXPECT_EQ(tickLengthAt(at, c.orientation), length) << "tick at " << at;
  }
  for (const TextRecord& n : c.numbers) {
    EXPECT_TRUE(wroteText(n.text, n.at)) << n.text << " at " << n.at.x << "," << n.at.y;
  }
  if (c.lastNumber != nullptr) {
    EXPECT_EQ(rulerSurface().texts().back().text, c.lastNumber);
  }
}

constexpr auto H = Orientation::Horizontal;
constexpr auto V = Orientation::Vertical;
Unit cm(Resolution r) { return Unit::centimetres(r); }

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, Scale,
    ::testing::Values(
        // A tick every 2 pixels; longer every 4, 10 and 30; numbers centred on every 30th.
        ScaleCase{"Pixels", Unit::pixels(), H, {{0, 19}, {2, 5}, {4, 9}, {10, 14}, {30, 19}, {1, 0}, {3, 0}},
                  {{{2, 18}, "0"}, {{24, 18}, "30"}, {{54, 18}, "60"}, {{111, 18}, "120"}, {{1968, 18}, "1980"}},
                  "1980"},
        ScaleCase{"PixelsVertical", Unit::pixels(), V, {{0, 19}, {2, 5}, {4, 9}, {10, 14}},
                  {{{23, 0}, "0"}, {{23, 25}, "30"}, {{23, 1975}, "1980"}}, nullptr},
        // Tick 10 at 420 twips, tick 20 at 855: 15 twips of drift correction; odd ticks draw nothing.
        ScaleCase{"Cm72", cm(Resolution::Dpi72), H, {{28, 16}, {34, 12}, {40, 7}, {31, 0}},
                  {{{2, 18}, "0"}, {{26, 18}, "1"}, {{54, 18}, "2"}}, "70"},
        ScaleCase{"Cm72Vertical", cm(Resolution::Dpi72), V, {{34, 12}},
                  {{{23, -2}, "0"}, {{23, 26}, "1"}, {{23, 55}, "2"}}, nullptr},
        // The correction pulls ticks back: tick 11 at 1302 twips, tick 15 (5 mm) at 1770.
        ScaleCase{"Cm200", cm(Resolution::Dpi200Fax), H, {{87, 7}, {95, 7}, {118, 12}}, {{{76, 18}, "1"}}, "25"},
        ScaleCase{"Cm300", cm(Resolution::Dpi300), H, {{12, 7}, {59, 12}}, {{{116, 18}, "1"}}, "16"},
        // 50 steps of 35.4 twips come to 1770.0000000000016 (rounds up), 150 to
        // 5309.9999999999945 (rounds down).
        ScaleCase{"Cm600", cm(Resolution::Dpi600), H, {{12, 7}, {59, 12}, {2, 0}},
                  {{{111, 18}, "0.5"}, {{234, 18}, "1"}, {{346, 18}, "1.5"}, {{469, 18}, "2"}}, "8"},
        // Extra numbers every 2 mm between the centimetres.
        ScaleCase{"Cm1200", cm(Resolution::Dpi1200), H, {{472, 16}, {47, 16}, {19, 12}, {9, 7}},
                  {{{2, 18}, "0"}, {{87, 18}, "0.2"}, {{469, 18}, "1"}, {{1975, 18}, "4.2"}}, "4.2"},
        ScaleCase{"Cm1200Vertical", cm(Resolution::Dpi1200), V, {},
                  {{{23, -2}, "0"}, {{23, 88}, "0.2"}, {{23, 470}, "1"}}, nullptr}),
    [](const ::testing::TestParamInfo<ScaleCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lindrel::testing
