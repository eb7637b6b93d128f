#include "platform/sim/SimPlatform.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/sim/SimWindow.h"

namespace lindrel::platform::sim {
namespace {

constexpr Colour kFrameColour = rgb(0xD4, 0xD0, 0xC8);
constexpr long kErrorInvalidHandle = 6;
constexpr std::uint32_t kWriteRights = 0x0002 | 0x0004 | 0x0020 | 0x10000 | 0x40000 | 0x80000;
constexpr unsigned kSwpNoActivate = 0x0010;

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

Rect frameFor(Border border) {
  switch (border) {
    case Border::None: return Rect{0, 0, 0, 0};
    case Border::FixedToolWindow: return Rect{3, 20, 3, 3};
    case Border::FixedDialog: return Rect{3, 26, 3, 3};
  }
  return Rect{};
}

}  // namespace

RegistryValue RegistryValue::text(std::string_view utf8, std::uint32_t type) {
  RegistryValue v;
  v.type = type;
  std::u16string wide = text::toUtf16(utf8);
  wide.push_back(u'\0');
  for (char16_t c : wide) {
    v.data.push_back(static_cast<std::uint8_t>(c & 0xFF));
    v.data.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return v;
}

RegistryValue RegistryValue::dword(std::uint32_t value) {
  RegistryValue v;
  v.type = kRegDword;
  for (int i = 0; i < 4; ++i) v.data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  return v;
}

struct SimPlatform::Target {
  SimControl* control = nullptr;
};

SimPlatform::SimPlatform(SimConfig config)
    : config_(std::move(config)), cursor_(config_.pointer), registry_(config_.registry) {
  if (config_.monitors.empty()) throw std::invalid_argument("a desktop needs a monitor");
  const Rect all = virtualDesktop();
  desktop_.grow(Point{all.width(), all.height()}, config_.desktopColour);
}

SimPlatform::~SimPlatform() = default;

// ---- Platform

std::unique_ptr<Window> SimPlatform::createWindow(const WindowSpec& design) {
  if (refuseWindow && refuseWindow(design)) raise(ErrorNumber::OutOfMemory);
  const Rect frame = frameFor(design.border);
  const Monitor& monitor = design.startNear ? monitorOf(*design.startNear) : monitorOf(primaryScreen());
  const std::int32_t w = pixelsAtDpi(design.width, monitor.dpi) + frame.left + frame.right;
  const std::int32_t h = pixelsAtDpi(design.height, monitor.dpi) + frame.top + frame.bottom;
  const Point at{monitor.rect.left, monitor.rect.top};
  return std::make_unique<SimWindow>(*this, design, Rect{at.x, at.y, at.x + w, at.y + h}, frame, monitor.dpi);
}

std::unique_ptr<Menu> SimPlatform::createMenu(const MenuItemSpec& top) { return std::make_unique<SimMenu>(top); }

Rect SimPlatform::primaryScreen() const {
  for (const Monitor& m : config_.monitors) {
    if (m.primary) return m.rect;
  }
  return config_.monitors.front().rect;
}


Rect SimPlatform::virtualDesktop() const {
  Rect all = config_.monitors.front().rect;
  for (const Monitor& m : config_.monitors) {
    all = Rect{std::min(all.left, m.rect.left), std::min(all.top, m.rect.top), std::max(all.right, m.rect.right),
               std::max(all.bottom, m.rect.bottom)};
  }
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
  const auto size = [](const Rect& r) { return r.empty() ? 0LL : std::int64_t{r.width()} * r.height(); };
  const auto gap = [&](const Rect& m) {
    const std::int64_t dx = std::max({0, m.left - area.right, area.left - m.right});
    const std::int64_t dy = std::max({0, m.top - area.bottom, area.top - m.bottom});
    return dx * dx + dy * dy;
  };
  const Monitor* best = &config_.monitors.front();
  for (const Monitor& m : config_.monitors) {
    const std::int64_t shared = size(intersect(m.rect, area)), bestShared = size(intersect(best->rect, area));
    if (shared > bestShared || (shared == 0 && bestShared == 0 && gap(m.rect) < gap(best->rect))) best = &m;
  }
  return *best;
}

void SimPlatform::msgBox(std::string_view text) {
  MessageBoxRecord record{std::string(text), std::string(AppInfo::kTitle), {}};
  for (SimWindow* w : windows_) {
    if (w->isOpen()) record.topmost[w->hwnd()] = w->topmost;
  }
  // The box takes the mouse from whoever held it.
  for (SimWindow* w : windows_) w->loseMouse();
  capture_ = nullptr;
  held_ = {};
  messageBoxes_.push_back(record);
  if (onMessageBox) onMessageBox(messageBoxes_.back());
}

void SimPlatform::clearClipboard() {
  for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
    if (clipboardBusy == 0) {
      clipboard_.reset();
      return;
    }
    if (clipboardBusy > 0) --clipboardBusy;
  }
  raise(ErrorNumber::CantOpenClipboard);
}

void SimPlatform::setClipboardText(std::string_view text) {
  for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
    if (clipboardBusy == 0) {
      clipboard_ = std::string(text);
      return;
    }
    if (clipboardBusy > 0) --clipboardBusy;
  }
  raise(ErrorNumber::CantOpenClipboard);
}

