// What the ruler keeps between runs, from another process: garbage in its key gives a first
// start; left by the menu, by Alt+F4 or at the end of the session, it comes back at the
// next start as it was. Sizes are read from the screen, so the same checks hold at 200 %.

#include <gtest/gtest.h>

#include <optional>

#include "tests/e2e/Driver.h"

namespace lindrel::e2e {
namespace {

// Pixels that differ between two shots of the same size.
int differences(const Shot& a, const Shot& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) n += a.at(x, y) != b.at(x, y);
  }
  return n;
}

class SettingsE2E : public ::testing::Test {
 protected:
  void SetUp() override { forgetSettings(); }
  void TearDown() override {
    program.reset();
    forgetSettings();  // the other tests expect a first start
  }
  // lindrel.exe again, with what the last run kept; its ruler, drawn.
  HWND start() {
    program.reset();
    program.emplace(KeptSettings::Used);
    HWND ruler = program->window(L"LindrelRuler");
    settle(600);
    return ruler;
  }
  // A bare spot of the strip, clear of its labels and resize bands.
  static POINT grip(HWND ruler) { return POINT{rectOf(ruler).left + 40, rectOf(ruler).top + 30}; }

  std::optional<Program> program;
  MessageBoxWatcher messages;
};

TEST_F(SettingsE2E, GarbageGivesAFirstStartAndTheRulerComesBackAsItWasLeftByTheMenuAltF4OrTheSessionsEnd) {
  // Values of every wrong kind in the key.
  HKEY kept = nullptr;
  ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Lindrel", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &kept,
                              nullptr),
            ERROR_SUCCESS);
  const BYTE junk[16] = {0xFF, 0xFF, 0xFF, 0x7F, 0x80, 0, 0, 0x80, 1, 2, 3, 4, 5, 6, 7, 8};
  const struct {
    const wchar_t* name;
    DWORD type;
    DWORD size;
  } values[] = {{L"RulerPosition", REG_SZ, 10},     {L"RulerSize", REG_BINARY, 8},        {L"RulerOrientation", REG_DWORD, 4},
                {L"RulerUnit", REG_BINARY, 16},      {L"MagnifierPosition", REG_DWORD, 4}, {L"MagnifierNotation", REG_BINARY, 3}};
  for (const auto& v : values) EXPECT_EQ(::RegSetValueExW(kept, v.name, 0, v.type, junk, v.size), ERROR_SUCCESS);
  ::RegCloseKey(kept);

  enum class Leaving { ByTheMenu, ByAltF4, AtTheSessionsEnd };
  std::optional<Box> left;
  std::optional<Shot> leftShot;
  for (const Leaving leaving : {Leaving::ByTheMenu, Leaving::ByAltF4, Leaving::AtTheSessionsEnd}) {
    SCOPED_TRACE(static_cast<int>(leaving));
    HWND ruler = start();
    ASSERT_NE(ruler, nullptr);
    if (left) {
      EXPECT_EQ(rectOf(ruler), *left);
      EXPECT_EQ(differences(Shot(*left), *leftShot), 0) << "the scale and the readout as they were";
    } else {
      // A first start: half the screen long, centred.
      EXPECT_EQ(rectOf(ruler).left, 320);
      EXPECT_EQ(rectOf(ruler).width(), 640);
      EXPECT_NEAR(rectOf(ruler).centre().y, 400, 1);
    }
    const Box before = rectOf(ruler);
    if (leaving == Leaving::ByTheMenu) {
      drag(grip(ruler), POINT{grip(ruler).x - 200, grip(ruler).y - 250});
      doubleClick(grip(ruler));
      ASSERT_TRUE(waitFor([&] { return rectOf(ruler).height() > rectOf(ruler).width(); }));
      click(grip(ruler), true);
      settle();
      for (const WORD k : {WORD{'W'}, WORD{'C'}, WORD{VK_DOWN}, WORD{VK_DOWN}, WORD{VK_RETURN}}) key(k);  // 300 DPI
      settle(500);
      ASSERT_EQ(rectOf(ruler).top, before.top - 250);
    } else {
      click(grip(ruler));  // the keys go to the ruler
      key(leaving == Leaving::ByAltF4 ? VK_LEFT : VK_UP);
      ASSERT_TRUE(waitFor([&] { return !(rectOf(ruler) == before); }));
    }
    left = rectOf(ruler);
    leftShot.emplace(*left);
    switch (leaving) {
      case Leaving::ByTheMenu:
        click(grip(ruler), true);
        settle();
        key('E');
        break;
      case Leaving::ByAltF4: key(VK_F4, false, false, true); break;
      case Leaving::AtTheSessionsEnd: {
        DWORD_PTR agreed = FALSE;
        ::SendMessageTimeoutW(ruler, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &agreed);
        EXPECT_TRUE(agreed);
        ::SendMessageTimeoutW(ruler, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        program.reset();  // ended at once, as the system may
        continue;
      }
    }
    EXPECT_EQ(program->waitForExit(5000), 0u);
  }
  EXPECT_EQ(rectOf(start()), *left);
  EXPECT_TRUE(messages.texts().empty());
}

}  // namespace
}  // namespace lindrel::e2e
