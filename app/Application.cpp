#include "app/Application.h"

#include <optional>

#include "about/AboutBox.h"
#include "menu/RulerMenu.h"
#include "picker/MagnifierWindow.h"
#include "platform/Topmost.h"
#include "ruler/RulerWindow.h"

namespace lindrel {

Application::Application(platform::Platform& platform) : platform_(platform) {}

Application::~Application() = default;

void Application::start() {
  ruler_ = std::make_unique<RulerWindow>(platform_);
  ruler_->onContextMenu = [this] { menu().popupOn(ruler_->window()); };
  ruler_->start();
}

RulerMenu& Application::menu() {
  if (menu_ == nullptr) {
    menu_ = std::make_unique<RulerMenu>(
        platform_, RulerMenu::Commands{[this](Unit unit) { ruler_->setUnit(unit); }, [this] { openMagnifier(); },
                                       [this] { showAbout(); }, [this] { exit(); }});
  }
  return *menu_;
}

MagnifierWindow& Application::magnifier() {
  if (magnifier_ == nullptr) magnifier_ = std::make_unique<MagnifierWindow>(platform_);
  return *magnifier_;
}

AboutBox& Application::about() {
  if (about_ == nullptr) about_ = std::make_unique<AboutBox>(platform_);
  return *about_;
}

void Application::openMagnifier() { magnifier().open(ruler_->window().pixelRect()); }

void Application::showAbout() {
  // No window of the program covers the box while it is up.
  const platform::TopmostSuspended rulerBelow(platform_.api(), ruler_->window().hwnd());
  std::optional<platform::TopmostSuspended> magnifierBelow;
  if (magnifier_ != nullptr && magnifier_->window() != nullptr && magnifier_->window()->isOpen()) {
    magnifierBelow.emplace(platform_.api(), magnifier_->window()->hwnd());
  }
  about().showModal();
}

void Application::exit() {
  ruler_->window().close();
  if (about_ != nullptr) about_->close();
  platform_.endProcess();
}

}  // namespace lindrel
