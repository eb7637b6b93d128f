// The magnifier as a user works it: opened from the ruler's menu, the pen dragged over the
// yellow ruler, the code copied, another notation chosen, codes typed and set.

#include <algorithm>
#include <climits>
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
  void close() {
    click(uncoveredSpot(magnifier, 8, 40));  // its caption, for the keys
    key(VK_F4, false, false, true);
    ASSERT_TRUE(waitFor([&] { return !::IsWindowVisible(magnifier); }));
  }
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

// Where a control shows colour other than grey (the pen's blue on its button), from the
// control's top-left corner.
Box colouredPart(HWND control) {
  const Shot shot(rectOf(control));
  Box part{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      const COLORREF c = shot.at(x, y);
      if (std::max({GetRValue(c), GetGValue(c), GetBValue(c)}) - std::min({GetRValue(c), GetGValue(c), GetBValue(c)}) < 60) continue;
      part = {std::min<LONG>(part.left, x), std::min<LONG>(part.top, y), std::max<LONG>(part.right, x + 1),
              std::max<LONG>(part.bottom, y + 1)};
    }
  }
  return part;
}

TEST_F(PickerE2E, ThePenPicksTheRulersYellowWhichIsCopiedAndShownInAnotherNotation) {
  EXPECT_TRUE(isTopmost(magnifier));
  // The pen inside its button's border, drawn at the DPI.
  HWND penButton = child(magnifier, L"Button", 0);
  const Shot button(rectOf(penButton));
  for (const int y : {0, 1, button.height() - 2, button.height() - 1}) {
    for (int x = 3; x < button.width() - 3; ++x) ASSERT_EQ(button.at(x, y), button.at(3, y)) << "the border's row " << y;
  }
  EXPECT_GE(colouredPart(penButton).height(), atDpi(10));
  // A swatch of the history and the contrast's partner say what the mouse does on them.
  for (const int swatch : {2, 14}) {  // the newest colour's swatch, the partner's
    moveTo(rectOf(child(magnifier, L"LindrelPicture", swatch)).centre());
    EXPECT_TRUE(waitFor([&] {
      const std::vector<HWND> tips = program.windows(L"tooltips_class32");
      return !tips.empty() && textOf(tips[0]).find(inLanguage(L"右键：复制其代码", L"right-click: copy its code")) != std::wstring::npos;
    })) << "swatch " << swatch;
    moveTo({10, 10});
    settle(200);
  }
  EXPECT_EQ(shown(), everywhere(L"#FFFFFF", {L"255", L"255", L"255"}));
  EXPECT_EQ(centrePixel(swatch()), RGB(255, 255, 255));
  const Box r = rectOf(ruler);
  const POINT target{r.left + 101, r.bottom - 8};  // clear of the scale, left of the magnifier
  ASSERT_EQ(screenPixel(target.x, target.y), kYellow);
  drag(rectOf(child(magnifier, L"Button", 0)).centre(), target, 10, 300);
  settle(200);
  EXPECT_EQ(shown(), everywhere(L"#FFFF00", {L"255", L"255", L"0"}));
  EXPECT_EQ(centrePixel(child(magnifier, L"LindrelPicture", 0)), kYellow);

  clickOn(child(magnifier, L"Button", 1));
  EXPECT_EQ(clipboardText(), L"#FFFF00");

  // A second pick, the desktop's black: the contrast of the two, the history newest first,
  // the older colour brought back from its swatch and the newer's code copied from its own.
  const auto contrast = [&] { return textOf(child(magnifier, L"Edit", 4)); };
  EXPECT_EQ(contrast(), L"—");  // one colour only
  drag(rectOf(child(magnifier, L"Button", 0)).centre(), {5, 795}, 10, 300);
  settle(200);
  EXPECT_EQ(shown(), everywhere(L"#000000", {L"0", L"0", L"0"}));
  EXPECT_EQ(contrast(), L"19.55:1 AAA");
  const auto historySwatch = [&](int slot) { return child(magnifier, L"LindrelPicture", 2 + slot); };
  EXPECT_EQ(centrePixel(historySwatch(0)), kBlack);
  ASSERT_TRUE(clickOn(historySwatch(1)));
  settle(200);
  EXPECT_EQ(shown(), everywhere(L"#FFFF00", {L"255", L"255", L"0"}));
  EXPECT_EQ(centrePixel(historySwatch(0)), kBlack);  // the order stays
  click(rectOf(historySwatch(0)).centre(), true);
  EXPECT_EQ(clipboardText(), L"#000000");

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
  const std::vector<std::wstring> notANumber{inLanguage(L"「abc」不是 0 到 255 的数", L"'abc' is not a number from 0 to 255.")};
  EXPECT_EQ(messages.texts(), notANumber);

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
  EXPECT_EQ(messages.texts(), notANumber);

  notationDown(3);  // RGB
  typeCodeAndSet(L"18，171，60");  // with the full-width commas a Chinese input method types
  EXPECT_EQ(centrePixel(swatch()), RGB(18, 171, 60));
  EXPECT_EQ(textOf(codeBox()), L"18,171,60");  // what the colour is
  EXPECT_EQ(messages.texts(), notANumber);
  typeCodeAndSet(L"18,171");
  ASSERT_TRUE(waitFor([&] { return messages.texts().size() == 2; }));
  EXPECT_EQ(messages.texts().back(), inLanguage(L"RGB 代码需要三个数，用逗号分开：18,171,60",
                                                L"The RGB code needs three numbers, with commas between: 18,171,60"));
  EXPECT_EQ(textOf(codeBox()), L"18,171,60");  // the last good text back
  // Back in the topmost band once the box has gone (Wine takes a moment to drop it).
  EXPECT_TRUE(waitFor([&] { return isTopmost(magnifier); }));

  // A click on a bar's arrow, and on its track, recolours as a drag does.
  const Box blue = rectOf(bar(2));
  click({blue.right - blue.height() / 2, blue.centre().y});
  settle(300);
  EXPECT_EQ(shown(), everywhere(L"18,171,61", {L"18", L"171", L"61"}));
  click({blue.right - 2 * blue.height(), blue.centre().y});
  settle(300);
  const std::wstring paged = shown()[6];
  EXPECT_NE(paged, L"61");
  EXPECT_EQ(shown(), everywhere(L"18,171," + paged, {L"18", L"171", paged}));
}

