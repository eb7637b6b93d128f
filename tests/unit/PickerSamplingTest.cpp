// The magnifier window: how it opens, sampling with the pen, the enlarged image, and a pick
// from the enlarged image.

#include "tests/unit/PickerApp.h"

namespace lindrel::testing {
namespace {

using platform::Picture;

class PickerSampling : public PickerApp {};

TEST_F(PickerSampling, OpensFromTheMenuCentredTopmostWithItsDesignValues) {
  const Rect r = window().screenRect();
  EXPECT_LE(std::abs(r.left + r.right - 1280), 1);
  EXPECT_LE(std::abs(r.top + r.bottom - 800), 1);
  EXPECT_TRUE(sim.isTopmost(window().hwnd()));
  EXPECT_EQ(texts(), (std::vector<std::string>{"#FFFFFF", "255", "255", "255"}));
  EXPECT_EQ(bars(), (std::vector<int>{255, 255, 255}));
  EXPECT_EQ(picker().penButton().picture(), Picture::Pen);
  // The code box shows white while the stored colour is black: another notation tells.
  EXPECT_EQ(picker().colour(), 0);
  choose(Notation::Vb);
  EXPECT_EQ(picker().codeBox().text(), "&h000000");
  // The command again leaves the one window open.
  open();
  EXPECT_EQ(picker().codeBox().text(), "&h000000");
}

TEST_F(PickerSampling, ThePenSamplesTheColourUnderThePointerUntilReleased) {
  choose(Notation::Rgb);
  penTo(Point{100, 60}, MouseButton::Right);  // any button holds the pen
  EXPECT_EQ(window().pointer(), Picture::Pen);
  EXPECT_EQ(picker().penButton().picture(), Picture::None);
  EXPECT_EQ(picker().colour(), rgb(100, 60, 77));
  EXPECT_EQ(texts(), (std::vector<std::string>{"100,60,77", "100", "60", "77"}));
  EXPECT_EQ(bars(), (std::vector<int>{100, 60, 77}));
  EXPECT_EQ(swatch(), rgb(100, 60, 77));
  // Each screen pixel is a 5 x 5 block; the pointer's fills 100 to 104 each way.
  for (int x : {100, 104}) {
    for (int y : {100, 104}) EXPECT_EQ(magnified(x, y), rgb(100, 60, 77)) << x << "," << y;
  }
  EXPECT_EQ(magnified(99, 100), rgb(99, 60, 77));
  EXPECT_EQ(magnified(105, 95), rgb(101, 59, 77));
  EXPECT_EQ(magnified(0, 0), rgb(80, 40, 77));

  // Live while held, over other windows too: the ruler is yellow.
  sim.moveCursor(Point{rulerRect().left + 3, rulerRect().bottom - 3});
  sim.advance(50);
  EXPECT_EQ(picker().colour(), kYellow);
  releasePen(Point{rulerRect().left + 3, rulerRect().bottom - 3}, MouseButton::Right);
  EXPECT_EQ(window().pointer(), Picture::None);
  EXPECT_EQ(picker().penButton().picture(), Picture::Pen);
  sim.moveCursor(Point{10, 10});
  sim.advance(500);
  EXPECT_EQ(picker().colour(), kYellow);
  EXPECT_EQ(texts()[0], "255,255,0");
}

TEST_F(PickerSampling, AnUnreadablePixelIsReadThroughTheSwatch) {
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

TEST_F(PickerSampling, APressInTheEnlargedImagePicksFromIt) {
  penTo(Point{300, 150});
  releasePen(Point{300, 150});
  // The enlarged image's pixel under the pointer is a block of the screen pixel (288, 140).
  const platform::sim::SimPictureBox& image = dynamic_cast<platform::sim::SimPictureBox&>(picker().magnifierView());
  const Point origin = window().clientOrigin();
  const Point at{origin.x + image.inner().left + 42, origin.y + image.inner().top + 51};
  sim.mouseDown(MouseButton::Left, at);
  sim.mouseUp(MouseButton::Left, at);
  EXPECT_EQ(picker().colour(), rgb(288, 140, 77));
  EXPECT_EQ(magnified(100, 100), rgb(300, 150, 77));  // not painted again
}

}  // namespace
}  // namespace lindrel::testing
