// The ruler as a user sees and works it on a 1280 x 800 screen, from another process: its
// scale and readout in every unit, the menu by keys, turning, edge drags and moves, the arrow
// keys and the pointer over the edges.

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

// No tick reaches further from the scale's edge than this: past it, static ink is a number.
constexpr int kTickReach = 19;
// Horizontal numbers are written from row 18, in an 11-pixel font at 96 DPI.
int numberBandEnd() { return 18 + atDpi(12); }

// A shot of the strip read along its scale: `along` follows the scale, `across` runs from
// the edge the ticks stand on.
struct Strip {
  const Shot& shot;
  bool vertical;
  int length() const { return vertical ? shot.height() : shot.width(); }
  int thickness() const { return vertical ? shot.width() : shot.height(); }
  COLORREF at(int along, int across) const { return vertical ? shot.at(across, along) : shot.at(along, across); }
  bool ink(int along, int across) const { return isInk(at(along, across)); }
  // Ink past the ticks, from `from` up to `to` across.
  bool numberInk(int along, int from, int to) const {
    for (int across = std::max(from, kTickReach); across < std::min(to, thickness()); ++across) {
      if (ink(along, across)) return true;
    }
    return false;
  }
};

// The readout and credit of `labelled` against the scale alone in `bare`: the same strip
// grown so far that its own labels lie past `labelled`'s end. Ink in `labelled` alone is
// label ink; ink in `bare` past the ticks is number ink.
void expectLabelsClearOfTheNumbers(const Strip& labelled, const Strip& bare) {
  Box labels{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  int count = 0, besideNumbers = 0;
  for (int along = 0; along < labelled.length(); ++along) {
    for (int across = 0; across < labelled.thickness(); ++across) {
      if (!labelled.ink(along, across) || bare.ink(along, across)) continue;
      ++count;
      labels = {std::min<LONG>(labels.left, along), std::min<LONG>(labels.top, across),
                std::max<LONG>(labels.right, along), std::max<LONG>(labels.bottom, across)};
      // Number ink on it or next to it.
      for (int a = std::max(along - 1, 0); a <= std::min(along + 1, labelled.length() - 1); ++a) {
        besideNumbers += bare.numberInk(a, across - 1, across + 2);
      }
    }
  }
  EXPECT_GT(count, 150) << "the readout and the credit are shown";
  EXPECT_EQ(besideNumbers, 0) << "label pixels on or next to a number's";
  // Clear of the ticks and whole on the strip: a label cut by an edge would touch it.
  EXPECT_GT(labels.left, 0);
  EXPECT_GE(labels.top, kTickReach);
  EXPECT_LT(labels.right, labelled.length() - 1);
  EXPECT_LT(labels.bottom, labelled.thickness() - 1);
}

using RulerE2E = RulerProgram;

TEST_F(RulerE2E, StartsAsAHalfScreenYellowStripCentredTopmostOutOfTheTaskbarWithItsScaleAndReadout) {
  const Box r = rectOf(ruler);
  // As thick as its texts need at the DPI: 67 pixels at 96.
  const LONG thickness = r.height();
  EXPECT_EQ(thickness == 67, screenDpi() == 96);
  EXPECT_GE(thickness, atDpi(67));
  EXPECT_EQ(r, (Box{320, (800 - thickness) / 2, 960, (800 - thickness) / 2 + thickness}));
  EXPECT_TRUE(isTopmost(ruler));
  EXPECT_EQ(::GetWindowLongW(ruler, GWL_EXSTYLE) & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW), WS_EX_TOOLWINDOW);
  EXPECT_EQ(::GetWindowLongW(ruler, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
  // The texts grow with the DPI: a number's digits are 8 pixels tall at 96 DPI, the figures
  // at the end of the readout 9.
  EXPECT_GE(tallestInk(Box{r.left + 52, r.top + kTickReach + 1, r.left + 69, r.top + numberBandEnd()}), atDpi(8));
  EXPECT_GE(tallestInk(Box{r.right - 100, r.top + numberBandEnd() + 2, r.right - 4, r.bottom}), atDpi(9));
}

TEST_F(RulerE2E, InEveryUnitEitherWayTheReadoutKeepsClearOfTheNumbersOnTheStripAndTheNumbersApart) {
  for (const bool vertical : {false, true}) {
    if (vertical) {
      // Turned, then moved to the top of the screen, so its bottom edge has that room too.
      doubleClick({200, 400});
      ASSERT_TRUE(waitFor([&] { return rectOf(ruler).height() == 400; }));
      const Box turned = rectOf(ruler);
      drag({turned.left + 20, turned.top + 200}, {turned.left + 20, 200});
    } else {
      // Moved to the screen's left edge and shortened, so its right edge has room to take
      // the labels past where they were.
      drag({400, 400}, {80, 400});
      settle(200);
      drag({638, 400}, {398, 400});  // an edge keeps its distance to the pointer
    }
    settle(200);
    const Box r = rectOf(ruler);
    ASSERT_EQ(vertical ? r.height() : r.width(), 400);
    for (int unit = 0; unit < kUnits; ++unit) {
      SCOPED_TRACE(testing::Message() << (vertical ? "vertical" : "horizontal") << ", unit " << unit);
      chooseUnit(unit);
      EXPECT_EQ(rectOf(ruler), r);  // a unit keeps the strip where it is, at its size
      const Shot labelled(r);
      // The far edge dragged to the screen's edge and back: the labels go with it, far enough.
      const POINT edge = vertical ? POINT{r.left + 60, r.bottom - 2} : POINT{r.right - 2, r.top + 30};
      const POINT screenEdge = vertical ? POINT{edge.x, 799} : POINT{1279, edge.y};
      drag(edge, screenEdge);
      settle(200);
      const Shot bare(r);
      const Box grown = rectOf(ruler);
      drag(vertical ? POINT{edge.x, grown.bottom - 2} : POINT{grown.right - 2, edge.y}, edge);
      settle(200);
      expectLabelsClearOfTheNumbers({labelled, vertical}, {bare, vertical});
    }
  }
}

TEST_F(RulerE2E, AStripLongerThanTheScreenHasItsScaleToTheEndAndTurnsShortenedOntoTheScreen) {
  // Moved left past the screen's edge, then stretched to the screen's right edge.
  drag({900, 400}, {100, 400});
  settle(200);
  const Box start = rectOf(ruler);
  EXPECT_EQ(start, (Box{-480, start.top, 160, start.bottom}));
  drag({158, 400}, {1277, 400});  // an edge keeps its distance to the pointer
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler) == Box{-480, start.top, 1279, start.bottom}; }));
  settle(300);
  EXPECT_EQ(columnsOffThePixelScale(rectOf(ruler)), 0) << "up to the strip's end";

  // Turned: longer than the screen is high, so shortened to it and moved onto it.
  doubleClick({600, 400});
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler).height() == 800; }));
  const LONG thickness = rectOf(ruler).width();
  EXPECT_EQ(rectOf(ruler), (Box{0, 0, thickness, 800}));
  EXPECT_GT(thickness, atDpi(67));  // the vertical default, for the readout's lines beside the numbers
  doubleClick({thickness / 2, 400});
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler).width() == 800; }));
  EXPECT_EQ(rectOf(ruler), (Box{0, 0, 800, start.height()}));
}

