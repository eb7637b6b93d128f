// The ruler under the mouse and the keyboard: edge zones, drags and the size guard, the
// context menu with its unit commands, the orientation switch and the arrow keys.

#include "tests/unit/SimApp.h"

namespace lindrel::testing {
namespace {

using platform::Key;
using platform::Modifiers;
using platform::MouseButton;
using platform::PointerShape;

class RulerInteraction : public SimApp {
 protected:
  // Lets the zone timer see the pointer.
  void hover(Point p) {
    sim.moveCursor(p);
    sim.advance(100);
  }
  Point insideReadout() {
    const Rect r = ruler().readoutLabel().pixelRect();
    return Point{rulerRect().left + r.left + 2, rulerRect().top + r.top + 2};
  }
  // The unit as the readout shows it, on one line or broken over two.
  std::string readoutUnit() {
    std::string c = ruler().readoutLabel().caption();
    c = c.substr(0, std::min(c.find(" | "), c.find("\nX:")));
    std::replace(c.begin(), c.end(), '\n', ' ');
    return c;
  }
  void gesture(Point from, const std::vector<Point>& through) {
    sim.mouseDown(MouseButton::Left, from);
    Point at = from;
    for (const Point p : through) sim.moveCursor(at = p);
    sim.mouseUp(MouseButton::Left, at);
  }
};

TEST_F(RulerInteraction, TheDoubleArrowsShowOnlyOverTheStripsOwnBandsAndOnlyWhileThePointerIsThere) {
  // The strip is at (320, 366) - (960, 433); the bands are its last 4 pixels.
  using Z = DragZone;
  using P = PointerShape;
  const std::tuple<Point, DragZone, PointerShape> cases[] = {
      {{955, 400}, Z::Move, P::Default},      {{956, 400}, Z::RightEdge, P::SizeWE},
      {{959, 400}, Z::RightEdge, P::SizeWE},  {{500, 428}, Z::Move, P::Default},
      {{500, 429}, Z::BottomEdge, P::SizeNS}, {{956, 429}, Z::Corner, P::SizeNWSE},
      {{959, 432}, Z::Corner, P::SizeNWSE},
  };
  for (const auto& [at, zone, pointer] : cases) {
    hover(at);
    EXPECT_EQ(std::pair(ruler().dragZone(), rulerWindow().pointer()), std::pair(zone, pointer)) << at.x << "," << at.y;
    EXPECT_TRUE(ruler().edgeZoneTimer().enabled());
  }
  // Off the strip (beside a band, or far along it) nothing follows the pointer any more.
  for (const Point away : {Point{965, 400}, Point{500, 440}, Point{958, 5}}) {
    hover(away);
    EXPECT_EQ(ruler().dragZone(), DragZone::None);
    EXPECT_FALSE(ruler().edgeZoneTimer().enabled());
  }
}

TEST_F(RulerInteraction, ThePressDecidesTheZoneNotTheLastTick) {
  hover(Point{958, 400});
  hover(Point{940, 400});
  sim.setCursor(Point{958, 400});  // into the band with no tick since
  sim.mouseDown(MouseButton::Left, Point{958, 400});
  sim.moveCursor(Point{1000, 400});
  sim.advance(300);
  EXPECT_EQ(rulerWindow().pointer(), PointerShape::SizeWE);
  sim.mouseUp(MouseButton::Left, Point{1000, 400});
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 1000, 433}));
  hover(Point{998, 400});
  sim.setCursor(Point{900, 400});  // out of the band again
  gesture(Point{900, 400}, {Point{910, 410}});
  EXPECT_EQ(rulerRect(), (Rect{330, 376, 1010, 443}));
}

TEST_F(RulerInteraction, DraggingAnEdgeTheCornerTheStripOrALabelFollowsThePointer) {
  // From, to, the strip after, and its readout (nullptr: not checked).
  const std::tuple<Point, Point, Rect, const char*> cases[] = {
      // 2 pixels inside the right edge: the edge lands 48 pixels further right.
      {{958, 400}, {1008, 400}, {320, 366, 1008, 433}, "单位:像素 | X: 688.00 Y: 67.00"},
      {{500, 431}, {500, 481}, {320, 366, 1008, 481}, nullptr},
      {{1006, 479}, {1000, 530}, {320, 366, 1000, 530}, "单位:像素 | X: 680.00 Y: 164.00"},
      // The pressed point stays under the pointer.
      {{400, 400}, {450, 420}, {370, 386, 1050, 550}, nullptr},
  };
  for (const auto& [from, to, after, readout] : cases) {
    hover(from);
    sim.drag(from, to);
    EXPECT_EQ(rulerRect(), after);
    if (readout != nullptr) EXPECT_EQ(ruler().readoutLabel().caption(), readout);
  }
  const Point onLabel = insideReadout();
  hover(onLabel);
  sim.drag(onLabel, Point{onLabel.x - 300, onLabel.y - 100}, 7);
  EXPECT_EQ(rulerRect(), (Rect{70, 286, 750, 450}));
  EXPECT_TRUE(sim.messageBoxes().empty());
}

