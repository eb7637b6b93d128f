#pragma once
// The magnifier and colour picker: a small always-on-top tool window that enlarges the
// screen round the pointer five times and reads the colour under it.

#include <memory>

#include "platform/Platform.h"

namespace lindrel {

class Application;

class frmZoomOut {
 public:
  explicit frmZoomOut(Application& app);
  ~frmZoomOut();
  frmZoomOut(const frmZoomOut&) = delete;
  frmZoomOut& operator=(const frmZoomOut&) = delete;

  // The magnifier command: loads the window if it is not open, shows it, returns at once.
  void open();
  platform::Window* window() { return window_.get(); }

 private:
  Application& app_;
  std::unique_ptr<platform::Window> window_;
};

}  // namespace lindrel
