#include "ruler/frmMain.h"

#include <algorithm>

#include "app/Application.h"
#include "menu/frmMenu.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "ruler/zynmod.h"

namespace lindrel {
namespace {

using platform::kTrue;

constexpr platform::Colour kYellow = platform::rgb(255, 255, 0);
constexpr double kMinimumSize = 500;
constexpr double kMargin = 100;
constexpr double kStretchMargin = 500;

std::unique_ptr<platform::Window> createWindow(platform::Platform& platform) {
  platform::WindowSpec design;
  design.className = "LindrelRuler";
  design.caption = "Form1";
  design.border = platform::Border::None;
  design.backColor = kYellow;
  design.foreColor = platform::kBlack;
  design.width = 10005;
  design.height = 3270;
  design.icon = platform::Picture::AppIcon;
  return platform.createWindow(design);
}

platform::Label& addCreditLabel(platform::Window& window) {
  return window.addLabel({8160, 2760, 1080, 240, "Lindrel", platform::FontSpec{"Fixedsys", 12, 400, 134}, true});
}

platform::Label& addReadoutLabel(platform::Window& window) {
  return window.addLabel({7560, 2760, 450, 180, "X: Y:", {}, true});
}

}  // namespace

frmMain::frmMain(Application& app)
    : app_(app),
      platform_(app.platform()),
      window_(createWindow(platform_)),
      lab(addCreditLabel(*window_)),
      labXY(addReadoutLabel(*window_)),
      Timer1(window_->addTimer(100, true)) {
  window_->onResize = [this] { Form_Resize(); };
  window_->onKeyDown = [this](std::int16_t key, std::int16_t shift) { Form_KeyDown(key, shift); };
  Timer1.onTimer = [this] { Timer1_Timer(); };
  // The labels act like the strip itself; their coordinates stay their own.
  forwardMouse(*window_);
  forwardMouse(lab);
  forwardMouse(labXY);
}

void frmMain::forwardMouse(platform::MouseHandlers& element) {
  using platform::MouseEvent;
  element.onMouseDown = [this](const MouseEvent& e) { Form_MouseDown(e.button, e.shift, e.x, e.y); };
  element.onMouseMove = [this](const MouseEvent& e) { Form_MouseMove(e.button, e.shift, e.x, e.y); };
  element.onMouseUp = [this](const MouseEvent& e) { Form_MouseUp(e.button, e.shift, e.x, e.y); };
  element.onDblClick = [this] { Form_DblClick(); };
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
    restoreDefaultSize();
  } catch (const platform::PlatformError&) {
    // A failing property read or write ends the layout; the next resize lays out again.
  }
}

void frmMain::restoreDefaultSize() {
  platform::Window& w = *window_;
  if (app_.module1().isHor != platform::kFalse) {
    w.setWidth(platform_.screenWidth() * 0.5);
    w.setHeight(kThickness);
  } else {
    w.setWidth(kThickness);
    w.setHeight(platform_.screenHeight() * 0.5);
  }
}

void frmMain::setLabXY(double x, double y) {
  const std::string& mode = app_.module1().unitMode;
  const char* text = "单位:像素";
  double twipsPerUnit = platform::kTwipsPerPixel;
  if (const auto i = resolutionIndex(mode)) {
    text = kResolutions[static_cast<std::size_t>(*i)].readoutText;
    twipsPerUnit = kResolutions[static_cast<std::size_t>(*i)].twipsPerCentimetre;
  } else if (mode != "xs") {
    return;  // only while start-up is still sizing the strip is there no unit
  }
  labXY.setCaption(std::string(text) + " | X: " + platform::text::format(x / twipsPerUnit, "#.00") +
                   " Y: " + platform::text::format(y / twipsPerUnit, "#.00"));
}

