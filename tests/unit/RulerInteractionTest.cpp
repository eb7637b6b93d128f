// The ruler under the mouse and the keyboard: edge zones, drags, the context menu with its
// unit commands, the orientation switch and the arrow keys.

#include "menu/frmMenu.h"
#include "tests/unit/SimApp.h"

namespace lindrel::testing {
namespace {

using platform::PointerCode;
using platform::kFalse;
using platform::kTrue;
namespace button = platform::button;
namespace modifier = platform::modifier;
namespace vk = platform::vk;

std::vector<std::string> pathTo(const std::string& item) {
  if (item == "像素(&P)") return {"单位设置(&W)", item};
  if (item.find("DPI") != std::string::npos) return {"单位设置(&W)", "厘米(&C)", item};
  return {item};
}

class RulerInteraction : public SimApp {
 protected:
  // Puts the pointer somewhere and lets the zone timer look at it.
  void hover(Point p) {
    sim.moveCursor(p);
    sim.advance(100);
  }
  // Right-clicks at a point and picks a menu item (by caption; empty: dismiss).
  void pick(Point at, const std::string& item) {
    sim.onPopupMenu = [item](const platform::sim::PopupRecord&) {
      return item.empty() ? std::vector<std::string>{} : pathTo(item);
    };
    sim.click(button::kRight, at);
  }
  Point middle() { return Point{(rulerRect().left + rulerRect().right) / 2, (rulerRect().top + rulerRect().bottom) / 2}; }
  Point insideLabXY() {
    const Rect r = ruler().labXY.pixelRect();
    return Point{rulerRect().left + r.left + 2, rulerRect().top + r.top + 2};
  }
  std::string readoutUnit() {
    const std::string& c = ruler().labXY.caption();
    return c.substr(0, c.find(" | "));
  }
};

TEST_F(RulerInteraction, ZonesAndPointersFollowTheBandsOfTheRightAndBottomEdges) {
  // The strip is at (320, 366) - (960, 433): R = 960, B = 433.
  struct Case {
    Point at;
    const char* zone;
    PointerCode code;
  };
  const Case cases[] = {
      {{955, 400}, "Move", PointerCode::Default},    {{956, 400}, "Right", PointerCode::SizeWE},
      {{969, 400}, "Right", PointerCode::SizeWE},    {{970, 400}, "Move", PointerCode::Default},
      {{958, 5}, "Right", PointerCode::SizeWE},      // far above: the band has no end
      {{500, 428}, "Move", PointerCode::Default},    {{500, 429}, "Down", PointerCode::SizeNS},
      {{500, 442}, "Down", PointerCode::SizeNS},     {{500, 443}, "Move", PointerCode::Default},
      {{10, 435}, "Down", PointerCode::SizeNS},      {{956, 429}, "RightDown", PointerCode::SizeNWSE},
      {{1270, 790}, "RightDown", PointerCode::SizeNWSE},  // the corner zone has no outer limit
      {{955, 700}, "Move", PointerCode::Default},
  };
  for (const Case& c : cases) {
    hover(c.at);
    EXPECT_EQ(ruler().dragZone, c.zone) << c.at.x << "," << c.at.y;
    EXPECT_EQ(sim.pointerCode(), c.code) << c.at.x << "," << c.at.y;
  }
}

TEST_F(RulerInteraction, TheZoneStandsStillWhileTheMenuIsOpen) {
  hover(Point{958, 400});
  ASSERT_EQ(sim.pointerCode(), PointerCode::SizeWE);
  bool timerOff = false;
  std::string zoneInMenu;
  sim.onPopupMenu = [&](const platform::sim::PopupRecord&) {
    timerOff = !ruler().Timer1.enabled();
    sim.moveCursor(Point{500, 430});
    sim.advance(500);
    zoneInMenu = ruler().dragZone;
    EXPECT_EQ(sim.pointerCode(), PointerCode::Default);
    return std::vector<std::string>{};
  };
  sim.click(button::kRight, Point{958, 400});
  EXPECT_TRUE(timerOff);
  EXPECT_EQ(zoneInMenu, "Right");
  EXPECT_TRUE(ruler().Timer1.enabled());
  hover(Point{500, 430});
  EXPECT_EQ(ruler().dragZone, "Down");
}

TEST_F(RulerInteraction, DraggingTheRightEdgeBringsItToThePointer) {
  hover(Point{958, 400});  // 2 pixels inside the right edge
  sim.drag(Point{958, 400}, Point{1008, 400});
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 1008, 433}));  // 48 pixels further right
  EXPECT_EQ(ruler().labXY.caption(), "单位:像素 | X: 688.00 Y: 67.00");
  EXPECT_TRUE(sim.messageBoxes().empty());
}

TEST_F(RulerInteraction, DraggingTheBottomEdgeOrTheCornerResizes) {
  hover(Point{500, 431});
  sim.drag(Point{500, 431}, Point{500, 481});
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 481}));
  hover(Point{958, 479});
  sim.drag(Point{958, 479}, Point{1000, 530});
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 1000, 530}));
  EXPECT_EQ(ruler().labXY.caption(), "单位:像素 | X: 680.00 Y: 164.00");
}