void SimPlatform::addFile(std::string_view path, FileEntry entry) { files_[lower(path)] = entry; }

std::string SimPlatform::expandEnvironment(std::string_view text) {
  std::string out;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = text.find('%', at), close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) break;
    const auto value = environment.find(std::string(text.substr(open + 1, close - open - 1)));
    out += text.substr(at, open - at);
    if (value == environment.end()) {
      out += text.substr(open, close - open);  // the second % may open the next name
      at = close;
    } else {
      out += value->second;
      at = close + 1;
    }
  }
  return out + std::string(text.substr(std::min(at, text.size())));
}

bool SimPlatform::fileExists(std::string_view path) {
  const auto it = files_.find(lower(path));
  return it != files_.end() && !it->second.hidden && !it->second.system;
}

void SimPlatform::startProgram(std::string_view path) {
  if (path.empty() || files_.find(lower(path)) == files_.end()) raise(ErrorNumber::FileNotFound);
  started_.emplace_back(path);
}

void SimPlatform::endProcess() {
  ended_ = true;
  throw ProcessEnded{};
}

// ---- Api

bool SimPlatform::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy, unsigned flags) {
  setWindowPosCalls_.push_back(SetWindowPosCall{hwnd, insertAfter, x, y, cx, cy, flags});
  SimWindow* w = window(hwnd);
  if (w == nullptr || !w->isOpen()) return false;
  if ((flags & kSwpNoZOrder) == 0) {
    if (insertAfter == kHwndTopmost) w->topmost = true;
    if (insertAfter == kHwndNoTopmost) w->topmost = false;
    if (w->isVisible()) bringToFront(w);
  }
  if ((flags & kSwpNoActivate) == 0 && w->isVisible()) activate(w);
  if ((flags & (kSwpNoMove | kSwpNoSize)) != (kSwpNoMove | kSwpNoSize)) {
    // Moved or sized from outside the form: the system tells the window where it is now.
    const Rect r = w->screenRect();
    const Point at = (flags & kSwpNoMove) != 0 ? Point{r.left, r.top} : Point{x, y};
    const Point size = (flags & kSwpNoSize) != 0 ? Point{r.width(), r.height()} : Point{cx, cy};
    w->placedBySystem(Rect{at.x, at.y, at.x + size.x, at.y + size.y});
  }
  return true;
}

bool SimPlatform::GetWindowRect(Hwnd hwnd, Rect& rect) {
  const SimWindow* w = window(hwnd);
  if (w == nullptr) return false;
  rect = w->screenRect();
  return true;
}