void frmMain::Timer1_Timer() {
  platform::Rect r;
  platform::Point cursor;
  platform_.api().GetWindowRect(window_->hwnd(), r);
  platform_.api().GetCursorPos(cursor);
  // R and B are the first column right of the strip and the first row below it. The bands
  // are 14 pixels wide, the last 4 of the strip and 10 beyond; they run the whole length of
  // the screen, and the corner has no outer limit.
  const std::int32_t R = r.right, B = r.bottom;
  platform::PointerCode code;
  if (cursor.y > B - 5 && cursor.x > R - 5) {
    code = platform::PointerCode::SizeNWSE;
    dragZone = "RightDown";
  } else if (R - 5 < cursor.x && cursor.x < R + 10) {
    code = platform::PointerCode::SizeWE;
    dragZone = "Right";
  } else if (B - 5 < cursor.y && cursor.y < B + 10) {
    code = platform::PointerCode::SizeNS;
    dragZone = "Down";
  } else {
    code = platform::PointerCode::Default;
    dragZone = "Move";
  }
  platform_.setPointerCode(code);
}

void frmMain::Form_MouseDown(std::int16_t Button, std::int16_t, double X, double Y) {
  if (Button == platform::button::kLeft) {
    isDragging = kTrue;
    downX = static_cast<std::int32_t>(platform::roundHalfEven(X));
    downY = static_cast<std::int32_t>(platform::roundHalfEven(Y));
  } else if (Button == platform::button::kRight) {
    // The menu's own pointer, and no zone changes while it is open.
    platform_.setPointerCode(platform::PointerCode::Default);
    Timer1.setEnabled(false);
    app_.menu().popup(*window_);
  }
  Timer1.setEnabled(true);
}

void frmMain::Form_MouseMove(std::int16_t Button, std::int16_t, double X, double Y) {
  if (Button != platform::button::kLeft) return;
  platform::Window& w = *window_;
  try {
    if (dragZone == "Right") {
      w.setWidth(X);
    } else if (dragZone == "Down") {
      w.setHeight(Y);
    } else if (dragZone == "RightDown") {
      w.setWidth(X);
      w.setHeight(Y);
    } else if (dragZone == "Move" && isDragging != platform::kFalse) {
      // The pressed point stays under the pointer, on any monitor of the desktop.
      const double left = platform::roundHalfEven(w.left() - downX + X);
      const double top = platform::roundHalfEven(w.top() - downY + Y);
      w.move(left, top);
    }
  } catch (const platform::PlatformError&) {
    // What the system refuses (an edge dragged past the opposite edge): say so, and put the
    // strip back to its default size where it is.
    const zynmod::OutOfTopmostBand whileTheMessageIsUp(platform_.api(), w.hwnd());
    platform_.msgBox("App Size Error by:zyn");
    restoreDefaultSize();
  }
}

void frmMain::Form_MouseUp(std::int16_t, std::int16_t, double, double) { isDragging = platform::kFalse; }

void frmMain::Form_DblClick() { chgHorV(); }

void frmMain::Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift) {
  constexpr double kStep = 20;
  double dx = 0, dy = 0;
  switch (KeyCode) {
    case platform::vk::kLeft: dx = -kStep; break;
    case platform::vk::kUp: dy = -kStep; break;
    case platform::vk::kRight: dx = kStep; break;
    case platform::vk::kDown: dy = kStep; break;
    default: return;
  }
  platform::Window& w = *window_;
  const bool resize = Shift == platform::modifier::kShift;
  if (dx != 0) {
    resize ? w.setWidth(w.width() + dx) : w.setLeft(w.left() + dx);
  } else {
    resize ? w.setHeight(w.height() + dy) : w.setTop(w.top() + dy);
  }
}

void frmMain::chgHorV() {
  Module1& state = app_.module1();
  state.isHor = static_cast<platform::VbBool>(~state.isHor);
  if (const auto i = resolutionIndex(state.unitMode)) {
    app_.menu().menuDpi_Click(*i);
  } else if (state.unitMode == "xs") {
    app_.menu().menuXs_Click();
  }
}

}  // namespace lindrel
