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

  HWND ruler() const { return program_.window(L"LindrelRuler", 2000); }
  HWND magnifier() const { return program_.window(L"LindrelZoomOut", 0); }
  HWND about() const { return program_.window(L"LindrelAbout", 0); }

  POINT somewhere() { return POINT{pick(0, 1279), pick(0, 799)}; }
  POINT inside(const Box& b, int margin = 3) {
    return POINT{pick(b.left + margin, std::max(b.left + margin, b.right - margin - 1)),
                 pick(b.top + margin, std::max(b.top + margin, b.bottom - margin - 1))};
  }

  void chooseFromMenu(const Box& ruler, WORD accessKey) {
    click(inside(ruler), true);
    settle(250);
    key(accessKey);
  }

  void act() {
    HWND r = ruler();
    if (r == nullptr) return;
    const Box b = rectOf(r);
    switch (pick(0, 14)) {
      case 0: click(inside(b)); break;  // somewhere on the strip
      case 1: hoverAndDrag(inside(b, 8), somewhere(), pick(2, 12)); break;  // the whole strip moved
      case 2: case 3: {  // the right edge, the bottom edge or the corner, sometimes far past the opposite edge
        const int which = pick(0, 2);
        const POINT from{which == 1 ? b.centre().x : b.right - 2, which == 0 ? b.centre().y : b.bottom - 2};
        const POINT to = chance(30) ? POINT{b.left - pick(1, 300), b.top - pick(1, 300)} : somewhere();
        hoverAndDrag(from, to, pick(1, 10));
        break;
      }
      case 4: doubleClick(inside(b)); settle(200); break;
      case 5:  // arrow keys with any modifiers
        click(inside(b));
        for (int i = pick(1, 8); i > 0; --i) key(static_cast<WORD>(VK_LEFT + pick(0, 3)), chance(40), chance(25), chance(15));
        break;
      case 6: case 7: chooseUnit(b); break;
      case 8: chooseFromMenu(b, 'Z'); break;
      case 9: aboutAction(b); break;
      case 10: case 11: case 12: magnifierAction(); break;
      case 13: click(somewhere(), chance(20)); key(VK_ESCAPE); break;  // Esc for whatever that opened
      default:
        if (HWND m = magnifier()) {  // its close box
          const Box mb = rectOf(m);
          const int frame = ::GetSystemMetrics(SM_CXFIXEDFRAME), caption = ::GetSystemMetrics(SM_CYSMCAPTION);
          click(POINT{mb.right - frame - caption / 2 - 1, mb.top + frame + caption / 2});
          waitFor([&] { return magnifier() == nullptr; }, 4000);
        }
        break;
    }
  }

  void chooseUnit(const Box& b) {
    chooseFromMenu(b, 'W');
    const bool pixels = chance(20);
    key(pixels ? 'P' : 'C');
    for (int i = pixels ? 0 : pick(0, 4); i > 0; --i) key(VK_DOWN);
    if (!pixels) key(VK_RETURN);
    settle(150);
  }

  void aboutAction(const Box& b) {
    chooseFromMenu(b, 'A');
    settle(400);
    if (HWND a = about()) {
      if (chance(40)) {  // the system information button: no tool here, so a message
        clickOn(child(a, L"Button", 1));
        settle(400);
      }
      key(chance(50) ? VK_ESCAPE : VK_RETURN);
      waitFor([&] { return about() == nullptr; }, 4000);
    }
  }

  void magnifierAction() {
    HWND m = magnifier();
    if (m == nullptr) return;
    HWND pen = child(m, L"Button", 0);
    const int what = pick(0, 5);
    if (what == 0 && pen != nullptr) {  // a pen drag with any button, over anything
      // Left, right or middle: the down flags are two bits apart, each with its up flag one bit above.
      const DWORD down = MOUSEEVENTF_LEFTDOWN << 2 * pick(0, 2);
      mouseButton(down, rectOf(pen).centre());
      for (int i = pick(2, 10); i > 0; --i) {
        moveTo(somewhere());
        settle(60);  // a tick or so of sampling
      }
      mouseButton(down << 1, somewhere());
    } else if (what <= 2) {  // typing into the code box or a channel box, or its Ctrl keys
      if (!clickOn(child(m, L"Edit", pick(0, 3)))) return;
      static const wchar_t kChars[] = L"0123456789\b\b,,#&hx$ aFf-.9";
      for (int i = pick(1, 6); i > 0; --i) {
        if (chance(25)) {
          if (chance(30)) setClipboardText(chance(50) ? L"128" : L"x,1");
          key(static_cast<WORD>("ACVXZ"[pick(0, 4)]), false, true);
        } else {
          typeText({kChars[pick(0, static_cast<int>(std::size(kChars)) - 2)]});
        }
      }
    } else if (what == 3) {
      clickOn(child(m, L"Button", pick(1, 2)));  // Set or Copy
    } else if (what == 4) {  // another notation
      if (!clickOn(child(m, L"ComboBox", 0))) return;
      settle(150);
      for (int i = pick(0, 4); i > 0; --i) key(chance(50) ? VK_DOWN : VK_UP);
      key(VK_RETURN);
    } else if (HWND bar = child(m, L"ScrollBar", pick(0, 2))) {  // a drag along a bar, or a click on it
      const Box sb = rectOf(bar);
      const LONG y = sb.centre().y;
      drag({pick(sb.left + 2, sb.right - 3), y}, {pick(sb.left - 40, sb.right + 40), y}, pick(2, 8));
    }
  }

  // At rest: the process lives, every window of it answers, the ruler is at least 500 twips
  // both ways and topmost, and no about box or message box is left open.
  int checkAtRest(int burst) {
    int failures = 0;
    const auto fail = [&](const char* what) {
      std::printf("burst %d: %s\n", burst, what);
      return ++failures;
    };
    key(VK_ESCAPE);  // an open menu or list
    if (about() != nullptr) key(VK_ESCAPE);
    waitFor([&] { return about() == nullptr; }, 4000);
    settle(400);
    waitFor([&] { return !messages_.boxUp(); }, 4000);
    if (!program_.running()) return fail("the process ended");
    for (HWND w : program_.windows()) {
      if (!::SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, nullptr)) fail("a window does not answer");
    }
    HWND r = ruler();
    if (r == nullptr) return fail("the ruler is gone");
    const Box b = rectOf(r);
    if (b.width() < 34 || b.height() < 34) fail("the ruler is smaller than 500 twips");
    if (!isTopmost(r)) fail("the ruler is not topmost at rest");
    if (about() != nullptr) fail("the about box stays open");
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
