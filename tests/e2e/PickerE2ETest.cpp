// The magnifier as a user works it: opened from the ruler's menu, the pen dragged over the
// yellow ruler, the code copied, another notation chosen, codes typed and set.

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
    magnifier = openFromMenu('Z', L"LindrelZoomOut");
    ASSERT_NE(magnifier, nullptr);
    settle(500);
    ASSERT_NE(codeBox(), nullptr);
    ASSERT_NE(child(magnifier, L"Button", 0), nullptr);  // the pen
  }
  HWND codeBox() { return child(magnifier, L"Edit", 0); }
  HWND swatch() { return child(magnifier, L"LindrelPicture", 1); }
  // The code box, then the red, green and blue boxes.
  std::vector<std::wstring> boxes() {
    std::vector<std::wstring> texts;
    for (int i = 0; i < 4; ++i) texts.push_back(textOf(child(magnifier, L"Edit", i)));
    return texts;
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
  EXPECT_EQ(textOf(codeBox()), L"#FFFFFF");
  const Box r = rectOf(ruler);
  const POINT target{r.left + 101, r.bottom - 8};  // clear of the scale, left of the magnifier
  ASSERT_EQ(screenPixel(target.x, target.y), kYellow);
  // The pen from its button to the ruler, held there for several ticks.
  drag(rectOf(child(magnifier, L"Button", 0)).centre(), target, 10, 300);
  settle(200);
  EXPECT_EQ(boxes(), (std::vector<std::wstring>{L"#FFFF00", L"255", L"255", L"0"}));
  // The enlarged image round the pointer is the ruler's yellow too.
  EXPECT_EQ(centrePixel(child(magnifier, L"LindrelPicture", 0)), kYellow);

  clickOn(child(magnifier, L"Button", 1));
  EXPECT_EQ(clipboardText(), L"#FFFF00");

  notationDown(1);
  EXPECT_EQ(textOf(codeBox()), L"&h00FFFF");
}

TEST_F(PickerE2E, ChannelEditsAndATypedCodeRecolourAtOnceAndABadCodeIsReported) {
  MessageBoxWatcher messages;
  ASSERT_TRUE(setClipboardText(L"77"));
  // Everything in a box selected, then red deleted (an empty box counts as 0) and green pasted
  // over with Shift+Insert.
  const std::pair<WORD, std::vector<std::wstring>> edits[] = {{VK_DELETE, {L"#00FFFF", L"", L"255", L"255"}},
                                                               {VK_INSERT, {L"#004DFF", L"", L"77", L"255"}}};
  for (int box = 1; const auto& [edit, after] : edits) {
    clickOn(child(magnifier, L"Edit", box++));
    key(VK_HOME);
    key(VK_END, true);
    key(edit, edit == VK_INSERT);
    settle(200);
    EXPECT_EQ(boxes(), after);
  }
  EXPECT_EQ(centrePixel(swatch()), RGB(0, 77, 255));

  notationDown(3);  // RGB
  typeCodeAndSet(L"18,171,60");
  EXPECT_EQ(centrePixel(swatch()), RGB(18, 171, 60));
  EXPECT_TRUE(messages.texts().empty());
  typeCodeAndSet(L"18,171");
  ASSERT_TRUE(waitFor([&] { return !messages.texts().empty(); }));
  EXPECT_EQ(messages.texts().front(), L"Subscript out of range");
  // Back in the topmost band once the box has gone (Wine takes a moment to drop it).
  EXPECT_TRUE(waitFor([&] { return isTopmost(magnifier); }));
  EXPECT_TRUE(program.running());
  EXPECT_EQ(centrePixel(swatch()), RGB(18, 171, 60));
}

}  // namespace
}  // namespace lindrel::e2e
