#pragma once
// A measurement of the frozen screen, without its windows: the spacing round the pointer or
// a line between two points, what it reads in the ruler's unit, and where the user's input
// takes it. The screen is one capture a monitor.

#include <optional>
#include <string>
#include <vector>

#include "measure/EdgeSearch.h"
#include "platform/Image.h"
#include "ruler/PhysicalScale.h"
#include "ruler/RulerState.h"

namespace lindrel::measure {

// The steps between two points: right and down are positive, as on the screen; the length in
// physical pixels and the angle to the horizontal, 0 to 90 degrees whichever way it runs.
struct TwoPoints {
  int dx = 0, dy = 0;
  double length = 0, angleDegrees = 0;
};
TwoPoints between(platform::Point from, platform::Point to);

// "300 × 400 px", "2.54 × 3.39 cm", "1.00 × 1.33 in"; "dx 300, dy 400, 500.00 px, 53.13°".
// physical: the monitor's, for physical centimetres.
std::string spacingText(const Spans& spans, Unit unit, const PhysicalScale& physical = {});
std::string twoPointsText(const TwoPoints& line, Unit unit, const PhysicalScale& physical = {});

class Measurement {
 public:
  // One capture a monitor (its pixels held by whoever made it, for as long as this lives),
  // with the monitor's DPI, the first holding the pointer.
  struct Monitor {
    platform::ScreenImage capture;
    int dpi;
    PhysicalScale physical = {};
  };
  Measurement(std::vector<Monitor> monitors, Unit unit, platform::Point pointer);

  static constexpr int kFirstTolerance = 30;
  static constexpr int kToleranceStep = 5;  // a notch of the wheel

  // ---- Input, in screen pixels; ctrl: an end set or moved now snaps to the nearest edge.
  void pointerMoved(platform::Point at, bool ctrl);
  // A left press starts a line there; its release ends it.
  void pressed(platform::Point at, bool ctrl);
  void released(platform::Point at, bool ctrl);
  // Enter sets the first end at the pointer, or the second where the moving end is.
  void enter(bool ctrl);
  // An arrow key (a step of one pixel, or ten with Shift) moves the pointer, and the moving
  // end with it; the pointer is where it should be now, kept on the screen.
  platform::Point arrow(platform::Point step, bool ctrl);
  void turnWheel(int notches);
  // A right-click: a line being drawn is dropped; otherwise true, the user leaves.
  bool rightClick();

  // ---- What it shows.
  platform::Point pointer() const { return pointer_; }
  int tolerance() const { return tolerance_; }
  // The spacing round the pointer, while no line is drawn or shown.
  std::optional<Spans> spans() const;
  struct Line {
    platform::Point from, to;
    bool placing;  // its second end still moves
  };
  const std::optional<Line>& line() const { return line_; }
  // What the line or the spacing reads, as Ctrl+C copies it; empty off every capture.
  std::string text() const;
  // The label beside the pointer: the reading, then the tolerance.
  std::vector<std::string> label() const;

 private:
  const Monitor* monitorAt(platform::Point p) const;
  // The point, or the edge pixel Ctrl takes it to.
  platform::Point snapped(platform::Point p, bool ctrl) const;
  void startLine(platform::Point at, bool ctrl);

  std::vector<Monitor> monitors_;
  Unit unit_;
  platform::Point pointer_;
  int tolerance_ = kFirstTolerance;
  std::optional<Line> line_;
  bool dragging_ = false;
};

}  // namespace lindrel::measure
