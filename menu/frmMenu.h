#pragma once
// The context menu: a hidden window that owns the popup tree, and the commands behind it.
// The unit commands are also the ruler's whole redraw path.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Platform.h"

namespace lindrel {

class Application;

class frmMenu {
 public:
  // Loads the window (never shown) and its menu tree.
  explicit frmMenu(Application& app);
  ~frmMenu();
  frmMenu(const frmMenu&) = delete;
  frmMenu& operator=(const frmMenu&) = delete;

  // Pixels: clears the ruler, draws the pixel scale on a stretched strip, shrinks it to the
  // reset size for its orientation and lays it out.
  void menuXs_Click();
  // Centimetres at the resolution of the index (0 to 4: 72, 200, 300, 600, 1200 DPI), as
  // menuXs_Click does for pixels. Any other index does nothing at all.
  void menuDpi_Click(std::int16_t Index);
  void menuZoomOut_Click();
  void menuAbout_Click();
  // Closes the windows and ends the process at once.
  void menuExit_Click();

  // Pops the tree up at the pointer on a window; returns after the chosen command ran.
  void popup(platform::Window& on);

  platform::Window& window() { return *window_; }

 private:
  void unitCommand(const std::function<void(bool horizontal)>& draw, const std::string& mode);

  Application& app_;
  std::unique_ptr<platform::Window> window_;
  std::unique_ptr<platform::Menu> menu_;
};

}  // namespace lindrel
