#include "strings/UiText.h"

#include <iterator>

namespace lindrel::strings {
namespace {

#ifndef LINDREL_TEXTS_IN_RESOURCES
struct TextPair {
  const char* chinese;
  const char* english;
};
constexpr TextPair kTexts[] = {
#define UI_TEXT(name, chinese, english) {chinese, english},
#include "strings/UiText.def"
#undef UI_TEXT
};

std::string compiledIn(int id, Language language) {
  const int at = id - kFirstTextId;
  if (at < 0 || at >= static_cast<int>(std::size(kTexts))) return {};
  return language == Language::English ? kTexts[at].english : kTexts[at].chinese;
}
TextSource& source() {
  static TextSource s = compiledIn;
  return s;
}
#else
TextSource& source() {
  static TextSource s;
  return s;
}
#endif

Language& current() {
  static Language l = Language::Chinese;
  return l;
}

}  // namespace

void readTextsFrom(TextSource s) { source() = std::move(s); }
void setLanguage(Language language) { current() = language; }
Language language() { return current(); }

std::string ui(UiText text, std::initializer_list<std::string_view> arguments) {
  const std::string pattern = source() ? source()(resourceIdOf(text), current()) : std::string();
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    // "{n}" with a single digit n that has an argument; anything else stays as written.
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' && pattern[i + 1] >= '0' &&
        pattern[i + 1] <= '9' && static_cast<std::size_t>(pattern[i + 1] - '0') < arguments.size()) {
      out += *(arguments.begin() + (pattern[i + 1] - '0'));
      i += 2;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace lindrel::strings
