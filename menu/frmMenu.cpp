#include "menu/frmMenu.h"


#include "about/frmAbout.h"
#include "app/Application.h"
#include "picker/frmZoomOut.h"
#include "ruler/frmMain.h"
#include "ruler/zynmod.h"

namespace lindrel {
namespace {

using platform::MenuItemSpec;

std::unique_ptr<platform::Window> createWindow(platform::Platform& platform) {
  platform::WindowSpec design;
  design.className = "LindrelMenu";
  design.caption = "frmMenu";
  design.border = platform::Border::FixedToolWindow;
  design.width = 1500;
  design.height = 500;
  return platform.createWindow(design);
}

}  // namespace

frmMenu::frmMenu(Application& app) : app_(app), window_(createWindow(app.platform())) {
  MenuItemSpec centimetres{"厘米(&C)", {}, {}};
  for (std::int16_t i = 0; i < static_cast<std::int16_t>(kResolutions.size()); ++i) {
    centimetres.children.push_back(MenuItemSpec{kResolutions[static_cast<std::size_t>(i)].menuCaption,
                                                [this, i] { menuDpi_Click(i); }, {}});
  }
  MenuItemSpec units{"单位设置(&W)", {}, {}};
  units.children.push_back(MenuItemSpec{"像素(&P)", [this] { menuXs_Click(); }, {}});
  units.children.push_back(std::move(centimetres));

  MenuItemSpec top{"menu", {}, {}};
  top.children.push_back(std::move(units));
  top.children.push_back(MenuItemSpec{"-", {}, {}});  // m3
  top.children.push_back(MenuItemSpec{"放大取色(&Z)", [this] { menuZoomOut_Click(); }, {}});
  top.children.push_back(MenuItemSpec{"-", {}, {}});  // m1
  top.children.push_back(MenuItemSpec{"关于软件(&A)", [this] { menuAbout_Click(); }, {}});
  top.children.push_back(MenuItemSpec{"-", {}, {}});  // m2
  top.children.push_back(MenuItemSpec{"退出程序(&E)", [this] { menuExit_Click(); }, {}});
  menu_ = app_.platform().createMenu(top);
}

frmMenu::~frmMenu() = default;

void frmMenu::popup(platform::Window& on) { on.popupMenu(*menu_); }

void frmMenu::menuXs_Click() {
  frmMain& ruler = app_.ruler();
  unitCommand([&ruler](bool horizontal) { horizontal ? ruler.Pixel_H() : ruler.Pixel_V(); }, "xs");
}

void frmMenu::menuDpi_Click(std::int16_t Index) {
  if (Index < 0 || Index >= static_cast<std::int16_t>(kResolutions.size())) return;
  std::int16_t dpi = kResolutions[static_cast<std::size_t>(Index)].dpi;
  frmMain& ruler = app_.ruler();
  unitCommand([&ruler, &dpi](bool horizontal) { horizontal ? ruler.cm_H(dpi) : ruler.cm_V(dpi); },
              std::to_string(Index));
}

void frmMenu::unitCommand(const std::function<void(bool horizontal)>& draw, const std::string& mode) {
  frmMain& ruler = app_.ruler();
  platform::Window& w = ruler.window();
  {
    // The strip is stretched only to be drawn on: the user sees the old ruler, then the new.
    auto hold = w.holdScreenUpdates();
    w.cls();
    const bool horizontal = app_.module1().isHor != platform::kFalse;
    if (horizontal) {
      w.setHeight(frmMain::kThickness);
      w.setWidth(ruler.stretchedWidth());
    } else {
      w.setWidth(frmMain::kThickness);
      w.setHeight(ruler.stretchedHeight());
    }
    draw(horizontal);
    ruler.restoreDefaultSize();
  }
  app_.module1().unitMode = mode;
  ruler.Timer1.setEnabled(true);
  ruler.Form_Resize();
}

void frmMenu::menuZoomOut_Click() { app_.zoomOut().open(); }

void frmMenu::menuAbout_Click() {
  const zynmod::OutOfTopmostBand whileTheBoxIsUp(app_.platform().api(), app_.ruler().window().hwnd());
  app_.about().showModal();
}

void frmMenu::menuExit_Click() {
  app_.ruler().window().close();
  app_.about().unload();
  window_->close();
  app_.platform().endProcess();
}

}  // namespace lindrel
