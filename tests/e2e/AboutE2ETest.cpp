// The about box as a user meets it: opened from the ruler's menu, closed by keys, and its
// system information button with and without the registry values behind it.

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/Scoped.h"
#include "platform/win32/Handles.h"
#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

constexpr wchar_t kUsage[] =
    L"    Lindrel 版本 0.1.0\r\n"
    L"               Lindrel\r\n"
    L"   ===================================\r\n"
    L"             使用帮助与技巧\r\n"
    L"1.双击鼠标 垂直与 水平切换\r\n"
    L"2.按键盘上下左右微调程序坐标\r\n"
    L"3.按 Ｓｈｉｆｔ ＋ 键盘上下左右 微调程序大小\r\n";
constexpr wchar_t kInfoKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr wchar_t kLocationKey[] = L"SOFTWARE\\Microsoft\\Shared Tools Location";

struct KeyTraits {
  using Handle = HKEY;
  static HKEY empty() { return nullptr; }
  void close(HKEY key) const { ::RegCloseKey(key); }
};
using Key = platform::Scoped<KeyTraits>;

// One value under HKEY_LOCAL_MACHINE, set or removed for a test and put back afterwards.
class MachineValue {
 public:
  MachineValue(const wchar_t* key, const wchar_t* name) : name_(name) {
    HKEY h = nullptr;
    ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &h, nullptr);
    key_ = Key(h);
    DWORD type = 0, size = 0;
    if (key_ && ::RegQueryValueExW(key_.get(), name_, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
      saved_.emplace(size);
      ::RegQueryValueExW(key_.get(), name_, nullptr, &type, saved_->data(), &size);
      type_ = type;
    }
  }
  ~MachineValue() {
    if (saved_) {
      ::RegSetValueExW(key_.get(), name_, 0, type_, saved_->data(), static_cast<DWORD>(saved_->size()));
    } else {
      remove();
    }
  }
  bool opened() const { return key_.valid(); }
  void set(const std::wstring& text) {
    ::RegSetValueExW(key_.get(), name_, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  void remove() { ::RegDeleteValueW(key_.get(), name_); }

 private:
  Key key_;
  const wchar_t* name_;
  DWORD type_ = REG_NONE;
  std::optional<std::vector<BYTE>> saved_;
};

std::vector<HWND> windowsOfClass(const wchar_t* className) {
  std::vector<HWND> found;
  for (HWND h = ::FindWindowExW(nullptr, nullptr, className, nullptr); h != nullptr;
       h = ::FindWindowExW(nullptr, h, className, nullptr)) {
    found.push_back(h);
  }
  return found;
}

class AboutE2E : public RulerProgram {
 protected:
  // The ruler's menu, then the item's access key.
  HWND openAbout() {
    openMenu();
    key('A');
    return program.window(L"LindrelAbout", 5000);
  }
  bool closed(HWND box) {
    return waitFor([&] { return !::IsWindow(box); }, 8000);
  }
  void pressSysInfo(HWND box) {
    const Box b = rectOf(child(box, L"BUTTON", 1));
    click((b.left + b.right) / 2, (b.top + b.bottom) / 2);
  }
};

TEST_F(AboutE2E, OpensFromTheMenuOverTheRulerAndEscOrEnterCloseIt) {
  for (const WORD closeKey : {VK_ESCAPE, VK_RETURN}) {
    HWND box = openAbout();
    ASSERT_NE(box, nullptr) << "the about box did not open from the menu";
    settle(300);
    EXPECT_EQ(textOf(box), L"关于 Lindrel");
    EXPECT_EQ(textOf(child(box, L"EDIT")), kUsage);  // the same at every opening
    EXPECT_EQ(textOf(child(box, L"BUTTON", 0)), L"确定");
    EXPECT_EQ(textOf(child(box, L"BUTTON", 1)), L"系统信息(&S)...");
    EXPECT_FALSE(isTopmost(ruler));
    EXPECT_EQ(::GetForegroundWindow(), box);
    EXPECT_FALSE(::IsWindowEnabled(ruler));  // modal

    key(closeKey);
    ASSERT_TRUE(closed(box)) << "key " << closeKey;
    EXPECT_TRUE(waitFor([&] { return isTopmost(ruler); }));
    EXPECT_TRUE(waitFor([&] { return ::GetForegroundWindow() == ruler; }));
    EXPECT_TRUE(::IsWindowEnabled(ruler));
  }
  EXPECT_TRUE(program.running());
}

TEST_F(AboutE2E, WithoutTheRegistryValuesSysInfoSaysItIsNotAvailable) {
  MachineValue path(kInfoKey, L"PATH"), folder(kLocationKey, L"MSINFO");
  ASSERT_TRUE(path.opened() && folder.opened());
  path.remove();
  folder.remove();
  HWND box = openAbout();
  ASSERT_NE(box, nullptr);
  settle(300);
  {
    MessageBoxWatcher boxes;
    pressSysInfo(box);
    ASSERT_TRUE(waitFor([&] { return !boxes.texts().empty(); }));
    EXPECT_EQ(boxes.texts(), std::vector<std::wstring>{L"此时系统信息不可用"});
  }
  settle(300);
  EXPECT_TRUE(::IsWindow(box));  // the box stays up, with the keyboard
  EXPECT_EQ(::GetForegroundWindow(), box);
  EXPECT_FALSE(isTopmost(ruler));
  key(VK_ESCAPE);
  EXPECT_TRUE(closed(box));
  EXPECT_TRUE(waitFor([&] { return isTopmost(ruler); }));
}

TEST_F(AboutE2E, SysInfoStartsTheProgramOfThePathValueWithoutWaitingForIt) {
  wchar_t system[MAX_PATH] = {};
  ::GetSystemDirectoryW(system, MAX_PATH);
  MachineValue path(kInfoKey, L"PATH");
  ASSERT_TRUE(path.opened());
  path.set(std::wstring(system) + L"\\notepad.exe");
  const std::vector<HWND> before = windowsOfClass(L"Notepad");

  HWND box = openAbout();
  ASSERT_NE(box, nullptr);
  settle(300);
  MessageBoxWatcher boxes;
  pressSysInfo(box);
  HWND notepad = nullptr;
  ASSERT_TRUE(waitFor([&] {
    for (HWND h : windowsOfClass(L"Notepad")) {
      if (std::find(before.begin(), before.end(), h) == before.end() && ::IsWindowVisible(h)) notepad = h;
    }
    return notepad != nullptr;
  }, 10000));
  DWORD pid = 0;
  ::GetWindowThreadProcessId(notepad, &pid);
  const platform::win32::KernelHandle started(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
  EXPECT_EQ(textOf(child(box, L"EDIT")), kUsage);  // not waited for: the box answers while it runs
  EXPECT_TRUE(boxes.texts().empty());
  // Shown first, then activated: the activation may come a moment later.
  EXPECT_TRUE(waitFor([&] { return ::GetForegroundWindow() == notepad; }));
  ::TerminateProcess(started.get(), 0);
  ::WaitForSingleObject(started.get(), 5000);
  settle(300);

  EXPECT_FALSE(isTopmost(ruler));
  // Back to the box, on a bare spot of it: without a window manager it shows no caption.
  POINT spot{20, 200};
  ::ClientToScreen(box, &spot);
  click(spot.x, spot.y);
  key(VK_ESCAPE);
  EXPECT_TRUE(closed(box));
  EXPECT_TRUE(waitFor([&] { return isTopmost(ruler); }));
}

}  // namespace
}  // namespace lindrel::e2e
