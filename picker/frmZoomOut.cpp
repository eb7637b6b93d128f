#include "picker/frmZoomOut.h"

#include "app/Application.h"

namespace lindrel {

frmZoomOut::frmZoomOut(Application& app) : app_(app) {}

frmZoomOut::~frmZoomOut() = default;

void frmZoomOut::open() {
  if (window_ == nullptr || !window_->isOpen()) {
    platform::WindowSpec spec;
    spec.className = "LindrelZoomOut";
    spec.caption = " 屏幕放大取色器 by:zyn";
    spec.border = platform::Border::FixedToolWindow;
    spec.width = 3375;
    spec.height = 5280;
    window_ = app_.platform().createWindow(spec);
  }
  window_->show();
}

}  // namespace lindrel
