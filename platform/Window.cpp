#include "platform/Window.h"

#include <algorithm>

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
    reserveSurface(clientSize());
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
    reserveSurface(clientSize());
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
  invalidateArea(lineBounds(from, to));
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
  for (const Overlay::Line& line : overlay_.lines) invalidateArea(lineBounds(line.from, line.to));
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

}  // namespace lindrel::platform
