// The magnifier as a user works it: opened from the ruler's menu, the pen dragged over the
// yellow ruler, the code copied, another notation chosen, codes typed and set.

#include <algorithm>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

class PickerE2E : public RulerProgram {
 protected:
  void SetUp() override {
    RulerProgram::SetUp();
    if (HasFatalFailure()) return;
    makeRoomForTheMagnifier();
    open();
  }
  void open() { ASSERT_NE(magnifier = openFromMenu('Z', L"LindrelZoomOut"), nullptr); }
  HWND codeBox() { return child(magnifier, L"Edit", 0); }
  HWND swatch() { return child(magnifier, L"LindrelPicture", 1); }
  HWND bar(int channel) { return child(magnifier, L"ScrollBar", channel); }
  // The code box, the red, green and blue boxes, then the red, green and blue bars.
  std::vector<std::wstring> shown() {
    std::vector<std::wstring> texts;
    for (int i = 0; i < 4; ++i) texts.push_back(textOf(child(magnifier, L"Edit", i)));
    for (int i = 0; i < 3; ++i) texts.push_back(std::to_wstring(::SendMessageW(bar(i), SBM_GETPOS, 0, 0)));
    return texts;
  }
  // The middle of a bar's thumb, which is as wide as the bar is high, like its arrows.
  POINT thumb(int channel) {
    const Box b = rectOf(bar(channel));
    const LONG value = static_cast<LONG>(::SendMessageW(bar(channel), SBM_GETPOS, 0, 0));
    return {b.left + b.height() + (b.width() - 3 * b.height()) * value / 255 + b.height() / 2, b.centre().y};
  }
  // What shown() gives for a code and the boxes' texts: each bar at its box's number.
  static std::vector<std::wstring> everywhere(const std::wstring& code, const std::vector<std::wstring>& boxes) {
    std::vector<std::wstring> texts{code};
    texts.insert(texts.end(), boxes.begin(), boxes.end());
    for (const std::wstring& box : boxes) texts.push_back(box.empty() ? L"0" : box);
    return texts;
  }
  // Closes the magnifier by keys and opens it again from the ruler's menu.
  void reopen() {
    click(uncoveredSpot(magnifier, 8, 40));  // its caption, for the keys
    key(VK_F4, false, false, true);
    ASSERT_TRUE(waitFor([&] { return !::IsWindowVisible(magnifier); }));
    open();
  }
  // Opens the drop-down list and moves down to another notation.
  void notationDown(int steps) {
    clickOn(child(magnifier, L"ComboBox"));
    settle(200);
    for (int i = 0; i < steps; ++i) key(VK_DOWN);
    key(VK_RETURN);
    settle(200);
  }
  void typeCodeAndSet(const std::wstring& text) {
    clickOn(codeBox());
    key(VK_END);
    for (int i = 0; i < 12; ++i) key(VK_BACK);
    typeText(text);
    clickOn(child(magnifier, L"Button", 2));
    settle(300);
  }

  HWND magnifier = nullptr;
};

TEST_F(PickerE2E, ThePenPicksTheRulersYellowWhichIsCopiedAndShownInAnotherNotation) {
  EXPECT_TRUE(isTopmost(magnifier));
  // Laid out at the DPI: no control covers another or is cut by the window's edge.
  RECT client{};
  ::GetClientRect(magnifier, &client);
  ::MapWindowPoints(magnifier, nullptr, reinterpret_cast<POINT*>(&client), 2);
  std::vector<RECT> controls;
  for (HWND c = ::GetWindow(magnifier, GW_CHILD); c != nullptr; c = ::GetWindow(c, GW_HWNDNEXT)) {
    RECT r{}, inside{};
    ::GetWindowRect(c, &r);
    EXPECT_TRUE(::IntersectRect(&inside, &r, &client) && ::EqualRect(&inside, &r)) << "a control cut by the window edge at " << r.left << "," << r.top;
    for (const RECT& other : controls) EXPECT_FALSE(::IntersectRect(&inside, &r, &other));
    controls.push_back(r);
  }
  EXPECT_GE(controls.size(), 11u);
  // The first opening of a run shows white, everywhere.
  EXPECT_EQ(shown(), everywhere(L"#FFFFFF", {L"255", L"255", L"255"}));
  EXPECT_EQ(centrePixel(swatch()), RGB(255, 255, 255));
  const Box r = rectOf(ruler);
  const POINT target{r.left + 101, r.bottom - 8};  // clear of the scale, left of the magnifier
  ASSERT_EQ(screenPixel(target.x, target.y), kYellow);
  // The pen from its button to the ruler, held there for several ticks.
  drag(rectOf(child(magnifier, L"Button", 0)).centre(), target, 10, 300);
  settle(200);
  EXPECT_EQ(shown(), everywhere(L"#FFFF00", {L"255", L"255", L"0"}));
  // The enlarged image round the pointer is the ruler's yellow too.
  EXPECT_EQ(centrePixel(child(magnifier, L"LindrelPicture", 0)), kYellow);

  clickOn(child(magnifier, L"Button", 1));
  EXPECT_EQ(clipboardText(), L"#FFFF00");

  notationDown(1);
  EXPECT_EQ(textOf(codeBox()), L"&h00FFFF");
}

