#include "app/Application.h"

#include <optional>

#include "about/AboutBox.h"
#include "measure/ScreenMeasure.h"
#include "menu/RulerMenu.h"
#include "picker/MagnifierWindow.h"
#include "ruler/RulerWindow.h"
#include "settings/Settings.h"

namespace lindrel {

Application::Application(platform::Platform& platform) : platform_(platform) {}

Application::~Application() = default;

void Application::start() {
  const StoredSettings stored = readSettings(platform_.settingsStore());
  const Settings& kept = stored.settings;
  ruler_ = std::make_unique<RulerWindow>(platform_, kept.ruler);
  ruler_->onMeasureKey = [this] { measureScreen(); };
  ruler_->onContextMenu = [this](std::optional<platform::Point> at) {
    menu().popupOn(ruler_->window(), ruler_->state().unit, at);
  };
  ruler_->start(platform_.anotherCopyRuns());
  magnifier_ = std::make_unique<MagnifierWindow>(platform_);
  magnifier_->setPlace(kept.magnifierTopLeft);
  magnifier_->restore(kept.notation, kept.history, kept.zoom, kept.sampling);

  // What start-up showed is what the key is taken to hold: only the user's changes are written.
  settingsWriter_ = std::make_unique<SettingsWriter>(
      platform_.settingsStore(), ruler_->window().addTimer(SettingsWriter::kGatherMs, false), [this] {
        const PickerModel& picker = magnifier_->model();
        return Settings{ruler_->placement(), magnifier_->place(), picker.notation(), picker.history().colours(),
                        picker.zoom(), picker.sampling()};
      },
      stored.read);
  ruler_->onChange = [this] { settingsWriter_->changed(); };
  magnifier_->onChange = [this] { settingsWriter_->changed(); };
  ruler_->window().onSessionEnd = [this] { settingsWriter_->writeNow(); };
  ruler_->window().onClose = [this] {
    settingsWriter_->writeNow();
    if (onRulerClosed) onRulerClosed();
  };
}

RulerMenu& Application::menu() {
  if (menu_ == nullptr) {
    menu_ = std::make_unique<RulerMenu>(
        platform_, RulerMenu::Commands{[this](Unit unit) { ruler_->setUnit(unit); }, [this] { openMagnifier(); },
                                       [this] { measureScreen(); }, [this] { showAbout(); },
                                       [this] { restoreDefaults(); }, [this] { exit(); }});
  }
  return *menu_;
}

MagnifierWindow& Application::magnifier() { return *magnifier_; }

AboutBox& Application::about() {
  if (about_ == nullptr) about_ = std::make_unique<AboutBox>(platform_);
  return *about_;
}

void Application::openMagnifier() { magnifier().open(ruler_->window().rect()); }

void Application::measureScreen() {
  if (measure_ != nullptr && measure_->active()) return;
  // The program's own windows are out of the picture while it is taken, and back after.
  const bool magnifierShown = magnifier_->isOpen() && magnifier_->window()->isVisible();
  ruler_->window().hide();
  platform_.refreshScreen(ruler_->window().rect());
  if (magnifierShown) {
    magnifier_->window()->hide();
    platform_.refreshScreen(magnifier_->window()->rect());
  }
  measure_ = std::make_unique<ScreenMeasure>(platform_, ruler_->state().unit);
  measure_->onLeave = [this, magnifierShown] {
    if (magnifierShown) magnifier_->window()->show();
    ruler_->window().show();
  };
  if (!measure_->start()) measure_->onLeave();
}

void Application::showAbout() {
  // No window of the program covers the box while it is up.
  const platform::TopmostSuspended rulerBelow(ruler_->window());
  std::optional<platform::TopmostSuspended> magnifierBelow;
  if (magnifier_ != nullptr && magnifier_->isOpen()) magnifierBelow.emplace(*magnifier_->window());
  about().showModal(ruler_->window().rect());
}

void Application::restoreDefaults() {
  ruler_->restoreFirstStart();  // tells the writer
  // Where the user had put the magnifier is forgotten: it goes beside the ruler, now if open.
  magnifier_->moveBeside(ruler_->window().rect());
  magnifier_->setPlace(std::nullopt);
}

void Application::exit() {
  settingsWriter_->writeNow();
  ruler_->window().close();
  if (about_ != nullptr) about_->close();
  platform_.endProcess();
}

}  // namespace lindrel
