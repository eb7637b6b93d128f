#include "platform/Window.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Errors.h"

namespace lindrel::platform {
namespace {

std::int32_t checkedSize(double twips) {
  const std::int32_t pixels = pixelsFromTwips(twips);
  if (pixels < 0 || pixels > kMaxWindowPixels) raise(ErrorNumber::InvalidPropertyValue);
  return pixels;
}

}  // namespace

Window::Window(const WindowSpec& design, Rect windowRect, Rect frame, int dpi)
    : design_(design),
      backColor_(design.backColor),
      foreColor_(design.foreColor),
      rect_(windowRect),
      frame_(frame),
      dpi_(dpi),
      shownRect_(windowRect) {}

Window::~Window() = default;

Point Window::clientSize() const {
  return Point{std::max(0, rect_.width() - frame_.left - frame_.right),
               std::max(0, rect_.height() - frame_.top - frame_.bottom)};
}

void Window::setLeft(double twips) { move(twips, top()); }
void Window::setTop(double twips) { move(left(), twips); }

void Window::move(double left, double top) {
  const std::int32_t x = pixelsFromTwips(left);
  const std::int32_t y = pixelsFromTwips(top);
  setRect(Rect{x, y, x + rect_.width(), y + rect_.height()});
}

void Window::resize(double width, double height) {
  const std::int32_t w = checkedSize(width), h = checkedSize(height);
  setRect(Rect{rect_.left, rect_.top, rect_.left + w, rect_.top + h});
}

void Window::setWidth(double twips) {
  const std::int32_t w = checkedSize(twips);
  setRect(Rect{rect_.left, rect_.top, rect_.left + w, rect_.bottom});
}

void Window::setHeight(double twips) {
  const std::int32_t h = checkedSize(twips);
  setRect(Rect{rect_.left, rect_.top, rect_.right, rect_.top + h});
}

void Window::setRect(const Rect& rect) {
  const bool resized = rect.width() != rect_.width() || rect.height() != rect_.height();
  if (rect == rect_) return;
  rect_ = rect;
  if (resized) growSurfaceToClient();
  if (holds_ == 0 && shownRect_ != rect_) {
    shownRect_ = rect_;
    applyRect(rect_);
  }
  if (resized && onResize) onResize();
  if (onRectChange) onRectChange(ChangedBy::Program);
}

void Window::systemRect(const Rect& rect) {
  const bool resized = rect.width() != rect_.width() || rect.height() != rect_.height();
  const bool changed = rect != rect_;
  rect_ = rect;
  shownRect_ = rect;
  if (resized) {
    growSurfaceToClient();
    if (onResize) onResize();
  }
  if (changed && onRectChange) onRectChange(ChangedBy::System);
}

void Window::changeDpi(int dpi, const Rect& suggested, Rect frame) {
  if (dpi <= 0 || dpi == dpi_) return;
  const int before = dpi_;
  dpi_ = dpi;
  frame_ = frame;
  layOutChildrenAt(dpi);
  for (const auto& label : labels_) label->rescale(before, dpi);
  layOutLines();
  if (onDpiChange) {
    onDpiChange(suggested);
  } else {
    setRect(suggested);
  }
}

Window::ScreenUpdateHold::ScreenUpdateHold(Window& window) : window_(window) { ++window_.holds_; }
Window::ScreenUpdateHold::~ScreenUpdateHold() { window_.releaseHold(); }

void Window::releaseHold() {
  if (--holds_ > 0) return;
  if (shownRect_ != rect_) {
    shownRect_ = rect_;
    applyRect(rect_);
  }
}

void Window::initSurface() { growSurfaceToClient(); }

void Window::show(std::optional<Point> firstTopLeft) {
  if (!isOpen()) return;
  const bool first = !shownOnce_;
  if (first) {
    shownOnce_ = true;
    if (firstTopLeft) {
      setRect(Rect{firstTopLeft->x, firstTopLeft->y, firstTopLeft->x + rect_.width(),
                   firstTopLeft->y + rect_.height()});
    } else {
      centreOn(primaryScreenArea());
    }
  }
  showOnScreen();
  if (first && onResize) onResize();
}

void Window::centreOn(const Rect& area) {
  const auto half = [](std::int32_t v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); };
  const std::int32_t x = area.left + half(area.width() - rect_.width());
  const std::int32_t y = area.top + half(area.height() - rect_.height());
  setRect(Rect{x, y, x + rect_.width(), y + rect_.height()});
}

