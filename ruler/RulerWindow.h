#pragma once
// The ruler strip: a borderless, always-on-top yellow window carrying the measuring scale,
// with its size readout and credit label in the bottom-right corner. It moves and resizes
// by mouse and keys, turns between horizontal and vertical, and redraws itself in a unit.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "ruler/RulerState.h"

namespace lindrel {

// Where a left press on the ruler acts: the band it was pressed in.
enum class DragZone { None, Move, RightEdge, BottomEdge, Corner };

class RulerWindow {
 public:
  // The strip's default thickness; its default length is half the screen.
  static constexpr double kDefaultThicknessTwips = 1000;

  explicit RulerWindow(platform::Platform& platform);
  ~RulerWindow();
  RulerWindow(const RulerWindow&) = delete;
  RulerWindow& operator=(const RulerWindow&) = delete;

  // Start-up: draws the horizontal pixel scale on a stretched strip, then shrinks it to
  // half the screen wide and the default thickness high and makes it topmost.
  void start();
  // Redraws the scale in a unit for the orientation the strip has, at its default size.
  void setUnit(Unit unit);
  // Turns the strip between horizontal and vertical, in the unit it has.
  void toggleOrientation();

  const RulerState& state() const { return state_; }
  DragZone dragZone() const { return dragZone_; }
  platform::Window& window() { return *window_; }
  const platform::Label& readoutLabel() const { return readoutLabel_; }
  const platform::Label& creditLabel() const { return creditLabel_; }
  const platform::Timer& edgeZoneTimer() const { return edgeZoneTimer_; }

  // A right-click on the strip: the application pops its menu up here.
  std::function<void()> onContextMenu;

  // How long a strip is stretched before a scale is drawn on it: the whole desktop along
  // that direction plus 500 twips, so the scale covers every place the strip can reach.
  double stretchedWidth() const;
  double stretchedHeight() const;

 private:
  // After every size change: the readout, the size guard, topmost, the corner labels.
  void layOut();
  // The unit, then width and height (twips) in that unit.
  void showReadout(double widthTwips, double heightTwips);
  // The size a refused drag and the size guard put the strip back to, for its orientation.
  void restoreDefaultSize();
  // Which edge band the pointer is in, and the pointer that goes with it (every 100 ms).
  void trackEdgeZone();

  void handlePress(const platform::MouseEvent& e);
  void handleMouseMove(const platform::MouseEvent& e);
  // Arrow keys move the strip by 20 twips; with Shift alone they change its width or height.
  void handleKey(platform::Key key, platform::Modifiers modifiers);
  void takeMouseFrom(platform::MouseHandlers& element);

  // The scales, drawn on the persistent surface along the top (horizontal) or left edge.
  void drawScale(Orientation orientation, Unit unit);
  void drawPixelScale(Orientation orientation);
  void drawCentimetreScale(Orientation orientation, Resolution resolution);
  // The last position (twips) a scale along the orientation reaches.
  double scaleEnd(Orientation orientation) const;
  void drawTick(Orientation orientation, double atTwips, std::optional<double> lengthTwips);
  void drawNumber(int xPixels, int yPixels, const std::string& text);

  platform::Platform& platform_;
  std::unique_ptr<platform::Window> window_;
  platform::Label& creditLabel_;
  platform::Label& readoutLabel_;
  platform::Timer& edgeZoneTimer_;

  RulerState state_;
  DragZone dragZone_ = DragZone::None;  // none before the first tick
  bool dragging_ = false;
  // The last left press, in twips from the element pressed. 32 bits: a desktop is wider
  // than 32767 twips.
  platform::Point pressTwips_;
};

}  // namespace lindrel
