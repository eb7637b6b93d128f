#pragma once
// What the contract tests need besides the platform itself: a way to let the system run
// for a moment, and to see windows as the system sees them. One harness for the simulated
// desktop, one for Win32; the same tests run against both.

#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace lindrel::contract {

class Harness {
 public:
  virtual ~Harness() = default;
  virtual platform::Platform& platform() = 0;
  // Lets the system deliver what is waiting (paints, timer ticks) for about ms milliseconds.
  virtual void pump(int ms) = 0;
  // A window's rectangle and topmost band as the system sees them.
  virtual platform::Rect systemRect(platform::Window& window) = 0;
  virtual bool isTopmost(platform::Window& window) = 0;
  // The system moves a window (the user dragging its caption).
  virtual void moveBySystem(platform::Window& window, platform::Point topLeft) = 0;
  // Every message box is answered with OK as soon as it is up; the texts of those answered so far.
  virtual std::vector<std::string> answeredMessageBoxes() = 0;
};

std::unique_ptr<Harness> makeHarness();

}  // namespace lindrel::contract