bool SimPlatform::SetCursorPos(int x, int y) {
  const Rect desktop = virtualDesktop();
  cursor_ = Point{std::clamp(x, desktop.left, desktop.right - 1), std::clamp(y, desktop.top, desktop.bottom - 1)};
  return true;
}

bool SimPlatform::GetCursorPos(Point& point) {
  point = cursor_;
  return true;
}

Hdc SimPlatform::GetDC(Hwnd hwnd) {
  const std::uintptr_t id = nextId();
  if (hwnd == kNoWindow) {
    dcs_[id] = true;
  } else {
    SimWindow* w = window(hwnd);
    if (w == nullptr) return kNoDc;
    dcs_[id] = false;
    surfaces_[id] = surfaces_.at(static_cast<std::uintptr_t>(w->hdc()));
  }
  return Hdc{id};
}

int SimPlatform::ReleaseDC(Hwnd, Hdc hdc) {
  const auto id = static_cast<std::uintptr_t>(hdc);
  const auto it = dcs_.find(id);
  if (it == dcs_.end()) return 0;
  if (!it->second) surfaces_.erase(id);
  dcs_.erase(it);
  return 1;
}

bool SimPlatform::isScreenDc(Hdc hdc) const {
  const auto it = dcs_.find(static_cast<std::uintptr_t>(hdc));
  return it != dcs_.end() && it->second;
}

SimSurface* SimPlatform::surfaceOf(Hdc hdc) const {
  const auto it = surfaces_.find(static_cast<std::uintptr_t>(hdc));
  return it == surfaces_.end() ? nullptr : it->second;
}

Colour SimPlatform::GetPixel(Hdc hdc, int x, int y) {
  if (isScreenDc(hdc)) {
    if (unreadablePixels.count({x, y}) != 0) return kInvalidColour;
    return screenPixel(Point{x, y});
  }
  const SimSurface* surface = surfaceOf(hdc);
  return surface == nullptr ? kInvalidColour : surface->at(Point{x, y});
}

Colour SimPlatform::readPixel(Hdc hdc, Point p) const {
  // Outside the screen or the surface there is nothing to copy: black.
  const Colour c = isScreenDc(hdc) ? screenPixel(p) : (surfaceOf(hdc) ? surfaceOf(hdc)->at(p) : kInvalidColour);
  return c == kInvalidColour ? kBlack : c;
}

bool SimPlatform::BitBlt(Hdc dest, int x, int y, int cx, int cy, Hdc src, int x1, int y1, std::uint32_t rop) {
  return StretchBlt(dest, x, y, cx, cy, src, x1, y1, cx, cy, rop);
}

bool SimPlatform::StretchBlt(Hdc dest, int x, int y, int cx, int cy, Hdc src, int x1, int y1, int cx1, int cy1,
                             std::uint32_t rop) {
  SimSurface* target = surfaceOf(dest);
  if (target == nullptr || cx <= 0 || cy <= 0) return false;
  if (rop != kSrcCopy && rop != kBlackness) return false;
  if (rop == kSrcCopy && !isScreenDc(src) && surfaceOf(src) == nullptr) return false;
  // Only what lands on the destination surface is worked out: each source pixel is read once
  // and fills the run of destination pixels it stretches to.
  const Rect area = intersect(Rect{x, y, x + cx, y + cy}, Rect{0, 0, target->size().x, target->size().y});
  if (rop == kBlackness) {
    target->fill(area, kBlack);
    return true;
  }
  const auto sourceX = [&](int dx) { return static_cast<int>(static_cast<long long>(dx - x) * cx1 / cx); };
  const auto sourceY = [&](int dy) { return static_cast<int>(static_cast<long long>(dy - y) * cy1 / cy); };
  for (int dy = area.top; dy < area.bottom;) {
    int rowEnd = dy + 1;
    while (rowEnd < area.bottom && sourceY(rowEnd) == sourceY(dy)) ++rowEnd;
    for (int dx = area.left; dx < area.right;) {
      int columnEnd = dx + 1;
      while (columnEnd < area.right && sourceX(columnEnd) == sourceX(dx)) ++columnEnd;
      target->fill(Rect{dx, dy, columnEnd, rowEnd}, readPixel(src, Point{x1 + sourceX(dx), y1 + sourceY(dy)}));
      dx = columnEnd;
    }
    dy = rowEnd;
  }
  return true;
}

