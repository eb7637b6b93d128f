// The magnifier as a user works it: opened from the ruler's menu, the pen dragged over the
// yellow ruler, the code copied, another notation chosen, codes typed and set.

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

POINT centre(HWND control) {
  const Box b = rectOf(control);
  return POINT{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
}

void clickOn(HWND control) {
  const POINT p = centre(control);
  click(p.x, p.y);
}

class PickerE2E : public RulerProgram {
 protected:
  void SetUp() override {
    RulerProgram::SetUp();
    if (HasFatalFailure()) return;
    openMenu();
    key('Z');  // the magnifier's access key
    zoom = program.window(L"LindrelZoomOut");
    ASSERT_NE(zoom, nullptr);
    settle(500);
    code = child(zoom, L"Edit", 0);
    pen = child(zoom, L"Button", 0);
    ASSERT_NE(code, nullptr);
    ASSERT_NE(pen, nullptr);
  }
  std::wstring box(int index) { return textOf(child(zoom, L"Edit", index)); }
  // Opens the drop-down list and moves down to another notation.
  void notationDown(int steps) {
    clickOn(child(zoom, L"ComboBox"));
    settle(200);
    for (int i = 0; i < steps; ++i) key(VK_DOWN);
    key(VK_RETURN);
    settle(200);
  }
  void typeCodeAndSet(const std::wstring& text) {
    clickOn(code);
    key(VK_END);
    for (int i = 0; i < 12; ++i) key(VK_BACK);
    typeText(text);
    clickOn(child(zoom, L"Button", 2));
    settle(300);
  }

  HWND zoom = nullptr;
  HWND code = nullptr;
  HWND pen = nullptr;
};

TEST_F(PickerE2E, ThePenPicksTheRulersYellowWhichIsCopiedAndShownInAnotherNotation) {
  EXPECT_TRUE(isTopmost(zoom));
  EXPECT_EQ(box(0), L"#FFFFFF");
  const Box r = rectOf(ruler);
  const POINT target{r.left + 101, r.bottom - 8};  // clear of the scale, left of the magnifier
  ASSERT_EQ(screenPixel(target.x, target.y), kYellow);
  const POINT start = centre(pen);
  press(MOUSEEVENTF_LEFTDOWN, start.x, start.y);
  for (int i = 1; i <= 10; ++i) {
    moveTo(start.x + (target.x - start.x) * i / 10, start.y + (target.y - start.y) * i / 10);
  }
  settle(300);  // several ticks over the ruler
  release(MOUSEEVENTF_LEFTUP, target.x, target.y);
  settle(200);
  EXPECT_EQ(box(0), L"#FFFF00");
  EXPECT_EQ(box(1), L"255");
  EXPECT_EQ(box(2), L"255");
  EXPECT_EQ(box(3), L"0");
  // The enlarged image round the pointer is the ruler's yellow too.
  const POINT image = centre(child(zoom, L"LindrelPicture", 0));
  EXPECT_EQ(screenPixel(image.x, image.y), kYellow);

  clickOn(child(zoom, L"Button", 1));
  std::wstring clip;
  ASSERT_TRUE(clipboardText(clip));
  EXPECT_EQ(clip, L"#FFFF00");

  notationDown(1);
  EXPECT_EQ(box(0), L"&h00FFFF");
}

TEST_F(PickerE2E, ATypedCodePaintsTheSwatchAndABadOneIsReported) {
  MessageBoxWatcher boxes;
  notationDown(3);  // RGB
  typeCodeAndSet(L"18,171,60");
  const POINT swatch = centre(child(zoom, L"LindrelPicture", 1));
  EXPECT_EQ(screenPixel(swatch.x, swatch.y), RGB(18, 171, 60));
  EXPECT_TRUE(boxes.texts().empty());

  typeCodeAndSet(L"18,171");
  ASSERT_TRUE(waitFor([&] { return !boxes.texts().empty(); }));
  EXPECT_EQ(boxes.texts().front(), L"Subscript out of range");
  // Back in the topmost band once the box has gone (Wine takes a moment to drop it).
  EXPECT_TRUE(waitFor([&] { return isTopmost(zoom); }));
  EXPECT_TRUE(program.running());
  EXPECT_EQ(screenPixel(swatch.x, swatch.y), RGB(18, 171, 60));
}

TEST_F(PickerE2E, DeleteAndPasteInAComponentBoxRecolourAtOnce) {
  MessageBoxWatcher boxes;
  // Red: everything selected, then Delete. An empty box counts as 0.
  clickOn(child(zoom, L"Edit", 1));
  key(VK_HOME);
  key(VK_END, true);
  key(VK_DELETE);
  settle(200);
  EXPECT_EQ(box(1), L"");
  EXPECT_EQ(box(0), L"#00FFFF");
  // Green: pasted over with Shift+Insert.
  ASSERT_TRUE(setClipboardText(L"77"));
  clickOn(child(zoom, L"Edit", 2));
  key(VK_HOME);
  key(VK_END, true);
  key(VK_INSERT, true);
  settle(200);
  EXPECT_EQ(box(2), L"77");
  EXPECT_EQ(box(0), L"#004DFF");
  const POINT swatch = centre(child(zoom, L"LindrelPicture", 1));
  EXPECT_EQ(screenPixel(swatch.x, swatch.y), RGB(0, 77, 255));
  EXPECT_TRUE(boxes.texts().empty());
}

}  // namespace
}  // namespace lindrel::e2e
