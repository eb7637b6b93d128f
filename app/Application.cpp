#include "app/Application.h"

#include "about/frmAbout.h"
#include "menu/frmMenu.h"
#include "picker/frmZoomOut.h"
#include "ruler/frmMain.h"

namespace lindrel {

Application::Application(platform::Platform& platform) : platform_(platform) {}

Application::~Application() = default;

void Application::start() {
  ruler_ = std::make_unique<frmMain>(*this);
  {
    // Not on the screen yet: the sizes of start-up reach the system once, not one by one.
    auto hold = ruler_->window().holdScreenUpdates();
    ruler_->Form_Load();
  }
  ruler_->window().show();
}

frmMenu& Application::menu() {
  if (menu_ == nullptr) menu_ = std::make_unique<frmMenu>(*this);
  return *menu_;
}

frmZoomOut& Application::zoomOut() {
  if (zoomOut_ == nullptr) zoomOut_ = std::make_unique<frmZoomOut>(*this);
  return *zoomOut_;
}

frmAbout& Application::about() {
  if (about_ == nullptr) about_ = std::make_unique<frmAbout>(*this);
  return *about_;
}

}  // namespace lindrel
