#include "app/Application.h"

#include <optional>

#include "about/AboutBox.h"
#include "calibrate/CalibrationDialog.h"
#include "hotkeys/HotkeyDialog.h"
#include "measure/ScreenMeasure.h"
#include "menu/RulerMenu.h"
#include "picker/MagnifierWindow.h"
#include "ruler/RulerWindow.h"
#include "settings/Settings.h"
#include "strings/UiText.h"

namespace lindrel {

Application::Application(platform::Platform& platform) : platform_(platform) {}

Application::~Application() = default;

bool Application::start(const std::vector<std::string>& arguments) {
  // Everything shown from here on, the usage too, is in the language the user chose.
  const StoredSettings stored = readSettings(platform_.settingsStore());
  const Settings& kept = stored.settings;
  strings::setLanguage(kept.language);
  const auto command = parseCommandLine(arguments);
  if (!command || *command == Command::Help) {
    platform_.showMessage(strings::ui(strings::UiText::Usage));
    return false;
  }
  const bool anotherCopy = platform_.anotherCopyRuns();
  if (*command != Command::None && anotherCopy) {
    if (platform_.sendToRunningCopy(kCommandTag, commandMessage(*command))) return false;
  }
  if (*command == Command::Exit) return false;  // no copy runs that it could end

  calibrations_ = kept.calibrations;
  ruler_ = std::make_unique<RulerWindow>(platform_, kept.ruler);
  ruler_->physicalScaleOn = [this](const platform::Rect& monitor) { return physicalScaleOn(monitor); };
  ruler_->onMeasureKey = [this] { measureScreen(); };
  ruler_->onContextMenu = [this](std::optional<platform::Point> at) {
    RulerMenu::Marks marks{ruler_->state().unit, {}};
    for (const HotkeyAction action : kHotkeyActions) {
      const auto i = static_cast<std::size_t>(action);
      if (held_[i]) marks.hotkeys[i] = hotkeyText(hotkeys_[action]);
    }
    menu().popupOn(ruler_->window(), marks, at);
  };
  ruler_->start(anotherCopy);
  magnifier_ = std::make_unique<MagnifierWindow>(platform_);
  magnifier_->setPlace(kept.magnifierTopLeft);
  magnifier_->restore(kept.notation, kept.history, kept.zoom, kept.sampling);

  hotkeys_ = kept.hotkeys;
  // What start-up showed is what the key is taken to hold: only the user's changes are written.
  settingsWriter_ = std::make_unique<SettingsWriter>(
      platform_.settingsStore(), ruler_->window().addTimer(SettingsWriter::kGatherMs, false), [this] {
        const PickerModel& picker = magnifier_->model();
        return Settings{ruler_->placement(), magnifier_->place(), picker.notation(), picker.history().colours(),
                        picker.zoom(), picker.sampling(), hotkeys_, calibrations_, strings::language()};
      },
      stored.read);
  ruler_->onChange = [this] { settingsWriter_->changed(); };
  magnifier_->onChange = [this] { settingsWriter_->changed(); };
  ruler_->window().onSessionEnd = [this] { settingsWriter_->writeNow(); };
  ruler_->window().onClose = [this] {
    settingsWriter_->writeNow();
    if (onRulerClosed) onRulerClosed();
  };

  platform_.onHotkey = [this](int id) { run(kHotkeyActions.at(static_cast<std::size_t>(id))); };
  registerHotkeys();
  platform_.onMessageFromOtherCopy = [this](std::uint32_t tag, std::span<const std::uint8_t> bytes) {
    if (const std::optional<Command> sent = readCommandMessage(tag, bytes)) run(*sent);
  };
  platform_.listenToOtherCopies();
  run(*command);
  return true;
}

void Application::registerHotkeys() {
  // All let go first: two actions that swap their keys each find theirs free.
  for (const HotkeyAction action : kHotkeyActions) platform_.unregisterHotkey(static_cast<int>(action));
  for (const HotkeyAction action : kHotkeyActions) {
    const auto i = static_cast<int>(action);
    const std::optional<platform::Hotkey>& key = hotkeys_[action];
    held_[static_cast<std::size_t>(i)] = key && platform_.registerHotkey(i, *key);
  }
}

void Application::run(Command command) {
  // Nothing starts while the screen is frozen for measuring, but the program can be ended.
  if (measuring() && command != Command::Exit) return;
  switch (command) {
    case Command::Pick: return run(HotkeyAction::Pick);
    case Command::Measure: return measureScreen();
    case Command::ShowRuler: return ruler_->window().show();
    case Command::HideRuler: return ruler_->window().hide();
    case Command::Exit: return exit();
    case Command::None:
    case Command::Help: return;
  }
}

void Application::run(HotkeyAction action) {
  if (measuring()) return;  // nothing starts while the screen is frozen for measuring
  switch (action) {
    case HotkeyAction::Pick: return magnifier_->pickAnywhere(ruler_->window().rect());
    case HotkeyAction::Measure: return measureScreen();
    case HotkeyAction::ToggleRuler:
      if (ruler_->window().isVisible()) return ruler_->window().hide();
      return ruler_->window().show();
  }
}

std::string Application::calibrationKey(const platform::Rect& monitor) const {
  return platform_.monitorIdentity(monitor) + " " + std::to_string(monitor.width()) + "x" + std::to_string(monitor.height());
}

PhysicalScale Application::physicalScaleOn(const platform::Rect& monitor) const {
  const auto calibrated = calibrations_.find(calibrationKey(monitor));
  return physicalScaleOf(calibrated != calibrations_.end() ? std::optional(calibrated->second) : std::nullopt,
                         platform_.monitorSizeMm(monitor), monitor.size());
}

void Application::calibrate() {
  if (calibrationDialog_ == nullptr) calibrationDialog_ = std::make_unique<CalibrationDialog>(platform_);
  const platform::Rect& strip = ruler_->window().rect();
  const platform::Rect monitor = platform_.monitorAt(strip.topLeft());
  const int length = ruler_->state().orientation == Orientation::Horizontal ? strip.width() : strip.height();
  CalibrationDialog::Outcome outcome;
  {
    const platform::TopmostSuspended rulerBelow(ruler_->window());
    outcome = calibrationDialog_->calibrate(length, physicalScaleOn(monitor), strip);
  }
  if (const double* pixelsPerMm = std::get_if<double>(&outcome)) {
    calibrations_[calibrationKey(monitor)] = *pixelsPerMm;
  } else if (std::holds_alternative<CalibrationDialog::Forget>(outcome)) {
    calibrations_.erase(calibrationKey(monitor));
  } else {
    return;
  }
  ruler_->physicalScalesChanged();
  settingsWriter_->changed();
}

void Application::setLanguage(strings::Language language) {
  if (language == strings::language()) return;
  strings::setLanguage(language);
  // Every open window follows at once; dialogs and menus take it when they are next made.
  ruler_->textsChanged();
  magnifier_->textsChanged();
  settingsWriter_->changed();
}

void Application::editHotkeys() {
  if (hotkeyDialog_ == nullptr) hotkeyDialog_ = std::make_unique<HotkeyDialog>(platform_);
  std::optional<HotkeySet> set;
  {
    // No window of the program covers the dialog while it is up.
    const platform::TopmostSuspended rulerBelow(ruler_->window());
    PerHotkeyAction<bool> heldElsewhere{};
    for (const HotkeyAction action : kHotkeyActions) {
      const auto i = static_cast<std::size_t>(action);
      heldElsewhere[i] = hotkeys_[action] && !held_[i];
    }
    set = hotkeyDialog_->edit(hotkeys_, heldElsewhere, ruler_->window().rect());
  }
  if (!set || *set == hotkeys_) return;
  hotkeys_ = *set;
  registerHotkeys();
  settingsWriter_->changed();
}

RulerMenu& Application::menu() {
  if (menu_ == nullptr) {
    menu_ = std::make_unique<RulerMenu>(
        platform_, RulerMenu::Commands{[this](Unit unit) { ruler_->setUnit(unit); }, [this] { openMagnifier(); },
                                       [this] { measureScreen(); }, [this] { ruler_->window().hide(); },
                                       [this] { editHotkeys(); },
                                       [this](strings::Language language) { setLanguage(language); },
                                       [this] { calibrate(); }, [this] { showAbout(); },
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

bool Application::measuring() const { return measure_ != nullptr && measure_->active(); }

void Application::measureScreen() {
  if (measuring()) return;
  // The program's own windows are out of the picture while it is taken, and back after as
  // they were: a strip hidden before stays hidden.
  const bool rulerShown = ruler_->window().isVisible();
  const bool magnifierShown = magnifier_->isOpen() && magnifier_->window()->isVisible();
  if (rulerShown) {
    ruler_->window().hide();
    platform_.refreshScreen(ruler_->window().rect());
  }
  if (magnifierShown) {
    magnifier_->window()->hide();
    platform_.refreshScreen(magnifier_->window()->rect());
  }
  measure_ = std::make_unique<ScreenMeasure>(platform_, ruler_->state().unit);
  measure_->physicalScaleOn = [this](const platform::Rect& monitor) { return physicalScaleOn(monitor); };
  measure_->onLeave = [this, rulerShown, magnifierShown] {
    if (magnifierShown) magnifier_->window()->show();
    if (rulerShown) ruler_->window().show();
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