TEST_F(PickerE2E, BoxEditsByKeysAndTheClipboardAndATypedCodeRecolourAtOnceAndBadTextIsReportedOnce) {
  MessageBoxWatcher messages;
  struct Edit {
    int box;  // 0 the code, 1 to 3 red, green and blue
    std::wstring clipboard;
    std::vector<WORD> keys;  // letters with Ctrl, Insert with Shift
    std::wstring code;
    std::vector<std::wstring> boxes;
    std::wstring clipboardAfter;
  };
  const Edit edits[] = {
      // Everything selected, then red deleted (an empty box counts as 0) and green pasted over
      // with Shift+Insert; then the Ctrl keys: copy, cut, undo and paste.
      {1, L"77", {'A', VK_DELETE}, L"#00FFFF", {L"", L"255", L"255"}, L"77"},
      {2, L"", {'A', VK_INSERT}, L"#004DFF", {L"", L"77", L"255"}, L"77"},
      {0, L"", {'A', 'C'}, L"#004DFF", {L"", L"77", L"255"}, L"#004DFF"},
      {3, L"", {'A', 'X'}, L"#004D00", {L"", L"77", L""}, L"255"},
      {3, L"", {'Z'}, L"#004DFF", {L"", L"77", L"255"}, L"255"},
      {1, L"18", {'A', 'V'}, L"#124DFF", {L"18", L"77", L"255"}, L"18"},
      // Text that is no number: told once, and the box has its number back.
      {2, L"abc", {'A', 'V'}, L"#124DFF", {L"18", L"77", L"255"}, L"abc"},
  };
  for (int row = 0; const Edit& e : edits) {
    SCOPED_TRACE(testing::Message() << "edit " << row++);
    if (!e.clipboard.empty()) {
      ASSERT_TRUE(setClipboardText(e.clipboard));
    }
    clickOn(child(magnifier, L"Edit", e.box));
    for (const WORD k : e.keys) key(k, k == VK_INSERT, k >= 'A' && k <= 'Z');
    settle(300);
    EXPECT_EQ(shown(), everywhere(e.code, e.boxes));
    EXPECT_EQ(clipboardText(), e.clipboardAfter);
  }
  EXPECT_EQ(centrePixel(swatch()), RGB(18, 77, 255));
  const std::vector<std::wstring> typeMismatch{L"Type mismatch"};
  EXPECT_EQ(messages.texts(), typeMismatch);

  // A drag of the green bar's thumb brings no further message, and the thumb stays behind
  // once the button is up.
  const POINT from = thumb(1);
  drag(from, {from.x + 40, from.y});
  settle(300);
  const std::wstring green = shown()[5];
  EXPECT_NE(green, L"77");
  EXPECT_EQ(shown()[2], green);
  moveTo({from.x + 80, from.y});
  settle(300);
  EXPECT_EQ(shown()[5], green);
  EXPECT_EQ(messages.texts(), typeMismatch);

  notationDown(3);  // RGB
  typeCodeAndSet(L"18,171,60");
  EXPECT_EQ(centrePixel(swatch()), RGB(18, 171, 60));
  EXPECT_EQ(messages.texts(), typeMismatch);
  typeCodeAndSet(L"18,171");
  ASSERT_TRUE(waitFor([&] { return messages.texts().size() == 2; }));
  EXPECT_EQ(messages.texts().back(), L"Subscript out of range");
  // Back in the topmost band once the box has gone (Wine takes a moment to drop it).
  EXPECT_TRUE(waitFor([&] { return isTopmost(magnifier); }));
  EXPECT_TRUE(program.running());
  EXPECT_EQ(centrePixel(swatch()), RGB(18, 171, 60));
}

