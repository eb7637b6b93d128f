// Any command line, and any message another copy might send: the parser takes exactly the
// known forms, and the reader exactly one word under the command tag, which reads back as
// the message that command makes.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string_view>

#include "app/Commands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lindrel;
  if (size < 4) return 0;
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const auto parsed = parseCommandLine(argumentsOf(line));
  if (parsed.ok() && *parsed != Command::None && *parsed != Command::Help &&
      readCommandMessage(kCommandTag, commandMessage(*parsed)) != *parsed) {
    std::abort();
  }
  std::uint32_t tag = 0;
  std::memcpy(&tag, data, sizeof tag);
  const std::span<const std::uint8_t> bytes(data + 4, size - 4);
  if (const std::optional<Command> read = readCommandMessage(tag, bytes)) {
    const std::vector<std::uint8_t> own = commandMessage(*read);
    if (tag != kCommandTag || own.size() != bytes.size() || !std::equal(own.begin(), own.end(), bytes.begin())) std::abort();
  }
  return 0;
}