TEST_F(RulerInteraction, ASizeTooSmallBringsOneMessageAndTheSizeTheGestureBeganWith) {
  const auto hwnd = rulerWindow().hwnd();
  bool topmostDuringMessage = true;
  sim.onMessageBox = [&](const platform::sim::MessageBoxRecord& box) { topmostDuringMessage = box.topmost.at(hwnd); };
  sim.drag(Point{958, 400}, Point{1100, 400});  // a length set on an object
  const Rect measured{320, 366, 1100, 433};
  // The bottom edge up past the minimum, the right edge past the left one, the corner both.
  const std::pair<Point, std::vector<Point>> gestures[] = {
      {{500, 431}, {{500, 420}, {500, 390}, {500, 380}}},
      {{1098, 400}, {{700, 400}, {300, 400}, {200, 400}}},
      {{1098, 431}, {{1000, 380}, {300, 370}}},
  };
  for (const auto& [from, through] : gestures) {
    const std::size_t before = sim.messageBoxes().size();
    gesture(from, through);
    ASSERT_EQ(sim.messageBoxes().size(), before + 1);
    EXPECT_EQ(sim.messageBoxes().back().text, "App Size Error by:zyn");
    EXPECT_FALSE(topmostDuringMessage);
    EXPECT_EQ(rulerRect(), measured);
    EXPECT_TRUE(sim.isTopmost(hwnd));
  }
  // No drag is left behind: a later move with a button held does nothing.
  sim.mouseDown(MouseButton::Left, Point{20, 20});
  sim.moveCursor(Point{60, 90});
  EXPECT_EQ(rulerRect(), measured);
}

TEST_F(RulerInteraction, MiddleButtonsAndTwoButtonDragsChangeNothing) {
  hover(rulerMiddle());
  sim.onPopupMenu = [](const platform::sim::PopupRecord&) { return std::vector<std::string>{}; };
  for (const auto& held : {std::vector{MouseButton::Middle}, std::vector{MouseButton::Left, MouseButton::Right}}) {
    for (const MouseButton b : held) sim.mouseDown(b, Point{400, 400});
    sim.moveCursor(Point{450, 420});
    for (auto b = held.rbegin(); b != held.rend(); ++b) sim.mouseUp(*b, Point{450, 420});
  }
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));
}

class WideDesktopDrag : public SimApp {
 protected:
  WideDesktopDrag()
      : SimApp(platform::sim::SimConfig{{{Rect{0, 0, 1280, 800}, true},
                                         {Rect{-1920, 0, 0, 1080}, false},
                                         {Rect{1280, 0, 5120, 2160}, false}}}) {}
};

TEST_F(WideDesktopDrag, TheStripMovesOntoEveryMonitorAndItsScaleReachesItsEndHoweverLong) {
  sim.drag(Point{400, 400}, Point{-1500, 500}, 40);
  EXPECT_EQ(rulerRect(), (Rect{-1580, 466, -940, 533}));
  sim.drag(Point{-1500, 500}, Point{4500, 1900}, 60);
  EXPECT_EQ(rulerRect(), (Rect{4420, 1866, 5060, 1933}));
  // Stretched over three monitors: ticks to the far end, drawn where nothing showed yet.
  sim.drag(Point{4500, 1900}, Point{-1000, 500}, 200);
  ASSERT_EQ(rulerRect(), (Rect{-1080, 466, -440, 533}));
  sim.drag(Point{-442, 500}, Point{4900, 500}, 300);
  EXPECT_EQ(rulerRect().width(), 5980);
  EXPECT_EQ(tickLengthAt(5970), 19);
  EXPECT_EQ(tickLengthAt(5974), 5);
  EXPECT_TRUE(sim.messageBoxes().empty());
}