TEST_F(RulerE2E, TheMenuByKeysRedrawsTheScaleAt300DpiAndItsExitCommandEndsTheProcess) {
  chooseUnit(3);  // 300 DPI
  const Box r = rectOf(ruler);
  ASSERT_TRUE(waitFor([&] { return tickLength(r, 59) == 12; }));  // 5 mm
  EXPECT_EQ(tickLength(r, 2), 0);    // no pixel tick left over
  openMenu();
  key('E');
  EXPECT_EQ(program.waitForExit(5000), 0u);
}

TEST_F(RulerE2E, ADoubleClickTurnsTheStripAboutItsCornerOntoTheScreenAndArrowKeysMoveItOrWithShiftSizeIt) {
  // At its default thickness it takes the other orientation's, moved up just enough to fit.
  doubleClick({400, 400});
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler).height() == 640; }));
  const Box r = rectOf(ruler);
  EXPECT_EQ(r, (Box{320, 160, 320 + r.width(), 800}));
  settle(300);
  // The pixel scale now runs down the left edge.
  EXPECT_EQ(screenPixel(r.left + 4, r.top + 2), kBlack);
  EXPECT_EQ(screenPixel(r.left + 4, r.top + 3), kYellow);
  doubleClick({340, 600});
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler).width() == 640; }));
  const LONG thickness = rectOf(ruler).height();  // the horizontal default again
  EXPECT_EQ(rectOf(ruler), (Box{320, 160, 960, 160 + thickness}));
  click({500, 200});  // the ruler takes the keys
  settle(200);
  key(VK_RIGHT);  // one physical pixel at any DPI
  EXPECT_TRUE(waitFor([&] { return rectOf(ruler).left == 321; }));
  key(VK_DOWN, true);
  EXPECT_TRUE(waitFor([&] { return rectOf(ruler).height() == thickness + 1; }));
  EXPECT_EQ(rectOf(ruler), (Box{321, 160, 961, 161 + thickness}));
  // A thickness of the user's own stays through a turn.
  doubleClick({500, 200});
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler).height() == 640; }));
  EXPECT_EQ(rectOf(ruler), (Box{321, 160, 322 + thickness, 800}));
  // The keys stop where 34 pixels of it still show on the screen, and bring back one a drag
  // left mostly off.
  drag({330, 400}, {1279, 400});
  ASSERT_EQ(rectOf(ruler).left, 1270);
  key(VK_RIGHT);
  for (int i = 0; i < 30; ++i) key(VK_LEFT);
  for (int i = 0; i < 10; ++i) key(VK_RIGHT);
  EXPECT_TRUE(waitFor([&] { return rectOf(ruler).left == 1280 - 34; }));
}

