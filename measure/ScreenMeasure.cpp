#include "measure/ScreenMeasure.h"
#include "strings/UiText.h"

#include <algorithm>

namespace lindrel {
namespace {

using platform::Colour;
using platform::Point;
using platform::Rect;

constexpr Colour kLineColour = platform::rgb(255, 0, 64);
constexpr Colour kLabelFill = platform::rgb(255, 255, 225);
// Lengths of the design, grown with the monitor's DPI.
constexpr int kEndTick = 4;       // half an end tick of a spacing line
constexpr int kEndMark = 3;       // half an end mark of a line between two points
constexpr int kLabelOffset = 16;  // from the pointer to the label
constexpr int kLabelPadding = 4;

}  // namespace

ScreenMeasure::ScreenMeasure(platform::Platform& platform, Unit unit) : platform_(platform), unit_(unit) {}

ScreenMeasure::~ScreenMeasure() = default;

bool ScreenMeasure::start() {
  const Point pointer = platform_.pointerPosition();
  std::vector<Rect> monitors = platform_.monitors();
  // The pointer's monitor first: its window is shown last, so it takes the keyboard.
  std::stable_partition(monitors.begin(), monitors.end(), [&](const Rect& m) { return m.contains(pointer); });
  // Each window, made but not yet shown, takes the picture of its monitor onto its surface.
  screens_.clear();
  std::vector<measure::Measurement::Monitor> captured;
  for (const Rect& monitor : monitors) {
    const int dpi = platform_.monitorDpi(monitor);
    platform::WindowSpec design;
    design.className = "LindrelMeasure";
    design.caption = strings::ui(strings::UiText::MeasureCaption);
    design.startNear = monitor;
    design.designSize = {monitor.width() * platform::kDesignDpi / dpi, monitor.height() * platform::kDesignDpi / dpi};
    screens_.push_back({platform_.createWindow(design), monitor});
    platform::Window& w = *screens_.back().window;
    w.setRect(monitor);
    std::optional<platform::ScreenImage> capture = w.captureScreen(monitor);
    if (!capture) {
      for (Screen& screen : screens_) screen.window->close();
      platform_.showMessage(strings::ui(strings::UiText::MeasureNoCapture));
      return false;
    }
    captured.push_back({*capture, dpi, physicalScaleOn ? physicalScaleOn(monitor) : PhysicalScale{}});
    wire(w);
  }
  measurement_.emplace(std::move(captured), unit_, pointer);
  redraw();
  for (auto s = screens_.rbegin(); s != screens_.rend(); ++s) {
    s->window->setTopmost(true);
    s->window->setPointer(platform::PointerShape::Cross);
    s->window->show(s->monitor.topLeft());
  }
  return true;
}

void ScreenMeasure::wire(platform::Window& w) {
  w.onMouseMove = [this](const platform::MouseEvent& e) {
    measurement_->pointerMoved(e.screen, e.modifiers.ctrl);
    redraw();
  };
  w.onMouseDown = [this](const platform::MouseEvent& e) {
    if (e.buttons.contains(platform::MouseButton::Right)) {
      if (measurement_->rightClick()) return leave();
    } else if (e.buttons.contains(platform::MouseButton::Left)) {
      measurement_->pressed(e.screen, e.modifiers.ctrl);
    }
    redraw();
  };
  w.onMouseUp = [this](const platform::MouseEvent& e) {
    if (!e.buttons.contains(platform::MouseButton::Left)) return;
    measurement_->released(e.screen, e.modifiers.ctrl);
    redraw();
  };
  w.onWheel = [this](int notches) {
    measurement_->turnWheel(notches);
    redraw();
  };
  w.onKeyDown = [this](platform::Key k, platform::Modifiers modifiers) { key(k, modifiers); };
  // Closed by the system (Alt+F4): the whole mode goes.
  w.onClose = [this] {
    if (active()) leave();
  };
}

void ScreenMeasure::key(platform::Key key, platform::Modifiers modifiers) {
  if (!active()) return;
  if (key == platform::Key::Escape) return leave();
  if (key == platform::Key::C && modifiers.ctrl) {
    if (const std::string text = measurement_->text(); !text.empty()) platform_.copyTextOrSay(text);
    return;
  }
  if (key == platform::Key::Return) {
    measurement_->enter(modifiers.ctrl);
  } else if (platform::isArrow(key)) {
    const int step = modifiers.shift ? 10 : 1;
    const Point pointer = measurement_->arrow({platform::arrowStep(key).x * step, platform::arrowStep(key).y * step},
                                              modifiers.ctrl);
    platform_.movePointer(pointer);
  } else {
    return;
  }
  redraw();
}

platform::Window::Overlay ScreenMeasure::overlayFor(const Screen& screen) const {
  platform::Window::Overlay overlay;
  platform::Window& w = *screen.window;
  const Point origin = screen.monitor.topLeft();
  const auto line = [&](Point from, Point to) { overlay.lines.push_back({from - origin, to - origin, kLineColour}); };
  if (const std::optional<measure::Spans> s = measurement_->spans()) {
    const Point p = measurement_->pointer();
    const int tick = w.scaled(kEndTick);
    line({s->left, p.y}, {s->right, p.y});
    line({p.x, s->top}, {p.x, s->bottom});
    for (const int x : {s->left, s->right}) line({x, p.y - tick}, {x, p.y + tick});
    for (const int y : {s->top, s->bottom}) line({p.x - tick, y}, {p.x + tick, y});
  }
  if (const auto& l = measurement_->line()) {
    line(l->from, l->to);
    const int mark = w.scaled(kEndMark);
    for (const Point end : {l->from, l->to}) {
      overlay.boxes.push_back({Rect{end.x - mark, end.y - mark, end.x + mark + 1, end.y + mark + 1}.movedBy(Point{} - origin),
                               kLabelFill, kLineColour});
    }
  }
  // The label beside the pointer, on the pointer's monitor, turned back onto it at its edges.
  const Point pointer = measurement_->pointer();
  if (!screen.monitor.contains(pointer)) return overlay;
  const std::vector<std::string> lines = measurement_->label();
  const int padding = w.scaled(kLabelPadding);
  Point size{0, padding};
  std::vector<Point> extents;
  for (const std::string& text : lines) {
    extents.push_back(w.textSize(platform::FontSpec{}, text));
    size = {std::max(size.x, extents.back().x), size.y + extents.back().y};
  }
  size = {size.x + 2 * padding, size.y + padding};
  const int offset = w.scaled(kLabelOffset);
  Point at = pointer - origin + Point{offset, offset};
  if (at.x + size.x > screen.monitor.width()) at.x = pointer.x - origin.x - offset - size.x;
  if (at.y + size.y > screen.monitor.height()) at.y = pointer.y - origin.y - offset - size.y;
  overlay.boxes.push_back({Rect::at(at, size), kLabelFill, platform::kBlack});
  int y = at.y + padding;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    overlay.texts.push_back({{at.x + padding, y}, lines[i], platform::kBlack});
    y += extents[i].y;
  }
  return overlay;
}

void ScreenMeasure::redraw() {
  if (!active()) return;
  for (const Screen& screen : screens_) screen.window->setOverlay(overlayFor(screen));
}

void ScreenMeasure::leave() {
  if (!active()) return;
  measurement_.reset();
  // What was hidden comes back first, over the frozen screen, so the activation stays with
  // it when the windows over the monitors go.
  if (onLeave) onLeave();
  for (Screen& screen : screens_) screen.window->close();
}

}  // namespace lindrel