TEST_F(PickerE2E, TheNextOpeningShowsTheSetColourBesideTheMovedRuler) {
  typeCodeAndSet(L"#FF4000");
  const std::vector<std::wstring> expected = everywhere(L"#FF4000", {L"255", L"64", L"0"});
  EXPECT_EQ(shown(), expected);

  const POINT grip = uncoveredSpot(ruler, 30, 40);
  drag(grip, {grip.x, grip.y - rectOf(ruler).top + 10});
  ASSERT_NO_FATAL_FAILURE(close());
  ASSERT_NO_FATAL_FAILURE(open());
  EXPECT_EQ(shown(), expected);
  EXPECT_EQ(centrePixel(swatch()), RGB(255, 64, 0));
  const Box r = rectOf(ruler), m = rectOf(magnifier);
  EXPECT_EQ(r.top, 10);
  EXPECT_TRUE(m.left >= 0 && m.top >= 0 && m.right <= 1280 && m.bottom <= 800) << m;
  EXPECT_TRUE(m.top >= r.bottom || m.left >= r.right || m.right <= r.left) << m << " beside " << r;
}

// The view at 16x: a grey grid line at the left of every block and a black frame on the
// grid lines round the sampled (yellow) block; the yellow's code on the clipboard after
// three steps right is that of the pixel three to the right of the first pick.
TEST_F(PickerE2E, TheKeysStepTheSampleAtSixteenTimesOverAGridAndTakeAndCopyThePixel) {
  // Opened again from the keyboard alone (Shift+F10 on the ruler, Z): the view has the keyboard.
  ASSERT_NO_FATAL_FAILURE(close());
  click(uncoveredSpot(ruler, 40));
  key(VK_F10, true);
  settle(300);
  key('Z');
  ASSERT_NE(magnifier = program.window(L"LindrelZoomOut"), nullptr);
  HWND view = child(magnifier, L"LindrelPicture", 0);
  ASSERT_TRUE(waitFor([&] { return focusOf(magnifier) == view; }));
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

  // The view's focus mark shows once a key is used in the window, and its keyboard menu
  // opens at its top-left.
  RECT inner{};
  ::GetClientRect(view, &inner);
  ::MapWindowPoints(view, nullptr, reinterpret_cast<POINT*>(&inner), 2);
  const Box bottomLeft{inner.left + 1, inner.bottom - 1, (inner.left + inner.right) / 2 - 2, inner.bottom};
  const auto marked = [&, unmarked = Shot(bottomLeft)] {
    const Shot now(bottomLeft);
    for (int x = 0; x < now.width(); ++x) {
      if (now.at(x, 0) != unmarked.at(x, 0)) return true;
    }
    return false;
  };
  const auto menuAt = [](POINT p) {
    HWND menu = ::FindWindowW(L"#32768", nullptr);
    return menu != nullptr && ::IsWindowVisible(menu) && rectOf(menu).left == p.x && rectOf(menu).top == p.y;
  };
  const POINT middle = rectOf(view).centre();
  click(middle, true);
  ASSERT_TRUE(waitFor([&] { return menuAt(middle); }));
  EXPECT_FALSE(marked());
  key(VK_ESCAPE);
  key(VK_F10, true);
  EXPECT_TRUE(waitFor([&] { return menuAt({inner.left, inner.top}); }));
  EXPECT_TRUE(marked());
  key(VK_ESCAPE);

  // The wheel over the view zooms 5 -> 6, 8, 10, 12, 16; the zoom shows in the view's
  // corner, the caption stays.
  const auto cornerWidth = [&] {
    // Along the corner's top row, which is above its text, left from inside the focus mark.
    const Shot column(Box{inner.right - 2, inner.top, inner.right - 1, inner.bottom - 1});
    int height = 0;
    while (height < column.height() && column.at(0, column.height() - 1 - height) == RGB(0xF0, 0xF0, 0xF0)) ++height;
    const Shot row(Box{inner.left, inner.bottom - 1 - height, inner.right - 1, inner.bottom - height});
    int width = 0;
    while (width < row.width() && row.at(row.width() - 1 - width, 0) == RGB(0xF0, 0xF0, 0xF0)) ++width;
    return width;
  };
  const int atFive = cornerWidth();
  EXPECT_GT(atFive, atDpi(10));
  wheel(middle, 5);
  ASSERT_TRUE(waitFor([&] { return cornerWidth() > atFive; }));
  settle(300);
  EXPECT_EQ(textOf(magnifier), L" 屏幕放大取色器 by:zyn");

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
  EXPECT_EQ(rectOf(ruler), r);  // the arrows were the view's
}

}  // namespace
}  // namespace lindrel::e2e
