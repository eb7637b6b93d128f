#pragma once
// The ruler strip: a borderless, always-on-top yellow window carrying the measuring scale,
// with its size readout and credit label in the bottom-right corner.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace lindrel {

class Application;

class frmMain {
 public:
  // The strip's default thickness, in twips; its default length is half the screen.
  static constexpr double kThickness = 1000;

  explicit frmMain(Application& app);
  ~frmMain();
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  // Start-up: draws the horizontal pixel scale on a stretched strip, then shrinks it to
  // half the screen wide and 1000 twips high and makes it topmost.
  void Form_Load();
  // After every size change: the readout, the 500-twip size guard, topmost, the labels.
  void Form_Resize();

  // The scales, drawn on the persistent surface along the top (H) or left (V) edge.
  void Pixel_H();
  void Pixel_V();
  // dpi is one of 72, 200, 300, 600, 1200; any other draws nothing.
  void cm_H(std::int16_t& dpi);
  void cm_V(std::int16_t& dpi);

  // Writes the readout: the unit, then width and height (twips) in that unit.
  void setLabXY(double x, double y);

  // Every 100 ms: which edge band the pointer is in, and the pointer that goes with it.
  void Timer1_Timer();
  // The mouse on the strip or either label (labels pass their own coordinates, in twips).
  void Form_MouseDown(std::int16_t Button, std::int16_t Shift, double X, double Y);
  void Form_MouseMove(std::int16_t Button, std::int16_t Shift, double X, double Y);
  void Form_MouseUp(std::int16_t Button, std::int16_t Shift, double X, double Y);
  void Form_DblClick();
  // Arrow keys move the strip by 20 twips; with Shift alone they change its width or height.
  void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift);
  // Turns the strip between horizontal and vertical, in the unit it has.
  void chgHorV();

  // How long a strip is stretched before a scale is drawn on it: the whole desktop along
  // that direction plus 500 twips, so the scale covers every place the strip can reach.
  double stretchedWidth() const;
  double stretchedHeight() const;
  // The size a failed drag and the size guard put the strip back to.
  void restoreDefaultSize();

  platform::Window& window() { return *window_; }

 private:
  enum class Axis { Horizontal, Vertical };
  void drawPixelScale(Axis axis);
  void drawCentimetreScale(Axis axis, std::int16_t dpi);
  // The last position (twips) a scale along the axis reaches.
  double scaleEnd(Axis axis) const;
  void tick(Axis axis, double p, std::optional<double> length);
  void number(int x, int y, const std::string& text);
  void forwardMouse(platform::MouseHandlers& element);

  Application& app_;
  platform::Platform& platform_;
  std::unique_ptr<platform::Window> window_;

 public:
  // The controls, by their design names.
  platform::Label& lab;
  platform::Label& labXY;
  platform::Timer& Timer1;

  // The window's own state for moving and resizing by mouse.
  std::string dragZone;  // "Right", "Down", "RightDown" or "Move"; empty before the first tick
  platform::VbBool isDragging = platform::kFalse;
  // The last left press, in twips from the element pressed. 32 bits: a desktop is wider
  // than 32767 twips.
  std::int32_t downX = 0;
  std::int32_t downY = 0;
};

}  // namespace lindrel