TEST_F(RulerE2E, ThePointerShowsTheResizeBandsOnlyOverTheStripsOwnEdgesOrInAResizeDrag) {
  const HCURSOR arrow = program.systemCursor(IDC_ARROW), we = program.systemCursor(IDC_SIZEWE),
                ns = program.systemCursor(IDC_SIZENS), nwse = program.systemCursor(IDC_SIZENWSE);
  const auto shows = [](POINT p, HCURSOR shape) {
    moveTo(p);
    return waitFor([&] { return pointerShape() == shape; }, 1000);
  };
  // Not just for a moment: the zone timer does not take it back.
  const auto keeps = [&](POINT p, HCURSOR shape) { return shows(p, shape) && (settle(300), pointerShape() == shape); };
  Box r = rectOf(ruler);
  // The bands are the strip's last 4 pixels at 96 DPI along its right and bottom edges.
  const LONG band = atDpi(4);
  const std::pair<POINT, HCURSOR> spots[] = {
      {{r.right - 1, r.top + 30}, we},           {{r.right - band, r.top + 30}, we},
      {{r.right - band - 1, r.top + 30}, arrow}, {{r.left + 300, r.bottom - 1}, ns},
      {{r.left + 300, r.bottom - band}, ns},     {{r.left + 300, r.bottom - band - 1}, arrow},
      {{r.right - band, r.bottom - band}, nwse}, {{r.left + 1, r.top + 1}, arrow}};
  for (const auto& [spot, shape] : spots) EXPECT_TRUE(shows(spot, shape)) << spot.x << "," << spot.y;

  // A resize drag keeps its pointer wherever the pointer goes.
  mouseButton(MOUSEEVENTF_LEFTDOWN, {r.right - 2, r.top + 30});
  for (const POINT p : {POINT{r.right + 20, r.top + 30}, POINT{r.right + 40, r.bottom + 60}}) EXPECT_TRUE(keeps(p, we));
  mouseButton(MOUSEEVENTF_LEFTUP, {r.right + 40, r.bottom + 60});
  EXPECT_EQ(rectOf(ruler).right, r.right + 42) << "the edge keeps its distance to the pointer";

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
  EXPECT_TRUE(keeps({r.right - 2, r.top + 30}, penShape));
  mouseButton(MOUSEEVENTF_LEFTUP, {r.right - 2, r.top + 30});

  // Nor over the about box, above the strip's bottom band.
  HWND about = openFromMenu('A', L"LindrelAbout");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(keeps({rectOf(about).left + 20, r.bottom - 2}, arrow));
}