TEST_F(RulerInteraction, TheMenuOpensAtThePointerFromTheStripAndFromEitherLabel) {
  const std::vector<std::string> expected = {"单位设置(&W)", "-", "放大取色(&Z)", "-", "关于软件(&A)", "-",
                                             "恢复默认(&R)", "退出程序(&E)"};
  const Rect credit = ruler().creditLabel().pixelRect();
  const Point onCredit{rulerRect().left + credit.left + 3, rulerRect().top + credit.top + 3};
  for (const Point at : {rulerMiddle(), insideReadout(), onCredit}) chooseFromMenu(at, "");
  ASSERT_EQ(sim.popups().size(), 3u);
  for (const auto& popup : sim.popups()) EXPECT_EQ(popup.captions, expected);
  EXPECT_EQ(sim.popups()[0].at, rulerMiddle());
}

struct UnitCase {
  const char* name;  // the test's name: menu captions are not valid identifiers
  const char* item;
  Unit unit;
  const char* unitText;
  platform::sim::TextRecord horizontalMark;  // a number the horizontal scale writes
  platform::sim::TextRecord verticalMark;
};

void PrintTo(const UnitCase& u, std::ostream* os) { *os << u.name; }

class UnitCommands : public RulerInteraction, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(UnitCommands, RedrawTheScaleInTheUnitKeepTheStripsPlaceAndSizeAndShowTheWholeReadoutClearOfTheNumbers) {
  const UnitCase& u = GetParam();
  placeRuler(Rect{100, 200, 740, 267});
  const int vertical = ruler().defaultThicknessPixels(Orientation::Vertical);
  // Both at the default thickness.
  for (const Rect kept : {Rect{100, 200, 740, 267}, Rect{100, 160, 100 + vertical, 800}}) {
    const bool horizontal = kept.width() > kept.height();
    if (!horizontal) ruler().toggleOrientation();
    const std::size_t shownBefore = rulerWindow().shownRects().size();
    chooseFromMenu(rulerMiddle(), u.item);
    EXPECT_EQ(ruler().state().unit, u.unit);
    EXPECT_EQ(rulerRect(), kept);
    EXPECT_EQ(readoutUnit(), u.unitText);
    // On one line on a horizontal strip; beside the numbers, the unit on a line of its own.
    const std::string& caption = ruler().readoutLabel().caption();
    EXPECT_NE(caption.find(horizontal ? " | X: " : "\nX: "), std::string::npos) << caption;
    EXPECT_NE(caption.find("Y: "), std::string::npos) << caption;
    EXPECT_EQ(caption.find('\n') == std::string::npos, horizontal) << caption;
    EXPECT_EQ(ruler().creditLabel().caption(), "Lindrel");
    expectLabelsReadable(horizontal ? "horizontal" : "vertical");
    const auto& mark = horizontal ? u.horizontalMark : u.verticalMark;
    EXPECT_TRUE(wroteText(mark.text, mark.at));
    // Nothing but the strip itself reached the screen: no flash of another size.
    for (std::size_t i = shownBefore; i < rulerWindow().shownRects().size(); ++i) {
      EXPECT_EQ(rulerWindow().shownRects()[i], kept);
    }
  }
  EXPECT_FALSE(wroteText(u.horizontalMark.text, u.horizontalMark.at));  // the old scale was cleared
}

using R = Resolution;
const UnitCase kUnitCases[] = {
    {"Pixels", "像素(&P)", Unit::pixels(), "单位:像素", {{24, 18}, "30"}, {{23, 25}, "30"}},
    {"Cm72Dpi", "72 DPI", Unit::centimetres(R::Dpi72), "单位: 厘米 72 DPI", {{26, 18}, "1"}, {{23, 26}, "1"}},
    {"Cm200Dpi", "200 DPI(FAX)", Unit::centimetres(R::Dpi200Fax), "单位:厘米 200 DPI(FAX)", {{76, 18}, "1"}, {{23, 77}, "1"}},
    {"Cm300Dpi", "300 DPI", Unit::centimetres(R::Dpi300), "单位:厘米 300 DPI", {{116, 18}, "1"}, {{23, 116}, "1"}},
    {"Cm600Dpi", "600 DPI", Unit::centimetres(R::Dpi600), "单位:厘米 600 DPI", {{111, 18}, "0.5"}, {{23, 112}, "0.5"}},
    {"Cm1200Dpi", "1200 DPI", Unit::centimetres(R::Dpi1200), "单位:厘米 1200 DPI", {{87, 18}, "0.2"}, {{23, 88}, "0.2"}},
};
INSTANTIATE_TEST_SUITE_P(EveryUnit, UnitCommands, ::testing::ValuesIn(kUnitCases),
                         [](const ::testing::TestParamInfo<UnitCase>& info) { return std::string(info.param.name); });

