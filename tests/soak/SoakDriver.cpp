// Soak: thousands of random real input events at a running lindrel.exe — clicks, drags on
// every edge and past it, double-clicks, arrow keys with every modifier, every menu item but
// the exit, the magnifier and the about box opened and closed, pen drags, typing into every
// box — in bursts. After each burst, at rest: the process lives, every window of it answers,
// the ruler is at least 500 twips both ways and topmost, and no message box is left open.
//
// soak_driver.exe [events=10000] [seconds=1200] [seed=1]

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "tests/e2e/Driver.h"

namespace lindrel::e2e {
namespace {

class Soak {
 public:
  Soak(unsigned seed) : random_(seed) {}

  int run(long events, double seconds) {
    const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    int burst = 0, failures = 0;
    while (sent_ < events && ::GetTickCount64() < end && failures == 0) {
      ++burst;
      const int actions = pick(15, 40);
      for (int i = 0; i < actions && program_.running(); ++i) act();
      failures += checkAtRest(burst);
      if (burst % 10 == 0) std::printf("burst %d: %ld events\n", burst, sent_), std::fflush(stdout);
    }
    std::printf("soak: %ld events in %d bursts, %d failure(s), %zu message boxes answered\n", sent_, burst, failures,
                boxes_.texts().size());
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

  void count(long n) { sent_ += n; }

  void act() {
    HWND r = ruler();
    if (r == nullptr) return;
    const Box b = rectOf(r);
    switch (pick(0, 14)) {
      case 0: {  // a click somewhere on the strip
        const POINT p = inside(b);
        click(p.x, p.y);
        count(4);
        break;
      }
      case 1: {  // move the whole strip
        const POINT p = inside(b, 8), q = somewhere();
        moveTo(p.x, p.y);
        settle(150);
        drag(p.x, p.y, q.x, q.y, pick(2, 12));
        count(20);
        break;
      }
      case 2:
      case 3: {  // an edge or the corner, sometimes far past the opposite edge
        const int which = pick(0, 2);
        POINT from{which == 1 ? (b.left + b.right) / 2 : b.right - 2, which == 0 ? (b.top + b.bottom) / 2 : b.bottom - 2};
        POINT to = chance(30) ? POINT{b.left - pick(1, 300), b.top - pick(1, 300)} : somewhere();
        moveTo(from.x, from.y);
        settle(200);  // the zone timer looks every 100 ms
        drag(from.x, from.y, to.x, to.y, pick(1, 10));
        count(25);
        break;
      }
      case 4: {
        const POINT p = inside(b);
        doubleClick(p.x, p.y);
        settle(200);
        count(5);
        break;
      }
      case 5: {  // arrow keys with any modifiers
        const POINT p = inside(b);
        click(p.x, p.y);
        for (int i = pick(1, 8); i > 0; --i) {
          key(static_cast<WORD>(VK_LEFT + pick(0, 3)), chance(40), chance(25), chance(15));
          count(8);
        }
        break;
      }
      case 6:
      case 7: menuUnit(b); break;
      case 8: menuItem(b, 'Z'); break;
      case 9: {
        menuItem(b, 'A');
        settle(400);
        if (HWND a = about()) {
          if (chance(40)) {  // the system information button: no tool here, so a message
            const Box s = rectOf(child(a, L"Button", 1));
            click((s.left + s.right) / 2, (s.top + s.bottom) / 2);
            settle(400);
            count(4);
          }
          key(chance(50) ? VK_ESCAPE : VK_RETURN);
          count(2);
          waitFor([&] { return about() == nullptr; }, 4000);
        }
        break;
      }
      case 10:
      case 11:
      case 12: magnifierAction(); break;
      case 13: {  // anywhere on the screen
        const POINT p = somewhere();
        click(p.x, p.y, chance(20));
        count(4);
        key(VK_ESCAPE);
        count(2);
        break;
      }
      case 14: {
        if (HWND m = magnifier()) {  // its close box
          const Box mb = rectOf(m);
          const int frame = ::GetSystemMetrics(SM_CXFIXEDFRAME);
          const int caption = ::GetSystemMetrics(SM_CYSMCAPTION);
          click(mb.right - frame - caption / 2 - 1, mb.top + frame + caption / 2);
          count(4);
          waitFor([&] { return magnifier() == nullptr; }, 4000);
        }
        break;
      }
    }
  }

  void menuItem(const Box& b, WORD accessKey) {
    const POINT p = inside(b);
    click(p.x, p.y, true);
    settle(250);
    key(accessKey);
    count(6);
  }

  void menuUnit(const Box& b) {
    const POINT p = inside(b);
    click(p.x, p.y, true);
    settle(250);
    key('W');
    if (chance(20)) {
      key('P');
    } else {
      key('C');
      for (int i = pick(0, 4); i > 0; --i) key(VK_DOWN);
      key(VK_RETURN);
    }
    count(14);
    settle(150);
  }

  void magnifierAction() {
    HWND m = magnifier();
    if (m == nullptr) return;
    HWND pen = child(m, L"Button", 0);
    const int what = pick(0, 5);
    if (what == 0 && pen != nullptr) {  // a pen drag with any button, over anything
      const Box pb = rectOf(pen);
      const DWORD downs[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_MIDDLEDOWN};
      const DWORD ups[] = {MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_MIDDLEUP};
      const int button = pick(0, 2);
      press(downs[button], (pb.left + pb.right) / 2, (pb.top + pb.bottom) / 2);
      for (int i = pick(2, 10); i > 0; --i) {
        const POINT p = somewhere();
        moveTo(p.x, p.y);
        settle(60);  // a tick or so of sampling
      }
      const POINT p = somewhere();
      release(ups[button], p.x, p.y);
      count(14);
      return;
    }
    if (what <= 2) {  // type into a box: the code box or a component box
      HWND box = child(m, L"Edit", pick(0, 3));
      if (box == nullptr) return;
      const Box eb = rectOf(box);
      click((eb.left + eb.right) / 2, (eb.top + eb.bottom) / 2);
      static const wchar_t kChars[] = L"0123456789\b\b,,#&hx$ aFf-.9";
      std::wstring text;
      for (int i = pick(1, 6); i > 0; --i) text += kChars[pick(0, static_cast<int>(std::size(kChars)) - 2)];
      typeText(text);
      count(4 + 2 * static_cast<long>(text.size()));
      return;
    }
    if (what == 3) {  // Set or Copy
      HWND button = child(m, L"Button", pick(1, 2));
      if (button == nullptr) return;
      const Box bb = rectOf(button);
      click((bb.left + bb.right) / 2, (bb.top + bb.bottom) / 2);
      count(4);
      return;
    }
    if (what == 4) {  // another notation
      HWND list = child(m, L"ComboBox", 0);
      if (list == nullptr) return;
      const Box lb = rectOf(list);
      click((lb.left + lb.right) / 2, (lb.top + lb.bottom) / 2);
      settle(150);
      for (int i = pick(0, 4); i > 0; --i) key(chance(50) ? VK_DOWN : VK_UP);
      key(VK_RETURN);
      count(10);
      return;
    }
    HWND bar = child(m, L"ScrollBar", pick(0, 2));  // a bar: drag along it or click it
    if (bar == nullptr) return;
    const Box sb = rectOf(bar);
    const int y = (sb.top + sb.bottom) / 2;
    drag(pick(sb.left + 2, sb.right - 3), y, pick(sb.left - 40, sb.right + 40), y, pick(2, 8));
    count(16);
  }

  // Lets everything come to rest, then looks.
  int checkAtRest(int burst) {
    int failures = 0;
    const auto fail = [&](const char* what) {
      std::printf("burst %d: %s\n", burst, what);
      ++failures;
    };
    key(VK_ESCAPE);  // an open menu or list
    if (HWND a = about()) {
      key(VK_ESCAPE);
      waitFor([&] { return about() == nullptr; }, 4000);
      (void)a;
    }
    settle(400);
    waitFor([&] { return !boxes_.boxUp(); }, 4000);
    if (!program_.running()) {
      fail("the process ended");
      return failures;
    }
    for (HWND w : program_.windows()) {
      DWORD_PTR result = 0;
      if (!::SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &result)) fail("a window does not answer");
    }
    HWND r = ruler();
    if (r == nullptr) {
      fail("the ruler is gone");
      return failures;
    }
    const Box b = rectOf(r);
    if (b.width() < 34 || b.height() < 34) fail("the ruler is smaller than 500 twips");
    if (!isTopmost(r)) fail("the ruler is not topmost at rest");
    if (about() != nullptr) fail("the about box stays open");
    if (boxes_.boxUp()) fail("a message box stays open");
    return failures;
  }

  Program program_;
  MessageBoxWatcher boxes_;
  std::mt19937 random_;
  long sent_ = 0;
};

}  // namespace
}  // namespace lindrel::e2e

int main(int argc, char** argv) {
  const long events = argc > 1 ? std::atol(argv[1]) : 10000;
  const double seconds = argc > 2 ? std::atof(argv[2]) : 1200;
  const unsigned seed = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1u;
  lindrel::e2e::settle(500);
  lindrel::e2e::Soak soak(seed);
  return soak.run(events, seconds);
}
