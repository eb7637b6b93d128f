#include "platform/sim/SimPlatform.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/sim/SimWindow.h"

namespace lindrel::platform::sim {
namespace {

Rect frameFor(Border border) {
  switch (border) {
    case Border::None: return Rect{};
    case Border::FixedToolWindow: return Rect{3, 20, 3, 3};
    case Border::FixedDialog: return Rect{3, 26, 3, 3};
  }
  return Rect{};
}

}  // namespace

std::optional<StoredValues> SimSettingsStore::readAll() {
  if (refused) return std::nullopt;
  return values;
}

bool SimSettingsStore::write(std::string_view name, const std::optional<StoredValue>& value) {
  if (refused || writesFail) return false;
  const std::string key = lowerCase(name);
  if (value) {
    values[key] = *value;
  } else {
    values.erase(key);
  }
  writes.push_back(Write{key, value});
  return true;
}

SimPlatform::SimPlatform(SimConfig config) : config_(std::move(config)), cursor_(config_.pointer) {
  if (config_.monitors.empty()) throw std::invalid_argument("a desktop needs a monitor");
  desktop_.grow(virtualDesktop().size(), rgb(0, 128, 128));
  settings.values = config_.settings;
}

SimPlatform::~SimPlatform() = default;

// ---- Platform

std::unique_ptr<Window> SimPlatform::createWindow(const WindowSpec& design) {
  const Rect frame = frameFor(design.border);
  const Monitor& monitor = monitorOf(design.startNear.value_or(primaryScreen()));
  const Point size{scaledToDpi(design.designSize.x, monitor.dpi) + frame.left + frame.right,
                   scaledToDpi(design.designSize.y, monitor.dpi) + frame.top + frame.bottom};
  return std::make_unique<SimWindow>(*this, design, Rect::at(monitor.rect.topLeft(), size), frame, monitor.dpi);
}

std::unique_ptr<Menu> SimPlatform::createMenu(const MenuItemSpec& top) { return std::make_unique<SimMenu>(top); }

Rect SimPlatform::primaryScreen() const {
  for (const Monitor& m : config_.monitors) {
    if (m.primary) return m.rect;
  }
  return config_.monitors.front().rect;
}

Rect SimPlatform::virtualDesktop() const {
  Rect all;
  for (const Monitor& m : config_.monitors) all = united(all, m.rect);
  return all;
}

Rect SimPlatform::monitorArea(const Rect& area) const { return monitorOf(area).rect; }

int SimPlatform::monitorDpi(const Rect& area) const { return monitorOf(area).dpi; }

std::vector<Rect> SimPlatform::monitors() const {
  std::vector<Rect> rects;
  for (const Monitor& m : config_.monitors) rects.push_back(m.rect);
  return rects;
}

const Monitor& SimPlatform::monitorOf(const Rect& area) const {
  const auto size = [](const Rect& r) { return r.empty() ? 0LL : static_cast<long long>(r.width()) * r.height(); };
  const auto gap = [&](const Rect& m) {
    const long long dx = std::max({0, m.left - area.right, area.left - m.right});
    const long long dy = std::max({0, m.top - area.bottom, area.top - m.bottom});
    return dx * dx + dy * dy;
  };
  const Monitor* best = &config_.monitors.front();
  for (const Monitor& m : config_.monitors) {
    const long long shared = size(intersect(m.rect, area)), bestShared = size(intersect(best->rect, area));
    if (shared > bestShared || (shared == 0 && bestShared == 0 && gap(m.rect) < gap(best->rect))) best = &m;
  }
  return *best;
}

void SimPlatform::showMessage(std::string_view text) {
  // The box takes the mouse from whoever held it.
  for (SimWindow* w : windows_) w->loseMouse();
  capture_ = nullptr;
  held_ = {};
  messages_.emplace_back(text);
}

void SimPlatform::endProcess() {
  ended_ = true;
  throw ProcessEnded{};
}

void SimPlatform::forgetRecords() {
  messages_.clear();
  settings.writes.clear();
}

// ---- The screen

void SimPlatform::paintDesktop(const std::function<Colour(Point)>& pattern) {
  const Rect all = virtualDesktop();
  for (int y = all.top; y < all.bottom; ++y) {
    for (int x = all.left; x < all.right; ++x) desktop_.set(Point{x, y} - all.topLeft(), pattern(Point{x, y}));
  }
}

std::optional<Colour> SimPlatform::visiblePixel(Point p) const {
  for (SimWindow* w : windows_) {
    if (!w->isVisible() || !w->screenRect().contains(p)) continue;
    const Point client = p - w->clientOrigin();
    if (!w->clientRect().contains(client)) return kFrameColour;
    return w->clientPixel(client);
  }
  const bool onMonitor = std::any_of(config_.monitors.begin(), config_.monitors.end(),
                                     [&](const Monitor& m) { return m.rect.contains(p); });
  if (!onMonitor) return std::nullopt;
  return desktop_.at(p - virtualDesktop().topLeft());
}

// ---- Windows

void SimPlatform::registerWindow(SimWindow* w) { windows_.push_back(w); }

void SimPlatform::unregisterWindow(SimWindow* w) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), w), windows_.end());
  if (active_ == w) active_ = nullptr;
  if (hovered_ == w) hovered_ = nullptr;
  if (capture_ != nullptr && &capture_->ownerWindow() == w) capture_ = nullptr;
}

