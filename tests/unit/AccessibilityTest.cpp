// For screen readers and high contrast: how changes are coalesced into events, that every
// control has a name, and the strip's colours following the user's.

#include "platform/ChangeCoalescer.h"
#include "tests/unit/SimProgram.h"

namespace lindrel::testing {
namespace {

using platform::ChangeCoalescer;

TEST(ChangeCoalescer, TellsAtOnceAfterAQuietGapAndTheLastOfARunWhenTheGapHasPassed) {
  enum Event { Change, Timer };
  const struct {
    Event event;
    int at;
    ChangeCoalescer::Step step;
  } rows[] = {
      {Change, 0, {true, {}}},       // the first is told at once
      {Change, 50, {false, 200}},    // a drag goes on: held for the rest of the gap
      {Change, 120, {false, 200}},
      {Timer, 200, {true, {}}},      // the last of them, once
      {Timer, 400, {false, {}}},     // nothing waits
      {Change, 450, {true, {}}},     // a gap has passed since the last telling
      {Change, 500, {false, 650}},
      {Timer, 640, {false, 650}},    // a timer that fires early waits on
      {Timer, 650, {true, {}}},
  };
  ChangeCoalescer coalescer(200);
  for (const auto& [event, at, step] : rows) {
    EXPECT_EQ(event == Change ? coalescer.changed(at) : coalescer.timerFired(at), step) << "at " << at;
  }
}

TEST(Accessibility, EveryControlOfTheMagnifierAndTheAboutBoxHasANameAndEachSwatchItsCode) {
  SimProgram p;
  p.app.openMagnifier();
  p.app.magnifier().setButton().onClick();  // takes the white it holds
  const std::vector<std::string> magnifier = p.magnifierWindow().accessibleNames();
  std::vector<std::string> about;
  p.sim.onModal = [&](platform::Window& w) { about = dynamic_cast<SimWindow&>(w).accessibleNames(); };
  p.app.showAbout();
  for (const auto& names : {magnifier, about}) {
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(std::count(names.begin(), names.end(), ""), 0);
  }
  const auto& pictures = p.magnifierWindow().pictureBoxes();
  EXPECT_EQ(pictures[2]->accessibleName, "#FFFFFF");  // the newest colour's swatch
  EXPECT_EQ(pictures[3]->accessibleName, "空");
}

TEST(HighContrast, TheStripTakesTheSystemsWindowColoursWhileItIsOnAndIsYellowAgainAfter) {
  SimProgram p;
  const platform::SystemColours on{true, platform::rgb(0, 0, 0), platform::rgb(255, 255, 0)};
  const Point blank{1, p.ruler().height() - 2}, tick{0, 0};
  const auto strip = [&] { return std::pair{p.rulerWindow().clientPixel(blank), p.rulerWindow().clientPixel(tick)}; };
  const std::pair yellow{platform::rgb(255, 255, 0), platform::kBlack};
  ASSERT_EQ(strip(), yellow);
  p.sim.changeSystemColours(on);
  EXPECT_EQ(strip(), std::pair(on.window, on.windowText));
  EXPECT_EQ(p.app.ruler().readoutLabel().colour(), on.windowText);
  p.sim.changeSystemColours({});
  EXPECT_EQ(strip(), yellow);
}

}  // namespace
}  // namespace lindrel::testing
