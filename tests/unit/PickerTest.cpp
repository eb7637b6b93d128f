// The magnifier's state without its window: the channel boxes' reading, the colours taken,
// the contrast and its partner, the zoom steps, where the screen lands in the view, and
// where the window goes beside the ruler.

#include <gtest/gtest.h>

#include <cmath>

#include "picker/Contrast.h"
#include "picker/PickerModel.h"
#include "picker/Placement.h"

namespace lindrel::testing {
namespace {

using platform::Colour;
using platform::Point;
using platform::Rect;
using platform::rgb;
using Colours = std::vector<Colour>;

TEST(ChannelBox, AnEmptyBoxIsZeroANumberIsHeldTo255AtOnceAndTextThatIsNoNumberIsRefused) {
  const std::tuple<const char*, int, std::optional<std::string>> cases[] = {
      {"", 0, std::nullopt},   {"18", 18, std::nullopt}, {"007", 7, std::nullopt}, {"255", 255, std::nullopt},
      {"300", 255, "255"},     {"99999", 255, "255"},    {"-5", 0, "0"},           {" 2.5 ", 2, std::nullopt},
  };
  for (const auto& [text, value, shown] : cases) {
    const auto reading = readChannelBox(text);
    ASSERT_TRUE(reading.ok()) << text;
    EXPECT_EQ(reading->value, value) << text;
    EXPECT_EQ(reading->shown, shown) << text;
  }
  for (const char* text : {"ab", "1 2", "-", "0x10"}) EXPECT_FALSE(readChannelBox(text).ok()) << text;
}

TEST(PickerModel, AChannelChangesOnlyItselfAndTheCodeFollowsTheNotation) {
  PickerModel model;
  model.setColour(rgb(18, 171, 60));
  model.setChannel(Channel::Green, 300);
  EXPECT_EQ(model.colour(), rgb(18, 255, 60));
  model.setChannel(Channel::Blue, -1);
  EXPECT_EQ(model.code(), "#12FF00");
  model.setNotation(colour_code::Notation::Rgb);
  EXPECT_EQ(model.code(), "18,255,0");
  // The zoom keeps to its steps, and the wheel's notches step through them.
  EXPECT_FALSE(model.setZoom(7));
  EXPECT_TRUE(model.zoomBy(2));
  EXPECT_EQ(model.zoom(), 8);
  EXPECT_TRUE(model.zoomBy(-20));
  EXPECT_EQ(model.zoom(), 2);
  EXPECT_FALSE(model.zoomBy(-1));
}

TEST(PickerModel, TheHistoryTakesAColourFirstOnceAndTheContrastIsAgainstTheNewestOtherOrTheChosenOne) {
  PickerModel model;
  EXPECT_EQ(model.contrastText(), "—");
  const std::pair<Colour, const char*> takes[] = {{platform::kWhite, "—"},  // the only colour taken is this one
                                                  {platform::kBlack, "21.00:1 AAA"},
                                                  {rgb(0x76, 0x76, 0x76), "4.62:1 AA"},
                                                  {platform::kWhite, "4.54:1 AA"},
                                                  {rgb(0x77, 0x77, 0x77), "4.47:1"}};
  for (const auto& [colour, text] : takes) {
    model.setColour(colour);
    model.take();
    EXPECT_EQ(model.contrastText(), text);
  }
  EXPECT_EQ(model.history().colours(), (Colours{rgb(0x77, 0x77, 0x77), platform::kWhite, rgb(0x76, 0x76, 0x76), platform::kBlack}));
  model.choosePartner(platform::kBlack);
  EXPECT_EQ(model.contrastText(), "4.68:1 AA");
  model.choosePartner(platform::kBlack);  // again: the newest other colour
  EXPECT_EQ(model.partner(), platform::kWhite);
  for (Colour c = 1; c <= 20; ++c) model.take(), model.setColour(c);
  EXPECT_EQ(model.history().colours().size(), ColourHistory::kCapacity);
  EXPECT_EQ(model.history().colours().front(), 19u);  // the oldest went
}

TEST(Contrast, PairsWorkedOutByHandShowTheirCutRatioAndLevel) {
  using contrast::TextLevel;
  const struct { Colour first, second; double ratio; const char* text; TextLevel level; } cases[] = {
      {rgb(0, 0, 0), rgb(255, 255, 255), 21, "21.00:1", TextLevel::AAA},
      {rgb(40, 50, 60), rgb(40, 50, 60), 1, "1.00:1", TextLevel::Fails},
      {rgb(0, 0, 0), rgb(255, 0, 0), 5.252, "5.25:1", TextLevel::AA},                 // 0.2626 / 0.05
      {rgb(119, 119, 119), rgb(255, 255, 255), 4.47809, "4.47:1", TextLevel::Fails},  // 1.05 / 0.234475
      // L = 0.2126 * 0.396782 + 0.7152 * 0.138424 = 0.183357: 4.49955, which rounds to 4.50.
      {rgb(255, 255, 255), rgb(169, 104, 0), 4.49955, "4.49:1", TextLevel::Fails},
  };
  for (const auto& c : cases) {
    const double ratio = contrast::ratio(c.first, c.second);
    EXPECT_NEAR(ratio, c.ratio, 5e-5) << c.text;
    EXPECT_EQ(contrast::ratio(c.second, c.first), ratio);
    EXPECT_EQ(contrast::ratioText(ratio), c.text);
    EXPECT_EQ(contrast::textLevelOf(ratio), c.level) << c.text;
  }
  EXPECT_EQ(contrast::textLevelOf(std::nextafter(7.0, 0.0)), TextLevel::AA);
}

TEST(ViewLayout, EachZoomShowsTheScreenRoundTheSampleWithItsBlockInOnePlace) {
  // Screen pixels shown left, above, right and below the sample (counted by hand from a
  // block of zoom x DPI/96 pixels centred 102.5 pixels into the view at 100 %).
  const struct { int zoom, dpi; Point viewSize; int left, top, right, bottom; } cases[] = {
      {5, 96, {209, 193}, 20, 20, 21, 18},  // as the view always was
      {5, 192, {418, 386}, 20, 20, 21, 18},
      {2, 96, {209, 193}, 51, 51, 53, 45},
      {16, 144, {314, 290}, 6, 6, 7, 6},  // 24-pixel blocks
  };
  const Point sample{700, 300};
  for (const auto& c : cases) {
    const magnified::ViewLayout layout(sample, c.zoom, c.dpi, c.viewSize);
    EXPECT_EQ(layout.sourceArea(), (Rect{700 - c.left, 300 - c.top, 701 + c.right, 301 + c.bottom})) << c.zoom << "x";
    // A block's every pixel shows its own screen pixel, the next one the next.
    const Rect sampled = layout.blockOf(sample);
    EXPECT_EQ(sampled.width(), c.zoom * c.dpi / 96) << c.zoom << "x";
    EXPECT_EQ(layout.sourceAt(Point{sampled.right - 1, sampled.bottom - 1}), sample) << c.zoom << "x";
    EXPECT_EQ(layout.sourceAt(Point{sampled.left - 1, sampled.bottom}), (Point{699, 301})) << c.zoom << "x";
  }
  // The averages: 5 red of 9 over a checkerboard, rounded per channel.
  Colours checkerboard;
  for (int i = 0; i < 9; ++i) checkerboard.push_back(i % 2 == 0 ? rgb(255, 0, 0) : rgb(0, 0, 255));
  EXPECT_EQ(magnified::averageOf(checkerboard), rgb(142, 0, 113));
  EXPECT_EQ(magnified::sampledArea({10, 10}, magnified::Sampling::Average5x5), (Rect{8, 8, 13, 13}));
}

TEST(Placement, BelowElseAboveElseTheRoomierSideThenAnotherMonitorElseOverAsLittleAsCanBe) {
  const Rect primary{0, 0, 1280, 800}, left{-1280, 0, 0, 800};
  const Point magnifier{310, 400};
  const struct { Rect area; std::vector<Rect> monitors; Point size, place; } cases[] = {
      {{320, 10, 960, 77}, {primary}, magnifier, {320, 81}},      // below
      {{320, 700, 960, 767}, {primary}, magnifier, {320, 296}},   // above
      {{320, 366, 960, 433}, {primary}, magnifier, {964, 366}},   // right: as much room as left
      {{620, 366, 1260, 433}, {primary}, magnifier, {306, 366}},  // left
      {{-980, 366, 300, 433}, {left, primary}, magnifier, {304, 366}},  // no room on its own monitor
      {{320, 366, 960, 499}, {primary}, {604, 760}, {676, 40}},  // no room anywhere: the right covers least
  };
  for (const auto& c : cases) EXPECT_EQ(placement::besideArea(c.area, c.size, c.monitors), c.place) << c.area.left;
}

}  // namespace
}  // namespace lindrel::testing
