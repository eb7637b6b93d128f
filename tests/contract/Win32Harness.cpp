#include <atomic>
#include <mutex>
#include <thread>

#include "platform/win32/Win32Platform.h"
#include "platform/win32/Windows.h"
#include "tests/contract/Harness.h"

namespace lindrel::contract {
namespace {

using platform::win32::narrow;

class Win32Harness final : public Harness {
 public:
  Win32Harness() : platform_(::GetModuleHandleW(nullptr)) {}
  ~Win32Harness() override {
    stop_ = true;
    if (answerer_.joinable()) answerer_.join();
  }

  platform::Platform& platform() override { return platform_; }
  void pump(int ms) override { platform_.pump(ms); }

  bool isTopmost(platform::Hwnd hwnd) override {
    const auto h = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(hwnd));
    return (::GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  }

  std::optional<std::string> clipboardText() override {
    if (!::OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
      if (const auto* p = static_cast<const wchar_t*>(::GlobalLock(data))) {
        text = narrow(p);
        ::GlobalUnlock(data);
      }
    }
    ::CloseClipboard();
    return text;
  }

  std::vector<std::string> answeredMessageBoxes() override {
    if (!answerer_.joinable()) answerer_ = std::thread([this] { answer(); });
    std::lock_guard lock(mutex_);
    return answered_;
  }

 private:
  // Watches for the program's message boxes and presses OK on each, keeping its text.
  void answer() {
    while (!stop_) {
      HWND box = ::FindWindowW(L"#32770", L"Lindrel");
      if (box != nullptr && ::IsWindowVisible(box)) {
        wchar_t text[512] = {};
        ::GetDlgItemTextW(box, 0xFFFF, text, 512);
        {
          std::lock_guard lock(mutex_);
          answered_.push_back(narrow(text));
        }
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        while (::IsWindow(box) && !stop_) ::Sleep(10);
      }
      ::Sleep(10);
    }
  }

  platform::win32::Win32Platform platform_;
  std::thread answerer_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> answered_;
};

}  // namespace

std::unique_ptr<Harness> makeHarness() { return std::make_unique<Win32Harness>(); }

}  // namespace lindrel::contract
