// What the ruler keeps between runs, from another process: garbage in its key gives a first
// start; left by the menu, by Alt+F4 or at the end of the session, it comes back at the
// next start as it was. Sizes are read from the screen, so the same checks hold at 200 %.

#include <optional>

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

class SettingsE2E : public RulerProgram {
 protected:
  // A bare spot of the strip, clear of its labels and resize bands.
  POINT grip() { return POINT{rectOf(ruler).left + 40, rectOf(ruler).top + 30}; }

  MessageBoxWatcher messages;
};

TEST_F(SettingsE2E, GarbageGivesAFirstStartAndTheRulerComesBackAsItWasLeftByTheMenuAltF4OrTheSessionsEnd) {
  const Box firstStart = rectOf(ruler);  // started on nothing kept
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
  ASSERT_NO_FATAL_FAILURE(restart(0));

  enum class Leaving { ByTheMenu, ByAltF4, AtTheSessionsEnd };
  std::optional<Box> left;
  for (const Leaving leaving : {Leaving::ByTheMenu, Leaving::ByAltF4, Leaving::AtTheSessionsEnd}) {
    SCOPED_TRACE(static_cast<int>(leaving));
    EXPECT_EQ(rectOf(ruler), left.value_or(firstStart));
    const Box before = rectOf(ruler);
    if (leaving == Leaving::ByTheMenu) {
      drag(grip(), POINT{grip().x - 200, grip().y - 250});
      doubleClick(grip());
      ASSERT_TRUE(waitFor([&] { return rectOf(ruler).height() > rectOf(ruler).width(); }));
      chooseUnit(3);  // 300 DPI
      ASSERT_EQ(rectOf(ruler).top, before.top - 250);
    } else {
      click(grip());  // the keys go to the ruler
      key(leaving == Leaving::ByAltF4 ? VK_LEFT : VK_UP);
      ASSERT_TRUE(waitFor([&] { return !(rectOf(ruler) == before); }));
    }
    left = rectOf(ruler);
    switch (leaving) {
      case Leaving::ByTheMenu:
        openMenu();
        key('E');
        break;
      case Leaving::ByAltF4: key(VK_F4, false, false, true); break;
      case Leaving::AtTheSessionsEnd: {
        DWORD_PTR agreed = FALSE;
        ::SendMessageTimeoutW(ruler, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &agreed);
        EXPECT_TRUE(agreed);
        ::SendMessageTimeoutW(ruler, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
        ASSERT_NO_FATAL_FAILURE(restart(0));  // ended at once, as the system may
        continue;
      }
    }
    EXPECT_EQ(program.waitForExit(5000), 0u);
    ASSERT_NO_FATAL_FAILURE(restart(0));
  }
  EXPECT_EQ(rectOf(ruler), *left);
  EXPECT_TRUE(messages.texts().empty());
}

}  // namespace
}  // namespace lindrel::e2e
