#pragma once
// What the program is told to do from its command line, and how one copy hands such a
// command to another that runs: as data, one known word, never as something to execute.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

namespace lindrel {

enum class Command { None, Pick, Measure, ShowRuler, HideRuler, Exit, Help };

// The arguments of a whole command line after the program's name: split at blanks, a part in
// double quotes keeping its blanks, the quotes left out.
std::vector<std::string> argumentsOf(std::string_view commandLine);

// The arguments after the program's name: none, or one of /pick, /measure, /ruler, /hide,
// /exit, /? and /help, with "/", "-" or "--", in any case. Anything else is the argument
// that was not understood.
platform::Result<Command, std::string> parseCommandLine(const std::vector<std::string>& arguments);

// A command as one copy sends it to another ("pick"), and as the other reads it: a message
// of another tag, too long, or not exactly one of the words is no command.
inline constexpr std::uint32_t kCommandTag = 0x314E444C;  // "LDN1"
std::vector<std::uint8_t> commandMessage(Command command);
std::optional<Command> readCommandMessage(std::uint32_t tag, std::span<const std::uint8_t> bytes);

}  // namespace lindrel
