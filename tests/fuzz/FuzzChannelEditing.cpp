// Any sequence of keys, pasted texts, thumb drags and arrow clicks on the three channel
// boxes and bars. After every recolour that brought no message, the colour, the bars, the
// swatch and the code agree with what the boxes show; a recolour that failed keeps the
// colour. No box ever shows a number above 255.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Text.h"
#include "tests/fuzz/PickerWorld.h"

namespace {

using lindrel::Channel;
using lindrel::MagnifierWindow;
namespace platform = lindrel::platform;

void checkAgreement(MagnifierWindow& m) {
  int v[3];
  for (const Channel c : lindrel::kChannels) {
    const std::string box = m.channelBox(c).text();
    const int value = box.empty() ? 0 : platform::text::toInteger16(box);
    if (value < 0 || value > 255 || m.channelBar(c).value() != value) std::abort();
    v[static_cast<int>(c)] = value;
  }
  const auto colour = static_cast<platform::Colour>(v[0] + 256 * v[1] + 65536 * v[2]);
  if (m.colour() != colour || m.swatch().backColor() != colour) std::abort();
  // The HTML notation is selected: #RRGGBB of the boxes.
  char code[8];
  std::snprintf(code, sizeof code, "#%02X%02X%02X", v[0], v[1], v[2]);
  if (m.codeBox().text() != code) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lindrel::fuzz::PickerWorld& world = lindrel::fuzz::PickerWorld::get();
  auto& sim = world.sim;
  MagnifierWindow& m = world.app.magnifier();
  // The same start for every input: HTML notation, all three boxes at 255.
  m.notationList().setListIndex(static_cast<int>(lindrel::colour_code::Notation::Html));
  for (const Channel c : lindrel::kChannels) m.channelBox(c).setText("255");
  sim.dragThumb(m.channelBar(Channel::Red), 255);

  static const char kPaste[] = "0123456789 -+.e,x#";
  for (std::size_t i = 0; i + 2 <= size;) {
    const std::uint8_t op = data[i++];
    const std::uint8_t arg = data[i++];
    const Channel channel = lindrel::kChannels[op / 4 % 3];
    platform::TextBox& box = m.channelBox(channel);
    const platform::Colour before = m.colour();
    sim.forgetRecords();
    const char key = static_cast<char>(arg);
    bool recoloured = false;
    switch (op % 4) {
      case 0:  // a key: whatever it is
        sim.type(box, std::string(1, key));
        recoloured = key == '\b' || (key >= '0' && key <= '9');
        break;
      case 1: {  // a paste of up to three characters, number or not
        std::string pasted;
        for (int k = 0; k < arg % 4 && i < size; ++k, ++i) pasted += kPaste[data[i] % (sizeof kPaste - 1)];
        recoloured = box.text() != pasted;  // an edit that changes nothing is no edit
        sim.edit(box, pasted);
        break;
      }
      case 2:
        sim.dragThumb(m.channelBar(channel), arg);
        recoloured = true;
        break;
      default:
        sim.clickArrow(m.channelBar(channel), arg % 2 == 0 ? 1 : -1);
        break;
    }
    if (!recoloured) continue;
    if (!world.messageShown()) checkAgreement(m);
    else if (m.colour() != before) std::abort();
  }
  return 0;
}
