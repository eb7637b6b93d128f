// Any typed code in any notation (or none selected) through the Set button's reader: a
// colour in range that the swatch shows, or one of the standard messages with the colour
// kept. Only codes read in a decimal notation can fail; with no notation selected the colour
// stays.

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/fuzz/PickerWorld.h"

namespace {

// Only the decimal notations can fail to read a code: the selected one, or one whose form
// starts the code.
bool mayFail(int selected, std::string typed) {
  using lindrel::colour_code::Notation;
  typed.erase(0, typed.find_first_not_of(" \t"));
  for (char& c : typed) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto notation = static_cast<Notation>(selected);
  return notation == Notation::Rgb || notation == Notation::CssRgb || notation == Notation::CssHsl ||
         notation == Notation::Hsv || notation == Notation::Float || typed.starts_with("rgb(") ||
         typed.starts_with("hsl(") || typed.starts_with("hsv(");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lindrel;
  if (size == 0) return 0;
  fuzz::PickerWorld& world = fuzz::PickerWorld::get();
  MagnifierWindow& m = world.app.magnifier();
  const int notation = data[0] % 11 - 1;  // -1: nothing selected
  m.notationList().setListIndex(notation);
  const std::string typed(reinterpret_cast<const char*>(data + 1), size - 1);
  m.codeBox().setText(typed);
  world.sim.forgetRecords();
  const platform::Colour before = m.colour();

  m.applyTypedCode();

  if (m.codeBox().text() != typed) std::abort();  // read as typed, never rewritten
  const bool failed = world.messageShown();
  if (failed && !mayFail(notation, typed)) std::abort();
  if ((failed || notation < 0) && m.colour() != before) std::abort();  // nothing read: the colour stays
  if (!failed && (m.colour() > 0xFFFFFF || m.swatch().backColor() != m.colour())) std::abort();
  return 0;
}
