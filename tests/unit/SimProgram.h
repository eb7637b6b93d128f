#pragma once
// A started program on a simulated desktop, for what Wine cannot make: monitors of different
// DPIs, a refused or full settings store, time, and two copies on one desktop.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/Application.h"
#include "picker/MagnifierWindow.h"
#include "platform/sim/SimPlatform.h"
#include "platform/sim/SimWindow.h"
#include "ruler/RulerWindow.h"

namespace lindrel::testing {

using platform::Point;
using platform::Rect;
using platform::sim::SimConfig;
using platform::sim::SimPlatform;
using platform::sim::SimWindow;

struct SimProgram {
  // before: what the desktop does before the program starts.
  explicit SimProgram(SimConfig config = {}, const std::function<void(SimPlatform&)>& before = {})
      : sim(std::move(config)), app(sim) {
    if (before) before(sim);
    app.start();
  }
  SimWindow& rulerWindow() { return dynamic_cast<SimWindow&>(app.ruler().window()); }
  Rect ruler() { return rulerWindow().screenRect(); }
  Point rulerMiddle() { return {(ruler().left + ruler().right) / 2, (ruler().top + ruler().bottom) / 2}; }
  SimWindow& magnifierWindow() { return dynamic_cast<SimWindow&>(*app.magnifier().window()); }
  // Right-clicks on the ruler and follows the captions to a menu item.
  void choose(std::vector<std::string> path) {
    sim.onPopupMenu = [path](const platform::sim::PopupRecord&) { return path; };
    sim.click(platform::MouseButton::Right, {ruler().left + 20, ruler().top + 20});
    sim.onPopupMenu = nullptr;
  }

  SimPlatform sim;
  Application app;
};

}  // namespace lindrel::testing