TEST_F(RulerE2E, ASizeBelowTheLeastBringsOneMessageAndTheSizeTheDragBeganWith) {
  MessageBoxWatcher messages;
  const Box r = rectOf(ruler);
  drag({r.left + 300, r.bottom - 2}, {r.left + 300, r.top + 10});
  ASSERT_TRUE(waitFor([&] { return !messages.texts().empty() && !messages.boxUp(); }));
  settle(300);
  EXPECT_EQ(messages.texts(), std::vector<std::wstring>{L"App Size Error by:zyn"});
  EXPECT_EQ(rectOf(ruler), r);
  EXPECT_TRUE(waitFor([&] { return isTopmost(ruler); }));
}

// After the first copy has opened and closed its magnifier, a second one starts a step aside
// and its menu and keys answer, by the display's own input; the first stays where it was.
TEST_F(RulerE2E, ASecondCopyStartsAStepAsideAndTakesTheKeys) {
  HWND magnifier = openFromMenu('Z', L"LindrelZoomOut");
  ASSERT_NE(magnifier, nullptr);
  key(VK_ESCAPE);
  ASSERT_TRUE(waitFor([&] { return !::IsWindowVisible(magnifier); }));
  const Box first = rectOf(ruler);
  Program second(KeptSettings::Used);
  HWND ruler2 = second.window(L"LindrelRuler");
  ASSERT_NE(ruler2, nullptr);
  settle(500);
  const LONG step = atDpi(20);
  ASSERT_EQ(rectOf(ruler2), (Box{first.left + step, first.top + step, first.right + step, first.bottom + step}));
  const POINT spot = uncoveredSpot(ruler2, first.height() - 5);
  const std::wstring at = std::to_wstring(spot.x) + L" " + std::to_wstring(spot.y);
  throughX(L"mousemove " + at + L" click 3 sleep 0.3 key Escape sleep 0.2 key Left");
  EXPECT_TRUE(waitFor([&] { return rectOf(ruler2).left == first.left + step - 1; }));
  throughX(L"click 3 sleep 0.3 key e");
  EXPECT_EQ(second.waitForExit(5000), 0u);
  EXPECT_EQ(rectOf(ruler), first);
}

TEST_F(RulerE2E, AScaleNumberThatDoesNotFitWholeIsLeftOut) {
  const Box r = rectOf(ruler);
  // Where the numbers stand along the first `width` pixels of the strip.
  const auto numbers = [&](LONG width) {
    const Shot shot(Box{r.left, r.top + kTickReach, r.left + width, r.top + numberBandEnd()});
    std::vector<std::pair<int, int>> spans;
    for (int x = 0; x < shot.width(); ++x) {
      bool ink = false;
      for (int y = 0; y < shot.height() && !ink; ++y) ink = isInk(shot.at(x, y));
      if (!ink) continue;
      // Numbers keep at least 3 blank columns apart; their digits fewer.
      if (!spans.empty() && x - spans.back().second <= 3) {
        spans.back().second = x;
      } else {
        spans.emplace_back(x, x);
      }
    }
    return spans;
  };
  std::vector<std::pair<int, int>> shown = numbers(r.width());
  ASSERT_GE(shown.size(), 3u);
  const LONG end = (shown[shown.size() - 2].first + shown[shown.size() - 2].second) / 2;  // inside a number
  drag({r.right - 2, r.top + 30}, {r.left + end - 2, r.top + 30});
  ASSERT_TRUE(waitFor([&] { return rectOf(ruler).width() == end; }));
  settle(300);
  shown.resize(shown.size() - 2);
  EXPECT_EQ(numbers(end), shown);
}

}  // namespace
}  // namespace lindrel::e2e
