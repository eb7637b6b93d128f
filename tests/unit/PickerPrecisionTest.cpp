// Precise picking: the zoom steps and where the screen lands in the view, the grid and the
// outline, averaging, and moving the sample (or the pointer) from the keyboard.

#include "picker/MagnifiedView.h"
#include "tests/unit/PickerApp.h"

namespace lindrel::testing {
namespace {

using magnified::Sampling;
using magnified::ViewLayout;
using platform::Key;
using platform::Modifiers;
using platform::kShiftOnly;

constexpr Modifiers kCtrl{.ctrl = true};
constexpr Point kViewAt96{209, 193};  // the view's size at 100 %

TEST(ViewLayout, EachZoomShowsTheScreenRoundTheSampleWithItsBlockInOnePlace) {
  // Screen pixels shown left, above, right and below the sample (counted by hand from a
  // block of zoom x DPI/96 pixels centred 102.5 pixels into the view at 100 %).
  struct Case {
    int zoom, dpi;
    Point viewSize;
    int left, top, right, bottom;
  };
  const Case cases[] = {
      {5, 96, kViewAt96, 20, 20, 21, 18},  // as the view always was
      {5, 192, {418, 386}, 20, 20, 21, 18},
      {2, 96, kViewAt96, 51, 51, 53, 45},
      {16, 144, {314, 290}, 6, 6, 7, 6},  // 24-pixel blocks
  };
  const Point sample{700, 300};
  for (const Case& c : cases) {
    const ViewLayout layout(sample, c.zoom, c.dpi, c.viewSize);
    EXPECT_EQ(layout.sourceArea(), (Rect{700 - c.left, 300 - c.top, 701 + c.right, 301 + c.bottom})) << c.zoom << "x";
    // A block's every pixel shows its own screen pixel, the next one the next.
    const Rect sampled = layout.blockOf(sample);
    EXPECT_EQ(sampled.width(), c.zoom * c.dpi / 96) << c.zoom << "x";
    EXPECT_EQ(layout.sourceAt(Point{sampled.right - 1, sampled.bottom - 1}), sample) << c.zoom << "x";
    EXPECT_EQ(layout.sourceAt(Point{sampled.left - 1, sampled.bottom}), (Point{699, 301})) << c.zoom << "x";
  }
}

class PickerPrecision : public PickerApp {
 protected:
  explicit PickerPrecision(Colour (*desktop)(Point) = desktopPattern) : PickerApp({}, desktop) {}

