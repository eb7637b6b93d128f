#include "app/Application.h"

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

}  // namespace lindrel
