#pragma once
// The about box: title, version, a usage guide, and a way to the system information tool.

#include <memory>
#include <string>

#include "platform/Platform.h"

namespace lindrel {

class Application;

class frmAbout {
 public:
  explicit frmAbout(Application& app);
  ~frmAbout();
  frmAbout(const frmAbout&) = delete;
  frmAbout& operator=(const frmAbout&) = delete;

  // Loads the window afresh, shows it modally and returns when it has been closed.
  void showModal();
  // Closes the window if it is open.
  void unload();
  platform::Window* window() { return window_.get(); }

 private:
  Application& app_;
  std::unique_ptr<platform::Window> window_;
};

}  // namespace lindrel
