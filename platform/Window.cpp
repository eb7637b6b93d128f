#include "platform/Window.h"

#include <algorithm>
#include <cstdlib>

namespace lindrel::platform {

Window::Window(const WindowSpec& design, Rect windowRect, Rect frame, int dpi)
    : design_(design), rect_(windowRect), frame_(frame), dpi_(dpi), shownRect_(windowRect) {}

Window::~Window() = default;

Point Window::clientSize() const {
  return Point{std::max(0, rect_.width() - frame_.left - frame_.right),
               std::max(0, rect_.height() - frame_.top - frame_.bottom)};
}

void Window::setRect(const Rect& wanted) {
  const Rect rect = Rect::at(wanted.topLeft(), {std::clamp(wanted.width(), 0, kMaxWindowPixels),
                                                std::clamp(wanted.height(), 0, kMaxWindowPixels)});
  if (rect == rect_) return;
  const bool resized = rect.size() != rect_.size();
  const Point clientBefore = clientSize();
  rect_ = rect;
  if (resized) {
    growSurfaceToClient();
    refreshTextsCutBy(clientBefore);
  }
  if (holds_ == 0 && shownRect_ != rect_) {
    shownRect_ = rect_;
    applyRect(rect_);
  }
  if (resized && onResize) onResize();
  if (onRectChange) onRectChange(ChangedBy::Program);
}

void Window::systemRect(const Rect& rect) {
  const bool resized = rect.size() != rect_.size();
  const bool changed = rect != rect_;
  const Point clientBefore = clientSize();
  rect_ = rect;
  shownRect_ = rect;
  if (resized) {
    growSurfaceToClient();
    refreshTextsCutBy(clientBefore);
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

bool Window::setColours(Colour back, Colour fore) {
  if (back == design_.backColour && fore == design_.foreColour) return false;
  design_.backColour = back;
  design_.foreColour = fore;
  invalidateArea(Rect::at({}, surfaceSize_));
  return true;
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
      move(*firstTopLeft);
    } else {
      centreOn(monitorArea());
    }
  }
  showOnScreen();
  if (first && onResize) onResize();
}

void Window::centreOn(const Rect& area) {
  const auto half = [](int v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); };
  move({area.left + half(area.width() - rect_.width()), area.top + half(area.height() - rect_.height())});
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

void Window::clearSurface() {
  clearSurfaceTo(design_.backColour);
  invalidateArea(Rect::at({}, surfaceSize_));
}

void Window::drawLine(Point from, Point to) {
  surfaceLine(from, to, design_.foreColour);
  invalidateArea(Rect{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + 1,
                      std::max(from.y, to.y) + 1});
}

void Window::setTexts(std::vector<SurfaceText> texts) {
  Rect changed;
  for (const auto& list : {&texts_, &texts}) {
    for (const SurfaceText& t : *list) changed = united(changed, t.rect);
  }
  texts_ = std::move(texts);
  invalidateArea(changed);
}

Label& Window::addLabel(const LabelSpec& design) {
  labels_.push_back(std::make_unique<Label>(static_cast<LabelHost&>(*this), design, dpi_));
  return *labels_.back();
}

std::optional<ScreenImage> Window::captureScreen(const Rect& area) {
  reserveSurface(area.size());
  std::optional<ScreenImage> image = surfaceCapture(area);
  if (image) invalidateArea(Rect::at({}, area.size()));
  return image;
}

void Window::invalidateOverlay() {
  // Each mark apart: a crosshair's two lines across a large monitor are two thin areas,
  // not the monitor.
  for (const Overlay::Box& box : overlay_.boxes) invalidateArea(box.rect);
  for (const Overlay::Line& line : overlay_.lines) {
    invalidateArea(Rect{std::min(line.from.x, line.to.x), std::min(line.from.y, line.to.y),
                        std::max(line.from.x, line.to.x) + 1, std::max(line.from.y, line.to.y) + 1});
  }
  for (const Overlay::Text& text : overlay_.texts) {
    invalidateArea(Rect::at(text.at, textExtent(design_.surfaceFont, text.text)));
  }
}

void Window::setOverlay(Overlay overlay) {
  invalidateOverlay();
  overlay_ = std::move(overlay);
  invalidateOverlay();
}

void Window::refreshTextsCutBy(Point clientBefore) {
  // The system keeps what a smaller client still shows: a text the new edge cuts must go,
  // and one the old edge cut must come.
  const Point now = clientSize();
  const auto fits = [](const SurfaceText& t, Point client) { return t.rect.right <= client.x && t.rect.bottom <= client.y; };
  for (const SurfaceText& t : texts_) {
    if (fits(t, clientBefore) != fits(t, now)) invalidateArea(t.rect);
  }
}

void Window::addLine(const LineSpec& design) {
  lineDesigns_.push_back(design);
  layOutLines();
}

void Window::layOutLines() {
  lines_.clear();
  for (const LineSpec& d : lineDesigns_) {
    lines_.push_back(Line{{scaled(d.from.x), scaled(d.from.y)}, {scaled(d.to.x), scaled(d.to.y)}, d.colour,
                          std::max(1, scaled(d.width))});
  }
  invalidateArea(Rect::at({}, surfaceSize_));
}

MouseElement& Window::elementAt(Point client) {
  // The label drawn last is on top.
  for (auto it = labels_.rbegin(); it != labels_.rend(); ++it) {
    if ((*it)->rect().contains(client)) return **it;
  }
  return *this;
}

void Window::mouseInput(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point client, Point screen) {
  router_.route(action, buttons, modifiers, client, screen, [this](Point p) -> MouseElement& { return elementAt(p); });
}

void forEachLinePixel(Point from, Point to, const std::function<void(Point)>& fn) {
  // Bresenham; for the axis-parallel lines the program draws this is exactly what GDI does.
  long long x = from.x, y = from.y;
  const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
  const long long dy = -std::llabs(static_cast<long long>(to.y) - from.y);
  const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  long long err = dx + dy;
  while (x != to.x || y != to.y) {
    fn(Point{static_cast<int>(x), static_cast<int>(y)});
    const long long e2 = 2 * err;
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
