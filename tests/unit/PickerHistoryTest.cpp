// The contrast ratio against pairs worked out by hand from the WCAG formula, its text cut to
// two decimals and the levels it reaches; the history of taken colours it is measured from;
// and both in the magnifier: the swatches of the colours taken last and the contrast beside
// the colour's swatch.

#include <cmath>

#include "picker/ColourHistory.h"
#include "picker/Contrast.h"
#include "tests/unit/PickerApp.h"

namespace lindrel::testing {
namespace {

using Colours = std::vector<Colour>;
using contrast::TextLevel;
constexpr Colour kEmptySlot = rgb(0xF0, 0xF0, 0xF0);  // the window's own colour

class PickerHistory : public PickerApp {
 protected:
  void set(const std::string& code) {
    picker().codeBox().setText(code);
    sim.press(picker().setButton());
  }
  // The swatches' colours up to the first empty one.
  Colours shownHistory() {
    Colours shown;
    for (std::size_t slot = 0; slot < ColourHistory::kCapacity; ++slot) {
      const Colour c = picker().historySwatch(slot).backColor();
      if (c == kEmptySlot) break;
      shown.push_back(c);
    }
    return shown;
  }
  void pressSwatch(std::size_t slot, MouseButton button, platform::Modifiers modifiers = {}) {
    const Point at = centreOf(picker().historySwatch(slot));
    sim.mouseDown(button, at, modifiers);
    sim.mouseUp(button, at, modifiers);
  }
  std::string contrast() { return picker().contrastBox().text(); }
};

TEST_F(PickerHistory, PicksAndSetCodesAreTakenNewestFirstOnceEditsAreNot) {
  sim.press(picker().penButton());  // released before it read anything
  EXPECT_EQ(shownHistory(), Colours{});
  penTo(Point{100, 60});
  EXPECT_EQ(shownHistory(), Colours{});  // not while the pen is held
  releasePen(Point{100, 60});
  set("#FF0000");
  sim.dragThumb(picker().channelBar(Channel::Green), 9);
  sim.type(picker().channelBox(Channel::Blue), "7");
  // The enlarged image still shows the square round (100, 60): this is screen pixel (88, 50).
  sim.click(MouseButton::Left, onEnlargedImage(42, 51));
  EXPECT_EQ(shownHistory(), (Colours{rgb(88, 50, 77), rgb(255, 0, 0), rgb(100, 60, 77)}));
  set("#FF0000");
  EXPECT_EQ(shownHistory(), (Colours{rgb(255, 0, 0), rgb(88, 50, 77), rgb(100, 60, 77)}));
}

TEST_F(PickerHistory, TheContrastIsAgainstTheNewestOtherColourWithItsLevel) {
  EXPECT_EQ(contrast(), "—");
  set("#FFFFFF");
  EXPECT_EQ(contrast(), "—");  // the only colour taken is this one
  const std::pair<const char*, const char*> cases[] = {
      {"#000000", "21.00:1 AAA"}, {"#767676", "4.62:1 AA"}, {"#FFFFFF", "4.54:1 AA"}, {"#777777", "4.47:1"}};
  for (const auto& [code, text] : cases) {
    set(code);
    EXPECT_EQ(contrast(), text) << code;
  }
  sim.dragThumb(picker().channelBar(Channel::Red), 255);  // an edit is measured, not taken
  EXPECT_EQ(contrast(), "1.73:1");
  EXPECT_EQ(picker().partnerSwatch().backColor(), rgb(119, 119, 119));
  penTo(Point{100, 60});  // the pen moved onto a new colour: the ratio holds
  EXPECT_EQ(contrast(), "1.73:1");
  sim.advance(50);  // and rests there
  EXPECT_EQ(contrast(), "2.04:1");
}

TEST_F(PickerHistory, ClicksRestoreChooseThePartnerAndCopyWithoutReordering) {
  for (const char* code : {"#FFFFFF", "#777777", "#000000"}) set(code);
  pressSwatch(2, MouseButton::Left);
  expectShows(platform::kWhite, {"#FFFFFF", "255", "255", "255"});
  EXPECT_EQ(contrast(), "21.00:1 AAA");
  pressSwatch(1, MouseButton::Left, {.ctrl = true});
  EXPECT_EQ(contrast(), "4.47:1");
  EXPECT_EQ(picker().partnerSwatch().backColor(), rgb(119, 119, 119));
  pressSwatch(1, MouseButton::Left, {.ctrl = true});  // again: the newest other colour
  EXPECT_EQ(contrast(), "21.00:1 AAA");

  choose(Notation::Rgb);
  pressSwatch(1, MouseButton::Right);
  EXPECT_EQ(sim.clipboard(), "119,119,119");
  sim.clipboardBusy = -1;
  pressSwatch(0, MouseButton::Right);
  EXPECT_EQ(messages(), (std::vector<std::string>{"Can't open Clipboard"}));
  pressSwatch(5, MouseButton::Left);  // an empty slot
  EXPECT_EQ(picker().colour(), platform::kWhite);
  EXPECT_EQ(shownHistory(), (Colours{platform::kBlack, rgb(119, 119, 119), platform::kWhite}));
}

TEST(Contrast, PairsWorkedOutByHandShowTheirCutRatioAndLevel) {
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
  EXPECT_EQ(contrast::textLevelOf(4.5), TextLevel::AA);
  EXPECT_EQ(contrast::textLevelOf(std::nextafter(7.0, 0.0)), TextLevel::AA);
  EXPECT_EQ(contrast::textLevelOf(7), TextLevel::AAA);
}

TEST(ColourHistory, TakingPutsAColourFirstOnceAndDropsTheOldestPastTwelve) {
  ColourHistory history;
  for (const Colour c : {1, 2, 3, 1, 1, 2}) history.take(c);
  EXPECT_EQ(history.colours(), (Colours{2, 1, 3}));  // moved, not added again
  for (Colour c = 4; c <= 13; ++c) history.take(c);
  EXPECT_EQ(history.colours(), (Colours{13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 2, 1}));  // 3, the oldest, went
  history.take(1);  // the last one
  EXPECT_EQ(history.colours(), (Colours{1, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 2}));
  EXPECT_EQ(history.colourAt(11), 2u);
  EXPECT_EQ(history.colourAt(12), std::nullopt);
}

}  // namespace
}  // namespace lindrel::testing
