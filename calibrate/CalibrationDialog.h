#pragma once
// The dialog that calibrates physical centimetres on the ruler's monitor: it shows the
// strip's length in pixels and takes the length the user measured on the screen with a real
// ruler (in mm, cm or in; a bank card's width is at hand), and says what is wrong with a
// length that cannot be right. 确定 keeps the calibration, 恢复 forgets it, 取消 does nothing.

#include <memory>
#include <optional>
#include <variant>

#include "platform/Platform.h"
#include "ruler/PhysicalScale.h"

namespace lindrel {

class CalibrationDialog {
 public:
  explicit CalibrationDialog(platform::Platform& platform);
  ~CalibrationDialog();
  CalibrationDialog(const CalibrationDialog&) = delete;
  CalibrationDialog& operator=(const CalibrationDialog&) = delete;

  struct Forget {};
  // Pixels per millimetre to keep, Forget, or nothing (cancelled).
  using Outcome = std::variant<std::monostate, double, Forget>;
  // Modal, centred on the monitor of an area (the ruler's), for a strip so many pixels long
  // on a monitor of this scale now.
  Outcome calibrate(int stripPixels, const PhysicalScale& now, const platform::Rect& onMonitorOf);
  // For tests: the window while it is up.
  platform::Window* window() { return window_.get(); }

 private:
  void load(int stripPixels, const PhysicalScale& now, const platform::Rect& onMonitorOf);
  // 确定: the typed length kept, or what is wrong with it said in the dialog.
  void confirm(int stripPixels);

  platform::Platform& platform_;
  std::unique_ptr<platform::Window> window_;
  platform::TextBox* length_ = nullptr;
  platform::ComboBox* unit_ = nullptr;
  platform::Label* status_ = nullptr;
  Outcome outcome_;
};

}  // namespace lindrel
