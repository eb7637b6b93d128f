// The ruler worked with real input events: the context menu, the orientation switch, edge
// drags and moves, the arrow keys, the pointer over the edges and the exit command.

#include <utility>

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

using Interaction = RulerProgram;

TEST_F(Interaction, TheMenuByKeysRedrawsTheScaleAt300DpiAndItsExitCommandEndsTheProcess) {
  chooseUnit(3);  // 300 DPI
  const Box r = rectOf(ruler);
  ASSERT_TRUE(waitFor([&] { return tickLength(r, 59) == 12; }));  // 5 mm, 175 twips
  EXPECT_EQ(tickLength(r, 12), 7);   // 1 mm, 105 twips
  EXPECT_GE(tickLength(r, 118), 16); // 1 cm, down into its number
  EXPECT_EQ(tickLength(r, 2), 0);    // no pixel tick left over
  openMenu();
  key('E');
  EXPECT_EQ(program.waitForExit(5000), 0u);
}

TEST_F(Interaction, ADoubleClickTurnsTheStripAboutItsCornerOntoTheScreenAndArrowKeysMoveItOrWithShiftSizeIt) {
  // At its default thickness it takes the other orientation's, moved up just enough to fit.
  doubleClick({400, 400});
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler).height() == 640; }));
  const Box r = rectOf(ruler);
  EXPECT_GT(r.width(), 67);
  EXPECT_EQ(r, (Box{320, 160, 320 + r.width(), 800}));
  settle(300);
  // The pixel scale now runs down the left edge.
  EXPECT_EQ(screenPixel(r.left + 4, r.top + 2), kBlack);
  EXPECT_EQ(screenPixel(r.left + 4, r.top + 3), kYellow);
  doubleClick({340, 600});
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler).width() == 640; }));
  EXPECT_EQ(rectOf(ruler), (Box{320, 160, 960, 227}));
  click({500, 200});  // the ruler takes the keys
  settle(200);
  key(VK_RIGHT);
  EXPECT_TRUE(waitFor([&] { return rectOf(ruler).left == 321; }));
  key(VK_DOWN, true);
  EXPECT_TRUE(waitFor([&] { return rectOf(ruler).height() == 68; }));
  EXPECT_EQ(rectOf(ruler), (Box{321, 160, 961, 228}));
  // A thickness of the user's own stays through a turn.
  doubleClick({500, 200});
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler).height() == 640; }));
  EXPECT_EQ(rectOf(ruler), (Box{321, 160, 389, 800}));
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

TEST_F(Interaction, ThePointerShowsTheResizeBandsOnlyOverTheStripsOwnEdgesOrInAResizeDrag) {
  const HCURSOR arrow = program.systemCursor(IDC_ARROW), we = program.systemCursor(IDC_SIZEWE),
                ns = program.systemCursor(IDC_SIZENS), nwse = program.systemCursor(IDC_SIZENWSE);
  const auto shows = [](POINT p, HCURSOR shape) {
    moveTo(p);
    return waitFor([&] { return pointerShape() == shape; }, 1000);
  };
  // Not just for a moment: the zone timer does not take it back.
  const auto keeps = [&](POINT p, HCURSOR shape) { return shows(p, shape) && (settle(300), pointerShape() == shape); };
  Box r = rectOf(ruler);
  // The bands are the strip's last 4 pixels along its right and bottom edges.
  const std::pair<POINT, HCURSOR> spots[] = {
      {{r.right - 1, r.top + 30}, we},     {{r.right - 4, r.top + 30}, we},   {{r.right - 5, r.top + 30}, arrow},
      {{r.left + 300, r.bottom - 1}, ns},  {{r.left + 300, r.bottom - 4}, ns}, {{r.left + 300, r.bottom - 5}, arrow},
      {{r.right - 4, r.bottom - 4}, nwse}, {{r.left + 1, r.top + 1}, arrow}};
  for (const auto& [spot, shape] : spots) EXPECT_TRUE(shows(spot, shape)) << spot.x << "," << spot.y;

  // A resize drag keeps its pointer wherever the pointer goes.
  mouseButton(MOUSEEVENTF_LEFTDOWN, {r.right - 2, r.top + 30});
  for (const POINT p : {POINT{r.right + 20, r.top + 30}, POINT{r.right + 40, r.bottom + 60}}) EXPECT_TRUE(keeps(p, we));
  mouseButton(MOUSEEVENTF_LEFTUP, {r.right + 40, r.bottom + 60});
  EXPECT_EQ(rectOf(ruler).right, r.right + 40);

  // Not over the magnifier, opened beside the strip's right edge, even straight from the band.
  HWND magnifier = openFromMenu('Z', L"LindrelZoomOut");
  ASSERT_NE(magnifier, nullptr);
  r = rectOf(ruler);
  ASSERT_TRUE(shows({r.right - 2, r.top + 30}, we));
  EXPECT_TRUE(keeps(rectOf(child(magnifier, L"LindrelPicture", 0)).centre(), arrow));

  // Nor while the magnifier's pen is held, over the band.
  const POINT pen = rectOf(child(magnifier, L"Button", 0)).centre();
  mouseButton(MOUSEEVENTF_LEFTDOWN, pen);
  moveTo({pen.x - 2, pen.y});
  settle(200);
  const HCURSOR penShape = pointerShape();
  EXPECT_NE(penShape, arrow);
  const POINT band{r.right - 2, r.top + 30};
  moveTo(band);
  settle(400);
  EXPECT_EQ(pointerShape(), penShape);
  mouseButton(MOUSEEVENTF_LEFTUP, band);

  // Nor over the about box, above the strip's bottom band.
  HWND about = openFromMenu('A', L"LindrelAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(keeps({rectOf(about).left + 20, r.bottom - 2}, arrow));
}

}  // namespace
}  // namespace lindrel::e2e
