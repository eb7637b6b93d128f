#pragma once
// The about box: title, version, a usage guide, and a way to the system information tool.

#include <memory>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace lindrel {

class AboutBox {
 public:
  explicit AboutBox(platform::Platform& platform);
  ~AboutBox();
  AboutBox(const AboutBox&) = delete;
  AboutBox& operator=(const AboutBox&) = delete;

  // Loads the window afresh, shows it modally and returns when it has been closed.
  void showModal();
  // Closes the window if it is open.
  void close();
  platform::Window* window() { return window_.get(); }

  // Starts the system information tool found through the registry, without waiting for it;
  // when there is none or it cannot be started, says so in a message box.
  void startSystemInfo();
  // Reads one value of a registry key, opened read-only. Text comes back as it is (with the
  // environment's %NAMES% expanded where the value says so), a number in the "&h" form, any
  // other type leaves value as passed; all give true.
  // A key or value that cannot be read gives false and an empty value.
  bool readRegistryValue(platform::Hkey root, std::string_view keyPath, std::string_view valueName,
                         std::string& value);

  // The controls of the window last loaded (null before the first opening). They belong to
  // the window and go with it at the next opening.
  platform::TextBox* helpBox() { return helpBox_; }
  platform::Button* okButton() { return okButton_; }
  platform::Button* systemInfoButton() { return systemInfoButton_; }
  platform::Label* titleLabel() { return titleLabel_; }
  platform::Label* versionLabel() { return versionLabel_; }

 private:
  // A new window with every control, in tab order, and their texts.
  void load();
  // The labels and the usage text; at every opening.
  void writeTexts();

  platform::Platform& platform_;
  std::unique_ptr<platform::Window> window_;
  platform::Label* titleLabel_ = nullptr;
  platform::Label* versionLabel_ = nullptr;
  platform::Label* disclaimerLabel_ = nullptr;
  platform::TextBox* helpBox_ = nullptr;
  platform::Button* okButton_ = nullptr;
  platform::Button* systemInfoButton_ = nullptr;
};

}  // namespace lindrel