  platform::sim::SimPictureBox& view() { return dynamic_cast<platform::sim::SimPictureBox&>(picker().magnifierView()); }
  Point viewCentre() { return centreOf(picker().magnifierView()); }
  void focusView() { sim.focus(&picker().magnifierView()); }
  void zoomTo(int zoom) {
    while (picker().zoom() < zoom) sim.wheel(viewCentre(), 1);
    while (picker().zoom() > zoom) sim.wheel(viewCentre(), -1);
  }
  // Picks a pixel with the pen and lets it go.
  void pick(Point at) {
    penTo(at);
    releasePen(at);
  }
  // The frame of black or white drawn round the sampled area in the view, found by its
  // colour (the desktops here have neither), and whether it is whole.
  Rect outline() {
    const Point size = view().surface().size();
    Rect box{size.x, size.y, 0, 0};
    for (int y = 0; y < size.y; ++y) {
      for (int x = 0; x < size.x; ++x) {
        if (isOutline(magnified(x, y))) box = Rect{std::min(box.left, x), std::min(box.top, y),
                                                   std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
      }
    }
    for (int x = box.left; x < box.right; ++x) EXPECT_TRUE(isOutline(magnified(x, box.top)) && isOutline(magnified(x, box.bottom - 1)));
    for (int y = box.top; y < box.bottom; ++y) EXPECT_TRUE(isOutline(magnified(box.left, y)) && isOutline(magnified(box.right - 1, y)));
    return box;
  }
  static bool isOutline(Colour c) { return c == platform::kBlack || c == platform::kWhite; }
};

TEST_F(PickerPrecision, AtEveryZoomTheOutlineHoldsTheSampledPixelAndAPressTakesThePixelUnderIt) {
  constexpr Colour kGrid = rgb(0x80, 0x80, 0x80);
  EXPECT_EQ(window().caption(), " 屏幕放大取色器 by:zyn  5x");
  for (const int zoom : magnified::kZoomSteps) {
    zoomTo(zoom);
    EXPECT_EQ(window().caption(), " 屏幕放大取色器 by:zyn  " + std::to_string(zoom) + "x");
    pick(Point{300, 150});
    // Inside the outline: the sampled pixel and nothing else, grid lines aside.
    const Rect frame = outline();
    bool gridSeen = false;
    for (int y = frame.top + 1; y < frame.bottom - 1; ++y) {
      for (int x = frame.left + 1; x < frame.right - 1; ++x) {
        const Colour c = magnified(x, y);
        gridSeen = gridSeen || c == kGrid;
        EXPECT_TRUE(c == kGrid || c == rgb(300 & 0xFF, 150, 77)) << zoom << "x at " << x << "," << y;
      }
    }
    EXPECT_FALSE(gridSeen) << zoom << "x";  // the frame lies on the grid lines round the pixel
    // From 8x a grid line runs between the sampled pixel's right neighbour and the next one.
    const int block = frame.width() - (zoom >= 8 ? 1 : 2);
    EXPECT_EQ(magnified(frame.right + block - 1, frame.top + 2) == kGrid, zoom >= 8) << zoom << "x";
    // A press on the frame's left line, or on the grid two blocks right, takes the pixel
    // shown there, and the view centres on it.
    const Point onView = onEnlargedImage(0, 0);
    const int leftLine = frame.left + (zoom >= 8 ? 0 : 1);
    sim.click(MouseButton::Left, Point{onView.x + leftLine, onView.y + frame.top + 2});
    EXPECT_EQ(picker().colour(), rgb(300 & 0xFF, 150, 77)) << zoom << "x";
    sim.click(MouseButton::Left, Point{onView.x + leftLine + 2 * block, onView.y + frame.top + 2});
    EXPECT_EQ(picker().colour(), rgb(302 & 0xFF, 150, 77)) << zoom << "x";
    EXPECT_EQ(outline(), frame) << zoom << "x";
  }
}

TEST_F(PickerPrecision, ArrowsMoveThePointerWhilePickingAndTheSampleInTheFocusedViewKeptOnTheDesktop) {
  struct Case {
    Point from;
    Key key;
    Modifiers modifiers;
    Point to;
  };
  const Case cases[] = {
      {{100, 60}, Key::Right, {}, {101, 60}},      {{100, 60}, Key::Up, {}, {100, 59}},
      {{100, 60}, Key::Down, kShiftOnly, {100, 70}}, {{100, 60}, Key::Left, kShiftOnly, {90, 60}},
      {{4, 5}, Key::Left, kShiftOnly, {0, 5}},      {{1275, 795}, Key::Down, kShiftOnly, {1275, 799}},
      {{1279, 0}, Key::Right, {}, {1279, 0}},       {{3, 3}, Key::Up, kShiftOnly, {3, 0}},
  };
  const Rect ruler = rulerRect();
  for (const Case& c : cases) {
    // The pen held: the pointer moves, the sample follows at once.
    sim.mouseDown(MouseButton::Left, centreOf(picker().penButton()));
    sim.moveCursor(c.from);
    sim.keyDown(c.key, c.modifiers);
    EXPECT_EQ(sim.cursor(), c.to);
    EXPECT_EQ(picker().colour(), rgb(c.to.x & 0xFF, c.to.y & 0xFF, 77));
    releasePen(c.to);
    // The pen released, the view focused: the sample moves from where it was.
    pick(c.from);
    focusView();
    sim.keyDown(c.key, c.modifiers);
    EXPECT_EQ(picker().colour(), rgb(c.to.x & 0xFF, c.to.y & 0xFF, 77));
    EXPECT_EQ(swatch(), picker().colour());
    EXPECT_EQ(bars()[0], c.to.x & 0xFF);
    EXPECT_EQ(picker().viewLayout().sample(), c.to);
    EXPECT_EQ(sim.cursor(), c.from);
  }
  EXPECT_EQ(rulerRect(), ruler);
}

// The menu key on the ruler, the magnifier by its item, Tab to the view: a step from the
// pointer, Space takes, Ctrl+C copies, + and - zoom within their steps. Elsewhere in the
// window the keys are the controls' own.
TEST_F(PickerPrecision, FromTheKeyboardAloneAPixelIsTakenCopiedAndZoomed) {
  sim.closeBox(window());
  sim.activate(&rulerWindow());
  sim.onPopupMenu = [](const platform::sim::PopupRecord&) { return std::vector<std::string>{"放大取色(&Z)"}; };
  sim.keyDown(Key::ContextMenu);
  EXPECT_EQ(sim.popups().back().at, (Point{rulerRect().left, rulerRect().top}));  // at the strip, not the pointer
  ASSERT_TRUE(window().isOpen());
  focusView();
  sim.setCursor(Point{300, 200});
  for (const Key key : {Key::Down, Key::Left, Key::Space}) sim.keyDown(key, key == Key::Down ? kShiftOnly : Modifiers{});
  sim.keyDown(Key::C, kCtrl);
  EXPECT_EQ(picker().history().front(), rgb(299 & 0xFF, 210, 77));
  EXPECT_EQ(sim.clipboard(), "#2BD24D");
  for (const Key key : {Key::Plus, Key::Plus, Key::Minus}) sim.keyDown(key);
  EXPECT_EQ(picker().zoom(), 6);
  for (int i = 0; i < 6; ++i) sim.keyDown(Key::Minus);
  EXPECT_EQ(picker().zoom(), 2);
  sim.type(picker().codeBox(), "");
  for (const Key key : {Key::Right, Key::Plus, Key::Return}) sim.keyDown(key);
  EXPECT_EQ(picker().colour(), rgb(299 & 0xFF, 210, 77));
  EXPECT_EQ(picker().zoom(), 2);
  EXPECT_EQ(picker().history().size(), 1u);
}

// A checkerboard of red and blue, red at the top-left corner.
Colour checkerboard(Point p) { return (p.x + p.y) % 2 == 0 ? rgb(255, 0, 0) : rgb(0, 0, 255); }

class PickerAveraging : public PickerPrecision {
 protected:
  PickerAveraging() : PickerPrecision(checkerboard) {}
};

TEST_F(PickerAveraging, TheColourIsTheRoundedMeanOfTheSquareOnTheDesktopAndTheOutlineShowsIt) {
  struct Case {
    const char* item;
    Sampling sampling;
    Point at;
    int red, blue;  // the means, rounded
    int blocksEachWay;
  };
  const Case cases[] = {
      {"3×3 平均(&3)", Sampling::Average3x3, {100, 60}, 142, 113, 3},  // 5 red of 9
      {"5×5 平均(&5)", Sampling::Average5x5, {101, 60}, 122, 133, 5},  // 12 red of 25
      {"3×3 平均(&3)", Sampling::Average3x3, {0, 0}, 128, 128, 0},     // 2 red of the 4 on the desktop
      {"单点取色(&P)", Sampling::Point, {101, 60}, 0, 255, 1},
  };
  zoomTo(10);
  std::string checked = "单点取色(&P)";
  for (const Case& c : cases) {
    sim.onPopupMenu = [&](const platform::sim::PopupRecord&) { return std::vector<std::string>{c.item}; };
    sim.click(MouseButton::Right, viewCentre());
    EXPECT_EQ(sim.popups().back().checked, std::vector<std::string>{checked});  // the menu marks the sampling in use
    EXPECT_EQ(picker().sampling(), c.sampling);
    checked = c.item;
    pick(c.at);
    EXPECT_EQ(picker().colour(), rgb(c.red, 0, c.blue)) << c.item;
    // The outline runs on the grid lines round the whole area (off the desktop the view is black).
    EXPECT_TRUE(c.blocksEachWay == 0 || outline().width() == c.blocksEachWay * 10 + 1) << c.item;
  }
}

}  // namespace
}  // namespace lindrel::testing
