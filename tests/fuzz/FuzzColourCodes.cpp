// Any typed code in any notation (or none selected) through the Set button's reader: a
// colour in range that the swatch shows, or one of the standard messages with the colour
// kept. The hexadecimal notations never fail.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/fuzz/PickerWorld.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lindrel;
  if (size == 0) return 0;
  fuzz::PickerWorld& world = fuzz::PickerWorld::get();
  frmZoomOut& z = *world.picker;
  const int notation = data[0] % 6 - 1;  // -1: nothing selected
  z.cmbSel->setListIndex(notation);
  const std::string typed(reinterpret_cast<const char*>(data + 1), size - 1);
  z.txtColor->setText(typed);
  world.sim.forgetRecords();
  const double before = z.colorValue;

  z.applyColorCode();

  if (z.hexText != typed) std::abort();
  const std::string message = world.lastMessage();
  if (!message.empty()) {
    if (!fuzz::isStandardDescription(message) || notation != frmZoomOut::Rgb) std::abort();
    if (z.colorValue != before) std::abort();
    return 0;
  }
  const double v = z.colorValue;
  if (!(v >= 0 && v <= 16777215 && std::floor(v) == v)) std::abort();
  if (notation >= 0 && z.pic->backColor() != static_cast<platform::Colour>(v)) std::abort();
  return 0;
}
