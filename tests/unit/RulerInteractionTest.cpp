// The ruler under the mouse and the keyboard: edge zones, drags, the context menu with its
// unit commands, the orientation switch and the arrow keys.

#include "tests/unit/SimApp.h"

namespace lindrel::testing {
namespace {

using platform::Key;
using platform::Modifiers;
using platform::MouseButton;
using platform::PointerShape;

class RulerInteraction : public SimApp {
 protected:
  // Puts the pointer somewhere and lets the zone timer look at it.
  void hover(Point p) {
    sim.moveCursor(p);
    sim.advance(100);
  }
  Point insideReadout() {
    const Rect r = ruler().readoutLabel().pixelRect();
    return Point{rulerRect().left + r.left + 2, rulerRect().top + r.top + 2};
  }
  std::string readoutUnit() {
    const std::string& c = ruler().readoutLabel().caption();
    return c.substr(0, c.find(" | "));
  }
};

TEST_F(RulerInteraction, ZonesAndPointersFollowTheBandsOfTheRightAndBottomEdges) {
  // The strip is at (320, 366) - (960, 433): R = 960, B = 433.
  struct Case {
    Point at;
    DragZone zone;
    PointerShape pointer;
  };
  using Z = DragZone;
  using P = PointerShape;
  const Case cases[] = {
      {{955, 400}, Z::Move, P::Default},         {{956, 400}, Z::RightEdge, P::SizeWE},
      {{969, 400}, Z::RightEdge, P::SizeWE},     {{970, 400}, Z::Move, P::Default},
      {{958, 5}, Z::RightEdge, P::SizeWE},       // far above: the band has no end
      {{500, 428}, Z::Move, P::Default},         {{500, 429}, Z::BottomEdge, P::SizeNS},
      {{500, 442}, Z::BottomEdge, P::SizeNS},    {{500, 443}, Z::Move, P::Default},
      {{10, 435}, Z::BottomEdge, P::SizeNS},     {{956, 429}, Z::Corner, P::SizeNWSE},
      {{1270, 790}, Z::Corner, P::SizeNWSE},     // the corner zone has no outer limit
      {{955, 700}, Z::Move, P::Default},
  };
  for (const Case& c : cases) {
    hover(c.at);
    EXPECT_EQ(ruler().dragZone(), c.zone) << c.at.x << "," << c.at.y;
    EXPECT_EQ(sim.appPointer(), c.pointer) << c.at.x << "," << c.at.y;
  }
}

TEST_F(RulerInteraction, TheZoneStandsStillWhileTheMenuIsOpen) {
  hover(Point{958, 400});
  ASSERT_EQ(sim.appPointer(), PointerShape::SizeWE);
  bool timerOff = false;
  DragZone zoneInMenu = DragZone::None;
  sim.onPopupMenu = [&](const platform::sim::PopupRecord&) {
    timerOff = !ruler().edgeZoneTimer().enabled();
    sim.moveCursor(Point{500, 430});
    sim.advance(500);
    zoneInMenu = ruler().dragZone();
    EXPECT_EQ(sim.appPointer(), PointerShape::Default);
    return std::vector<std::string>{};
  };
  sim.click(MouseButton::Right, Point{958, 400});
  EXPECT_TRUE(timerOff);
  EXPECT_EQ(zoneInMenu, DragZone::RightEdge);
  EXPECT_TRUE(ruler().edgeZoneTimer().enabled());
  hover(Point{500, 430});
  EXPECT_EQ(ruler().dragZone(), DragZone::BottomEdge);
}

TEST_F(RulerInteraction, DraggingAnEdgeTheCornerTheStripOrALabelFollowsThePointer) {
  struct Case {
    Point from, to;
    Rect after;
    const char* readout;  // nullptr: not checked
  };
  const Case cases[] = {
      // 2 pixels inside the right edge: the edge lands 48 pixels further right.
      {{958, 400}, {1008, 400}, {320, 366, 1008, 433}, "单位:像素 | X: 688.00 Y: 67.00"},
      {{500, 431}, {500, 481}, {320, 366, 1008, 481}, nullptr},
      {{1006, 479}, {1000, 530}, {320, 366, 1000, 530}, "单位:像素 | X: 680.00 Y: 164.00"},
      // The pressed point stays under the pointer.
      {{400, 400}, {450, 420}, {370, 386, 1050, 550}, nullptr},
  };
  for (const Case& c : cases) {
    hover(c.from);
    sim.drag(c.from, c.to);
    EXPECT_EQ(rulerRect(), c.after);
    if (c.readout != nullptr) {
      EXPECT_EQ(ruler().readoutLabel().caption(), c.readout);
    }
  }
  const Point onLabel = insideReadout();
  hover(onLabel);
  ASSERT_EQ(ruler().dragZone(), DragZone::Move);
  sim.drag(onLabel, Point{onLabel.x - 300, onLabel.y - 100}, 7);
  EXPECT_EQ(rulerRect(), (Rect{70, 286, 750, 450}));
  // Released: a move with no button held goes nowhere.
  sim.moveCursor(Point{20, 20});
  EXPECT_EQ(rulerRect(), (Rect{70, 286, 750, 450}));
  EXPECT_TRUE(sim.messageBoxes().empty());
}

TEST_F(RulerInteraction, AnEdgeDraggedPastTheOtherOrBelowTheMinimumBringsTheMessageAndTheDefaultSize) {
  const auto hwnd = rulerWindow().hwnd();
  bool topmostDuringMessage = true;
  sim.onMessageBox = [&](const platform::sim::MessageBoxRecord& box) { topmostDuringMessage = box.topmost.at(hwnd); };
  // One movement each: a negative width, then 24 pixels high.
  const std::pair<Point, Point> drags[] = {{{958, 400}, {300, 400}}, {{500, 431}, {500, 390}}};
  for (const auto& [from, to] : drags) {
    hover(from);
    sim.mouseDown(MouseButton::Left, from);
    sim.moveCursor(to);
    sim.mouseUp(MouseButton::Left, to);
    ASSERT_FALSE(sim.messageBoxes().empty());
    EXPECT_EQ(sim.messageBoxes().back().text, "App Size Error by:zyn");
    EXPECT_FALSE(topmostDuringMessage);
    EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));
    EXPECT_TRUE(sim.isTopmost(hwnd));
  }
  EXPECT_EQ(sim.messageBoxes().size(), 2u);
}

