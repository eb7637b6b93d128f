// The program at hand from anywhere: its global hotkeys as real key input, the hotkeys
// dialog, and commands on the command line handed to the copy that runs.

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

void winShift(WORD vk) { key(vk, true, false, false, true); }

// Whether the magnifier is up and picking: its code follows the pointer over the strip.
bool picksFrom(const Program& program, POINT at) {
  HWND magnifier = program.window(L"LindrelZoomOut", 3000);
  if (magnifier == nullptr) return false;
  moveTo(at);
  return waitFor([&] { return textOf(child(magnifier, L"Edit", 0)) == L"#FFFF00"; });
}

using HotkeysE2E = RulerProgram;

TEST_F(HotkeysE2E, EachHotkeyDoesItsActionAndAClickTakesThePickedColour) {
  const POINT onStrip = uncoveredSpot(ruler, rectOf(ruler).height() - 8);
  winShift('Z');
  ASSERT_TRUE(picksFrom(program, onStrip));
  click(onStrip);
  HWND magnifier = program.window(L"LindrelZoomOut");
  EXPECT_EQ(centrePixel(child(magnifier, L"LindrelPicture", 2)), kYellow);  // taken into the history
  moveTo({5, 5});
  settle(300);
  EXPECT_EQ(textOf(child(magnifier, L"Edit", 0)), L"#FFFF00");  // no longer picking
  winShift('X');
  EXPECT_NE(program.window(L"LindrelMeasure"), nullptr);
  key(VK_ESCAPE);
  ASSERT_TRUE(waitFor([&] { return program.windows(L"LindrelMeasure").empty(); }));
  winShift('A');
  EXPECT_TRUE(waitFor([&] { return !::IsWindowVisible(ruler); }));
  winShift('A');
  EXPECT_TRUE(waitFor([&] { return ::IsWindowVisible(ruler) != FALSE; }));
}

// Win+Shift+X taken by this process before the program starts.
struct MeasureKeyHeld {
  MeasureKeyHeld() { ::RegisterHotKey(nullptr, 1, MOD_WIN | MOD_SHIFT, 'X'); }
  ~MeasureKeyHeld() { ::UnregisterHotKey(nullptr, 1); }
};
class HotkeysDialog : MeasureKeyHeld, public RulerProgram {};

TEST_F(HotkeysDialog, AKeyHeldElsewhereIsShownAsSoAndAKeySetWorksAtOnceAndAfterARestart) {
  const POINT onStrip = uncoveredSpot(ruler, rectOf(ruler).height() - 8);
  HWND dialog = openFromMenu('H', L"LindrelHotkeys");
  ASSERT_NE(dialog, nullptr);
  // Ink right of each row's 清除 button only where the key is held elsewhere.
  for (int row = 0; row < 3; ++row) {
    const Box clear = rectOf(child(dialog, L"Button", 2 * row + 1));
    const Shot status(Box{clear.right + 4, clear.top, rectOf(dialog).right - 8, clear.bottom});
    int ink = 0;
    for (int x = 0; x < status.width(); ++x) ink += status.at(x, status.height() / 2) != status.at(0, 0);
    EXPECT_EQ(ink > 0, row == 1) << "row " << row;
  }
  // The colour's key becomes Ctrl+Alt+P: typed into its box, the Windows key taken off.
  clickOn(child(dialog, L"msctls_hotkey32", 0));
  key('P', false, true, true);
  clickOn(child(dialog, L"Button", 0));  // Win
  key(VK_RETURN);
  ASSERT_TRUE(waitFor([&] { return !::IsWindow(dialog); }));
  for (const bool restarted : {false, true}) {
    SCOPED_TRACE(restarted ? "after a restart" : "at once");
    if (restarted) {
      ASSERT_NO_FATAL_FAILURE(restart());
    }
    key('P', false, true, true);
    EXPECT_TRUE(picksFrom(program, onStrip));
    key(VK_ESCAPE);
    settle(300);
  }
}

TEST_F(HotkeysE2E, CommandsOnTheCommandLineGoToTheRunningCopy) {
  const auto send = [](const wchar_t* arguments) {
    Program carrier(KeptSettings::Used, arguments);
    return carrier.waitForExit(5000);
  };
  EXPECT_EQ(send(L"/hide"), 0u);
  EXPECT_TRUE(waitFor([&] { return !::IsWindowVisible(ruler); }));
  EXPECT_EQ(send(L"-RULER"), 0u);
  EXPECT_TRUE(waitFor([&] { return ::IsWindowVisible(ruler) != FALSE; }));
  EXPECT_EQ(send(L"--Measure"), 0u);
  EXPECT_NE(program.window(L"LindrelMeasure"), nullptr);
  key(VK_ESCAPE);
  ASSERT_TRUE(waitFor([&] { return program.windows(L"LindrelMeasure").empty(); }));
  EXPECT_EQ(send(L"/pick"), 0u);
  EXPECT_TRUE(picksFrom(program, uncoveredSpot(ruler, rectOf(ruler).height() - 8)));
  key(VK_ESCAPE);
  // The usage for /? and for what is not understood, and nothing else.
  MessageBoxWatcher messages;
  EXPECT_EQ(send(L"/?"), 0u);
  EXPECT_EQ(send(L"/bogus"), 0u);
  ASSERT_EQ(messages.texts().size(), 2u);
  EXPECT_TRUE(messages.texts()[1].starts_with(inLanguage(L"用法：lindrel.exe", L"Usage: lindrel.exe")));
  EXPECT_EQ(visibleWindows(0, L"LindrelRuler").size(), 1u);
  // /exit ends the running copy with what it keeps written.
  click(uncoveredSpot(ruler, 40));
  key(VK_LEFT);
  const Box moved = rectOf(ruler);
  EXPECT_EQ(send(L"/exit"), 0u);
  EXPECT_EQ(program.waitForExit(5000), 0u);
  ASSERT_NO_FATAL_FAILURE(restart(0));
  EXPECT_EQ(rectOf(ruler), moved);
}

}  // namespace
}  // namespace lindrel::e2e
