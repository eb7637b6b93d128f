#pragma once
// The magnifier opened from the ruler's menu on a simulated desktop, for the picker's tests.

#include <string>
#include <vector>

#include "picker/frmZoomOut.h"
#include "platform/sim/SimWindow.h"
#include "tests/unit/SimApp.h"

namespace lindrel::testing {

using platform::Colour;
using platform::rgb;
namespace button = platform::button;

// Every desktop pixel has its own colour, never black: red x, green y, blue 77.
inline Colour desktopPattern(Point p) { return rgb(p.x & 0xFF, p.y & 0xFF, 77); }

class PickerApp : public SimApp {
 protected:
  PickerApp() {
    sim.paintDesktop(desktopPattern);
    open();
  }

  frmZoomOut& picker() { return app.zoomOut(); }
  SimWindow& window() { return dynamic_cast<SimWindow&>(*picker().window()); }

  // Right-click on the ruler and choose the magnifier.
  void open() {
    sim.onPopupMenu = [](const platform::sim::PopupRecord&) { return std::vector<std::string>{"放大取色(&Z)"}; };
    sim.click(button::kRight, Point{rulerRect().left + 41, rulerRect().top + 40});
    sim.onPopupMenu = nullptr;
  }

  // The middle of a control of the magnifier, on the screen.
  template <class Control>
  Point centreOf(Control* control) {
    const Rect r = dynamic_cast<platform::sim::SimControl&>(*control).clientRect();
    const Point origin = window().clientOrigin();
    return Point{origin.x + (r.left + r.right) / 2, origin.y + (r.top + r.bottom) / 2};
  }

  // Holds a mouse button on the pen, drags the pointer to a point and lets one tick sample.
  void penTo(Point at, std::int16_t held = button::kLeft) {
    sim.mouseDown(held, centreOf(picker().CmdPen));
    sim.moveCursor(at);
    sim.advance(50);
  }
  void releasePen(Point at, std::int16_t held = button::kLeft) { sim.mouseUp(held, at); }

  // The texts of the code box and the three component boxes, in that order.
  std::vector<std::string> texts() {
    frmZoomOut& p = picker();
    return {p.txtColor->text(), p.txtR->text(), p.txtG->text(), p.txtB->text()};
  }
  std::vector<int> bars() { return {picker().red->value(), picker().green->value(), picker().blue->value()}; }
  Colour swatch() { return picker().pic->backColor(); }
  Colour magnified(int x, int y) {
    return dynamic_cast<platform::sim::SimPictureBox&>(*picker().Pic2).surface().at(Point{x, y});
  }
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const auto& box : sim.messageBoxes()) out.push_back(box.text);
    return out;
  }
};

}  // namespace lindrel::testing