TEST_F(RulerInteraction, DraggingTheStripOrALabelMovesItWithThePressedPointUnderThePointer) {
  hover(middle());
  sim.drag(Point{400, 400}, Point{450, 420});
  EXPECT_EQ(rulerRect(), (Rect{370, 386, 1010, 453}));
  const Point onLabel = insideLabXY();
  hover(onLabel);
  ASSERT_EQ(ruler().dragZone, "Move");
  sim.drag(onLabel, Point{onLabel.x - 300, onLabel.y - 100}, 7);
  EXPECT_EQ(rulerRect(), (Rect{70, 286, 710, 353}));
  EXPECT_EQ(ruler().isDragging, kFalse);  // released
}

TEST_F(RulerInteraction, AnEdgeDraggedPastTheLeftEdgeBringsTheMessageAndTheDefaultSize) {
  hover(Point{958, 400});
  const auto hwnd = rulerWindow().hwnd();
  bool topmostDuringMessage = true;
  sim.onMessageBox = [&](const platform::sim::MessageBoxRecord& box) { topmostDuringMessage = box.topmost.at(hwnd); };
  sim.mouseDown(button::kLeft, Point{958, 400});
  sim.moveCursor(Point{300, 400});  // one movement: a negative width
  sim.mouseUp(button::kLeft, Point{300, 400});
  ASSERT_EQ(sim.messageBoxes().size(), 1u);
  EXPECT_EQ(sim.messageBoxes()[0].text, "App Size Error by:zyn");
  EXPECT_FALSE(topmostDuringMessage);
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));
  EXPECT_TRUE(sim.isTopmost(hwnd));
}

TEST_F(RulerInteraction, AHeightBelowTheMinimumBringsTheSameMessageThroughTheSizeGuard) {
  hover(Point{500, 431});
  sim.mouseDown(button::kLeft, Point{500, 431});
  sim.moveCursor(Point{500, 390});  // 24 pixels high
  sim.mouseUp(button::kLeft, Point{500, 390});
  ASSERT_EQ(sim.messageBoxes().size(), 1u);
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));
}

TEST_F(RulerInteraction, MiddleButtonsAndTwoButtonDragsChangeNothing) {
  hover(middle());
  sim.mouseDown(button::kMiddle, Point{400, 400});
  sim.moveCursor(Point{450, 420});
  sim.mouseUp(button::kMiddle, Point{450, 420});
  sim.onPopupMenu = [](const platform::sim::PopupRecord&) { return std::vector<std::string>{}; };
  sim.mouseDown(button::kLeft, Point{400, 400});
  sim.mouseDown(button::kRight, Point{400, 400});
  sim.moveCursor(Point{450, 420});
  sim.mouseUp(button::kRight, Point{450, 420});
  sim.mouseUp(button::kLeft, Point{450, 420});
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
  pick(middle(), "");
  pick(insideLabXY(), "");
  const Rect lab = ruler().lab.pixelRect();
  pick(Point{rulerRect().left + lab.left + 3, rulerRect().top + lab.top + 3}, "");
  ASSERT_EQ(sim.popups().size(), 3u);
  for (const auto& popup : sim.popups()) EXPECT_EQ(popup.captions, expected);
  EXPECT_EQ(sim.popups()[0].at, middle());
}

struct UnitCase {
  const char* name;  // the test's name: menu captions are not valid identifiers
  const char* item;
  const char* mode;
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
  pick(middle(), u.item);
  EXPECT_EQ(app.module1().unitMode, u.mode);
  EXPECT_EQ(rulerRect(), (Rect{100, 200, 740, 267}));
  EXPECT_EQ(readoutUnit(), u.unitText);
  EXPECT_TRUE(wroteText(u.horizontalMark.text, u.horizontalMark.at));
  EXPECT_TRUE(ruler().Timer1.enabled());
  // Only the finished strip reached the screen: no screen-wide flash.
  const auto& shown = rulerWindow().shownRects();
  for (std::size_t i = shownBefore; i < shown.size(); ++i) EXPECT_EQ(shown[i], rulerRect());

