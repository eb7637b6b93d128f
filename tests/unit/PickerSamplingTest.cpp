// The magnifier window: how it opens, sampling with the pen, and the enlarged image.

#include "tests/unit/PickerApp.h"

namespace lindrel::testing {
namespace {

using platform::Picture;

class PickerSampling : public PickerApp {};

TEST_F(PickerSampling, OpensBesideTheRulerTopmostAndWhiteEverywhere) {
  // The screen has no room for it above or below the ruler in the middle: on its right.
  const Rect r = window().screenRect();
  EXPECT_EQ((Point{r.left, r.top}), (Point{rulerRect().right + 4, rulerRect().top}));
  EXPECT_TRUE(sim.isTopmost(window().hwnd()));
  expectShows(platform::kWhite, {"#FFFFFF", "255", "255", "255"});
  EXPECT_EQ(picker().penButton().picture(), Picture::Pen);
  // The command again leaves the one window open.
  open();
  EXPECT_EQ(window().screenRect(), r);
}

TEST_F(PickerSampling, ThePenSamplesTheColourUnderThePointerUntilReleased) {
  choose(Notation::Rgb);
  penTo(Point{100, 60}, MouseButton::Right);  // any button holds the pen
  EXPECT_EQ(window().pointer(), platform::PointerShape::Pen);
  EXPECT_EQ(picker().penButton().picture(), Picture::None);
  expectShows(rgb(100, 60, 77), {"100,60,77", "100", "60", "77"});
  EXPECT_EQ(magnified(0, 0), rgb(80, 40, 77));  // the pointer 20 pixels in, 5x

  // Live while held, over other windows too: the ruler is yellow.
  sim.moveCursor(Point{rulerRect().left + 3, rulerRect().bottom - 3});
  sim.advance(50);
  EXPECT_EQ(picker().colour(), kYellow);
  releasePen(Point{rulerRect().left + 3, rulerRect().bottom - 3}, MouseButton::Right);
  EXPECT_EQ(window().pointer(), platform::PointerShape::Default);
  EXPECT_EQ(picker().penButton().picture(), Picture::Pen);
  sim.moveCursor(Point{10, 10});
  sim.advance(500);
  EXPECT_EQ(picker().colour(), kYellow);
  EXPECT_EQ(texts()[0], "255,255,0");
}

TEST_F(PickerSampling, APixelTheScreenWillNotReadAloneIsReadFromTheEnlargedCopy) {
  sim.unreadablePixels.insert({30, 40});
  penTo(Point{30, 40});
  EXPECT_EQ(picker().colour(), rgb(30, 40, 77));
  EXPECT_EQ(texts()[0], "#1E284D");
}

TEST_F(PickerSampling, TheSquareReachesPastTheTopLeftCornerInBlack) {
  penTo(Point{5, 3});
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(picker().colour(), rgb(5, 3, 77));
  EXPECT_EQ(magnified(100, 100), rgb(5, 3, 77));
  // 15 columns and 17 rows of the square lie off the desktop.
  EXPECT_EQ(magnified(74, 100), rgb(0, 0, 0));
  EXPECT_EQ(magnified(75, 100), rgb(0, 3, 77));
  EXPECT_EQ(magnified(100, 84), rgb(0, 0, 0));
  EXPECT_EQ(magnified(100, 85), rgb(5, 0, 77));
  // Back in the open, the black is gone.
  sim.moveCursor(Point{200, 200});
  sim.advance(50);
  EXPECT_EQ(magnified(0, 0), rgb(180, 180, 77));
}

}  // namespace
}  // namespace lindrel::testing
