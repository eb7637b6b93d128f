#pragma once
// The magnifier opened from the ruler's menu on a simulated desktop, for the picker's tests.

#include <string>
#include <vector>

#include "picker/MagnifierWindow.h"
#include "platform/sim/SimWindow.h"
#include "tests/unit/SimApp.h"

namespace lindrel::testing {

using colour_code::Notation;
using platform::Colour;
using platform::MouseButton;
using platform::rgb;

// Every desktop pixel has its own colour, never black: red x, green y, blue 77.
inline Colour desktopPattern(Point p) { return rgb(p.x & 0xFF, p.y & 0xFF, 77); }

class PickerApp : public SimApp {
 protected:
  explicit PickerApp(platform::sim::SimConfig config = {}, Colour (*desktop)(Point) = desktopPattern)
      : SimApp(std::move(config)) {
    sim.paintDesktop(desktop);
    open();
  }

  MagnifierWindow& picker() { return app.magnifier(); }
  SimWindow& window() { return dynamic_cast<SimWindow&>(*picker().window()); }

  void open() { chooseFromMenu(Point{rulerRect().left + 41, rulerRect().top + 40}, "放大取色(&Z)"); }
  void choose(Notation notation) { sim.choose(picker().notationList(), static_cast<int>(notation)); }

  // The middle of a control of the magnifier, on the screen.
  template <class Control>
  Point centreOf(Control& control) {
    const Rect r = dynamic_cast<platform::sim::SimControl&>(control).clientRect();
    const Point origin = window().clientOrigin();
    return Point{origin.x + (r.left + r.right) / 2, origin.y + (r.top + r.bottom) / 2};
  }

  // Holds a mouse button on the pen, drags the pointer to a point and lets one tick sample.
  void penTo(Point at, MouseButton held = MouseButton::Left) {
    sim.mouseDown(held, centreOf(picker().penButton()));
    sim.moveCursor(at);
    sim.advance(50);
  }
  void releasePen(Point at, MouseButton held = MouseButton::Left) { sim.mouseUp(held, at); }

  // The texts of the code box and the three channel boxes, in that order.
  std::vector<std::string> texts() {
    MagnifierWindow& p = picker();
    return {p.codeBox().text(), p.channelBox(Channel::Red).text(), p.channelBox(Channel::Green).text(),
            p.channelBox(Channel::Blue).text()};
  }
  std::vector<int> bars() {
    MagnifierWindow& p = picker();
    return {p.channelBar(Channel::Red).value(), p.channelBar(Channel::Green).value(),
            p.channelBar(Channel::Blue).value()};
  }
  Colour swatch() { return picker().swatch().backColor(); }
  // The colour everywhere the window shows it: the code and channel boxes' texts, the bars,
  // the swatch and the colour itself.
  void expectShows(Colour c, const std::vector<std::string>& shownTexts) {
    EXPECT_EQ(texts(), shownTexts);
    EXPECT_EQ(bars(), (std::vector<int>{int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF)}));
    EXPECT_EQ(swatch(), c);
    EXPECT_EQ(picker().colour(), c);
  }
  // A point of the enlarged image, on the screen.
  Point onEnlargedImage(int x, int y) {
    const Rect inner = dynamic_cast<platform::sim::SimPictureBox&>(picker().magnifierView()).inner();
    return Point{window().clientOrigin().x + inner.left + x, window().clientOrigin().y + inner.top + y};
  }
  Colour magnified(int x, int y) {
    return dynamic_cast<platform::sim::SimPictureBox&>(picker().magnifierView()).surface().at(Point{x, y});
  }
};

}  // namespace lindrel::testing
