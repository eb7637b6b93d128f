#include "about/AboutBox.h"
#include "strings/UiText.h"

#include <array>

namespace lindrel {
namespace {

using platform::AppInfo;
using platform::Rect;
using strings::ui;
using strings::UiText;

constexpr std::string_view kSystemInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view kSystemInfoValue = "PATH";
constexpr std::string_view kSystemInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr std::string_view kSystemInfoLocationValue = "MSINFO";
constexpr std::string_view kSystemInfoProgram = "\\MSINFO32.EXE";

constexpr std::string_view kAuthor = "Lindrel";

std::string versionText() {
  return ui(UiText::Version, {std::to_string(AppInfo::kMajor) + "." + std::to_string(AppInfo::kMinor) + "." +
                             std::to_string(AppInfo::kRevision)});
}

std::string usageText() {
  const std::array<std::string, 7> lines{
      "    " + std::string(AppInfo::kTitle) + " " + versionText(),
      std::string(15, ' ') + std::string(kAuthor),
      "   ===================================",
      ui(UiText::HelpTitle),
      ui(UiText::HelpTurn),
      ui(UiText::HelpMove),
      ui(UiText::HelpResize),
  };
  std::string help;
  for (const std::string& line : lines) help += line + "\r\n";
  return help;
}

}  // namespace

std::optional<std::string> systemInfoProgram(
    const std::function<std::optional<std::string>(std::string_view, std::string_view)>& readText,
    const std::function<bool(std::string_view)>& fileExists) {
  if (const auto path = readText(kSystemInfoKey, kSystemInfoValue); path && fileExists(*path)) return path;
  if (const auto folder = readText(kSystemInfoLocationKey, kSystemInfoLocationValue)) {
    const std::string path = *folder + std::string(kSystemInfoProgram);
    if (fileExists(path)) return path;
  }
  return std::nullopt;
}

AboutBox::AboutBox(platform::Platform& platform) : platform_(platform) {}

AboutBox::~AboutBox() = default;

void AboutBox::showModal(const platform::Rect& onMonitorOf) {
  // It is modal: while it is up nothing else of the program can ask for it again.
  if (window_ != nullptr && window_->isOpen()) return;
  load(onMonitorOf);
  window_->showModal();
}

void AboutBox::close() {
  if (window_ != nullptr) window_->close();
}

void AboutBox::load(const platform::Rect& onMonitorOf) {
  platform::WindowSpec design;
  design.startNear = onMonitorOf;
  design.className = "LindrelAbout";
  // The window takes its caption when it is made, before anything is displayed.
  design.caption = ui(UiText::AboutCaption, {AppInfo::kTitle});
  design.border = platform::Border::FixedDialog;
  design.designSize = {382, 305};
  // The last window is closed by now; its controls go with it.
  window_ = platform_.createWindow(design);
  platform::Window& w = *window_;

  platform::Button& ok = w.addButton({{275, 247, 375, 270}, ui(UiText::Ok), platform::Picture::None, true, true});
  w.addPictureBox({{16, 16, 48, 48}, false, w.backColour(), platform::Picture::AppIcon, false, std::string(AppInfo::kTitle)});
  platform::Button& systemInfo = w.addButton({{276, 277, 375, 300}, ui(UiText::SystemInfo)});
  w.addLabel({{17, 247, 259, 302}, ui(UiText::Banner)});
  w.addLabel({{70, 16, 329, 32}, std::string(AppInfo::kTitle)});
  w.addLabel({{70, 40, 329, 55}, versionText()});
  platform::TextBoxSpec help{{72, 64, 369, 225}, usageText()};
  help.multiLine = true;
  help.readOnly = true;
  help.verticalScrollBar = true;
  help.accessibleName = ui(UiText::HelpName);
  w.addTextBox(help);
  // An etched rule: the white line first, so the grey one stays whole above it.
  w.addLine({{7, 236}, {377, 236}, platform::kWhite, 2});
  w.addLine({{6, 235}, {377, 235}, platform::rgb(128, 128, 128), 1});

  ok.onClick = [this] { close(); };
  systemInfo.onClick = [this] { startSystemInfo(); };
}

void AboutBox::startSystemInfo() {
  const auto program = systemInfoProgram(
      [this](std::string_view key, std::string_view name) { return platform_.readSystemText(key, name); },
      [this](std::string_view path) { return platform_.fileExists(path); });
  if (!program || !platform_.startProgram(*program)) platform_.showMessage(ui(UiText::SystemInfoUnavailable));
}

}  // namespace lindrel