  // Vertical: turn, then the same command again.
  ruler().Form_DblClick();
  ASSERT_EQ(app.module1().isHor, kFalse);
  pick(middle(), u.item);
  EXPECT_EQ(rulerRect(), (Rect{100, 200, 167, 600}));
  EXPECT_EQ(app.module1().unitMode, u.mode);
  EXPECT_EQ(readoutUnit(), u.unitText);
  EXPECT_TRUE(wroteText(u.verticalMark.text, u.verticalMark.at));
  EXPECT_FALSE(wroteText(u.horizontalMark.text, u.horizontalMark.at));  // the old scale was cleared
}

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, UnitCommands,
    ::testing::Values(UnitCase{"Pixels", "像素(&P)", "xs", "单位:像素", {{24, 18}, "30"}, {{23, 25}, "30"}},
                      UnitCase{"Cm72Dpi", "72 DPI", "0", "单位: 厘米 72 DPI", {{26, 18}, "1"}, {{23, 26}, "1"}},
                      UnitCase{"Cm200Dpi", "200 DPI(FAX)", "1", "单位:厘米 200 DPI(FAX)", {{76, 18}, "1"}, {{23, 77}, "1"}},
                      UnitCase{"Cm300Dpi", "300 DPI", "2", "单位:厘米 300 DPI", {{116, 18}, "1"}, {{23, 116}, "1"}},
                      UnitCase{"Cm600Dpi", "600 DPI", "3", "单位:厘米 600 DPI", {{111, 18}, "0.5"}, {{23, 112}, "0.5"}},
                      UnitCase{"Cm1200Dpi", "1200 DPI", "4", "单位:厘米 1200 DPI", {{87, 18}, "0.2"}, {{23, 88}, "0.2"}}),
    [](const ::testing::TestParamInfo<UnitCase>& info) { return std::string(info.param.name); });

TEST_F(RulerInteraction, DoubleClickingTwiceBringsBackTheStripAsItWas) {
  pick(middle(), "300 DPI");
  const auto texts = rulerSurface().texts();
  sim.doubleClick(middle());
  EXPECT_EQ(app.module1().isHor, kFalse);
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 387, 766}));
  EXPECT_EQ(app.module1().unitMode, "2");
  sim.doubleClick(Point{340, 500});
  EXPECT_EQ(app.module1().isHor, kTrue);
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));
  EXPECT_EQ(rulerSurface().texts(), texts);
  EXPECT_EQ(readoutUnit(), "单位:厘米 300 DPI");
}

TEST_F(RulerInteraction, DoubleClickingALabelTurnsTheStripToo) {
  sim.doubleClick(insideLabXY());
  EXPECT_EQ(app.module1().isHor, kFalse);
  EXPECT_EQ(rulerRect().width(), 67);
}

TEST_F(RulerInteraction, AnUnknownUnitOnlyTurnsTheFlag) {
  app.module1().unitMode = "9";
  const auto texts = rulerSurface().texts();
  ruler().chgHorV();
  EXPECT_EQ(app.module1().isHor, kFalse);
  EXPECT_EQ(rulerRect(), (Rect{320, 366, 960, 433}));
  EXPECT_EQ(rulerSurface().texts(), texts);
  EXPECT_EQ(app.module1().unitMode, "9");
}

TEST_F(RulerInteraction, AResolutionIndexOutsideTheTableDoesNothing) {
  ruler().window().setWidth(12000);
  const auto texts = rulerSurface().texts();
  app.menu().menuDpi_Click(5);
  app.menu().menuDpi_Click(-1);
  EXPECT_EQ(rulerRect().width(), 800);
  EXPECT_EQ(app.module1().unitMode, "xs");
  EXPECT_EQ(rulerSurface().texts(), texts);
}

TEST_F(RulerInteraction, ExitEndsTheProgramAtOnce) {
  pick(middle(), "退出程序(&E)");
  EXPECT_TRUE(sim.ended());
  EXPECT_FALSE(ruler().window().isOpen());
  EXPECT_TRUE(sim.messageBoxes().empty());
}

TEST_F(RulerInteraction, ArrowKeysMoveTheStripAndWithShiftAloneResizeIt) {
  const std::string readout = ruler().labXY.caption();
  sim.keyDown(vk::kRight);
  EXPECT_EQ(rulerRect(), (Rect{321, 366, 961, 433}));  // 4820 twips
  sim.keyDown(vk::kDown);
  EXPECT_EQ(rulerRect().top, 367);
  EXPECT_EQ(ruler().labXY.caption(), readout);  // a move leaves the readout
  for (std::int16_t mods : {std::int16_t{0}, modifier::kCtrl, modifier::kAlt,
                            static_cast<std::int16_t>(modifier::kShift | modifier::kCtrl)}) {
    const Rect before = rulerRect();
    sim.keyDown(vk::kLeft, mods);
    EXPECT_EQ(rulerRect().width(), before.width()) << mods;
    EXPECT_LT(rulerRect().left, before.left) << mods;
  }
  sim.keyDown(vk::kDown, modifier::kShift);
  EXPECT_EQ(rulerRect().height(), 68);  // 1025 twips
  EXPECT_EQ(ruler().labXY.caption(), "单位:像素 | X: 640.00 Y: 68.00");
  sim.keyDown(vk::kRight, modifier::kShift);
  EXPECT_EQ(rulerRect().width(), 641);
  const Rect before = rulerRect();
  sim.keyDown(65);  // 'A'
  sim.keyDown(65, modifier::kShift);
  EXPECT_EQ(rulerRect(), before);
}

TEST_F(RulerInteraction, ShrinkingWithShiftUpStopsAtTheGuardAndResets) {
  int presses = 0;
  while (sim.messageBoxes().empty() && presses < 100) {
    sim.keyDown(vk::kUp, modifier::kShift);
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
