#pragma once
// The program: its shared state and its windows, each loaded on first use, over one platform.

#include <memory>

#include "platform/Platform.h"
#include "ruler/Module1.h"

namespace lindrel {

class frmMain;
class frmMenu;
class frmZoomOut;
class frmAbout;

class Application {
 public:
  explicit Application(platform::Platform& platform);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Loads the ruler and shows it: the process's whole start-up.
  void start();

  platform::Platform& platform() { return platform_; }
  Module1& module1() { return module1_; }
  frmMain& ruler() { return *ruler_; }
  // The menu window loads the first time it is used (a popup or an orientation switch).
  frmMenu& menu();
  // The magnifier and the about box keep their state between openings; each opening loads
  // their window.
  frmZoomOut& zoomOut();
  frmAbout& about();

 private:
  platform::Platform& platform_;
  Module1 module1_;
  // Destroyed in reverse order: the ruler, which the others use, goes last.
  std::unique_ptr<frmMain> ruler_;
  std::unique_ptr<frmMenu> menu_;
  std::unique_ptr<frmZoomOut> zoomOut_;
  std::unique_ptr<frmAbout> about_;
};

}  // namespace lindrel
