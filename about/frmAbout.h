#pragma once
// The about box: title, version, a usage guide, and a way to the system information tool.

#include <memory>
#include <string>
#include <string_view>

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

  // Starts the system information tool found through the registry, without waiting for it;
  // when there is none or it cannot be started, says so in a message box.
  void StartSysInfo();
  // Reads one value of a registry key, opened read-only. Text comes back as it is, a
  // number in the "&h" form, any other type leaves value as passed; all three give true.
  // A key or value that cannot be read gives false and an empty value.
  bool GetKeyValue(platform::Hkey root, std::string_view keyPath, std::string_view valueName, std::string& value);

  // The controls of the window last loaded, by their design names (null before the first
  // opening). They belong to the window and go with it at the next opening.
  platform::PictureBox* picIcon = nullptr;
  platform::Label* lblTitle = nullptr;
  platform::Label* lblVersion = nullptr;
  platform::Label* lblDisclaimer = nullptr;
  platform::TextBox* txtHelp = nullptr;
  platform::Button* cmdOK = nullptr;
  platform::Button* cmdSysInfo = nullptr;

 private:
  // A new window with every control, in tab order, then the load step.
  void load();
  // Sets the labels and builds the usage text; runs at every opening.
  void Form_Load();
  void cmdOK_Click();
  void cmdSysInfo_Click();

  Application& app_;
  std::unique_ptr<platform::Window> window_;
};

}  // namespace lindrel
