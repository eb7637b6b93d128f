#include "app/Commands.h"

#include <array>

#include "platform/Platform.h"

namespace lindrel {
namespace {

struct Word {
  std::string_view word;
  Command command;
};
// The words one copy may send another; help stays with the copy that was asked.
constexpr std::array<Word, 5> kSendable{{{"pick", Command::Pick},
                                         {"measure", Command::Measure},
                                         {"ruler", Command::ShowRuler},
                                         {"hide", Command::HideRuler},
                                         {"exit", Command::Exit}}};
constexpr std::size_t kLongestWord = std::ranges::max(kSendable, {}, [](const Word& w) { return w.word.size(); }).word.size();

std::optional<Command> sendableNamed(std::string_view word) {
  for (const Word& w : kSendable) {
    if (w.word == word) return w.command;
  }
  return std::nullopt;
}

std::optional<Command> commandNamed(std::string_view word) {
  if (word == "help" || word == "?") return Command::Help;
  return sendableNamed(word);
}

}  // namespace

std::vector<std::string> argumentsOf(std::string_view commandLine) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, inWord = false;
  for (const char c : commandLine) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  if (!words.empty()) words.erase(words.begin());  // the program's own name
  return words;
}

platform::Result<Command, std::string> parseCommandLine(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return Command::None;
  if (arguments.size() > 1) return arguments[1];
  std::string_view argument = arguments[0];
  if (argument.starts_with("--")) {
    argument.remove_prefix(2);
  } else if (argument.starts_with("-") || argument.starts_with("/")) {
    argument.remove_prefix(1);
  } else {
    return arguments[0];
  }
  if (argument.size() > kLongestWord) return arguments[0];
  if (const std::optional<Command> command = commandNamed(platform::lowerCase(argument))) return *command;
  return arguments[0];
}

std::vector<std::uint8_t> commandMessage(Command command) {
  for (const Word& w : kSendable) {
    if (w.command == command) return {w.word.begin(), w.word.end()};
  }
  return {};
}

std::optional<Command> readCommandMessage(std::uint32_t tag, std::span<const std::uint8_t> bytes) {
  if (tag != kCommandTag || bytes.empty() || bytes.size() > kLongestWord) return std::nullopt;
  return sendableNamed(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace lindrel
