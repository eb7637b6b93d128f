// Two colours picked with the pen, their contrast read from the window, and the older one
// brought back from its swatch, with real input on the running program.

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

class ColourWorkflowE2E : public RulerProgram {
 protected:
  void SetUp() override {
    RulerProgram::SetUp();
    if (HasFatalFailure()) return;
    makeRoomForTheMagnifier();
    magnifier = openFromMenu('Z', L"LindrelZoomOut");
    ASSERT_NE(magnifier, nullptr);
    settle(500);
  }
  // Presses the pen, takes it to a point, rests there for a few samples and lets go.
  void pickAt(POINT at) {
    drag(rectOf(child(magnifier, L"Button", 0)).centre(), at, 10, 300);
    settle(200);
  }
  // After the enlarged view and the colour's swatch come the history's, newest first.
  HWND historySwatch(int slot) { return child(magnifier, L"LindrelPicture", 2 + slot); }
  std::wstring contrast() { return textOf(child(magnifier, L"Edit", 4)); }

  HWND magnifier = nullptr;
};

TEST_F(ColourWorkflowE2E, TwoPicksShowTheirContrastAndTheOlderSwatchBringsItsColourBack) {
  EXPECT_EQ(contrast(), L"—");
  const Box r = rectOf(ruler);
  const POINT onRuler{r.left + 101, r.bottom - 8}, onDesktop{5, 795};
  ASSERT_EQ(screenPixel(onRuler.x, onRuler.y), kYellow);
  ASSERT_EQ(screenPixel(onDesktop.x, onDesktop.y), kBlack);
  pickAt(onRuler);
  EXPECT_EQ(contrast(), L"—");  // one colour only
  pickAt(onDesktop);
  EXPECT_EQ(textOf(child(magnifier, L"Edit", 0)), L"#000000");
  EXPECT_EQ(contrast(), L"19.55:1 AAA");
  EXPECT_EQ(centrePixel(historySwatch(0)), kBlack);
  EXPECT_EQ(centrePixel(historySwatch(1)), kYellow);

  ASSERT_TRUE(clickOn(historySwatch(1)));
  settle(200);
  EXPECT_EQ(textOf(child(magnifier, L"Edit", 0)), L"#FFFF00");
  EXPECT_EQ(textOf(child(magnifier, L"Edit", 3)), L"0");  // blue
  EXPECT_EQ(contrast(), L"19.55:1 AAA");
  EXPECT_EQ(centrePixel(historySwatch(0)), kBlack);  // the order stays
  click(rectOf(historySwatch(0)).centre(), true);
  EXPECT_EQ(clipboardText(), L"#000000");
}

}  // namespace
}  // namespace lindrel::e2e