TEST_F(RulerInteraction, MiddleButtonsAndTwoButtonDragsChangeNothing) {
  hover(rulerMiddle());
  sim.mouseDown(MouseButton::Middle, Point{400, 400});
  sim.moveCursor(Point{450, 420});
  sim.mouseUp(MouseButton::Middle, Point{450, 420});
  sim.onPopupMenu = [](const platform::sim::PopupRecord&) { return std::vector<std::string>{}; };
  sim.mouseDown(MouseButton::Left, Point{400, 400});
  sim.mouseDown(MouseButton::Right, Point{400, 400});
  sim.moveCursor(Point{450, 420});
  sim.mouseUp(MouseButton::Right, Point{450, 420});
  sim.mouseUp(MouseButton::Left, Point{450, 420});
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));
}

class WideDesktopDrag : public SimApp {
 protected:
  WideDesktopDrag()
      : SimApp(platform::sim::SimConfig{{{Rect{0, 0, 1280, 800}, true},
                                         {Rect{-1920, 0, 0, 1080}, false},
                                         {Rect{1280, 0, 5120, 2160}, false}}}) {}
  void hoverMove(Point p) {
    sim.moveCursor(p);
    sim.advance(100);
  }
};

TEST_F(WideDesktopDrag, TheStripMovesOntoAMonitorLeftOfThePrimaryAndFarBeyond2184Pixels) {
  hoverMove(Point{400, 400});
  sim.drag(Point{400, 400}, Point{-1500, 500}, 40);
  EXPECT_EQ(rulerWindow().screenRect(), (Rect{-1580, 466, -940, 533}));
  hoverMove(Point{-1500, 500});
  sim.drag(Point{-1500, 500}, Point{4500, 1900}, 60);
  EXPECT_EQ(rulerWindow().screenRect(), (Rect{4420, 1866, 5060, 1933}));
  EXPECT_EQ(ruler().window().left(), 4420 * 15);  // 66300 twips: more than 16 bits
  EXPECT_TRUE(sim.messageBoxes().empty());
}

