#include "about/frmAbout.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "app/Application.h"
#include "platform/Errors.h"
#include "platform/Handles.h"
#include "platform/Text.h"

namespace lindrel {
namespace {

using platform::AppInfo;

constexpr std::string_view kSysInfoUnavailable = "此时系统信息不可用";

constexpr std::string_view kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view kSysInfoValue = "PATH";
constexpr std::string_view kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr std::string_view kSysInfoLocationValue = "MSINFO";
constexpr std::string_view kSysInfoProgram = "\\MSINFO32.EXE";

constexpr std::string_view kBanner = "免费软件，按原样提供，不附带任何担保。";
constexpr std::string_view kAuthor = "Lindrel";

constexpr std::size_t kValueBufferBytes = 1024;

std::string versionText() {
  return "版本 " + std::to_string(AppInfo::kMajor) + "." + std::to_string(AppInfo::kMinor) + "." +
         std::to_string(AppInfo::kRevision);
}

// The data as characters, less the last one when it is the terminating zero.
std::u16string storedText(const std::uint8_t* data, std::uint32_t size) {
  std::u16string units(size / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  if (!units.empty() && units.back() == u'\0') units.pop_back();
  return units;
}

// "&h" and each byte from the last to the first in hexadecimal, a last zero byte left out:
// 0x12345678 reads "&h12345678", 0x00010203 reads "&h123".
std::string numberText(const std::uint8_t* data, std::uint32_t size) {
  std::uint32_t kept = size;
  if (kept > 0 && data[kept - 1] == 0) --kept;
  std::string text = "&h";
  for (std::uint32_t i = kept; i > 0; --i) text += platform::text::hexUpper(data[i - 1]);
  return text;
}

}  // namespace

frmAbout::frmAbout(Application& app) : app_(app) {}

frmAbout::~frmAbout() = default;

void frmAbout::showModal() {
  // It is modal: while it is up nothing else of the program can ask for it again.
  if (window_ != nullptr && window_->isOpen()) return;
  load();
  window_->showModal();
}

void frmAbout::unload() {
  if (window_ != nullptr) window_->close();
}

void frmAbout::load() {
  platform::WindowSpec design;
  design.className = "LindrelAbout";
  // The window takes its caption when it is made, before anything is displayed.
  design.caption = "关于 " + std::string(AppInfo::kTitle);
  design.border = platform::Border::FixedDialog;
  design.width = 5730;
  design.height = 4575;
  // The last window is closed by now; its controls go with it.
  window_ = app_.platform().createWindow(design);
  platform::Window& w = *window_;

  cmdOK = &w.addButton(platform::ButtonSpec{4125, 3705, 1500, 345, "确定", platform::Picture::None, true, true});
  picIcon = &w.addPictureBox(platform::PictureBoxSpec{240, 240, 480, 480, false, w.backColor(),
                                                      platform::Picture::AppIcon});
  cmdSysInfo = &w.addButton(platform::ButtonSpec{4140, 4155, 1485, 345, "系统信息(&S)...", platform::Picture::None});
  lblDisclaimer = &w.addLabel(platform::LabelSpec{255, 3705, 3630, 825, {}, {}, false, platform::kBlack});
  lblTitle = &w.addLabel(platform::LabelSpec{1050, 240, 3885, 240, {}, {}, false, platform::kBlack});
  lblVersion = &w.addLabel(platform::LabelSpec{1050, 600, 3885, 225, {}, {}, false, platform::kBlack});
  platform::TextBoxSpec help;
  help.left = 1080;
  help.top = 960;
  help.width = 4455;
  help.height = 2415;
  help.multiLine = true;
  help.readOnly = true;
  help.verticalScrollBar = true;
  txtHelp = &w.addTextBox(help);
  // An etched rule: the white line first, so the grey one stays whole above it.
  w.addLine(platform::LineSpec{105, 3540, 5654, 3540, platform::kWhite, 2});
  w.addLine(platform::LineSpec{90, 3525, 5654, 3525, platform::rgb(128, 128, 128), 1});

  cmdOK->onClick = [this] { cmdOK_Click(); };
  cmdSysInfo->onClick = [this] { cmdSysInfo_Click(); };

  Form_Load();
}

void frmAbout::Form_Load() {
  lblVersion->setCaption(versionText());
  lblTitle->setCaption(AppInfo::kTitle);
  lblDisclaimer->setCaption(kBanner);

  const std::array<std::string, 7> lines{
      "    " + lblTitle->caption() + " " + lblVersion->caption(),
      std::string(15, ' ') + std::string(kAuthor),
      "   ===================================",
      "             使用帮助与技巧",
      "1.双击鼠标 垂直与 水平切换",
      "2.按键盘上下左右微调程序坐标",
      "3.按 Ｓｈｉｆｔ ＋ 键盘上下左右 微调程序大小",
  };
  std::string help;
  for (const std::string& line : lines) help += line + "\r\n";
  txtHelp->setText(help);
}

void frmAbout::cmdOK_Click() { window_->close(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo() {
  platform::Platform& platform = app_.platform();
  try {
    std::string path;
    bool found = GetKeyValue(platform::kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, path);
    if (!found && GetKeyValue(platform::kHkeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue, path)) {
      path += kSysInfoProgram;
      found = platform.fileExists(path);
    }
    if (found) {
      platform.startProgram(path);
      return;
    }
  } catch (const platform::PlatformError&) {
    // A program that cannot be started is as unavailable as one that is not there.
  }
  platform.msgBox(kSysInfoUnavailable);
}

bool frmAbout::GetKeyValue(platform::Hkey root, std::string_view keyPath, std::string_view valueName,
                           std::string& value) {
  platform::Api& api = app_.platform().api();
  // Read rights only: a standard user may not open these keys for writing.
  const platform::RegistryKey key = platform::openRegistryKey(api, root, keyPath, platform::kKeyRead);
  if (!key) {
    value.clear();
    return false;
  }
  std::vector<std::uint8_t> buffer(kValueBufferBytes, 0);
  std::uint32_t type = 0;
  auto size = static_cast<std::uint32_t>(buffer.size());
  if (api.RegQueryValueEx(key.get(), valueName, type, buffer.data(), size) != platform::kErrorSuccess) {
    value.clear();
    return false;
  }
  size = std::min<std::uint32_t>(size, kValueBufferBytes);
  if (type == platform::kRegSz) {
    value = platform::text::fromUtf16(storedText(buffer.data(), size));
  } else if (type == platform::kRegDword) {
    value = numberText(buffer.data(), size);
  }
  return true;
}

}  // namespace lindrel
