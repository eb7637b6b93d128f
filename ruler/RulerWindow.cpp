#include "ruler/RulerWindow.h"

#include <algorithm>

#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/Topmost.h"

namespace lindrel {
namespace {

using platform::MouseButton;

constexpr platform::Colour kYellow = platform::rgb(255, 255, 0);
// Smaller than this either way and the strip goes back to its default size.
constexpr double kMinimumSizeTwips = 500;
// The corner labels' distance from the right and bottom edges.
constexpr double kCornerMarginTwips = 100;
// How far past the desktop a stretched strip reaches.
constexpr double kStretchMarginTwips = 500;
// One arrow key press.
constexpr double kKeyStepTwips = 20;
constexpr int kEdgeZoneIntervalMs = 100;
constexpr const char* kSizeError = "App Size Error by:zyn";

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

RulerWindow::RulerWindow(platform::Platform& platform)
    : platform_(platform),
      window_(createWindow(platform_)),
      creditLabel_(addCreditLabel(*window_)),
      readoutLabel_(addReadoutLabel(*window_)),
      edgeZoneTimer_(window_->addTimer(kEdgeZoneIntervalMs, true)) {
  window_->onResize = [this] { layOut(); };
  window_->onKeyDown = [this](platform::Key key, platform::Modifiers modifiers) { handleKey(key, modifiers); };
  edgeZoneTimer_.onTimer = [this] { trackEdgeZone(); };
  // The labels act like the strip itself; their coordinates stay their own.
  takeMouseFrom(*window_);
  takeMouseFrom(creditLabel_);
  takeMouseFrom(readoutLabel_);
}

RulerWindow::~RulerWindow() = default;

void RulerWindow::takeMouseFrom(platform::MouseHandlers& element) {
  element.onMouseDown = [this](const platform::MouseEvent& e) { handlePress(e); };
  element.onMouseMove = [this](const platform::MouseEvent& e) { handleMouseMove(e); };
  element.onMouseUp = [this](const platform::MouseEvent&) { dragging_ = false; };
  element.onDblClick = [this] { toggleOrientation(); };
}

double RulerWindow::stretchedWidth() const {
  const platform::Rect desktop = platform_.virtualDesktop();
  return std::max(platform_.screenWidth(), platform::twipsFromPixels(desktop.width())) + kStretchMarginTwips;
}

double RulerWindow::stretchedHeight() const {
  const platform::Rect desktop = platform_.virtualDesktop();
  return std::max(platform_.screenHeight(), platform::twipsFromPixels(desktop.height())) + kStretchMarginTwips;
}

void RulerWindow::start() {
  platform::Window& w = *window_;
  w.setWidth(stretchedWidth());
  w.setHeight(stretchedHeight());
  drawPixelScale(Orientation::Horizontal);
  w.setWidth(platform_.screenWidth() * 0.5);
  w.setHeight(kDefaultThicknessTwips);
  platform::setTopmost(platform_.api(), w.hwnd(), true);
}

void RulerWindow::setUnit(Unit unit) {
  platform::Window& w = *window_;
  {
    // The strip is stretched only to be drawn on: the user sees the old ruler, then the new.
    auto hold = w.holdScreenUpdates();
    w.cls();
    if (state_.orientation == Orientation::Horizontal) {
      w.setHeight(kDefaultThicknessTwips);
      w.setWidth(stretchedWidth());
    } else {
      w.setWidth(kDefaultThicknessTwips);
      w.setHeight(stretchedHeight());
    }
    drawScale(state_.orientation, unit);
    restoreDefaultSize();
  }
  state_.unit = unit;
  edgeZoneTimer_.setEnabled(true);
  layOut();
}

void RulerWindow::toggleOrientation() {
  state_.orientation = turned(state_.orientation);
  setUnit(state_.unit);
}

void RulerWindow::layOut() {
  platform::Window& w = *window_;
  try {
    showReadout(w.width(), w.height());
    if (w.width() >= kMinimumSizeTwips && w.height() >= kMinimumSizeTwips) {
      platform::setTopmost(platform_.api(), w.hwnd(), true);
      creditLabel_.setTop(w.height() - creditLabel_.height() - kCornerMarginTwips);
      creditLabel_.setLeft(w.width() - creditLabel_.width() - kCornerMarginTwips);
      readoutLabel_.setLeft(w.width() - readoutLabel_.width() - kCornerMarginTwips);
      readoutLabel_.setTop(creditLabel_.top() - readoutLabel_.height());
      return;
    }
    // Too small: out of the topmost band so the message is not hidden, then the default size.
    platform::setTopmost(platform_.api(), w.hwnd(), false);
    platform_.msgBox(kSizeError);
    restoreDefaultSize();
  } catch (const platform::PlatformError&) {
    // A failing property read or write ends the layout; the next resize lays out again.
  }
}

void RulerWindow::restoreDefaultSize() {
  platform::Window& w = *window_;
  if (state_.orientation == Orientation::Horizontal) {
    w.setWidth(platform_.screenWidth() * 0.5);
    w.setHeight(kDefaultThicknessTwips);
  } else {
    w.setWidth(kDefaultThicknessTwips);
    w.setHeight(platform_.screenHeight() * 0.5);
  }
}

void RulerWindow::showReadout(double widthTwips, double heightTwips) {
  const char* caption = "单位:像素";
  double twipsPerUnit = platform::kTwipsPerPixel;
  if (const auto resolution = state_.unit.centimetresAt) {
    caption = infoOf(*resolution).readoutCaption;
    twipsPerUnit = infoOf(*resolution).twipsPerCentimetre;
  }
  readoutLabel_.setCaption(std::string(caption) + " | X: " + platform::text::format(widthTwips / twipsPerUnit, "#.00") +
                           " Y: " + platform::text::format(heightTwips / twipsPerUnit, "#.00"));
}

void RulerWindow::trackEdgeZone() {
  platform::Rect r;
  platform::Point cursor;
  platform_.api().GetWindowRect(window_->hwnd(), r);
  platform_.api().GetCursorPos(cursor);
  // right and bottom are the first column right of the strip and the first row below it.
  // The bands are 14 pixels wide, the last 4 of the strip and 10 beyond; they run the whole
  // length of the screen, and the corner has no outer limit.
  platform::PointerShape pointer;
  if (cursor.y > r.bottom - 5 && cursor.x > r.right - 5) {
    pointer = platform::PointerShape::SizeNWSE;
    dragZone_ = DragZone::Corner;
  } else if (r.right - 5 < cursor.x && cursor.x < r.right + 10) {
    pointer = platform::PointerShape::SizeWE;
    dragZone_ = DragZone::RightEdge;
  } else if (r.bottom - 5 < cursor.y && cursor.y < r.bottom + 10) {
    pointer = platform::PointerShape::SizeNS;
    dragZone_ = DragZone::BottomEdge;
  } else {
    pointer = platform::PointerShape::Default;
    dragZone_ = DragZone::Move;
  }
  platform_.setAppPointer(pointer);
}

void RulerWindow::handlePress(const platform::MouseEvent& e) {
  if (e.buttons == MouseButton::Left) {
    dragging_ = true;
    pressTwips_ = {static_cast<std::int32_t>(platform::roundHalfEven(e.x)),
                   static_cast<std::int32_t>(platform::roundHalfEven(e.y))};
  } else if (e.buttons == MouseButton::Right) {
    // The menu's own pointer, and no zone changes while it is open.
    platform_.setAppPointer(platform::PointerShape::Default);
    edgeZoneTimer_.setEnabled(false);
    if (onContextMenu) onContextMenu();
  }
  edgeZoneTimer_.setEnabled(true);
}

void RulerWindow::handleMouseMove(const platform::MouseEvent& e) {
  if (e.buttons != MouseButton::Left) return;
  platform::Window& w = *window_;
  try {
    switch (dragZone_) {
      case DragZone::RightEdge: w.setWidth(e.x); break;
      case DragZone::BottomEdge: w.setHeight(e.y); break;
      case DragZone::Corner:
        w.setWidth(e.x);
        w.setHeight(e.y);
        break;
      case DragZone::Move:
        if (dragging_) {
          // The pressed point stays under the pointer, on any monitor of the desktop.
          w.move(platform::roundHalfEven(w.left() - pressTwips_.x + e.x),
                 platform::roundHalfEven(w.top() - pressTwips_.y + e.y));
        }
        break;
      case DragZone::None: break;
    }
  } catch (const platform::PlatformError&) {
    // What the system refuses (an edge dragged past the opposite edge): say so, and put the
    // strip back to its default size where it is.
    const platform::TopmostSuspended whileTheMessageIsUp(platform_.api(), w.hwnd());
    platform_.msgBox(kSizeError);
    restoreDefaultSize();
  }
}

void RulerWindow::handleKey(platform::Key key, platform::Modifiers modifiers) {
  double dx = 0, dy = 0;
  switch (key) {
    case platform::Key::Left: dx = -kKeyStepTwips; break;
    case platform::Key::Up: dy = -kKeyStepTwips; break;
    case platform::Key::Right: dx = kKeyStepTwips; break;
    case platform::Key::Down: dy = kKeyStepTwips; break;
    default: return;
  }
  platform::Window& w = *window_;
  const bool resize = modifiers == platform::kShiftOnly;
  if (dx != 0) {
    resize ? w.setWidth(w.width() + dx) : w.setLeft(w.left() + dx);
  } else {
    resize ? w.setHeight(w.height() + dy) : w.setTop(w.top() + dy);
  }
}

}  // namespace lindrel
