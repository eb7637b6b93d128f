#pragma once
// The ruler strip: a borderless, always-on-top yellow window carrying the measuring scale,
// with its size readout and credit label in the free corner. It moves and resizes by mouse
// and keys, turns between horizontal and vertical, and redraws itself in a unit.

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ChangeCoalescer.h"
#include "platform/Platform.h"
#include "ruler/PhysicalScale.h"
#include "ruler/RulerState.h"

namespace lindrel {

// Where a left press on the ruler acts: the strip's own bands along its right and bottom
// edges and their corner, or anywhere else on it to move it.
enum class DragZone { None, Move, RightEdge, BottomEdge, Corner };

// How a strip kept between runs starts: the monitor its window is made on, and what of the
// kept placement is used there (none: the first start's).
struct RulerStart {
  platform::Rect monitor;
  std::optional<platform::Point> topLeft;
  std::optional<platform::Point> size;
  RulerState state;
};

// Scale numbers a size below the window's font: four-digit numbers every 30 pixels keep a
// gap between them.
inline const platform::FontSpec kScaleNumberFont{"", 8.25};

class RulerWindow {
 public:
  // kept: how the strip lay when the last run ended; made on the monitor it is to show on.
  explicit RulerWindow(platform::Platform& platform, const RulerPlacement& kept = {});
  ~RulerWindow();
  RulerWindow(const RulerWindow&) = delete;
  RulerWindow& operator=(const RulerWindow&) = delete;

  // A kept place is used when enough of the strip shows there on a monitor (the strip is
  // then made on that monitor, else on the one that holds the pointer); a kept size when it
  // is no less than the least size at that monitor's DPI and no larger than all the monitors
  // together.
  static RulerStart startFor(const platform::Platform& platform, const RulerPlacement& kept);

  // Start-up, topmost: as the strip was kept, and what was not kept as at a first start, a
  // horizontal pixel strip half as long as the monitor that holds the pointer, at the default
  // thickness, centred on that monitor. Beside another copy of the program it starts a step
  // right and down (left or up where the monitor ends), so the user sees it come.
  void start(bool besideAnotherCopy = false);
  // The first start's strip again, on the monitor that holds the pointer.
  void restoreFirstStart();
  // How the strip lies now, as it is kept between runs.
  RulerPlacement placement() const;
  // Redraws the scale in a unit; position and size stay.
  void setUnit(Unit unit);
  // The language changed: the readout is written again in it.
  void textsChanged();
  // Turns the strip about its top-left corner, length and thickness swapped, in the unit it
  // has; it stays on its monitor, shortened only when longer than the monitor.
  void toggleOrientation();

  const RulerState& state() const { return state_; }
  // The band under the pointer, or the one a drag in progress took at its press.
  DragZone dragZone() const { return drag_ ? drag_->zone : hoverZone_; }
  platform::Window& window() { return *window_; }
  const platform::Label& readoutLabel() const { return readoutLabel_; }
  const platform::Label& creditLabel() const { return creditLabel_; }
  const platform::Timer& edgeZoneTimer() const { return edgeZoneTimer_; }
  // The thickness a strip of an orientation has by default at its DPI: as thick as its
  // numbers and readout need, a horizontal one at least the design's thickness.
  int defaultThickness(Orientation orientation);
  // The least width and height, in whole pixels at the strip's DPI.
  int leastSize() const;
  // The scale numbers written on the strip, in client pixels, as far as they were drawn.
  const std::vector<platform::Rect>& numberAreas() const { return numberAreas_; }

  // A right-click on the strip (at: none, the menu opens at the pointer) or the menu key
  // (at the strip's corner, in screen pixels): the application pops its menu up.
  std::function<void(std::optional<platform::Point> at)> onContextMenu;
  // M on the strip: the application measures the screen.
  std::function<void()> onMeasureKey;
  // Its place, size, orientation or unit changed.
  std::function<void()> onChange;
  // How large a monitor's pixels really are, for physical centimetres (none: the guess).
  std::function<PhysicalScale(const platform::Rect& monitor)> physicalScaleOn;
  // A calibration changed: a physical scale is drawn again.
  void physicalScalesChanged();

 private:
  struct Drag {
    DragZone zone;
    platform::Point pressed;    // from the strip's top-left
    platform::Point grab;       // from the press to the strip's bottom-right corner
    platform::Point startSize;  // given back when the gesture is refused
  };

  // The first start's size for an orientation on a monitor: half as long as the monitor is
  // wide (no longer than it is high), at the default thickness.
  platform::Point firstStartSize(Orientation orientation, const platform::Rect& monitor);
  void notifyChange();

  // After every size change: the size guard, the scale's reach, topmost, the corner labels.
  void layOut();
  // The readout and the credit in the free corner beside the scale: as much of them as fits
  // whole, never over a number.
  void layOutCornerLabels();
  // Says a size is too small, ends any drag and gives the strip back a size.
  void refuseSize(platform::Point restoreSize);
  // Resizes as one step of a gesture; a size below the least is refused.
  void resizeInGesture(platform::Point size);
  DragZone zoneAt(platform::Point screen) const;
  // Which band the pointer is in, and the pointer that goes with it.
  void trackEdgeZone();
  void showPointerFor(DragZone zone);

  // On a monitor of another DPI: the suggested place, the same physical length, and the
  // thickness its texts need there.
  void followDpi(const platform::Rect& suggested);

  void handlePress(const platform::MouseEvent& e);
  void handleMouseMove(const platform::MouseEvent& e);
  void handleRelease();
  // Arrow keys move the strip by a pixel; with Shift alone they change its width or height.
  void handleKey(platform::Key key, platform::Modifiers modifiers);
  void takeMouseFrom(platform::MouseHandlers& element);

  // Yellow and black, or the system's window colours while high contrast is on.
  void followSystemColours();

  // Clears the surface and draws the scale far enough to cover the strip and more.
  void redrawScale();
  // Draws further when the strip has grown past what was drawn.
  void extendScaleToStrip();
  int length() const;
  void drawScale(int reach);

  platform::Platform& platform_;
  const RulerStart start_;
  // The physical scale of the monitor the scale is drawn for; none unless the unit is physical.
  PhysicalScale physical() const;
  // The physical scale drawn, of the monitor it was drawn for: the readout reads the same.
  platform::Rect drawnOnMonitor_;
  PhysicalScale drawnPhysical_;
  std::unique_ptr<platform::Window> window_;
  platform::Label& creditLabel_;
  platform::Label& readoutLabel_;
  platform::Timer& edgeZoneTimer_;
  // Screen readers hear of a new readout a few times a second at most, and of the last one.
  platform::CoalescedChanges readoutChanges_;
  std::string toldReadout_;  // the readout's texts when it last changed

  RulerState state_;
  DragZone hoverZone_ = DragZone::None;
  std::optional<Drag> drag_;
  platform::Point lastGoodSize_;  // what the size guard gives back outside a gesture
  int drawnReach_ = 0;            // pixels along the strip the scale reaches
  std::vector<platform::Rect> numberAreas_;
  struct DefaultThickness {
    int dpi;
    int monitorLength;
    int horizontal;
    int vertical;
  };
  std::vector<DefaultThickness> defaultThicknesses_;
  std::optional<DefaultThickness> lastDefaultThickness_;  // the one the strip had last
};

}  // namespace lindrel