TEST_F(RulerInteraction, TheMenuOpensAtThePointerFromTheStripAndFromEitherLabel) {
  const std::vector<std::string> expected = {"单位设置(&W)", "-", "放大取色(&Z)", "-", "关于软件(&A)", "-", "退出程序(&E)"};
  chooseFromMenu(rulerMiddle(), "");
  chooseFromMenu(insideReadout(), "");
  const Rect credit = ruler().creditLabel().pixelRect();
  chooseFromMenu(Point{rulerRect().left + credit.left + 3, rulerRect().top + credit.top + 3}, "");
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

TEST_P(UnitCommands, RedrawTheStripInTheUnitForEitherOrientationAtTheResetSizeInPlace) {
  const UnitCase& u = GetParam();
  // Horizontal, from a moved and widened strip.
  ruler().window().move(1500, 3000);
  ruler().window().setWidth(12000);
  const std::size_t shownBefore = rulerWindow().shownRects().size();
  chooseFromMenu(rulerMiddle(), u.item);
  EXPECT_EQ(ruler().state().unit, u.unit);
  EXPECT_EQ(rulerRect(), (Rect{100, 200, 740, 267}));
  EXPECT_EQ(readoutUnit(), u.unitText);
  EXPECT_TRUE(wroteText(u.horizontalMark.text, u.horizontalMark.at));
  EXPECT_TRUE(ruler().edgeZoneTimer().enabled());
  // Only the finished strip reached the screen: no screen-wide flash.
  const auto& shown = rulerWindow().shownRects();
  for (std::size_t i = shownBefore; i < shown.size(); ++i) EXPECT_EQ(shown[i], rulerRect());

  // Vertical: turn, then the same command again.
  ruler().toggleOrientation();
  ASSERT_EQ(ruler().state().orientation, Orientation::Vertical);
  chooseFromMenu(rulerMiddle(), u.item);
  EXPECT_EQ(rulerRect(), (Rect{100, 200, 167, 600}));
  EXPECT_EQ(ruler().state().unit, u.unit);
  EXPECT_EQ(readoutUnit(), u.unitText);
  EXPECT_TRUE(wroteText(u.verticalMark.text, u.verticalMark.at));
  EXPECT_FALSE(wroteText(u.horizontalMark.text, u.horizontalMark.at));  // the old scale was cleared
}

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, UnitCommands,
    ::testing::Values(
        UnitCase{"Pixels", "像素(&P)", Unit::pixels(), "单位:像素", {{24, 18}, "30"}, {{23, 25}, "30"}},
        UnitCase{"Cm72Dpi", "72 DPI", Unit::centimetres(Resolution::Dpi72), "单位: 厘米 72 DPI", {{26, 18}, "1"},
                 {{23, 26}, "1"}},
        UnitCase{"Cm200Dpi", "200 DPI(FAX)", Unit::centimetres(Resolution::Dpi200Fax), "单位:厘米 200 DPI(FAX)",
                 {{76, 18}, "1"}, {{23, 77}, "1"}},
        UnitCase{"Cm300Dpi", "300 DPI", Unit::centimetres(Resolution::Dpi300), "单位:厘米 300 DPI", {{116, 18}, "1"},
                 {{23, 116}, "1"}},
        UnitCase{"Cm600Dpi", "600 DPI", Unit::centimetres(Resolution::Dpi600), "单位:厘米 600 DPI",
                 {{111, 18}, "0.5"}, {{23, 112}, "0.5"}},
        UnitCase{"Cm1200Dpi", "1200 DPI", Unit::centimetres(Resolution::Dpi1200), "单位:厘米 1200 DPI",
                 {{87, 18}, "0.2"}, {{23, 88}, "0.2"}}),
    [](const ::testing::TestParamInfo<UnitCase>& info) { return std::string(info.param.name); });

TEST_F(RulerInteraction, DoubleClickingTwiceBringsBackTheStripAsItWas) {
  chooseFromMenu(rulerMiddle(), "300 DPI");
  const auto texts = rulerSurface().texts();
  sim.doubleClick(rulerMiddle());
  EXPECT_EQ(ruler().state().orientation, Orientation::Vertical);
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 387, 766}));
  EXPECT_EQ(ruler().state().unit, Unit::centimetres(Resolution::Dpi300));
  sim.doubleClick(Point{340, 500});
  EXPECT_EQ(ruler().state().orientation, Orientation::Horizontal);
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));
  EXPECT_EQ(rulerSurface().texts(), texts);
  EXPECT_EQ(readoutUnit(), "单位:厘米 300 DPI");
  // A label turns the strip too.
  sim.doubleClick(insideReadout());
  EXPECT_EQ(ruler().state().orientation, Orientation::Vertical);
}

TEST_F(RulerInteraction, ExitEndsTheProgramAtOnce) {
  chooseFromMenu(rulerMiddle(), "退出程序(&E)");
  EXPECT_TRUE(sim.ended());
  EXPECT_FALSE(ruler().window().isOpen());
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

TEST_F(RulerInteraction, ShrinkingWithShiftUpStopsAtTheGuardAndResets) {
  int presses = 0;
  while (sim.messageBoxes().empty() && presses < 100) {
    sim.keyDown(Key::Up, platform::kShiftOnly);
    ++presses;
    if (sim.messageBoxes().empty()) {
      EXPECT_GE(rulerRect().height(), 34);
    }
  }
  ASSERT_EQ(sim.messageBoxes().size(), 1u);
  EXPECT_EQ(presses, 34);  // 20 twips round to one pixel a press: from 67 pixels down to 33
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));
}

}  // namespace
}  // namespace lindrel::testing