TEST_F(PickerE2E, EveryOpeningShowsTheSetColourAndIsBesideTheRulerWhollyOnTheScreenBelowElseAboveElseOnTheRoomierSide) {
  typeCodeAndSet(L"#FF0000");
  EXPECT_EQ(shown(), everywhere(L"#FF0000", {L"255", L"0", L"0"}));
  // The green bar's thumb dragged a little: red and blue stay as set.
  const POINT from = thumb(1);
  drag(from, {from.x + 10, from.y});
  settle(300);
  const int green = static_cast<int>(::SendMessageW(bar(1), SBM_GETPOS, 0, 0));
  ASSERT_GT(green, 0);
  wchar_t code[8];
  ::swprintf(code, 8, L"#FF%02X00", green);
  const std::vector<std::wstring> expected = everywhere(code, {L"255", std::to_wstring(green), L"0"});
  EXPECT_EQ(shown(), expected);

  enum Side { Right, Below, Above, Left };
  const std::pair<POINT, Side> cases[] = {
      {{320, 366}, Right}, {{320, 10}, Below}, {{1100, 10}, Below}, {{320, 700}, Above}, {{620, 366}, Left}};
  for (const auto& [at, side] : cases) {
    SCOPED_TRACE(testing::Message() << "ruler at " << at.x << "," << at.y);
    const Box before = rectOf(ruler);
    drag({before.left + 40, before.top + 30}, {at.x + 40, at.y + 30});
    settle(200);
    const Box r = rectOf(ruler);
    ASSERT_EQ(std::make_pair(r.left, r.top), std::make_pair(at.x, at.y));
    ASSERT_NO_FATAL_FAILURE(reopen());
    EXPECT_EQ(shown(), expected);
    EXPECT_EQ(centrePixel(swatch()), RGB(255, green, 0));
    const Box m = rectOf(magnifier);
    if (screenDpi() != 96) {
      // At 200 % the magnifier is taller than the room above or below the strip on this
      // screen: only wholly on the screen.
      EXPECT_TRUE(m.left >= 0 && m.top >= 0 && m.right <= 1280 && m.bottom <= 800) << m;
      continue;
    }
    const LONG onScreen = std::clamp(r.left, 0L, 1280 - m.width());
    const POINT places[] = {
        {r.right + 4, r.top}, {onScreen, r.bottom + 4}, {onScreen, r.top - 4 - m.height()}, {r.left - 4 - m.width(), r.top}};
    EXPECT_EQ(std::make_pair(m.left, m.top), std::make_pair(places[side].x, places[side].y));
  }
}

