#pragma once
// One program with its magnifier open on a simulated desktop, made once per fuzzing process.

#include <string>

#include "app/Application.h"
#include "picker/frmZoomOut.h"
#include "platform/sim/SimPlatform.h"

namespace lindrel::fuzz {

struct PickerWorld {
  platform::sim::SimPlatform sim;
  Application app{sim};
  frmZoomOut* picker = nullptr;

  PickerWorld() {
    app.start();
    app.zoomOut().open();
    picker = &app.zoomOut();
  }

  static PickerWorld& get() {
    static PickerWorld world;
    return world;
  }

  // The message shown since the records were last forgotten, or empty.
  std::string lastMessage() const {
    return sim.messageBoxes().empty() ? std::string{} : sim.messageBoxes().back().text;
  }
};

inline bool isStandardDescription(const std::string& text) {
  return text == "Type mismatch" || text == "Overflow" || text == "Subscript out of range";
}

}  // namespace lindrel::fuzz
