#pragma once
// The texts the user reads, in the language the user chose. They live in the program's
// resources (strings/UiText.def is their table); the platform says where to read them from.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lindrel::strings {

enum class Language { Chinese, English };  // Chinese is every system's default, as always

enum class UiText {
#define UI_TEXT(name, chinese, english) name,
#include "strings/UiText.def"
#undef UI_TEXT
};

inline constexpr int kUiTextCount = 0
#define UI_TEXT(name, chinese, english) +1
#include "strings/UiText.def"
#undef UI_TEXT
    ;

// The number a text has in the resources' string table.
inline constexpr int kFirstTextId = 1000;
constexpr int resourceIdOf(UiText text) { return kFirstTextId + static_cast<int>(text); }

// Where the texts are read from: a text by its resource number in a language (empty when
// there is none). Without one set, the table compiled in, where the build has it.
using TextSource = std::function<std::string(int id, Language language)>;
void readTextsFrom(TextSource source);

void setLanguage(Language language);
Language language();

// A text in the current language, its "{0}", "{1}"... replaced by the arguments.
std::string ui(UiText text, std::initializer_list<std::string_view> arguments = {});

}  // namespace lindrel::strings
