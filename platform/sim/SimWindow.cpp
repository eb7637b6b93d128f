#include "platform/sim/SimWindow.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/sim/SimPlatform.h"

namespace lindrel::platform::sim {
namespace {

constexpr int kPictureBorder = 2;

Point toClient(const SimWindow& window, Point screen) { return screen - window.clientOrigin(); }

}  // namespace

// ---- Timer

SimTimer::SimTimer(SimPlatform& sim, int interval, bool enabled) : Timer(interval, enabled), sim_(sim) {
  sim_.timerCreated(this);
  schedule();
}

SimTimer::~SimTimer() { sim_.timerDestroyed(this); }

void SimTimer::schedule() { due = (alive && enabled() && interval() > 0) ? sim_.clockMs() + interval() : -1; }

// ---- Text box

void SimTextBox::take(char16_t character) {
  if (design_.readOnly) return;
  if (character == u'\b') {
    // The last character, however many bytes it takes.
    while (!text_.empty() && (static_cast<unsigned char>(text_.back()) & 0xC0) == 0x80) text_.pop_back();
    if (!text_.empty()) text_.pop_back();
    return;
  }
  if (character < 32) return;
  // The boxes are typed into in ASCII here; a limit counts characters.
  if (design_.maxLength > 0 && static_cast<int>(text_.size()) >= design_.maxLength) return;
  text_ += static_cast<char>(character);
}

// ---- Child controls that take the mouse

SimChild::SimChild(SimWindow& owner, Rect design, MouseHandlers& handlers, std::string name)
    : SimPlacement(design, owner.dpi(), std::move(name)), owner_(owner), handlers_(handlers) {}

void SimChild::mouse(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point screen) {
  const Point client = toClient(owner_, screen);
  router_.route(action, buttons, modifiers, client - inputArea().topLeft(), screen,
                [this](Point) -> MouseElement& { return *this; });
  routed(action, buttons, client);
}

SimPictureBox::SimPictureBox(SimPlatform& sim, SimWindow& owner, const PictureBoxSpec& design)
    : SimChild(owner, design.design, *this, design.accessibleName),
      sim_(sim),
      border_(design.border),
      backColour_(design.backColour),
      focusable_(design.focusable) {
  surface_.grow(inner().size(), backColour_);
}

SimPictureBox::~SimPictureBox() {
  if (hasFocus()) sim_.focus(nullptr);
}

void SimPictureBox::showScreenArea(const Rect& screenArea, const Rect& into) {
  // Each screen pixel is read once and fills its block, as a stretch without blending does.
  const Rect area = intersect(into, Rect::at({}, surface_.size()));
  if (screenArea.empty()) return;
  const auto sourceX = [&](int x) { return screenArea.left + static_cast<int>(static_cast<long long>(x - into.left) * screenArea.width() / into.width()); };
  const auto sourceY = [&](int y) { return screenArea.top + static_cast<int>(static_cast<long long>(y - into.top) * screenArea.height() / into.height()); };
  for (int y = area.top; y < area.bottom;) {
    int rowEnd = y + 1;
    while (rowEnd < area.bottom && sourceY(rowEnd) == sourceY(y)) ++rowEnd;
    for (int x = area.left; x < area.right;) {
      int columnEnd = x + 1;
      while (columnEnd < area.right && sourceX(columnEnd) == sourceX(x)) ++columnEnd;
      surface_.fill(Rect{x, y, columnEnd, rowEnd}, sim_.visiblePixel({sourceX(x), sourceY(y)}).value_or(kBlack));
      x = columnEnd;
    }
    y = rowEnd;
  }
}

void SimPictureBox::fillRects(std::span<const Rect> areas, Colour colour) {
  for (const Rect& area : areas) surface_.fill(area, colour);
}

bool SimPictureBox::hasFocus() const { return sim_.focused() == this; }

Point SimPictureBox::screenOrigin() const {
  return const_cast<SimPictureBox*>(this)->ownerWindow().clientOrigin() + inner().topLeft();
}

void SimPictureBox::routed(MouseAction action, MouseButtons, Point) {
  if (action == MouseAction::Press && focusable_) sim_.focus(this);
}

void SimPictureBox::layOutAt(int dpi) {
  SimChild::layOutAt(dpi);
  surface_.grow(inner().size(), backColour_);
}

Rect SimPictureBox::inner() const {
  const Rect r = clientRect();
  const int b = border_ ? kPictureBorder : 0;
  return Rect{r.left + b, r.top + b, std::max(r.left + b, r.right - b), std::max(r.top + b, r.bottom - b)};
}

void SimPictureBox::setBackColour(Colour colour) {
  backColour_ = colour;
  surface_.clear(colour);
}

SimButton::SimButton(SimWindow& owner, const ButtonSpec& design)
    : SimChild(owner, design.design, *this, design.accessibleName.empty() ? design.caption : design.accessibleName) {}

void SimButton::routed(MouseAction action, MouseButtons buttons, Point client) {
  if (action == MouseAction::Release && buttons == MouseButton::Left && clientRect().contains(client) && onClick) onClick();
}

// ---- Window

SimWindow::SimWindow(SimPlatform& sim, const WindowSpec& design, Rect rect, Rect frame, int dpi)
    : Window(design, rect, frame, dpi), sim_(sim), screenRect_(rect) {
  initSurface();
  sim_.registerWindow(this);
}

SimWindow::~SimWindow() {
  // First, while its controls still exist: one of them may hold the mouse.
  sim_.unregisterWindow(this);
  timers_.clear();
  controls_.clear();
}

template <class T>
T& SimWindow::add(std::unique_ptr<T> control) {
  T& added = *control;
  controls_.push_back(std::move(control));
  return added;
}

Timer& SimWindow::addTimer(int intervalMs, bool enabled) {
  return *timers_.emplace_back(std::make_unique<SimTimer>(sim_, intervalMs, enabled));
}

TextBox& SimWindow::addTextBox(const TextBoxSpec& design) {
  return add(std::make_unique<SimTextBox>(design, dpi()));
}

ScrollBar& SimWindow::addScrollBar(const ScrollBarSpec& design) {
  return add(std::make_unique<SimScrollBar>(design, dpi()));
}

ComboBox& SimWindow::addComboBox(const ComboBoxSpec& design) {
  return add(std::make_unique<SimComboBox>(design, dpi()));
}

PictureBox& SimWindow::addPictureBox(const PictureBoxSpec& design) {
  return *pictureBoxes_.emplace_back(&add(std::make_unique<SimPictureBox>(sim_, *this, design)));
}

Button& SimWindow::addButton(const ButtonSpec& design) {
  return *buttons_.emplace_back(&add(std::make_unique<SimButton>(*this, design)));
}

HotkeyBox& SimWindow::addHotkeyBox(const HotkeyBoxSpec& design) {
  return add(std::make_unique<SimHotkeyBox>(design, dpi()));
}

CheckBox& SimWindow::addCheckBox(const CheckBoxSpec& design) {
  return add(std::make_unique<SimCheckBox>(design, dpi()));
}

void SimWindow::showOnScreen() {
  visible_ = true;
  sim_.bringToFront(this);
  sim_.activate(this);
}

Rect SimWindow::monitorArea() const { return sim_.monitorArea(screenRect_); }

void SimWindow::showModal() {
  show();
  if (sim_.onModal) sim_.onModal(*this);
  if (open_) close();
}

void SimWindow::close() {
  if (!open_) return;
  open_ = false;
  visible_ = false;
  for (auto& t : timers_) {
    t->alive = false;
    t->due = -1;
  }
  loseMouse();
  sim_.releaseCapture();
  if (sim_.activeWindow() == this) sim_.activate(nullptr);
  if (onClose) onClose();
}

void SimWindow::setTopmost(bool on) {
  topmost = on;
  if (!isVisible()) return;
  // Raised within its band and activated, as SetWindowPos without SWP_NOACTIVATE does.
  sim_.bringToFront(this);
  sim_.activate(this);
}

void SimWindow::popupMenu(Menu& menu, std::optional<Point> at) { sim_.runPopup(*this, menu, at); }

SimControl& SimWindow::controlAt(Point client) {
  for (SimButton* b : buttons_) {
    if (b->clientRect().contains(client)) return *b;
  }
  for (SimPictureBox* p : pictureBoxes_) {
    if (p->clientRect().contains(client)) return *p;
  }
  return *this;
}

Colour SimWindow::clientPixel(Point client) const {
  for (const SimPictureBox* p : pictureBoxes_) {
    if (!p->clientRect().contains(client)) continue;
    const Rect in = p->inner();
    if (!in.contains(client)) return kFrameColour;
    return p->surface().at(client - in.topLeft()).value_or(kFrameColour);
  }
  for (const SimButton* b : buttons_) {
    if (b->clientRect().contains(client)) return kButtonFace;
  }
  return surface_.at(client).value_or(backColour());
}

void SimWindow::mouse(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point screen) {
  mouseInput(action, buttons, modifiers, toClient(*this, screen), screen);
}

void SimWindow::loseMouse() {
  mouseRouter().cancelCapture();
  for (SimButton* b : buttons_) b->loseMouse();
  for (SimPictureBox* p : pictureBoxes_) p->loseMouse();
}

void SimWindow::keyDown(Key key, Modifiers modifiers) {
  if (onKeyPreview && onKeyPreview(key, modifiers)) return;
  if (onKeyDown) onKeyDown(key, modifiers);
}

void SimWindow::applyRect(const Rect& rect) {
  screenRect_ = rect;
  followMonitorDpi(rect);
}

void SimWindow::placedBySystem(const Rect& rect) {
  screenRect_ = rect;
  systemRect(rect);
  followMonitorDpi(rect);
}

void SimWindow::followMonitorDpi(const Rect& rect) {
  // The window's rectangle scaled about its top-left corner is the suggestion.
  const int monitorDpi = sim_.monitorDpi(rect);
  if (changingDpi_ || monitorDpi == dpi()) return;
  changingDpi_ = true;
  const auto scaled = [&](int v) { return static_cast<int>(std::lround(static_cast<double>(v) * monitorDpi / dpi())); };
  changeDpi(monitorDpi, Rect::at(rect.topLeft(), {scaled(rect.width()), scaled(rect.height())}), frame());
  changingDpi_ = false;
}

void SimWindow::layOutChildrenAt(int dpi) {
  for (auto& c : controls_) c->layOutAt(dpi);
}

std::vector<Rect> SimWindow::controlRects() const {
  std::vector<Rect> rects;
  for (const auto& c : controls_) rects.push_back(c->placement());
  return rects;
}

std::vector<std::string> SimWindow::accessibleNames() const {
  std::vector<std::string> names;
  for (const auto& c : controls_) names.push_back(c->accessibleName);
  return names;
}

void SimWindow::surfaceLine(Point from, Point to, Colour colour) {
  // Bresenham, the end point left out; for the axis-parallel lines the program draws this is
  // exactly what a GDI pen of one pixel does.
  long long x = from.x, y = from.y;
  const long long dx = std::llabs(static_cast<long long>(to.x) - from.x);
  const long long dy = -std::llabs(static_cast<long long>(to.y) - from.y);
  const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  long long err = dx + dy;
  while (x != to.x || y != to.y) {
    surface_.set(Point{static_cast<int>(x), static_cast<int>(y)}, colour);
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

std::optional<ScreenImage> SimWindow::surfaceCapture(const Rect& area) {
  captured_.clear();
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const Colour c = sim_.visiblePixel({x, y}).value_or(kBlack);
      surface_.set(Point{x, y} - area.topLeft(), c);
      captured_.push_back(imagePixel(c));
    }
  }
  return ScreenImage{area, captured_.data(), area.width()};
}

Point SimWindow::textExtent(const FontSpec& font, std::string_view line) {
  // A fixed metric: every character of the default 9-point font is 6 by 12 pixels at the
  // design DPI, scaled with the point size and the DPI; characters beyond ASCII are twice
  // as wide.
  const double points = (font.points > 0 ? font.points : 9.0) * dpi() / kDesignDpi;
  const int cell = static_cast<int>(std::lround(points * 2.0 / 3.0));
  int width = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto byte = static_cast<unsigned char>(line[i]);
    if (i > 0 && (byte & 0xC0) == 0x80) continue;  // within a character
    width += byte >= 0xC0 ? 2 * cell : cell;
  }
  return Point{width, static_cast<int>(std::lround(points * 4.0 / 3.0))};
}

}  // namespace lindrel::platform::sim
