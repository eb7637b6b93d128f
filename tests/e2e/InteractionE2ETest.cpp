// The ruler worked with real input events: the context menu, the orientation switch, edge
// drags and moves, the arrow keys and the exit command.

#include <initializer_list>

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

using Interaction = RulerProgram;

TEST_F(Interaction, TheMenuByKeysRedrawsTheScaleAt300DpiAndItsExitCommandEndsTheProcess) {
  openMenu();
  // The unit submenu, centimetres, two down to 300 DPI.
  for (const WORD k : std::initializer_list<WORD>{'W', 'C', VK_DOWN, VK_DOWN, VK_RETURN}) key(k);
  ASSERT_TRUE(waitFor([&] { return screenPixel(rectOf(ruler).left + 59, rectOf(ruler).top + 8) == kBlack; }));
  settle(300);
  const Box r = rectOf(ruler);
  EXPECT_EQ(r, (Box{320, 366, 960, 433}));
  EXPECT_EQ(tickLength(r, 12), 7);   // 1 mm, 105 twips
  EXPECT_EQ(tickLength(r, 59), 12);  // 5 mm, 175 twips
  EXPECT_GE(tickLength(r, 118), 16); // 1 cm, down into its number
  EXPECT_EQ(tickLength(r, 2), 0);    // no pixel tick left over
  EXPECT_EQ(screenPixel(r.left + 4, r.top + 2), kYellow);
  openMenu();
  key('E');
  EXPECT_EQ(program.waitForExit(5000), 0u);
}

TEST_F(Interaction, ADoubleClickTurnsTheStripVerticalAndBackAndArrowKeysMoveItOrWithShiftSizeIt) {
  doubleClick({400, 400});
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler).width() == 67; }));
  EXPECT_EQ(rectOf(ruler), (Box{320, 366, 387, 766}));
  settle(300);
  const Box r = rectOf(ruler);
  // The pixel scale now runs down the left edge.
  EXPECT_EQ(screenPixel(r.left + 4, r.top + 2), kBlack);
  EXPECT_EQ(screenPixel(r.left + 4, r.top + 3), kYellow);
  doubleClick({340, 600});
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler).width() == 640; }));
  EXPECT_EQ(rectOf(ruler), (Box{320, 366, 960, 433}));
  click({500, 400});  // the ruler takes the keys
  settle(200);
  key(VK_RIGHT);
  EXPECT_TRUE(waitFor([&] { return rectOf(ruler).left == 321; }));
  key(VK_DOWN, true);
  EXPECT_TRUE(waitFor([&] { return rectOf(ruler).height() == 68; }));
  EXPECT_EQ(rectOf(ruler), (Box{321, 366, 961, 434}));
}

TEST_F(Interaction, AnEdgeDragResizesTheStripAndADragInTheMiddleMovesIt) {
  // The right edge dragged 50 pixels ends 48 pixels further right.
  hoverAndDrag({958, 400}, {1008, 400});
  settle(200);
  EXPECT_EQ(rectOf(ruler), (Box{320, 366, 1008, 433}));
  // The whole strip by the pointer's travel.
  hoverAndDrag({500, 400}, {560, 330});
  settle(200);
  EXPECT_EQ(rectOf(ruler), (Box{380, 296, 1068, 363}));
}

}  // namespace
}  // namespace lindrel::e2e
