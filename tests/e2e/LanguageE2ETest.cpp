// The language chosen from the ruler's menu: the magnifier follows at once, in place and with
// its caption kept, or at its next opening when closed; the choice is kept over a restart.

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

using LanguageE2E = RulerProgram;

TEST_F(LanguageE2E, TheOtherLanguageIsTakenAtOnceByTheMagnifierOpenOrClosedAndKept) {
  makeRoomForTheMagnifier();
  const auto magnifier = [&] { return program.window(L"LindrelZoomOut"); };
  const auto copyCaption = [&] { return textOf(child(magnifier(), L"Button", 1)); };
  const auto chooseLanguage = [&](WORD access) {  // 语言 / Language, then 中文 or English
    openMenu();
    key('L');
    key(access);
    settle(300);
  };
  const wchar_t *ours = inLanguage(L"复制", L"Copy"), *other = inLanguage(L"Copy", L"复制");
  ASSERT_NE(openFromMenu('Z', L"LindrelZoomOut"), nullptr);
  EXPECT_EQ(copyCaption(), ours);
  const Box place = rectOf(magnifier());
  chooseLanguage(inEnglish() ? 'C' : 'E');
  EXPECT_TRUE(waitFor([&] { return copyCaption() == other; }));
  EXPECT_EQ(rectOf(magnifier()), place);
  EXPECT_EQ(textOf(magnifier()), L" 屏幕放大取色器 by:zyn");
  // Kept over a restart; and a magnifier closed at the change opens in the new language.
  restart();
  ASSERT_NE(openFromMenu('Z', L"LindrelZoomOut"), nullptr);
  EXPECT_EQ(copyCaption(), other);
  ::PostMessageW(magnifier(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(waitFor([&] { return program.windows(L"LindrelZoomOut").empty(); }));
  chooseLanguage(inEnglish() ? 'E' : 'C');
  ASSERT_NE(openFromMenu('Z', L"LindrelZoomOut"), nullptr);
  EXPECT_EQ(copyCaption(), ours);
}

}  // namespace
}  // namespace lindrel::e2e