void Window::growSurfaceToClient() { reserveSurface(clientSize()); }

void Window::reserveSurface(Point size) {
  const Point grown{std::max(surfaceSize_.x, size.x), std::max(surfaceSize_.y, size.y)};
  if (grown == surfaceSize_) return;
  surfaceSize_ = grown;
  growSurface(grown);
}

Point Window::textSize(const FontSpec& font, std::string_view text) {
  Point size{};
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find('\n', start);
    const Point line = textExtent(font, text.substr(start, end == std::string_view::npos ? end : end - start));
    size = Point{std::max(size.x, line.x), size.y + line.y};
    if (end == std::string_view::npos) return size;
    start = end + 1;
  }
}

void Window::cls() {
  clearSurface(backColor_);
  drawPosition_ = Point{};
  invalidateArea(Rect{0, 0, surfaceSize_.x, surfaceSize_.y});
}

void Window::pset(double x, double y) {
  const Point at{pixelsFromTwips(x), pixelsFromTwips(y)};
  surfacePoint(at, foreColor_);
  drawPosition_ = at;
  invalidateArea(Rect{at.x, at.y, at.x + 1, at.y + 1});
}

void Window::lineTo(double x, double y) {
  const Point to{pixelsFromTwips(x), pixelsFromTwips(y)};
  const Point from = drawPosition_;
  surfaceLine(from, to, foreColor_);
  drawPosition_ = to;
  invalidateArea(Rect{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + 1,
                      std::max(from.y, to.y) + 1});
}

Label& Window::addLabel(const LabelSpec& design) {
  LabelSpec atDpi = design;
  const Rect r = designRectOf(design).at(dpi_);
  atDpi.left = twipsFromPixels(r.left);
  atDpi.top = twipsFromPixels(r.top);
  atDpi.width = twipsFromPixels(r.width());
  atDpi.height = twipsFromPixels(r.height());
  labels_.push_back(std::make_unique<Label>(static_cast<LabelHost&>(*this), atDpi));
  return *labels_.back();
}

void Window::addLine(const LineSpec& design) {
  lineDesigns_.push_back(design);
  layOutLines();
}

void Window::layOutLines() {
  lines_.clear();
  for (const LineSpec& d : lineDesigns_) {
    const int width = std::max(1, static_cast<int>(roundHalfEven(d.widthPixels * static_cast<double>(dpi_) / kDesignDpi)));
    lines_.push_back(Line{Point{designPixels(d.x1), designPixels(d.y1)}, Point{designPixels(d.x2), designPixels(d.y2)},
                          d.color, width});
  }
  invalidateArea(Rect{0, 0, surfaceSize_.x, surfaceSize_.y});
}

MouseElement& Window::elementAt(Point client) {
  // The label drawn last is on top.
  for (auto it = labels_.rbegin(); it != labels_.rend(); ++it) {
    Label& label = **it;
    if (label.pixelRect().contains(client)) return label;
  }
  return *this;
}

void Window::mouseInput(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point client) {
  router_.route(action, buttons, modifiers, client, [this](Point p) -> MouseElement& { return elementAt(p); });
}

void forEachLinePixel(Point from, Point to, const std::function<void(Point)>& fn) {
  // Bresenham; for the axis-parallel lines the program draws this is exactly what GDI does.
  std::int64_t x = from.x, y = from.y;
  const std::int64_t dx = std::llabs(std::int64_t{to.x} - from.x), dy = -std::llabs(std::int64_t{to.y} - from.y);
  const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  std::int64_t err = dx + dy;
  while (x != to.x || y != to.y) {
    fn(Point{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
    const std::int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

}  // namespace lindrel::platform