TEST_F(RulerInteraction, TurningKeepsLengthAndThicknessAndTheStripOnItsMonitor) {
  const int verticalDefault = ruler().defaultThicknessPixels(Orientation::Vertical);
  const std::pair<Rect, Rect> cases[] = {
      // At the default thickness the strip takes the other orientation's, and near the
      // bottom edge it moves up just enough; turned back, it has its first size.
      {{320, 366, 960, 433}, {320, 160, 320 + verticalDefault, 800}},
      {{320, 160, 320 + verticalDefault, 800}, {320, 160, 960, 227}},
      // A thickness of its own stays; longer than the monitor is tall, the length is cut.
      {{0, 100, 1000, 200}, {0, 0, 100, 800}},
      // Near the right edge it moves left just enough.
      {{1200, 100, 1270, 500}, {880, 100, 1280, 170}},
  };
  for (const auto& [before, after] : cases) {
    placeRuler(before);
    const Orientation turnedFrom = ruler().state().orientation;
    sim.doubleClick(Point{before.left + 10, before.top + 10});
    EXPECT_NE(ruler().state().orientation, turnedFrom);
    EXPECT_EQ(rulerRect(), after);
  }
  EXPECT_TRUE(sim.messageBoxes().empty());
}

TEST_F(RulerInteraction, ArrowKeysMoveTheStripAndWithShiftAloneResizeIt) {
  const std::string readout = ruler().readoutLabel().caption();
  sim.keyDown(Key::Right);
  EXPECT_EQ(rulerRect(), (Rect{321, 366, 961, 433}));  // 4820 twips
  sim.keyDown(Key::Down);
  EXPECT_EQ(rulerRect().top, 367);
  EXPECT_EQ(ruler().readoutLabel().caption(), readout);  // a move leaves the readout
  for (const Modifiers modifiers : {Modifiers{}, Modifiers{.ctrl = true}, Modifiers{.alt = true},
                                    Modifiers{.shift = true, .ctrl = true}}) {
    const Rect before = rulerRect();
    sim.keyDown(Key::Left, modifiers);
    EXPECT_EQ(rulerRect().width(), before.width());
    EXPECT_LT(rulerRect().left, before.left);
  }
  sim.keyDown(Key::Down, platform::kShiftOnly);
  EXPECT_EQ(rulerRect().height(), 68);  // 1025 twips
  EXPECT_EQ(ruler().readoutLabel().caption(), "单位:像素 | X: 640.00 Y: 68.00");
  sim.keyDown(Key::Right, platform::kShiftOnly);
  EXPECT_EQ(rulerRect().width(), 641);
  const Rect before = rulerRect();
  sim.keyDown(Key::Other);
  sim.keyDown(Key::Other, platform::kShiftOnly);
  EXPECT_EQ(rulerRect(), before);
}

TEST_F(RulerInteraction, ShiftUpStopsAtTheMinimumWithOneMessageAndTheSizeItHad) {
  const auto hwnd = rulerWindow().hwnd();
  bool topmostWhileUp = true;
  sim.onMessageBox = [&](const platform::sim::MessageBoxRecord& box) { topmostWhileUp = box.topmost.at(hwnd); };
  int presses = 0;
  while (sim.messageBoxes().empty() && presses < 100) {
    sim.keyDown(Key::Up, platform::kShiftOnly);
    ++presses;
  }
  EXPECT_EQ(presses, 34);  // 20 twips round to one pixel a press: 34 pixels pass, 33 do not
  EXPECT_EQ(messages(), std::vector<std::string>{"App Size Error by:zyn"});
  EXPECT_FALSE(topmostWhileUp);
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 400}));
  EXPECT_TRUE(sim.isTopmost(hwnd));
  EXPECT_EQ(ruler().readoutLabel().caption(), "");  // no figure fits whole below the numbers
}

}  // namespace
}  // namespace lindrel::testing
