// What a screen reader gets, from another process: the strip's and the magnifier view's names
// and values through Active Accessibility, and their value-change events through a WinEvent
// hook, few during a drag.

#include <ole2.h>
#include <oleacc.h>

#include <cwchar>
#include <mutex>

#include "tests/e2e/RulerProgram.h"

namespace lindrel::e2e {
namespace {

// A name and a value.
using Read = std::pair<std::wstring, std::wstring>;

// COM for the thread that reads, for as long as the thread lives.
struct ComThread {
  ComThread() { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~ComThread() { ::CoUninitialize(); }
};

// The client object of a window, read as a screen reader reads it.
Read readObject(HWND window) {
  thread_local const ComThread com;
  IAccessible* object = nullptr;
  Read read;
  if (::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&object)) != S_OK) {
    return read;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  for (auto [get, into] : {std::pair{&IAccessible::get_accName, &read.first}, {&IAccessible::get_accValue, &read.second}}) {
    BSTR text = nullptr;
    if ((object->*get)(self, &text) == S_OK && text != nullptr) *into = text;
    ::SysFreeString(text);
  }
  object->Release();
  return read;
}

// The value-change events of one window, heard out of context on a thread of their own, each
// with the value read when it came.
class ValueChanges {
 public:
  explicit ValueChanges(HWND window) {
    target_ = window;
    values_.clear();  // one listener at a time
    thread_ = std::jthread([this](const std::stop_token& stop) {
      const HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, heard, 0, 0,
                                                   WINEVENT_OUTOFCONTEXT);
      hooked_ = hook != nullptr;
      while (!stop.stop_requested()) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      }
      ::UnhookWinEvent(hook);
    });
    waitFor([&] { return hooked_.load(); });
  }
  std::vector<std::wstring> values() const {
    std::lock_guard lock(mutex_);
    return values_;
  }

 private:
  static void CALLBACK heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (window != target_ || object != OBJID_CLIENT || child != CHILDID_SELF) return;
    const std::wstring value = readObject(window).second;
    std::lock_guard lock(mutex_);
    values_.push_back(value);
  }
  static inline HWND target_ = nullptr;
  static inline std::mutex mutex_;
  static inline std::vector<std::wstring> values_;
  std::atomic<bool> hooked_{false};
  std::jthread thread_;  // last: stopped before the rest goes
};

// The readout's figures as a screen reader hears them: "640.00", or at 200 %
// "1280.00 (640.00 @200%)".
std::wstring figure(LONG pixels) {
  wchar_t text[64];
  if (screenDpi() == 96) std::swprintf(text, 64, L"%ld.00", pixels);
  else std::swprintf(text, 64, L"%ld.00 (%.2f @%d%%)", pixels, pixels * 96.0 / screenDpi(), screenDpi() * 100 / 96);
  return text;
}
std::wstring sizeOf(HWND strip) {
  const Box r = rectOf(strip);
  return figure(r.width()) + L" × " + figure(r.height()) + inLanguage(L" 像素", L" px");
}

using AccessibilityE2E = RulerProgram;

TEST_F(AccessibilityE2E, TheStripIsNamedItsValueIsItsSizeAKeyTellsOnceAndADragAFewTimesEndingOnItsSize) {
  EXPECT_EQ(readObject(ruler), (Read{inLanguage(L"Lindrel 标尺", L"Lindrel ruler"), sizeOf(ruler)}));
  {
    ValueChanges changes(ruler);
    click(uncoveredSpot(ruler, 30));
    key(VK_RIGHT, true);  // one pixel wider
    ASSERT_TRUE(waitFor([&] { return !changes.values().empty(); }));
    EXPECT_EQ(changes.values(), std::vector<std::wstring>{sizeOf(ruler)});
  }
  // A resize drag of two seconds.
  ValueChanges changes(ruler);
  const Box r = rectOf(ruler);
  const POINT edge{r.right - 2, r.top + r.height() / 2};
  moveTo(edge);
  settle(250);
  drag(edge, {edge.x + 240, edge.y}, 60);  // 30 ms a step
  settle(600);
  const std::vector<std::wstring> told = changes.values();
  ASSERT_NE(rectOf(ruler).width(), r.width());
  ASSERT_GE(told.size(), 2u);
  EXPECT_LE(told.size(), 12u);
  EXPECT_EQ(told.back(), sizeOf(ruler));
}

TEST_F(AccessibilityE2E, TheViewSaysThePickedColourAndItsNameAndTheNewestSwatchItsCode) {
  makeRoomForTheMagnifier();
  HWND magnifier = openFromMenu('Z', L"LindrelZoomOut");
  ASSERT_NE(magnifier, nullptr);
  HWND view = child(magnifier, L"LindrelPicture", 0);
  ValueChanges changes(view);
  const Box r = rectOf(ruler);
  drag(rectOf(child(magnifier, L"Button", 0)).centre(), {r.left + 101, r.bottom - 8}, 10, 300);  // onto the yellow
  settle(400);
  const std::wstring yellow = inLanguage(L"#FFFF00，黄色 (yellow)", L"#FFFF00, yellow");
  EXPECT_EQ(readObject(view), (Read{inLanguage(L"放大视图", L"Magnified view"), yellow}));
  EXPECT_EQ(readObject(child(magnifier, L"LindrelPicture", 2)).first, L"#FFFF00");
  ASSERT_FALSE(changes.values().empty());
  EXPECT_EQ(changes.values().back(), yellow);
}

}  // namespace
}  // namespace lindrel::e2e
