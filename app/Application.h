#pragma once
// The program: its windows over one platform, wired together. The ruler is made at start;
// the menu, the magnifier and the about box the first time they are used.

#include <memory>

#include "platform/Platform.h"

namespace lindrel {

class RulerWindow;
class RulerMenu;
class MagnifierWindow;
class AboutBox;

class Application {
 public:
  explicit Application(platform::Platform& platform);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Makes the ruler and shows it: the process's whole start-up.
  void start();

  RulerWindow& ruler() { return *ruler_; }
  RulerMenu& menu();
  // The magnifier and the about box keep their state between openings; each opening loads
  // their window.
  MagnifierWindow& magnifier();
  AboutBox& about();

  // The menu's commands.
  void openMagnifier();
  // The about box, modal, with the ruler out of the topmost band while it is up.
  void showAbout();
  // Closes the windows and ends the process at once.
  void exit();

 private:
  platform::Platform& platform_;
  // Destroyed in reverse order: the ruler, which the others use, goes last.
  std::unique_ptr<RulerWindow> ruler_;
  std::unique_ptr<RulerMenu> menu_;
  std::unique_ptr<MagnifierWindow> magnifier_;
  std::unique_ptr<AboutBox> about_;
};

}  // namespace lindrel
