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

  // Whether a message came up since the records were last forgotten. A channel box can only
  // fail to read text that is no number.
  bool messageShown() const {
    for (const std::string& text : sim.messages()) {
      if (!text.ends_with("不是 0 到 255 的数")) std::abort();
    }
    return !sim.messages().empty();
  }
};

}  // namespace lindrel::fuzz