bool SimPlatform::TextOut(Hdc hdc, int x, int y, std::string_view text) {
  SimSurface* surface = surfaceOf(hdc);
  if (surface == nullptr) return false;
  surface->text(Point{x, y}, std::string(text));
  return true;
}

long SimPlatform::openKey(Hkey root, std::string_view subKey, std::uint32_t samDesired, bool create, Hkey& result) {
  accessRequested_.push_back(samDesired);
  const RegistryPath path{static_cast<std::uintptr_t>(root), lower(subKey)};
  if (const long refused = refuseKey ? refuseKey(root, subKey) : kErrorSuccess; refused != kErrorSuccess) return refused;
  if (standardUser && root == kHkeyLocalMachine && (samDesired & kWriteRights) != 0) return kErrorAccessDenied;
  if (registry_.find(path) == registry_.end()) {
    if (!create) return kErrorFileNotFound;
    registry_[path];
  }
  const std::uintptr_t id = nextId();
  openKeys_[id] = OpenKey{path, samDesired};
  result = Hkey{id};
  return kErrorSuccess;
}

long SimPlatform::RegOpenKeyEx(Hkey root, std::string_view subKey, std::uint32_t, std::uint32_t samDesired,
                               Hkey& result) {
  return openKey(root, subKey, samDesired, false, result);
}

long SimPlatform::RegCreateKeyEx(Hkey root, std::string_view subKey, std::uint32_t, std::uint32_t samDesired,
                                 Hkey& result) {
  return openKey(root, subKey, samDesired, true, result);
}

const RegistryPath* SimPlatform::keyOpenedWith(Hkey key, std::uint32_t rights) const {
  const auto open = openKeys_.find(static_cast<std::uintptr_t>(key));
  if (open == openKeys_.end() || (open->second.access & rights) != rights) return nullptr;
  return &open->second.path;
}

long SimPlatform::RegQueryValueEx(Hkey key, std::string_view valueName, std::uint32_t& type, std::uint8_t* data,
                                  std::uint32_t& size) {
  const auto open = openKeys_.find(static_cast<std::uintptr_t>(key));
  if (open == openKeys_.end()) return kErrorInvalidHandle;
  const auto& values = registry_.at(open->second.path);
  const auto it = values.find(lower(valueName));
  if (it == values.end()) return kErrorFileNotFound;
  const RegistryValue& v = it->second;
  type = v.type;
  const auto length = static_cast<std::uint32_t>(v.data.size());
  if (data != nullptr && size < length) {
    size = length;
    return kErrorMoreData;
  }
  if (data != nullptr && length > 0) std::memcpy(data, v.data.data(), length);
  size = length;
  return kErrorSuccess;
}

