#include "about/frmAbout.h"

#include "app/Application.h"

namespace lindrel {

frmAbout::frmAbout(Application& app) : app_(app) {}

frmAbout::~frmAbout() = default;

void frmAbout::showModal() {
  platform::WindowSpec spec;
  spec.className = "LindrelAbout";
  spec.caption = "关于 Lindrel";
  spec.border = platform::Border::FixedDialog;
  spec.width = 5730;
  spec.height = 4575;
  window_ = app_.platform().createWindow(spec);
  window_->showModal();
}

void frmAbout::unload() {
  if (window_ != nullptr) window_->close();
}

}  // namespace lindrel