void SimPlatform::bringToFront(SimWindow* w) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), w), windows_.end());
  auto at = windows_.begin();
  if (!w->topmost) at = std::find_if(windows_.begin(), windows_.end(), [](SimWindow* o) { return !o->topmost; });
  windows_.insert(at, w);
}

bool SimPlatform::isTopmost(const Window& window) const { return dynamic_cast<const SimWindow&>(window).topmost; }

void SimPlatform::timerDestroyed(SimTimer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

void SimPlatform::runPopup(SimWindow& owner, Menu& menu, std::optional<Point> at) {
  auto& tree = dynamic_cast<SimMenu&>(menu).top;
  const PopupRecord record{at.value_or(cursor_), tree};
  // The menu takes the mouse: the press that opened it ends inside the menu.
  owner.loseMouse();
  capture_ = nullptr;
  held_ = {};
  const std::vector<std::string> path = onPopupMenu ? onPopupMenu(record) : std::vector<std::string>{};
  if (path.empty()) return;
  const MenuItemSpec* item = &tree;
  for (const std::string& caption : path) {
    const auto it = std::find_if(item->children.begin(), item->children.end(),
                                 [&](const MenuItemSpec& c) { return c.caption == caption; });
    if (it == item->children.end()) throw std::logic_error("no menu item \"" + caption + "\"");
    item = &*it;
  }
  if (!item->children.empty() || !item->onClick) throw std::logic_error("not a command: " + item->caption);
  dispatch([&] { item->onClick(); });
}

// ---- Input

template <class F>
void SimPlatform::input(F&& f) {
  if (ended_) return;
  try {
    f();
  } catch (const ProcessEnded&) {
    ended_ = true;
  }
}

SimControl* SimPlatform::targetAt(Point screen) const {
  for (SimWindow* w : windows_) {
    if (!w->isVisible() || !w->screenRect().contains(screen)) continue;
    const Point client = screen - w->clientOrigin();
    if (!w->clientRect().contains(client)) return nullptr;
    return &w->controlAt(client);
  }
  return nullptr;
}

void SimPlatform::routeMouse(MouseAction action, MouseButtons buttons, Point screen) {
  input([&] {
    SimControl* target = capture_ != nullptr ? capture_ : targetAt(screen);
    for (SimWindow* w : windows_) {
      if (w->holdsMouseAnywhere()) target = w;
    }
    if (target == nullptr) return;
    SimWindow& owner = target->ownerWindow();
    if (action == MouseAction::Press || action == MouseAction::DoubleClick) {
      bringToFront(&owner);
      activate(&owner);
    }
    dispatch([&] { target->mouse(action, buttons, kNoModifiers, screen); });
    if (std::find(windows_.begin(), windows_.end(), &owner) == windows_.end()) return;
    if (target->holdsMouse()) {
      capture_ = target;
    } else if (capture_ == target) {
      capture_ = nullptr;
    }
  });
}

void SimPlatform::moveCursor(Point screen) {
  cursor_ = screen;
  // The window the pointer leaves hears of it, as TrackMouseEvent tells a Win32 window.
  SimControl* under = targetAt(screen);
  SimWindow* now = under != nullptr ? &under->ownerWindow() : nullptr;
  if (hovered_ != nullptr && hovered_ != now && capture_ == nullptr) {
    SimWindow* left = std::exchange(hovered_, nullptr);
    input([&] { fire(left->onMouseLeave); });
  }
  if (now != nullptr) hovered_ = now;
  routeMouse(MouseAction::Move, held_, screen);
}

void SimPlatform::mouseDown(MouseButton button, Point screen) {
  cursor_ = screen;
  focused_ = nullptr;  // a press on a focusable box brings it back
  held_ = held_.with(button);
  routeMouse(MouseAction::Press, button, screen);
}

void SimPlatform::mouseUp(MouseButton button, Point screen) {
  cursor_ = screen;
  held_ = held_.without(button);
  routeMouse(MouseAction::Release, button, screen);
}

void SimPlatform::click(MouseButton button, Point screen) {
  mouseDown(button, screen);
  mouseUp(button, screen);
}

void SimPlatform::drag(Point from, Point to, int step) {
  mouseDown(MouseButton::Left, from);
  Point at = from;
  while (at != to && !ended_) {
    const auto toward = [step](int a, int b) { return a < b ? std::min(b, a + step) : std::max(b, a - step); };
    at = Point{toward(at.x, to.x), toward(at.y, to.y)};
    moveCursor(at);
  }
  mouseUp(MouseButton::Left, to);
}

bool SimPlatform::registerHotkey(int id, Hotkey key) {
  if (std::find(heldElsewhere.begin(), heldElsewhere.end(), key) != heldElsewhere.end()) return false;
  for (const auto& [other, held] : hotkeys_) {
    if (held == key && other != id) return false;
  }
  hotkeys_[id] = key;
  return true;
}

void SimPlatform::pressHotkey(Hotkey key) {
  input([&] {
    for (const auto& [id, held] : hotkeys_) {
      if (held == key) {
        fire(onHotkey, id);
        return;
      }
    }
  });
}

void SimPlatform::keyDown(Key key, Modifiers modifiers) {
  input([&] {
    SimWindow* target = active_;
    if (target == nullptr || !target->isOpen()) return;
    dispatch([&] { target->keyDown(key, modifiers); });
  });
}

void SimPlatform::wheel(Point screen, int notches) {
  input([&] {
    SimControl* target = targetAt(screen);
    auto* box = dynamic_cast<SimPictureBox*>(target);
    if (box != nullptr && box->onWheel) dispatch([&] { box->onWheel(notches); });
    auto* window = dynamic_cast<SimWindow*>(target);
    if (window != nullptr && window->onWheel) dispatch([&] { window->onWheel(notches); });
  });
}

void SimPlatform::type(TextBox& box, std::string_view characters) {
  focused_ = nullptr;
  auto& simBox = dynamic_cast<SimTextBox&>(box);
  for (const char ch : characters) {
    input([&] {
      const auto character = static_cast<char16_t>(static_cast<unsigned char>(ch));
      bool accepted = true;
      dispatch([&] {
        if (box.acceptsCharacter) accepted = box.acceptsCharacter(character);
      });
      if (!accepted) return;
      simBox.take(character);
      fire(box.onUserEdit);
    });
  }
}

void SimPlatform::edit(TextBox& box, std::string_view result) {
  focused_ = nullptr;
  auto& simBox = dynamic_cast<SimTextBox&>(box);
  input([&] {
    if (simBox.design().readOnly || simBox.text() == result) return;
    simBox.setText(result);
    fire(box.onUserEdit);
  });
}

void SimPlatform::dragThumb(ScrollBar& bar, int value) {
  input([&] {
    bar.setValue(value);
    fire(bar.onUserChange);
  });
}

void SimPlatform::clickArrow(ScrollBar& bar, int delta) {
  input([&] {
    const int before = bar.value();
    bar.setValue(before + delta);
    if (bar.value() != before) fire(bar.onUserChange);
  });
}

void SimPlatform::choose(ComboBox& list, int index) {
  input([&] {
    list.select(index);
    fire(list.onSelect);
  });
}

void SimPlatform::moveWindow(Window& window, Point topLeft) {
  input([&] {
    dispatch([&] {
      auto& w = dynamic_cast<SimWindow&>(window);
      w.placedBySystem(Rect::at(topLeft, w.screenRect().size()));
    });
  });
}

void SimPlatform::changeSystemColours(const SystemColours& colours) {
  colours_ = colours;
  input([&] {
    for (SimWindow* w : std::vector<SimWindow*>(windows_)) {
      fire(w->onSystemColoursChange);
    }
  });
}

void SimPlatform::advance(int ms) {
  const int end = now_ + ms;
  for (;;) {
    SimTimer* next = nullptr;
    for (SimTimer* t : timers_) {
      if (t->due >= 0 && t->due <= end && (next == nullptr || t->due < next->due)) next = t;
    }
    if (next == nullptr || ended_) break;
    now_ = next->due;
    next->due = now_ + next->interval();
    input([&] {
      fire(next->onTimer);
    });
  }
  now_ = end;
}

}  // namespace lindrel::platform::sim
