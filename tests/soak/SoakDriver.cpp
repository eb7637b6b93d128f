// Soak: random real input at a running lindrel.exe in bursts, everything a user can do but
// exit; after each burst, at rest, the checks of checkAtRest().
// Usage: soak_driver.exe [events=10000] [seconds=1200] [seed=1]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>
#include <string>

#include "tests/e2e/Driver.h"

namespace lindrel::e2e {
namespace {

class Soak {
 public:
  explicit Soak(unsigned seed) : random_(seed) {}

  int run(long events, double seconds) {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    int burst = 0, failures = 0;
    while (inputEventsSent() < events && ::GetTickCount64() < end && failures == 0) {
      for (int i = pick(15, 40); i > 0 && program_.running(); --i) act();
      failures += checkAtRest(++burst);
      if (burst % 10 == 0) std::printf("burst %d: %ld events\n", burst, inputEventsSent()), std::fflush(stdout);
    }
    std::printf("soak: %ld events in %d bursts, %d failure(s), %zu message boxes answered\n", inputEventsSent(), burst,
                failures, messages_.texts().size());
    return failures == 0 ? 0 : 1;
  }

 private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool chance(int percent) { return pick(1, 100) <= percent; }
  HWND window(const wchar_t* className) const { return program_.window(className, 0); }
  POINT somewhere() { return POINT{pick(0, 1279), pick(0, 799)}; }
  POINT inside(const Box& b, int margin = 3) {
    return POINT{pick(b.left + margin, std::max(b.left + margin, b.right - margin - 1)),
                 pick(b.top + margin, std::max(b.top + margin, b.bottom - margin - 1))};
  }

  void act() {
    HWND ruler = program_.window(L"LindrelRuler", 2000);
    if (ruler == nullptr) return;
    const Box b = rectOf(ruler);
    switch (pick(0, 12)) {
      case 0: click(inside(b)); break;
      case 1: hoverAndDrag(inside(b, 8), somewhere(), pick(2, 12)); break;  // the whole strip moved
      case 2: case 3: {  // an edge or the corner, sometimes far past the opposite edge
        const int which = pick(0, 2);
        const POINT from{which == 1 ? b.centre().x : b.right - 2, which == 0 ? b.centre().y : b.bottom - 2};
        hoverAndDrag(from, chance(30) ? POINT{b.left - pick(1, 300), b.top - pick(1, 300)} : somewhere(), pick(1, 10));
        break;
      }
      case 4: doubleClick(inside(b)); settle(200); break;
      case 5:  // arrow keys with any modifiers
        click(inside(b));
        for (int i = pick(1, 8); i > 0; --i) key(static_cast<WORD>(VK_LEFT + pick(0, 3)), chance(40), chance(25), chance(15));
        break;
      case 6: case 7: {  // a unit, the magnifier or the about box from the menu
        click(inside(b), true);
        settle(250);
        const int item = pick(0, 7);
        key(item < 5 ? 'W' : item == 5 ? 'Z' : 'A');
        if (item < 5) {
          key(item == 0 ? 'P' : 'C');
          for (int i = 1; i < item; ++i) key(VK_DOWN);
          if (item > 0) key(VK_RETURN);
        } else if (HWND about = item > 5 ? program_.window(L"LindrelAbout", 1500) : nullptr) {
          if (chance(40)) clickOn(child(about, L"Button", 1));  // system information: no tool here, a message
          settle(400);
          key(chance(50) ? VK_ESCAPE : VK_RETURN);
        }
        settle(200);
        break;
      }
      case 8: case 9: case 10: magnifierAction(); break;
      default: click(somewhere(), chance(20)); key(VK_ESCAPE); break;  // Esc for whatever that opened
    }
  }

  void magnifierAction() {
    HWND m = window(L"LindrelZoomOut");
    if (m == nullptr) return;
    switch (pick(0, 5)) {
      case 0: {  // a pen drag with the left, right or middle button, over anything
        const DWORD down = MOUSEEVENTF_LEFTDOWN << 2 * pick(0, 2);  // each up flag is one bit above its down
        mouseButton(down, rectOf(child(m, L"Button", 0)).centre());
        for (int i = pick(2, 10); i > 0; --i) moveTo(somewhere()), settle(60);
        mouseButton(down << 1, somewhere());
        break;
      }
      case 1: case 2: {  // typing into the code box or a channel box, or its Ctrl keys
        if (!clickOn(child(m, L"Edit", pick(0, 3)))) return;
        static const wchar_t kChars[] = L"0123456789\b\b,,#&hx$ aFf-.9，＃";
        for (int i = pick(1, 6); i > 0; --i) {
          if (!chance(25)) {
            typeText({kChars[pick(0, static_cast<int>(std::size(kChars)) - 2)]});
            continue;
          }
          if (chance(30)) setClipboardText(chance(50) ? L"128" : L"x,1");
          key(static_cast<WORD>("ACVXZ"[pick(0, 4)]), false, true);
        }
        break;
      }
      case 3: clickOn(child(m, L"Button", pick(1, 2))); break;  // Set or Copy
      case 4:  // another notation
        if (!clickOn(child(m, L"ComboBox", 0))) return;
        settle(150);
        for (int i = pick(0, 4); i > 0; --i) key(chance(50) ? VK_DOWN : VK_UP);
        key(VK_RETURN);
        break;
      default: {  // a drag along a bar or a click on it
        const Box bar = rectOf(child(m, L"ScrollBar", pick(0, 2)));
        drag({pick(bar.left + 2, bar.right - 3), bar.centre().y}, {pick(bar.left - 40, bar.right + 40), bar.centre().y},
             pick(2, 8));
      }
    }
  }

  // At rest: the process lives, every window of it answers, the ruler is at least 34 pixels
  // both ways and topmost, and no about box or message box is left open.
  int checkAtRest(int burst) {
    key(VK_ESCAPE);  // an open menu or list
    if (window(L"LindrelAbout") != nullptr) key(VK_ESCAPE);
    waitFor([&] { return window(L"LindrelAbout") == nullptr && !messages_.boxUp(); }, 4000);
    settle(400);
    int failures = 0;
    const auto fail = [&](const char* what) { return std::printf("burst %d: %s\n", burst, what), ++failures; };
    if (!program_.running()) return fail("the process ended");
    for (HWND w : program_.windows()) {
      if (!::SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, nullptr)) fail("a window does not answer");
    }
    HWND ruler = program_.window(L"LindrelRuler", 2000);
    if (ruler == nullptr) return fail("the ruler is gone");
    if (rectOf(ruler).width() < 34 || rectOf(ruler).height() < 34) fail("the ruler is smaller than its least size");
    if (!isTopmost(ruler)) fail("the ruler is not topmost at rest");
    if (window(L"LindrelAbout") != nullptr) fail("the about box stays open");
    if (messages_.boxUp()) fail("a message box stays open");
    return failures;
  }

  Program program_;
  MessageBoxWatcher messages_;
  std::mt19937 random_;
};

}  // namespace
}  // namespace lindrel::e2e

int main(int argc, char** argv) {
  const long events = argc > 1 ? std::atol(argv[1]) : 10000;
  const double seconds = argc > 2 ? std::atof(argv[2]) : 1200;
  const unsigned seed = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1u;
  lindrel::e2e::settle(500);
  return lindrel::e2e::Soak(seed).run(events, seconds);
}
