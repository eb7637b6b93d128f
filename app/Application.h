#pragma once
// The program: its windows over one platform, wired together, and what it keeps between
// runs. The ruler is made at start as it was kept; the menu, the magnifier's window and the
// about box the first time they are used.

#include <array>
#include <map>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "hotkeys/Hotkeys.h"
#include "ruler/PhysicalScale.h"
#include "strings/UiText.h"

#include "platform/Platform.h"

namespace lindrel {

class RulerWindow;
class RulerMenu;
class MagnifierWindow;
class AboutBox;
class ScreenMeasure;
class HotkeyDialog;
class CalibrationDialog;
class SettingsWriter;
struct Settings;

class Application {
 public:
  explicit Application(platform::Platform& platform);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The process's whole start-up, for the arguments of its command line: a command goes to a
  // copy that runs already; otherwise what the last run kept is read, the ruler made and
  // shown, the hotkeys registered and the command done. False when there is nothing more to
  // run: the command went to the running copy, or the usage was shown.
  bool start(const std::vector<std::string>& arguments = {});
  // A command, from the command line or another copy.
  void run(Command command);
  // A hotkey's action.
  void run(HotkeyAction action);

  RulerWindow& ruler() { return *ruler_; }
  RulerMenu& menu();
  // The magnifier and the about box keep their state between openings; each opening loads
  // their window.
  MagnifierWindow& magnifier();
  AboutBox& about();

  // The menu's commands.
  void openMagnifier();
  // The screen frozen for measuring, with the program's own windows out of it until the user
  // leaves.
  void measureScreen();
  // The screen is frozen for measuring.
  bool measuring() const;
  // Null before the first measuring.
  ScreenMeasure* screenMeasure() { return measure_.get(); }
  // The about box, modal, with the ruler out of the topmost band while it is up.
  void showAbout();
  // The hotkeys dialog, modal like the about box; what it sets is registered and kept.
  void editHotkeys();
  void setLanguage(strings::Language language);
  // The calibration dialog for the monitor that holds the ruler's top-left corner; what it
  // sets is drawn and kept.
  void calibrate();
  // How large a monitor's pixels really are: calibrated, reported or guessed.
  PhysicalScale physicalScaleOn(const platform::Rect& monitor) const;
  const HotkeySet& hotkeys() const { return hotkeys_; }
  // The ruler as at a first start, and the magnifier beside it from its next opening.
  void restoreDefaults();
  // Keeps what is to be kept, closes the windows and ends the process at once.
  void exit();

  // The ruler's window went without exit() (the system closed it): the program is to end.
  std::function<void()> onRulerClosed;

 private:
  platform::Platform& platform_;
  // Destroyed in reverse order: the ruler, which the others use, goes last.
  std::unique_ptr<RulerWindow> ruler_;
  std::unique_ptr<RulerMenu> menu_;
  std::unique_ptr<MagnifierWindow> magnifier_;
  std::unique_ptr<AboutBox> about_;
  std::unique_ptr<ScreenMeasure> measure_;
  std::unique_ptr<HotkeyDialog> hotkeyDialog_;
  std::unique_ptr<CalibrationDialog> calibrationDialog_;
  std::map<std::string, double> calibrations_;
  // A calibration's key: the monitor's identity and resolution.
  std::string calibrationKey(const platform::Rect& monitor) const;
  HotkeySet hotkeys_;
  PerHotkeyAction<bool> held_{};
  // Each action's hotkey registered as what the user set, or none.
  void registerHotkeys();
  std::unique_ptr<SettingsWriter> settingsWriter_;  // first to go: it reads the windows
};

}  // namespace lindrel
