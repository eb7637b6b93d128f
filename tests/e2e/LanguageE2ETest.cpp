// The language chosen from the ruler's menu: an open magnifier follows at once, in place and
// with its caption kept, and the choice is kept over a restart.

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

using LanguageE2E = RulerProgram;

TEST_F(LanguageE2E, TheOtherLanguageIsTakenAtOnceByTheOpenMagnifierAndKept) {
  makeRoomForTheMagnifier();
  HWND magnifier = openFromMenu('Z', L"LindrelZoomOut");
  ASSERT_NE(magnifier, nullptr);
  const Box place = rectOf(magnifier);
  const auto copyCaption = [&] { return textOf(child(program.window(L"LindrelZoomOut"), L"Button", 1)); };
  EXPECT_EQ(copyCaption(), inLanguage(L"复制", L"Copy"));
  // 语言 / Language, then the language this run is not in.
  openMenu();
  key('L');
  key(inEnglish() ? 'C' : 'E');
  const wchar_t* other = inLanguage(L"Copy", L"复制");
  EXPECT_TRUE(waitFor([&] { return copyCaption() == other; }));
  EXPECT_EQ(rectOf(program.window(L"LindrelZoomOut")), place);
  EXPECT_EQ(textOf(program.window(L"LindrelZoomOut")), L" 屏幕放大取色器 by:zyn");
  restart();
  ASSERT_NE(magnifier = openFromMenu('Z', L"LindrelZoomOut"), nullptr);
  EXPECT_EQ(copyCaption(), other);
}

}  // namespace
}  // namespace lindrel::e2e
