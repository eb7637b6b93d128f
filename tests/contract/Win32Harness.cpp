#include "platform/win32/Win32Platform.h"
#include "tests/contract/Harness.h"
#include "tests/e2e/Driver.h"

namespace lindrel::contract {
namespace {

class Win32Harness final : public Harness {
 public:
  platform::Platform& platform() override { return platform_; }
  void pump(int ms) override { platform_.pump(ms); }

  bool isTopmost(platform::Hwnd hwnd) override {
    return e2e::isTopmost(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(hwnd)));
  }

  std::vector<std::string> answeredMessageBoxes() override {
    std::vector<std::string> texts;
    for (const std::wstring& text : answerer_.texts()) texts.push_back(platform::win32::narrow(text));
    return texts;
  }

  bool endSession(platform::Hwnd hwnd) override {
    const auto h = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(hwnd));
    const bool ends = ::SendMessageW(h, WM_QUERYENDSESSION, 0, 0) != FALSE;
    ::SendMessageW(h, WM_ENDSESSION, ends, 0);
    return ends;
  }

 private:
  platform::win32::Win32Platform platform_{::GetModuleHandleW(nullptr)};
  e2e::MessageBoxWatcher answerer_;
};

}  // namespace

std::unique_ptr<Harness> makeHarness() { return std::make_unique<Win32Harness>(); }

}  // namespace lindrel::contract
