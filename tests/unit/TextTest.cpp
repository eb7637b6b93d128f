// Numbers as the program writes and reads them, the rounding its designs are laid out with,
// and the system information tool's look-up.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "about/AboutBox.h"
#include "platform/Geometry.h"
#include "text/Numbers.h"
#include "strings/UiText.h"

namespace lindrel::testing {
namespace {

TEST(NumberText, DecimalsRoundHalvesAwayFromZeroOnTheNumbersDecimalForm) {
  const std::tuple<double, int, const char*> fixed[] = {
      {960, 2, "960.00"}, {1005.0 / 7080, 2, "0.14"}, {0.125, 2, "0.13"}, {2.675, 2, "2.68"}, {0.995, 2, "1.00"},
      {-1.5, 2, "-1.50"}, {-0.001, 2, "0.00"},         {18 / 255.0, 3, "0.071"}, {112.5, 0, "113"}, {125, 0, "125"},
  };
  for (const auto& [value, decimals, written] : fixed) EXPECT_EQ(text::fixedDecimals(value, decimals), written) << value;
  const std::pair<double, const char*> tenths[] = {{0, "0"}, {0.5, "0.5"}, {4.2, "4.2"}, {70, "70"}, {0.96, "1"}, {2100 / 500.0, "4.2"}};
  for (const auto& [value, written] : tenths) EXPECT_EQ(text::atMostOneDecimal(value), written) << value;
}

TEST(NumberText, ReadingTakesBlanksSignsPointsAndExponentsAndSaysWhyOtherTextIsNoNumber) {
  using enum text::NumberError;
  const std::pair<const char*, double> numbers[] = {{" 18 ", 18}, {"\t-7", -7}, {"+3", 3}, {".5", 0.5}, {"1e2", 100}, {"1e-400", 0}};
  for (const auto& [typed, value] : numbers) EXPECT_EQ(*text::parseDecimal(typed), value) << typed;
  for (const char* bad : {"", " ", "abc", "12a", "1 2", "-", ".", "e5", "inf", "nan", "0x1", "1,5"}) {
    EXPECT_EQ(text::parseDecimal(bad).error(), NotANumber) << '"' << bad << '"';
  }
  EXPECT_EQ(text::parseDecimal("1e999").error(), OutOfRange);
  EXPECT_EQ(*text::parseWhole("2.5", 0, 9), 2);  // halves to the even neighbour
  EXPECT_EQ(*text::parseWhole("3.5", 0, 9), 4);
  EXPECT_EQ(text::parseWhole("9.6", 0, 9).error(), OutOfRange);
}

TEST(UiTexts, EveryTextIsInBothLanguagesWithTheSamePlacesToFillIn) {
  const auto places = [](const std::string& text) {
    std::multiset<std::string> found;
    for (std::size_t at = text.find('{'); at != std::string::npos; at = text.find('{', at + 1)) found.insert(text.substr(at, 3));
    return found;
  };
  for (int id = 0; id < strings::kUiTextCount; ++id) {
    const auto t = static_cast<strings::UiText>(id);
    strings::setLanguage(strings::Language::English);
    const std::string english = strings::ui(t);
    strings::setLanguage(strings::Language::Chinese);
    const std::string chinese = strings::ui(t);
    EXPECT_FALSE(english.empty() || chinese.empty()) << id;
    EXPECT_EQ(places(english), places(chinese)) << english;
  }
  EXPECT_EQ(strings::ui(strings::UiText::CodeNotANumber, {"18,x,60", "2", "x"}), "「18,x,60」的第 2 个数不是数：x");
  strings::setLanguage(strings::Language::English);
  EXPECT_EQ(strings::ui(strings::UiText::CodeNotANumber, {"18,x,60", "2", "x"}), "Number 2 of '18,x,60' is not a number: x");
  strings::setLanguage(strings::Language::Chinese);
}

TEST(Designs, ScaleToTheDpiWithHalvesToTheEvenPixel) {
  const std::tuple<int, int, int> cases[] = {{67, 96, 67}, {67, 192, 134}, {25, 144, 38}, {27, 144, 40}, {2, 120, 2}, {6, 120, 8}};
  for (const auto& [design, dpi, pixels] : cases) EXPECT_EQ(platform::scaledToDpi(design, dpi), pixels) << design << " at " << dpi;
}

TEST(SystemInfo, TheProgramTheRegistryNamesWhenItIsThereElseTheOneInTheSharedToolsFolder) {
  const std::string path = "C:\\Info & more\\msinfo32.exe", inFolder = "C:\\Info\\MSINFO32.EXE";
  const std::tuple<std::map<std::string, std::string>, std::vector<std::string>, std::optional<std::string>> cases[] = {
      {{{"PATH", path}, {"MSINFO", "C:\\Info"}}, {path, inFolder}, path},
      {{{"PATH", path}, {"MSINFO", "C:\\Info"}}, {inFolder}, inFolder},  // the path names no program
      {{{"PATH", ""}, {"MSINFO", "C:\\Info"}}, {inFolder}, inFolder},    // a path of another kind
      {{{"MSINFO", "C:\\Info"}}, {}, std::nullopt},
      {{}, {path, inFolder}, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto& [values, files, program] = c;
    const auto found = systemInfoProgram(
        [&c](std::string_view, std::string_view name) -> std::optional<std::string> {
          const auto it = std::get<0>(c).find(std::string(name));
          return it == std::get<0>(c).end() ? std::nullopt : std::optional(it->second);
        },
        [&c](std::string_view file) { return std::ranges::find(std::get<1>(c), file) != std::get<1>(c).end(); });
    EXPECT_EQ(found, program);
  }
}

}  // namespace
}  // namespace lindrel::testing