// The view at 16x: a grey grid line at the left of every block and a black frame on the
// grid lines round the sampled (yellow) block; the yellow's code on the clipboard after
// three steps right is that of the pixel three to the right of the first pick.
TEST_F(PickerE2E, TheKeysStepTheSampleAtSixteenTimesOverAGridAndTakeAndCopyThePixel) {
  const Box r = rectOf(ruler);
  const LONG row = r.top + 16;  // only the longest ticks reach down here
  POINT first{};
  for (LONG x = r.left + 20; x < r.left + 400 && first.x == 0; ++x) {
    if (screenPixel(x, row) == kYellow && screenPixel(x + 3, row) == kBlack) first = POINT{x, row};
  }
  ASSERT_NE(first.x, 0);
  drag(rectOf(child(magnifier, L"Button", 0)).centre(), first, 10, 300);
  settle(200);
  EXPECT_EQ(textOf(codeBox()), L"#FFFF00");

  // The keyboard goes round to the view; the wheel over it zooms 5 -> 6, 8, 10, 12, 16.
  HWND view = child(magnifier, L"LindrelPicture", 0);
  for (int i = 0; i < 20 && focusOf(magnifier) != view; ++i) key(VK_TAB, true);
  ASSERT_EQ(focusOf(magnifier), view);
  wheel(rectOf(view).centre(), 5);
  ASSERT_TRUE(waitFor([&] { return textOf(magnifier).ends_with(L"  16x"); })) << textOf(magnifier).size();
  settle(200);

  RECT inner{};
  ::GetClientRect(view, &inner);
  ::MapWindowPoints(view, nullptr, reinterpret_cast<POINT*>(&inner), 2);
  const Shot shot(Box{inner.left, inner.top, inner.right, inner.bottom});
  // The frame: one black square a block and a line wide, yellow inside.
  const int block = atDpi(16);
  const auto isFrame = [&](int left, int top) {
    for (int y = top; y <= top + block; ++y) {
      for (int x = left; x <= left + block; ++x) {
        const bool edge = x == left || y == top || x == left + block || y == top + block;
        if (shot.at(x, y) != (edge ? kBlack : kYellow)) return false;
      }
    }
    return true;
  };
  std::vector<POINT> frames;
  for (int y = 0; y + block < shot.height(); ++y) {
    for (int x = 0; x + block < shot.width(); ++x) {
      if (isFrame(x, y)) frames.push_back(POINT{x, y});
    }
  }
  ASSERT_EQ(frames.size(), 1u);
  // Along the frame's middle row the grid is grey exactly a block apart, elsewhere never.
  int gridLines = 0;
  for (int x = 0; x < shot.width(); ++x) {
    const bool onGrid = (x - frames[0].x) % block == 0 && x != frames[0].x && x != frames[0].x + block;
    EXPECT_EQ(shot.at(x, frames[0].y + block / 2) == RGB(0x80, 0x80, 0x80), onGrid) << x;
    gridLines += onGrid;
  }
  EXPECT_GE(gridLines, 8);

  for (int i = 0; i < 3; ++i) key(VK_RIGHT);
  key(VK_RETURN);
  key('C', false, true);
  EXPECT_EQ(clipboardText(), L"#000000");
  EXPECT_EQ(centrePixel(child(magnifier, L"LindrelPicture", 2)), kBlack);  // the newest in the history
}

// Without the mouse: Shift+F10 on the ruler, the magnifier by its access key, the keyboard in
// its view at once, a step down and ten left from the pointer, Space, Ctrl+C.
TEST_F(PickerE2E, FromTheKeyboardAloneTheMagnifierOpensAndTakesAndCopiesAPixel) {
  click(uncoveredSpot(magnifier, 8, 40));
  key(VK_F4, false, false, true);
  ASSERT_TRUE(waitFor([&] { return !::IsWindowVisible(magnifier); }));
  // The pointer rests on yellow with a tick's black one down and ten to the left.
  const Box r = rectOf(ruler);
  const LONG row = r.top + 16;
  POINT rest{};
  for (LONG x = r.left + 40; x < r.left + 400 && rest.x == 0; ++x) {
    if (screenPixel(x, row) == kYellow && screenPixel(x - 10, row + 1) == kBlack) rest = POINT{x, row};
  }
  ASSERT_NE(rest.x, 0);
  click(rest);  // the ruler has the keyboard
  key(VK_F10, true);
  settle(300);
  key('Z');
  ASSERT_NE(magnifier = program.window(L"LindrelZoomOut"), nullptr);
  ASSERT_TRUE(waitFor([&] { return focusOf(magnifier) == child(magnifier, L"LindrelPicture", 0); }));
  key(VK_DOWN);
  key(VK_LEFT, true);
  key(VK_SPACE);
  key('C', false, true);
  EXPECT_EQ(clipboardText(), L"#000000");
  EXPECT_EQ(textOf(codeBox()), L"#000000");
  EXPECT_EQ(rectOf(ruler), r);  // the arrows were the magnifier's
}

}  // namespace
}  // namespace lindrel::e2e
