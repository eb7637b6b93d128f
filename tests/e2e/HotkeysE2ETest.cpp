// The program at hand from anywhere: its global hotkeys as real key input, the hotkeys
// dialog, and commands on the command line handed to the copy that runs.

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

// A key with the Windows key and Shift held, as a hand presses it.
void winShift(WORD vk) {
  INPUT in[6] = {};
  const WORD keys[] = {VK_LWIN, VK_SHIFT, vk};
  for (int i = 0; i < 3; ++i) {
    in[i].type = in[5 - i].type = INPUT_KEYBOARD;
    in[i].ki.wVk = in[5 - i].ki.wVk = keys[i];
    in[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  ::SendInput(6, in, sizeof(INPUT));
  settle(500);
}

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

// The dialog row of the key another program holds says so, the others work, and a key set
// there works at once and after a restart.
TEST(HotkeysDialog, AKeyHeldElsewhereIsShownAsSoAndAKeySetWorksAtOnceAndAfterARestart) {
  ASSERT_TRUE(::RegisterHotKey(nullptr, 1, MOD_WIN | MOD_SHIFT, 'X'));
  std::optional<Program> program(std::in_place);
  HWND ruler = program->window(L"LindrelRuler");
  ASSERT_NE(ruler, nullptr);
  settle(500);
  const POINT onStrip = uncoveredSpot(ruler, rectOf(ruler).height() - 8);
  HWND dialog = openFromMenu(*program, ruler, "H", L"LindrelHotkeys");
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
      settle(1500);  // the settings are written a second after the change
      program.reset();
      program.emplace(KeptSettings::Used);
      ASSERT_NE(program->window(L"LindrelRuler"), nullptr);
      settle(500);
    }
    key('P', false, true, true);
    EXPECT_TRUE(picksFrom(*program, onStrip));
    key(VK_ESCAPE);
    settle(300);
  }
  ::UnregisterHotKey(nullptr, 1);
}

// Each form of each command reaches the running copy; the process that carried it ends.
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
  Program again(KeptSettings::Used);
  HWND back = again.window(L"LindrelRuler");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(rectOf(back), moved);
}

}  // namespace
}  // namespace lindrel::e2e