long SimPlatform::RegCloseKey(Hkey key) {
  return openKeys_.erase(static_cast<std::uintptr_t>(key)) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

long SimPlatform::RegSetValueEx(Hkey key, std::string_view valueName, std::uint32_t type, const std::uint8_t* data,
                                std::uint32_t size) {
  if (openKeys_.count(static_cast<std::uintptr_t>(key)) == 0) return kErrorInvalidHandle;
  const RegistryPath* path = keyOpenedWith(key, kKeySetValue);
  if (path == nullptr) return kErrorAccessDenied;
  if (setValueError != kErrorSuccess) return setValueError;
  RegistryValue value{type, std::vector<std::uint8_t>(data, data + size)};
  registry_[*path][lower(valueName)] = value;
  registryWrites_.push_back(RegistryWrite{*path, lower(valueName), std::move(value)});
  return kErrorSuccess;
}

long SimPlatform::RegDeleteValue(Hkey key, std::string_view valueName) {
  if (openKeys_.count(static_cast<std::uintptr_t>(key)) == 0) return kErrorInvalidHandle;
  const RegistryPath* path = keyOpenedWith(key, kKeySetValue);
  if (path == nullptr) return kErrorAccessDenied;
  if (registry_[*path].erase(lower(valueName)) == 0) return kErrorFileNotFound;
  registryWrites_.push_back(RegistryWrite{*path, lower(valueName), std::nullopt});
  return kErrorSuccess;
}

void SimPlatform::setRegistryValue(Hkey root, std::string_view key, std::string_view name, RegistryValue value) {
  auto& values = registry_[std::make_pair(static_cast<std::uintptr_t>(root), lower(key))];
  values[lower(name)] = std::move(value);
}

void SimPlatform::forgetRecords() {
  messageBoxes_.clear();
  popups_.clear();
  setWindowPosCalls_.clear();
  accessRequested_.clear();
  registryWrites_.clear();
}

// ---- The screen

void SimPlatform::paintDesktop(const Rect& area, Colour color) {
  const Rect all = virtualDesktop();
  const Rect r = intersect(area, all);
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) desktop_.set(Point{x - all.left, y - all.top}, color);
  }
}

void SimPlatform::paintDesktop(const std::function<Colour(Point)>& pattern) {
  const Rect all = virtualDesktop();
  for (int y = all.top; y < all.bottom; ++y) {
    for (int x = all.left; x < all.right; ++x) desktop_.set(Point{x - all.left, y - all.top}, pattern(Point{x, y}));
  }
}

Colour SimPlatform::screenPixel(Point p) const {
  for (SimWindow* w : windows_) {
    if (!w->isVisible() || !w->screenRect().contains(p)) continue;
    const Point origin = w->clientOrigin();
    const Point client{p.x - origin.x, p.y - origin.y};
    if (!w->clientRect().contains(client)) return kFrameColour;
    return w->clientPixel(client);
  }
  const Rect all = virtualDesktop();
  if (!all.contains(p)) return kInvalidColour;
  bool onMonitor = false;
  for (const Monitor& m : config_.monitors) onMonitor = onMonitor || m.rect.contains(p);
  return onMonitor ? desktop_.at(Point{p.x - all.left, p.y - all.top}) : kInvalidColour;
}

// ---- Windows

void SimPlatform::registerWindow(SimWindow* w) { windows_.push_back(w); }

void SimPlatform::unregisterWindow(SimWindow* w) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), w), windows_.end());
  if (active_ == w) active_ = nullptr;
  if (hovered_ == w) hovered_ = nullptr;
  if (capture_ != nullptr && &capture_->ownerWindow() == w) capture_ = nullptr;
  modal_.erase(std::remove(modal_.begin(), modal_.end(), w), modal_.end());
}

void SimPlatform::bringToFront(SimWindow* w) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), w), windows_.end());
  auto at = windows_.begin();
  if (!w->topmost) {
    at = std::find_if(windows_.begin(), windows_.end(), [](SimWindow* o) { return !o->topmost; });
  }
  windows_.insert(at, w);
}

bool SimPlatform::isTopmost(Hwnd hwnd) const {
  const SimWindow* w = window(hwnd);
  return w != nullptr && w->topmost;
}

SimWindow* SimPlatform::window(Hwnd hwnd) const {
  for (SimWindow* w : windows_) {
    if (w->hwnd() == hwnd) return w;
  }
  return nullptr;
}

