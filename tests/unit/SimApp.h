#pragma once
// A started program on a simulated desktop, for tests of the forms.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "platform/sim/SimPlatform.h"
#include "platform/sim/SimWindow.h"
#include "ruler/RulerWindow.h"

namespace lindrel::testing {

using platform::Point;
using platform::Rect;
using platform::sim::SimPlatform;
using platform::sim::SimWindow;

inline constexpr platform::Colour kYellow = platform::rgb(255, 255, 0);

inline std::vector<Unit> allUnits() {
  std::vector<Unit> units{Unit::pixels()};
  for (const Resolution r : kResolutions) units.push_back(Unit::centimetres(r));
  return units;
}

class SimApp : public ::testing::Test {
 protected:
  explicit SimApp(platform::sim::SimConfig config = {}) : sim(std::move(config)), app(sim) { app.start(); }

  RulerWindow& ruler() { return app.ruler(); }
  SimWindow& rulerWindow() { return dynamic_cast<SimWindow&>(ruler().window()); }
  const platform::sim::SimSurface& rulerSurface() { return rulerWindow().surface(); }
  // Where the ruler is on the screen.
  Rect rulerRect() { return rulerWindow().screenRect(); }
  platform::Colour surfacePixel(int x, int y) { return rulerSurface().at(Point{x, y}); }
  // How many pixels from the top edge a tick at a column reaches (from the left edge at a
  // row, on a vertical strip).
  int tickLengthAt(int column, Orientation orientation = Orientation::Horizontal) {
    int n = 0;
    const bool horizontal = orientation == Orientation::Horizontal;
    while (surfacePixel(horizontal ? column : n, horizontal ? n : column) == platform::kBlack) ++n;
    return n;
  }
  bool wroteText(const std::string& text, Point at) {
    const auto& texts = rulerSurface().texts();
    return std::find(texts.begin(), texts.end(), platform::sim::TextRecord{at, text}) != texts.end();
  }
  // Right-clicks at a point and picks a menu item by caption (empty: dismisses the menu).
  void chooseFromMenu(Point at, const std::string& item) {
    sim.onPopupMenu = [item](const platform::sim::PopupRecord&) {
      if (item.empty()) return std::vector<std::string>{};
      if (item == "像素(&P)") return std::vector<std::string>{"单位设置(&W)", item};
      if (item.find("DPI") != std::string::npos) return std::vector<std::string>{"单位设置(&W)", "厘米(&C)", item};
      return std::vector<std::string>{item};
    };
    sim.click(platform::MouseButton::Right, at);
    sim.onPopupMenu = nullptr;
  }
  // Puts the strip at a place and size given in pixels.
  void placeRuler(Rect r) {
    ruler().window().move(r.left * 15, r.top * 15);
    ruler().window().resize(r.width() * 15, r.height() * 15);
  }
  Point rulerMiddle() {
    const Rect r = rulerRect();
    return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  // The corner labels lie inside the strip and clear of every number on it: nothing drawn is cut.
  void expectLabelsReadable(const std::string& where) {
    const Rect client{0, 0, rulerRect().width(), rulerRect().height()};
    for (const Rect& label : {ruler().readoutLabel().pixelRect(), ruler().creditLabel().pixelRect()}) {
      if (label.empty()) continue;
      EXPECT_EQ(platform::intersect(label, client), label) << where;
      for (const Rect& n : ruler().numberAreas()) {
        EXPECT_TRUE(platform::intersect(label, n).empty()) << where << " at number " << n.left << "," << n.top;
      }
    }
  }
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const auto& box : sim.messageBoxes()) out.push_back(box.text);
    return out;
  }

  SimPlatform sim;
  Application app;
};

}  // namespace lindrel::testing
