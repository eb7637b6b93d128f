#include "about/AboutBox.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/Errors.h"
#include "platform/Handles.h"
#include "platform/Text.h"

namespace lindrel {
namespace {

using platform::AppInfo;

constexpr std::string_view kSystemInfoUnavailable = "此时系统信息不可用";

constexpr std::string_view kSystemInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view kSystemInfoValue = "PATH";
constexpr std::string_view kSystemInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr std::string_view kSystemInfoLocationValue = "MSINFO";
constexpr std::string_view kSystemInfoProgram = "\\MSINFO32.EXE";

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

AboutBox::AboutBox(platform::Platform& platform) : platform_(platform) {}

AboutBox::~AboutBox() = default;

void AboutBox::showModal() {
  // It is modal: while it is up nothing else of the program can ask for it again.
  if (window_ != nullptr && window_->isOpen()) return;
  load();
  window_->showModal();
}

void AboutBox::close() {
  if (window_ != nullptr) window_->close();
}

void AboutBox::load() {
  platform::WindowSpec design;
  design.className = "LindrelAbout";
  // The window takes its caption when it is made, before anything is displayed.
  design.caption = "关于 " + std::string(AppInfo::kTitle);
  design.border = platform::Border::FixedDialog;
  design.width = 5730;
  design.height = 4575;
  // The last window is closed by now; its controls go with it.
  window_ = platform_.createWindow(design);
  platform::Window& w = *window_;

  okButton_ = &w.addButton(platform::ButtonSpec{4125, 3705, 1500, 345, "确定", platform::Picture::None, true, true});
  w.addPictureBox(platform::PictureBoxSpec{240, 240, 480, 480, false, w.backColor(), platform::Picture::AppIcon});
  systemInfoButton_ =
      &w.addButton(platform::ButtonSpec{4140, 4155, 1485, 345, "系统信息(&S)...", platform::Picture::None});
  disclaimerLabel_ = &w.addLabel(platform::LabelSpec{255, 3705, 3630, 825, {}, {}, false, platform::kBlack});
  titleLabel_ = &w.addLabel(platform::LabelSpec{1050, 240, 3885, 240, {}, {}, false, platform::kBlack});
  versionLabel_ = &w.addLabel(platform::LabelSpec{1050, 600, 3885, 225, {}, {}, false, platform::kBlack});
  platform::TextBoxSpec help;
  help.left = 1080;
  help.top = 960;
  help.width = 4455;
  help.height = 2415;
  help.multiLine = true;
  help.readOnly = true;
  help.verticalScrollBar = true;
  helpBox_ = &w.addTextBox(help);
  // An etched rule: the white line first, so the grey one stays whole above it.
  w.addLine(platform::LineSpec{105, 3540, 5654, 3540, platform::kWhite, 2});
  w.addLine(platform::LineSpec{90, 3525, 5654, 3525, platform::rgb(128, 128, 128), 1});

  okButton_->onClick = [this] { close(); };
  systemInfoButton_->onClick = [this] { startSystemInfo(); };

  writeTexts();
}

void AboutBox::writeTexts() {
  versionLabel_->setCaption(versionText());
  titleLabel_->setCaption(AppInfo::kTitle);
  disclaimerLabel_->setCaption(kBanner);

  const std::array<std::string, 7> lines{
      "    " + titleLabel_->caption() + " " + versionLabel_->caption(),
      std::string(15, ' ') + std::string(kAuthor),
      "   ===================================",
      "             使用帮助与技巧",
      "1.双击鼠标 垂直与 水平切换",
      "2.按键盘上下左右微调程序坐标",
      "3.按 Ｓｈｉｆｔ ＋ 键盘上下左右 微调程序大小",
  };
  std::string help;
  for (const std::string& line : lines) help += line + "\r\n";
  helpBox_->setText(help);
}

void AboutBox::startSystemInfo() {
  platform::Platform& platform = platform_;
  try {
    // The tool's own path, or else the program in the shared tools' folder: the first that
    // names a program that is there.
    std::string path;
    bool found = readRegistryValue(platform::kHkeyLocalMachine, kSystemInfoKey, kSystemInfoValue, path) &&
                 platform.fileExists(path);
    if (!found) {
      path.clear();
      if (readRegistryValue(platform::kHkeyLocalMachine, kSystemInfoLocationKey, kSystemInfoLocationValue, path)) {
        path += kSystemInfoProgram;
        found = platform.fileExists(path);
      }
    }
    if (found) {
      platform.startProgram(path);
      return;
    }
  } catch (const platform::PlatformError&) {
    // A program that cannot be started is as unavailable as one that is not there.
  }
  platform.msgBox(kSystemInfoUnavailable);
}

bool AboutBox::readRegistryValue(platform::Hkey root, std::string_view keyPath, std::string_view valueName,
                                 std::string& value) {
  platform::Api& api = platform_.api();
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
  } else if (type == platform::kRegExpandSz) {
    value = platform_.expandEnvironment(platform::text::fromUtf16(storedText(buffer.data(), size)));
  } else if (type == platform::kRegDword) {
    value = numberText(buffer.data(), size);
  }
  return true;
}

}  // namespace lindrel
