#include "ruler/frmMain.h"

#include <algorithm>
#include <array>

#include "app/Application.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "ruler/zynmod.h"

namespace lindrel {
namespace {

using platform::kTrue;

constexpr platform::Colour kYellow = platform::rgb(255, 255, 0);
constexpr double kMinimumSize = 500;
constexpr double kMargin = 100;
constexpr double kThickness = 1000;
constexpr double kStretchMargin = 500;

std::unique_ptr<platform::Window> createWindow(platform::Platform& platform) {
  platform::WindowSpec spec;
  spec.className = "LindrelRuler";
  spec.caption = "Form1";
  spec.border = platform::Border::None;
  spec.backColor = kYellow;
  spec.foreColor = platform::kBlack;
  spec.width = 10005;
  spec.height = 3270;
  spec.icon = platform::Picture::AppIcon;
  return platform.createWindow(spec);
}

platform::Label& addCreditLabel(platform::Window& window) {
  platform::LabelSpec spec;
  spec.left = 8160;
  spec.top = 2760;
  spec.width = 1080;
  spec.height = 240;
  spec.caption = "Lindrel";
  spec.font = platform::FontSpec{"Fixedsys", 12, 400, 134};
  spec.autoSize = true;
  return window.addLabel(spec);
}

platform::Label& addReadoutLabel(platform::Window& window) {
  platform::LabelSpec spec;
  spec.left = 7560;
  spec.top = 2760;
  spec.width = 450;
  spec.height = 180;
  spec.caption = "X: Y:";
  spec.autoSize = true;
  return window.addLabel(spec);
}

// The readout's units: twips per unit are the scales' own, so a strip whose edge sits on a
// numbered centimetre mark reads that mark's number.
struct ReadoutUnit {
  const char* mode;
  const char* text;
  double twipsPerUnit;
};

constexpr std::array<ReadoutUnit, 6> kReadoutUnits{{
    {"0", "单位: 厘米 72 DPI", 425},
    {"1", "单位:厘米 200 DPI(FAX)", 1181.25},
    {"2", "单位:厘米 300 DPI", 1770},
    {"3", "单位:厘米 600 DPI", 3540},
    {"4", "单位:厘米 1200 DPI", 7080},
    {"xs", "单位:像素", 15},
}};

}  // namespace

frmMain::frmMain(Application& app)
    : app_(app),
      platform_(app.platform()),
      window_(createWindow(platform_)),
      lab(addCreditLabel(*window_)),
      labXY(addReadoutLabel(*window_)),
      Timer1(window_->addTimer(100, true)) {
  window_->onResize = [this] { Form_Resize(); };
}

frmMain::~frmMain() = default;

double frmMain::stretchedWidth() const {
  const platform::Rect desktop = platform_.virtualDesktop();
  return std::max(platform_.screenWidth(), platform::twipsFromPixels(desktop.width())) + kStretchMargin;
}

double frmMain::stretchedHeight() const {
  const platform::Rect desktop = platform_.virtualDesktop();
  return std::max(platform_.screenHeight(), platform::twipsFromPixels(desktop.height())) + kStretchMargin;
}

void frmMain::Form_Load() {
  platform::Window& w = *window_;
  w.setWidth(stretchedWidth());
  w.setHeight(stretchedHeight());
  Pixel_H();
  w.setWidth(platform_.screenWidth() * 0.5);
  w.setHeight(kThickness);
  app_.module1().unitMode = "xs";
  app_.module1().isHor = kTrue;
  zynmod::setTopMost(platform_.api(), w.hwnd(), kTrue);
}

void frmMain::Form_Resize() {
  platform::Window& w = *window_;
  try {
    setLabXY(w.width(), w.height());
    if (w.width() >= kMinimumSize && w.height() >= kMinimumSize) {
      zynmod::setTopMost(platform_.api(), w.hwnd(), kTrue);
      lab.setTop(w.height() - lab.height() - kMargin);
      lab.setLeft(w.width() - lab.width() - kMargin);
      labXY.setLeft(w.width() - labXY.width() - kMargin);
      labXY.setTop(lab.top() - labXY.height());
      return;
    }
    // Too small: out of the topmost band so the message is not hidden, then the default size.
    zynmod::setTopMost(platform_.api(), w.hwnd(), platform::kFalse);
    platform_.msgBox("App Size Error by:zyn");
    if (app_.module1().isHor != platform::kFalse) {
      w.setWidth(platform_.screenWidth() * 0.5);
      w.setHeight(kThickness);
    } else {
      w.setWidth(kThickness);
      w.setHeight(platform_.screenHeight() * 0.5);
    }
  } catch (const platform::PlatformError&) {
    // A failing property read or write ends the layout; the next resize lays out again.
  }
}

void frmMain::setLabXY(double x, double y) {
  const std::string& mode = app_.module1().unitMode;
  const auto unit = std::find_if(kReadoutUnits.begin(), kReadoutUnits.end(),
                                 [&](const ReadoutUnit& u) { return mode == u.mode; });
  // Only while start-up is still sizing the strip is there no unit; the first showing fills it in.
  if (unit == kReadoutUnits.end()) return;
  labXY.setCaption(std::string(unit->text) + " | X: " + platform::text::format(x / unit->twipsPerUnit, "#.00") +
                   " Y: " + platform::text::format(y / unit->twipsPerUnit, "#.00"));
}

}  // namespace lindrel
