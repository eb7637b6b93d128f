#pragma once
// One program with its magnifier open on a simulated desktop, made once per fuzzing process.

#include <cstdlib>
#include <string>

#include "app/Application.h"
#include "picker/MagnifierWindow.h"
#include "platform/sim/SimPlatform.h"

namespace lindrel::fuzz {

struct PickerWorld {
  platform::sim::SimPlatform sim;
  Application app{sim};

  PickerWorld() {
    app.start();
    app.openMagnifier();
  }

  static PickerWorld& get() {
    static PickerWorld world;
    return world;
  }

  // Whether a message came up since the records were last forgotten. Reading a code or a
  // channel box can only fail with the standard description of a conversion error.
  bool messageShown() const {
    for (const auto& box : sim.messageBoxes()) {
      if (box.text != "Type mismatch" && box.text != "Overflow" && box.text != "Subscript out of range") std::abort();
    }
    return !sim.messageBoxes().empty();
  }
};

}  // namespace lindrel::fuzz
