#pragma once
// Measuring anything on the screen: every monitor captured once and shown frozen, in a
// topmost borderless window over each, where the pointer is a crosshair. By default lines run
// from the pointer to where the colour under it ends (the spacing); a drag, or Enter and
// Enter, draws a line between two points with its steps, length and angle; Ctrl snaps an end
// to the nearest edge; the wheel sets the colour tolerance; Ctrl+C copies what it reads; Esc,
// or a right-click with no line being drawn, leaves. What it shows is its Measurement.

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "measure/Measurement.h"
#include "platform/Platform.h"

namespace lindrel {

class ScreenMeasure {
 public:
  ScreenMeasure(platform::Platform& platform, Unit unit);
  ~ScreenMeasure();
  ScreenMeasure(const ScreenMeasure&) = delete;
  ScreenMeasure& operator=(const ScreenMeasure&) = delete;

  // Captures the monitors and shows them; false, after a message, when the screen could not
  // be captured.
  bool start();
  bool active() const { return measurement_.has_value(); }
  // The user leaves: what was hidden is to come back; the windows and the captures go
  // right after. Runs once.
  std::function<void()> onLeave;
  // How large a monitor's pixels really are, for physical centimetres.
  std::function<PhysicalScale(const platform::Rect& monitor)> physicalScaleOn;

  // For tests: what it reads, and the window over each monitor (the pointer's first).
  const measure::Measurement& measurement() const { return *measurement_; }
  platform::Window& window(std::size_t monitor) { return *screens_.at(monitor).window; }

 private:
  struct Screen {
    std::unique_ptr<platform::Window> window;
    platform::Rect monitor;
  };
  void wire(platform::Window& window);
  void key(platform::Key key, platform::Modifiers modifiers);
  // The spacing or the line, its end marks and the label, on every window.
  void redraw();
  platform::Window::Overlay overlayFor(const Screen& screen) const;
  void leave();

  platform::Platform& platform_;
  Unit unit_;
  std::optional<measure::Measurement> measurement_;
  std::vector<Screen> screens_;  // closed windows stay until the next start: they hold no pixels
};

}  // namespace lindrel
