// The about box as a user meets it: opened from the ruler's menu, closed by keys, and its
// system information button with and without the registry values behind it.

#include <algorithm>
#include <optional>
#include <vector>

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

const std::wstring kUsage = inLanguage(
    L"    Lindrel 版本 0.1.0\r\n"
    L"               Lindrel\r\n"
    L"   ===================================\r\n"
    L"             使用帮助与技巧\r\n"
    L"1.双击鼠标 垂直与 水平切换\r\n"
    L"2.按键盘上下左右微调程序坐标\r\n"
    L"3.按 Ｓｈｉｆｔ ＋ 键盘上下左右 微调程序大小\r\n",
    L"    Lindrel Version 0.1.0\r\n"
    L"               Lindrel\r\n"
    L"   ===================================\r\n"
    L"             Help and tips\r\n"
    L"1. Double-click: turn vertical or horizontal\r\n"
    L"2. Arrow keys: move it a pixel\r\n"
    L"3. Shift + arrow keys: resize it a pixel\r\n");
constexpr wchar_t kInfoKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr wchar_t kLocationKey[] = L"SOFTWARE\\Microsoft\\Shared Tools Location";

// A value under HKEY_LOCAL_MACHINE, set or removed for a test and put back afterwards.
class MachineValue {
 public:
  MachineValue(const wchar_t* key, const wchar_t* name) : key_(key), name_(name) {
    DWORD size = 0;
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, key_, name_, kAsStored, &type_, nullptr, &size) != ERROR_SUCCESS) return;
    saved_.emplace(size);
    ::RegGetValueW(HKEY_LOCAL_MACHINE, key_, name_, kAsStored, &type_, saved_->data(), &size);
  }
  ~MachineValue() {
    if (!saved_) remove();
    else ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, key_, name_, type_, saved_->data(), static_cast<DWORD>(saved_->size()));
  }
  bool set(const std::wstring& text) {
    return ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, key_, name_, REG_SZ, text.c_str(),
                             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }
  // True once the value is gone, also when there was none.
  bool remove() {
    const LSTATUS status = ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, key_, name_);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
  }

 private:
  static constexpr DWORD kAsStored = RRF_RT_ANY | RRF_NOEXPAND;
  const wchar_t* key_;
  const wchar_t* name_;
  DWORD type_ = REG_NONE;
  std::optional<std::vector<BYTE>> saved_;
};

class AboutE2E : public RulerProgram {
 protected:
  void openAbout() { ASSERT_NE(box = openFromMenu('A', L"LindrelAbout"), nullptr); }
  // The ruler goes back into the topmost band.
  void closeWith(WORD closeKey) {
    key(closeKey);
    ASSERT_TRUE(waitFor([&] { return !::IsWindow(box); }, 8000)) << "key " << closeKey;
    EXPECT_TRUE(waitFor([&] { return isTopmost(ruler); }));
  }

  HWND box = nullptr;
};

TEST_F(AboutE2E, OpensFromTheMenuOverTheRulerAndEscOrEnterCloseIt) {
  for (const WORD closeKey : {VK_ESCAPE, VK_RETURN}) {
    ASSERT_NO_FATAL_FAILURE(openAbout());
    EXPECT_EQ(textOf(box), inLanguage(L"关于 Lindrel", L"About Lindrel"));
    EXPECT_EQ(textOf(child(box, L"EDIT")), kUsage);  // the same at every opening
    EXPECT_EQ(textOf(child(box, L"BUTTON", 0)), inLanguage(L"确定", L"OK"));
    EXPECT_EQ(textOf(child(box, L"BUTTON", 1)), inLanguage(L"系统信息(&S)...", L"&System Info..."));
    EXPECT_FALSE(isTopmost(ruler));
    EXPECT_EQ(::GetForegroundWindow(), box);
    EXPECT_FALSE(::IsWindowEnabled(ruler));  // modal

    ASSERT_NO_FATAL_FAILURE(closeWith(closeKey));
    EXPECT_TRUE(waitFor([&] { return ::GetForegroundWindow() == ruler; }));
    EXPECT_TRUE(::IsWindowEnabled(ruler));
  }
  EXPECT_TRUE(program.running());
}

TEST_F(AboutE2E, SystemInfoIsNotAvailableWithoutTheRegistryValuesElseStartsThePathsProgramWithoutWaiting) {
  MachineValue path(kInfoKey, L"PATH"), folder(kLocationKey, L"MSINFO");
  ASSERT_TRUE(path.remove() && folder.remove());
  ASSERT_NO_FATAL_FAILURE(openAbout());
  MessageBoxWatcher messages;
  const std::vector<std::wstring> notAvailable{inLanguage(L"此时系统信息不可用", L"System information is not available now.")};
  clickOn(child(box, L"BUTTON", 1));  // system information
  ASSERT_TRUE(waitFor([&] { return !messages.texts().empty(); }));
  EXPECT_EQ(messages.texts(), notAvailable);
  // The box stays up and gets the keyboard back once the message box has gone.
  EXPECT_TRUE(waitFor([&] { return ::GetForegroundWindow() == box; }));
  EXPECT_FALSE(isTopmost(ruler));

  wchar_t system[MAX_PATH] = {};
  ::GetSystemDirectoryW(system, MAX_PATH);
  ASSERT_TRUE(path.set(std::wstring(system) + L"\\notepad.exe"));
  const std::vector<HWND> before = visibleWindows(0, L"Notepad");
  clickOn(child(box, L"BUTTON", 1));
  HWND notepad = nullptr;
  ASSERT_TRUE(waitFor([&] {
    for (HWND h : visibleWindows(0, L"Notepad")) {
      if (std::find(before.begin(), before.end(), h) == before.end()) notepad = h;
    }
    return notepad != nullptr;
  }, 10000));
  EXPECT_EQ(textOf(child(box, L"EDIT")), kUsage);  // not waited for: the box answers while it runs
  EXPECT_EQ(messages.texts(), notAvailable);
  // Shown first, then activated: the activation may come a moment later.
  EXPECT_TRUE(waitFor([&] { return ::GetForegroundWindow() == notepad; }));
  ::PostMessageW(notepad, WM_CLOSE, 0, 0);
  ASSERT_TRUE(waitFor([&] { return !::IsWindow(notepad); }));
  settle(300);

  EXPECT_FALSE(isTopmost(ruler));
  // Back to the box, on a bare spot of it: without a window manager it shows no caption.
  POINT spot{20, 200};
  ::ClientToScreen(box, &spot);
  click(spot);
  closeWith(VK_ESCAPE);
}

}  // namespace
}  // namespace lindrel::e2e
