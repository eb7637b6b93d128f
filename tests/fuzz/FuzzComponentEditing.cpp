// Any sequence of keys, pasted texts, thumb drags and arrow clicks on the three component
// boxes and bars. After every recolour that brought no message, the colour, the bars, the
// swatch and the code agree with what the boxes show; a recolour that failed keeps the
// colour. No box ever shows a number above 255.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Text.h"
#include "tests/fuzz/PickerWorld.h"

namespace {

using lindrel::frmZoomOut;
namespace platform = lindrel::platform;
namespace text = lindrel::platform::text;

int valueOf(const std::string& box) { return box.empty() ? 0 : text::toInteger16(box); }

void checkAgreement(frmZoomOut& z) {
  platform::TextBox* boxes[] = {z.txtR, z.txtG, z.txtB};
  platform::ScrollBar* bars[] = {z.red, z.green, z.blue};
  int v[3];
  for (int i = 0; i < 3; ++i) {
    v[i] = valueOf(boxes[i]->text());
    if (v[i] < 0 || v[i] > 255) std::abort();
    if (bars[i]->value() != v[i]) std::abort();
  }
  const double colour = v[0] + 256.0 * v[1] + 65536.0 * v[2];
  if (z.colorValue != colour) std::abort();
  if (z.pic->backColor() != static_cast<lindrel::platform::Colour>(colour)) std::abort();
  // The HTML notation is selected: #RRGGBB of the boxes.
  char code[8];
  std::snprintf(code, sizeof code, "#%02X%02X%02X", v[0], v[1], v[2]);
  if (z.txtColor->text() != code) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lindrel::fuzz::PickerWorld& world = lindrel::fuzz::PickerWorld::get();
  auto& sim = world.sim;
  frmZoomOut& z = *world.picker;
  // The same start for every input: HTML notation, all three boxes at 255.
  z.cmbSel->setListIndex(frmZoomOut::Html);
  for (platform::TextBox* box : {z.txtR, z.txtG, z.txtB}) box->setText("255");
  sim.dragThumb(*z.red, 255);
  sim.forgetRecords();

  platform::TextBox* boxes[] = {z.txtR, z.txtG, z.txtB};
  platform::ScrollBar* bars[] = {z.red, z.green, z.blue};
  static const char kPaste[] = "0123456789 -+.e,x#";
  std::size_t i = 0;
  while (i + 2 <= size) {
    const std::uint8_t op = data[i], arg = data[i + 1];
    i += 2;
    const int which = op / 4 % 3;
    const double before = z.colorValue;
    const std::size_t messages = sim.messageBoxes().size();
    bool recoloured = false;
    switch (op % 4) {
      case 0: {  // a key: whatever it is
        const char key = static_cast<char>(arg);
        sim.type(*boxes[which], std::string(1, key));
        recoloured = key == '\b' || (key >= '0' && key <= '9');
        break;
      }
      case 1: {  // a paste of up to three characters, number or not
        std::string pasted;
        for (int k = 0; k < arg % 4 && i < size; ++k, ++i) pasted += kPaste[data[i] % (sizeof kPaste - 1)];
        recoloured = boxes[which]->text() != pasted;  // an edit that changes nothing is no edit
        sim.edit(*boxes[which], pasted);
        break;
      }
      case 2:
        sim.dragThumb(*bars[which], arg);
        recoloured = true;
        break;
      default:
        sim.clickArrow(*bars[which], arg % 2 == 0 ? 1 : -1);
        break;
    }
    if (!recoloured) continue;
    if (sim.messageBoxes().size() > messages) {
      if (!lindrel::fuzz::isStandardDescription(sim.messageBoxes().back().text)) std::abort();
      if (z.colorValue != before) std::abort();
      sim.forgetRecords();
    } else {
      checkAgreement(z);
    }
  }
  return 0;
}
