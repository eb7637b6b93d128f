// The command line and the commands one copy hands another: every form a user may type, and
// messages that are not exactly a command.

#include <gtest/gtest.h>

#include "app/Commands.h"
#include "hotkeys/Hotkeys.h"

namespace lindrel::testing {
namespace {

std::vector<std::uint8_t> bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(CommandLine, EachCommandInEveryFormAndAnythingElseAsTheArgumentNotUnderstood) {
  const struct { const char* line; std::optional<Command> command; } cases[] = {
      {R"("C:\Program Files\Lindrel\lindrel.exe")", Command::None},
      {"lindrel.exe /pick", Command::Pick},       {"lindrel.exe -MEASURE", Command::Measure},
      {"lindrel --Ruler", Command::ShowRuler},     {"lindrel /hide", Command::HideRuler},
      {"lindrel -exit", Command::Exit},           {"lindrel /?", Command::Help},
      {"lindrel --help", Command::Help},          {"lindrel pick", std::nullopt},
      {"lindrel /pick /exit", std::nullopt},      {"lindrel ---pick", std::nullopt},
      {"lindrel /pickx", std::nullopt},           {"lindrel \"/pick \"", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto parsed = parseCommandLine(argumentsOf(c.line));
    EXPECT_EQ(parsed.ok() ? std::optional(*parsed) : std::nullopt, c.command) << c.line;
  }
  EXPECT_EQ(argumentsOf(R"(a.exe "one two"  three)"), (std::vector<std::string>{"one two", "three"}));
}

TEST(CommandLine, AnotherCopyReadsExactlyOneWordOfItsOwnTag) {
  for (const Command c : {Command::Pick, Command::Measure, Command::ShowRuler, Command::HideRuler, Command::Exit}) {
    EXPECT_EQ(readCommandMessage(kCommandTag, commandMessage(c)), c);
  }
  EXPECT_TRUE(commandMessage(Command::Help).empty());
  for (const auto& [tag, text] : {std::pair{kCommandTag + 1, "pick"}, std::pair{kCommandTag, "PICK"},
                                  std::pair{kCommandTag, "pick "}, std::pair{kCommandTag, "pi"},
                                  std::pair{kCommandTag, "help"}, std::pair{kCommandTag, "measuremeasure"}}) {
    EXPECT_FALSE(readCommandMessage(tag, bytes(text))) << text;
  }
  EXPECT_FALSE(readCommandMessage(kCommandTag, std::vector<std::uint8_t>{'p', 'i', 'c', 'k', 0}));
}

TEST(Hotkeys, ReadAsAUserNamesThem) {
  using platform::Hotkey;
  EXPECT_EQ(hotkeyText(Hotkey{0x74, Hotkey::Ctrl | Hotkey::Alt}), "Ctrl+Alt+F5");
  EXPECT_EQ(hotkeyText(Hotkey{0x2E, Hotkey::Shift}), "Shift+Delete");
  EXPECT_EQ(hotkeyText(std::nullopt), "无");
  EXPECT_FALSE(isHotkeyKey(0x10));  // Shift alone is no key
}

}  // namespace
}  // namespace lindrel::testing
