#include <gtest/gtest.h>

#include <array>

#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Window.h"
#include "tests/contract/Harness.h"
#include "tests/e2e/Driver.h"

namespace lindrel::contract {
namespace {

HWND handleOf(platform::Window& w) { return dynamic_cast<platform::win32::Win32Window&>(w).handle(); }

class Win32Harness final : public Harness {
 public:
  platform::Platform& platform() override { return platform_; }
  void pump(int ms) override { platform_.pump(ms); }
  platform::Rect systemRect(platform::Window& w) override {
    RECT r{};
    ::GetWindowRect(handleOf(w), &r);
    return platform::Rect{r.left, r.top, r.right, r.bottom};
  }
  bool isTopmost(platform::Window& w) override { return e2e::isTopmost(handleOf(w)); }
  void moveBySystem(platform::Window& w, platform::Point at) override {
    ::SetWindowPos(handleOf(w), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    platform_.pump(50);
  }
  std::vector<std::string> answeredMessageBoxes() override {
    std::vector<std::string> texts;
    for (const std::wstring& text : answerer_.texts()) texts.push_back(platform::win32::narrow(text));
    return texts;
  }

 private:
  platform::win32::Win32Platform platform_{::GetModuleHandleW(nullptr)};
  e2e::MessageBoxWatcher answerer_;
};

}  // namespace

std::unique_ptr<Harness> makeHarness() { return std::make_unique<Win32Harness>(); }

// Win32's own: the pen pointer at the size of a DPI, its tip scaled with it onto the same
// spot of the picture.
TEST(Win32Pointer, ThePenIsLoadedAtTheSizeOfTheDpiWithItsTipScaledWithIt) {
  platform::win32::Win32Platform platform(::GetModuleHandleW(nullptr));
  const auto look = [&](int dpi) {
    ICONINFO info{};
    EXPECT_TRUE(::GetIconInfo(platform.cursorFor(platform::PointerShape::Pen, dpi), &info));
    BITMAP colour{};
    ::GetObjectW(info.hbmColor, sizeof colour, &colour);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return std::array<long, 3>{colour.bmWidth, static_cast<long>(info.xHotspot), static_cast<long>(info.yHotspot)};
  };
  const std::array<long, 3> at96 = look(96);
  EXPECT_EQ(at96[0], 32);
  EXPECT_GT(at96[1] + at96[2], 0);
  EXPECT_EQ(look(192), (std::array<long, 3>{64, 2 * at96[1], 2 * at96[2]}));
}

}  // namespace lindrel::contract