Hdc SimPlatform::registerSurface(SimSurface* surface) {
  const std::uintptr_t id = nextId();
  surfaces_[id] = surface;
  return Hdc{id};
}

void SimPlatform::unregisterSurface(Hdc hdc) { surfaces_.erase(static_cast<std::uintptr_t>(hdc)); }

void SimPlatform::timerCreated(SimTimer* timer) {
  timers_.push_back(timer);
}

void SimPlatform::timerDestroyed(SimTimer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

bool SimPlatform::inModal(const SimWindow* w) const { return !modal_.empty() && modal_.back() == w; }

void SimPlatform::runPopup(SimWindow& owner, Menu& menu, std::optional<Point> at) {
  auto& tree = dynamic_cast<SimMenu&>(menu).top;
  PopupRecord record{at.value_or(cursor_), {}, {}};
  for (const MenuItemSpec& item : tree.children) {
    record.captions.push_back(item.caption);
    if (item.checked) record.checked.push_back(item.caption);
  }
  // The menu takes the mouse: the press that opened it ends inside the menu.
  owner.loseMouse();
  capture_ = nullptr;
  held_ = {};
  popups_.push_back(record);
  const std::vector<std::string> path = onPopupMenu ? onPopupMenu(popups_.back()) : std::vector<std::string>{};
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

SimPlatform::Target SimPlatform::targetAt(Point screen) const {
  for (SimWindow* w : windows_) {
    if (!w->isVisible() || !w->screenRect().contains(screen)) continue;
    const Point origin = w->clientOrigin();
    const Point client{screen.x - origin.x, screen.y - origin.y};
    if (!w->clientRect().contains(client)) return Target{};
    return Target{&w->controlAt(client)};
  }
  return Target{};
}

void SimPlatform::routeMouse(MouseAction action, MouseButtons buttons, Modifiers modifiers, Point screen) {
  input([&] {
    SimControl* target = capture_ != nullptr ? capture_ : targetAt(screen).control;
    if (target == nullptr) return;
    SimWindow& owner = target->ownerWindow();
    if (!modal_.empty() && !inModal(&owner)) return;  // a modal window blocks the others
    if (action == MouseAction::Press || action == MouseAction::DoubleClick) {
      bringToFront(&owner);
      activate(&owner);
    }
    dispatch([&] { target->mouse(action, buttons, modifiers, screen); });
    if (window(owner.hwnd()) == nullptr) return;
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
  const Target under = targetAt(screen);
  SimWindow* now = under.control != nullptr ? &under.control->ownerWindow() : nullptr;
  if (hovered_ != nullptr && hovered_ != now && capture_ == nullptr) {
    SimWindow* left = std::exchange(hovered_, nullptr);
    input([&] { dispatch([&] { if (left->onMouseLeave) left->onMouseLeave(); }); });
  }
  if (now != nullptr) hovered_ = now;
  routeMouse(MouseAction::Move, held_, kNoModifiers, screen);
}

void SimPlatform::mouseDown(MouseButton button, Point screen, Modifiers modifiers) {
  cursor_ = screen;
  focused_ = nullptr;  // a press on a focusable box brings it back
  held_ = held_.with(button);
  routeMouse(MouseAction::Press, button, modifiers, screen);
}

void SimPlatform::mouseUp(MouseButton button, Point screen, Modifiers modifiers) {
  cursor_ = screen;
  held_ = held_.without(button);
  routeMouse(MouseAction::Release, button, modifiers, screen);
}

void SimPlatform::click(MouseButton button, Point screen) {
  mouseDown(button, screen);
  mouseUp(button, screen);
}

void SimPlatform::doubleClick(Point screen) {
  click(MouseButton::Left, screen);
  cursor_ = screen;
  held_ = held_.with(MouseButton::Left);
  routeMouse(MouseAction::DoubleClick, MouseButton::Left, kNoModifiers, screen);
  mouseUp(MouseButton::Left, screen);
}

void SimPlatform::drag(Point from, Point to, int step) {
  mouseDown(MouseButton::Left, from);
  Point at = from;
  while (at != to && !ended_) {
    const auto toward = [step](std::int32_t a, std::int32_t b) {
      return a < b ? std::min(b, a + step) : std::max(b, a - step);
    };
    at = Point{toward(at.x, to.x), toward(at.y, to.y)};
    moveCursor(at);
  }
  mouseUp(MouseButton::Left, to);
}

void SimPlatform::keyDown(Key key, Modifiers modifiers) {
  input([&] {
    SimWindow* target = active_;
    if (target == nullptr || !target->isOpen()) return;
    if (!modal_.empty() && !inModal(target)) return;
    dispatch([&] { target->keyDown(key, modifiers); });
  });
}

void SimPlatform::wheel(Point screen, int notches) {
  input([&] {
    auto* box = dynamic_cast<SimPictureBox*>(targetAt(screen).control);
    if (box != nullptr && box->onWheel) dispatch([&] { box->onWheel(notches); });
  });
}

void SimPlatform::type(TextBox& box, std::string_view characters) {
  focused_ = nullptr;
  auto& simBox = dynamic_cast<SimTextBox&>(box);
  for (char ch : characters) {
    input([&] {
      const auto character = static_cast<char16_t>(static_cast<unsigned char>(ch));
      bool accepted = true;
      dispatch([&] {
        if (box.acceptsCharacter) accepted = box.acceptsCharacter(character);
      });
      if (!accepted) return;
      simBox.take(character);
      dispatch([&] {
        if (box.onUserEdit) box.onUserEdit();
      });
    });
  }
}

void SimPlatform::edit(TextBox& box, std::string_view result) {
  focused_ = nullptr;
  auto& simBox = dynamic_cast<SimTextBox&>(box);
  input([&] {
    if (simBox.design().readOnly || simBox.text() == result) return;
    simBox.setText(result);
    dispatch([&] {
      if (box.onUserEdit) box.onUserEdit();
    });
  });
}

void SimPlatform::dragThumb(ScrollBar& bar, int value) {
  auto& simBar = dynamic_cast<SimScrollBar&>(bar);
  input([&] {
    simBar.setValue(simBar.clamp(value));
    dispatch([&] {
      if (bar.onScroll) bar.onScroll();
    });
  });
}

void SimPlatform::clickArrow(ScrollBar& bar, int delta) {
  auto& simBar = dynamic_cast<SimScrollBar&>(bar);
  simBar.setValue(simBar.clamp(simBar.value() + delta));
}

void SimPlatform::choose(ComboBox& list, int index) {
  input([&] { dispatch([&] { list.setListIndex(index); }); });
}

void SimPlatform::press(Button& button) {
  auto& simButton = dynamic_cast<SimButton&>(button);
  const Rect r = simButton.clientRect();
  const Point origin = simButton.ownerWindow().clientOrigin();
  click(MouseButton::Left, Point{origin.x + (r.left + r.right) / 2, origin.y + (r.top + r.bottom) / 2});
}

void SimPlatform::closeBox(Window& window) {
  input([&] { dynamic_cast<SimWindow&>(window).userClose(); });
}

void SimPlatform::moveWindow(Window& window, Point topLeft) {
  input([&] { dispatch([&] { SetWindowPos(window.hwnd(), kNoWindow, topLeft.x, topLeft.y, 0, 0, kSwpNoSize | kSwpNoZOrder); }); });
}

void SimPlatform::endSession() {
  input([&] {
    for (SimWindow* w : std::vector<SimWindow*>(windows_)) {
      if (w->isOpen()) dispatch([&] { if (w->onSessionEnd) w->onSessionEnd(); });
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
      dispatch([&] {
        if (next->onTimer) next->onTimer();
      });
    });
  }
  now_ = end;
}

}  // namespace lindrel::platform::sim
