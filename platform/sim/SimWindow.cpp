#include "platform/sim/SimWindow.h"

#include <algorithm>
#include <cmath>

#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/sim/SimPlatform.h"

namespace lindrel::platform::sim {
namespace {

constexpr Colour kFrameColour = rgb(0xD4, 0xD0, 0xC8);
constexpr Colour kButtonFace = rgb(0xF0, 0xF0, 0xF0);
constexpr int kPictureBorder = 2;

Point toClient(const SimWindow& window, Point screen) {
  const Point origin = window.clientOrigin();
  return Point{screen.x - origin.x, screen.y - origin.y};
}

}  // namespace

// ---- Timer

SimTimer::SimTimer(SimPlatform& sim, int interval, bool enabled) : Timer(interval, enabled), sim_(sim) {
  sim_.timerCreated(this);
  schedule();
}

SimTimer::~SimTimer() { sim_.timerDestroyed(this); }

void SimTimer::schedule() {
  due = (alive && enabled() && interval() > 0) ? sim_.clockMs() + interval() : -1;
}

// ---- Text box, scroll bar, list

void SimTextBox::setText(std::string_view text) { text_ = text; }

void SimTextBox::take(char16_t character) {
  if (design_.readOnly) return;
  if (character == u'\b') {
    if (!text_.empty()) {
      const std::size_t n = text::charCount(text_);
      text_ = text::mid(text_, 1, n - 1);
    }
    return;
  }
  if (character < 32) return;
  if (design_.maxLength > 0 && static_cast<int>(text::charCount(text_)) >= design_.maxLength) return;
  text_.push_back(static_cast<char>(character));
}

int SimScrollBar::clamp(int value) const { return std::clamp(value, design_.min, design_.max); }

void SimScrollBar::setValue(int value) {
  if (value < design_.min || value > design_.max) raise(ErrorNumber::InvalidPropertyValue);
  value_ = value;
}

std::string SimComboBox::item(int index) const {
  if (index < 0 || index >= listCount()) raise(ErrorNumber::InvalidPropertyValue);
  return items_[static_cast<std::size_t>(index)];
}

void SimComboBox::setListIndex(int index) {
  if (index < -1 || index >= listCount()) raise(ErrorNumber::InvalidPropertyValue);
  index_ = index;
  if (onClick) onClick();
}

// ---- Child controls that take the mouse

SimChild::SimChild(SimWindow& owner, DesignRect design, MouseHandlers& handlers)
    : SimPlacement(design, owner.dpi()), owner_(owner), handlers_(handlers) {}

void SimChild::mouse(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point screen) {
  const Point client = toClient(owner_, screen);
  const Rect area = inputArea();
  router_.route(action, buttons, modifiers, Point{client.x - area.left, client.y - area.top},
                [this](Point) -> MouseElement& { return *this; });
  routed(action, buttons, client);
}

SimPictureBox::SimPictureBox(SimPlatform& sim, SimWindow& owner, const PictureBoxSpec& design)
    : SimChild(owner, designRectOf(design), *this),
      sim_(sim),
      border_(design.border),
      backColor_(design.backColor),
      picture_(design.picture),
      focusable_(design.focusable),
      hdc_(sim.registerSurface(&surface_)) {
  const Rect in = inner();
  surface_.grow(Point{in.width(), in.height()}, backColor_);
}

SimPictureBox::~SimPictureBox() {
  sim_.unregisterSurface(hdc_);
  if (hasFocus()) sim_.focus(nullptr);
}

void SimPictureBox::fillRects(std::span<const Rect> areas, Colour color) {
  for (const Rect& area : areas) surface_.fill(area, color);
}

bool SimPictureBox::hasFocus() const { return sim_.focused() == this; }

void SimPictureBox::routed(MouseAction action, MouseButtons, Point) {
  if (action == MouseAction::Press && focusable_) sim_.focus(this);
}

void SimPictureBox::layOutAt(int dpi) {
  SimChild::layOutAt(dpi);
  const Rect in = inner();
  surface_.grow(Point{in.width(), in.height()}, backColor_);
}

Rect SimPictureBox::inner() const {
  const Rect r = clientRect();
  const int b = border_ ? kPictureBorder : 0;
  return Rect{r.left + b, r.top + b, std::max(r.left + b, r.right - b), std::max(r.top + b, r.bottom - b)};
}

Colour SimPictureBox::point(int x, int y) { return surface_.at(Point{x, y}); }

void SimPictureBox::setBackColor(Colour color) {
  backColor_ = color;
  surface_.clear(color);
}

SimButton::SimButton(SimWindow& owner, const ButtonSpec& design)
    : SimChild(owner, designRectOf(design), *this),
      design_(design),
      picture_(design.picture) {}

void SimButton::routed(MouseAction action, MouseButtons buttons, Point client) {
  if (action == MouseAction::Release && buttons == MouseButton::Left && clientRect().contains(client) && onClick) onClick();
}

// ---- Window

SimWindow::SimWindow(SimPlatform& sim, const WindowSpec& design, Rect rect, Rect frame, int dpi)
    : Window(design, rect, frame, dpi),
      sim_(sim),
      caption_(design.caption),
      hwnd_(Hwnd{sim.nextId()}),
      hdc_(sim.registerSurface(&surface_)),
      screenRect_(rect) {
  initSurface();
  sim_.registerWindow(this);
}

SimWindow::~SimWindow() {
  // First, while its controls still exist: one of them may hold the mouse.
  sim_.unregisterWindow(this);
  timers_.clear();
  pictureBoxes_.clear();
  sim_.unregisterSurface(hdc_);
}

Timer& SimWindow::addTimer(int intervalMs, bool enabled) {
  timers_.push_back(std::make_unique<SimTimer>(sim_, intervalMs, enabled));
  return *timers_.back();
}

TextBox& SimWindow::addTextBox(const TextBoxSpec& design) {
  textBoxes_.push_back(std::make_unique<SimTextBox>(design, dpi()));
  return *textBoxes_.back();
}

ScrollBar& SimWindow::addScrollBar(const ScrollBarSpec& design) {
  scrollBars_.push_back(std::make_unique<SimScrollBar>(design, dpi()));
  return *scrollBars_.back();
}

ComboBox& SimWindow::addComboBox(const ComboBoxSpec& design) {
  comboBoxes_.push_back(std::make_unique<SimComboBox>(design, dpi()));
  return *comboBoxes_.back();
}

PictureBox& SimWindow::addPictureBox(const PictureBoxSpec& design) {
  pictureBoxes_.push_back(std::make_unique<SimPictureBox>(sim_, *this, design));
  return *pictureBoxes_.back();
}

Button& SimWindow::addButton(const ButtonSpec& design) {
  buttons_.push_back(std::make_unique<SimButton>(*this, design));
  return *buttons_.back();
}

void SimWindow::showOnScreen() {
  visible_ = true;
  shownRects_.push_back(screenRect_);
  sim_.bringToFront(this);
  sim_.activate(this);
}

Rect SimWindow::primaryScreenArea() const { return sim_.primaryScreen(); }

void SimWindow::showModal() {
  show();
  sim_.pushModal(this);
  if (sim_.onModal) sim_.onModal(*this);
  sim_.popModal();
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
  if (onUnload) onUnload();
}

void SimWindow::userClose() { sim_.dispatch([this] { close(); }); }

void SimWindow::popupMenu(Menu& menu, std::optional<Point> at) { sim_.runPopup(*this, menu, at); }

Point SimWindow::clientOrigin() const {
  return Point{screenRect_.left + frame().left, screenRect_.top + frame().top};
}

Rect SimWindow::clientRect() const {
  const Point size = clientSize();
  return Rect{0, 0, size.x, size.y};
}

SimControl& SimWindow::controlAt(Point client) {
  for (auto& b : buttons_) {
    if (b->clientRect().contains(client)) return *b;
  }
  for (auto& p : pictureBoxes_) {
    if (p->clientRect().contains(client)) return *p;
  }
  return *this;
}

Colour SimWindow::clientPixel(Point client) const {
  for (const auto& p : pictureBoxes_) {
    if (!p->clientRect().contains(client)) continue;
    const Rect in = p->inner();
    if (!in.contains(client)) return kFrameColour;
    return p->surface().at(Point{client.x - in.left, client.y - in.top});
  }
  for (const auto& b : buttons_) {
    if (b->clientRect().contains(client)) return kButtonFace;
  }
  const Colour c = surface_.at(client);
  return c == kInvalidColour ? backColor() : c;
}

void SimWindow::mouse(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point screen) {
  mouseInput(action, buttons, modifiers, toClient(*this, screen));
}

void SimWindow::loseMouse() {
  mouseRouter().cancelCapture();
  for (auto& b : buttons_) b->loseMouse();
  for (auto& p : pictureBoxes_) p->loseMouse();
}

void SimWindow::keyDown(Key key, Modifiers modifiers) {
  if (previewKey(key, modifiers)) return;
  // Enter and Esc press the default and the cancel button, as the dialog keys do on Win32.
  if (key == Key::Return || key == Key::Escape) {
    for (auto& b : buttons_) {
      if (key == Key::Return ? b->design().isDefault : b->design().isCancel) {
        if (b->onClick) b->onClick();
        return;
      }
    }
  }
  if (onKeyDown) onKeyDown(key, modifiers);
}

bool SimWindow::previewKey(Key key, Modifiers modifiers) { return onKeyPreview && onKeyPreview(key, modifiers); }

void SimWindow::applyRect(const Rect& rect) {
  screenRect_ = rect;
  if (visible_) shownRects_.push_back(rect);
  followMonitorDpi(rect);
}

void SimWindow::placedBySystem(const Rect& rect) {
  screenRect_ = rect;
  if (visible_) shownRects_.push_back(rect);
  systemRect(rect);
  followMonitorDpi(rect);
}

void SimWindow::followMonitorDpi(const Rect& rect) {
  // The window's rectangle scaled about its top-left corner is the suggestion.
  const int monitorDpi = sim_.monitorDpi(rect);
  if (changingDpi_ || monitorDpi == dpi()) return;
  changingDpi_ = true;
  const auto scaled = [&](std::int32_t v) {
    return static_cast<std::int32_t>(std::lround(static_cast<double>(v) * monitorDpi / dpi()));
  };
  changeDpi(monitorDpi, Rect{rect.left, rect.top, rect.left + scaled(rect.width()), rect.top + scaled(rect.height())}, frame());
  changingDpi_ = false;
}

void SimWindow::layOutChildrenAt(int dpi) {
  for (auto& c : textBoxes_) c->layOutAt(dpi);
  for (auto& c : scrollBars_) c->layOutAt(dpi);
  for (auto& c : comboBoxes_) c->layOutAt(dpi);
  for (auto& c : pictureBoxes_) c->layOutAt(dpi);
  for (auto& c : buttons_) c->layOutAt(dpi);
}

std::vector<Rect> SimWindow::controlRects() const {
  std::vector<Rect> rects;
  for (auto& c : textBoxes_) rects.push_back(c->placement());
  for (auto& c : scrollBars_) rects.push_back(c->placement());
  for (auto& c : comboBoxes_) rects.push_back(c->placement());
  for (auto& c : pictureBoxes_) rects.push_back(c->placement());
  for (auto& c : buttons_) rects.push_back(c->placement());
  return rects;
}

void SimWindow::growSurface(Point size) { surface_.grow(size, backColor()); }

void SimWindow::surfaceLine(Point from, Point to, Colour color) {
  forEachLinePixel(from, to, [&](Point p) { surface_.set(p, color); });
}

Point SimWindow::textExtent(const FontSpec& font, std::string_view text) {
  // A fixed metric: every character of the default 9-point font is 6 by 12 pixels at the
  // design DPI, scaled with the point size and the DPI; characters beyond ASCII are twice
  // as wide.
  const double points = (font.points > 0 ? font.points : 9.0) * dpi() / kDesignDpi;
  const int cell = static_cast<int>(std::lround(points * 2.0 / 3.0));
  int width = 0;
  for (std::size_t i = 1; i <= text::charCount(text); ++i) {
    width += text::mid(text, i, 1).size() > 1 ? 2 * cell : cell;
  }
  return Point{width, static_cast<int>(std::lround(points * 4.0 / 3.0))};
}

}  // namespace lindrel::platform::sim
