// The ruler's scales as a user reads them: tick lengths on the surface, and where each
// number is written, in every unit and both orientations.

#include "tests/unit/SimApp.h"

namespace lindrel::testing {
namespace {

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
