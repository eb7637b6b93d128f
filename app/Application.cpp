#include "app/Application.h"

#include "ruler/frmMain.h"

namespace lindrel {

Application::Application(platform::Platform& platform) : platform_(platform) {}

Application::~Application() = default;

void Application::start() {
  ruler_ = std::make_unique<frmMain>(*this);
  ruler_->Form_Load();
  ruler_->window().show();
}

}  // namespace lindrel
