#include "ruler/RulerWindow.h"

#include <algorithm>
#include <map>

#include "ruler/RulerMeasures.h"
#include "ruler/RulerReadout.h"
#include "ruler/RulerScale.h"
#include "strings/UiText.h"

namespace lindrel {
namespace {

using platform::MouseButton;
using platform::Point;
using platform::Rect;
namespace measures = ruler_measures;

constexpr platform::Colour kYellow = platform::rgb(255, 255, 0);
// Lengths of the design below grow with the DPI.
// The resize bands reach this far into the strip from its right and bottom edges.
constexpr int kEdgeBand = 4;
// The corner labels keep this far from the strip's edges, and this far from the numbers.
constexpr int kLabelMargin = 5;
constexpr int kNumberGap = 2;
// Between the credit and the readout when they share a line.
constexpr int kLabelSpacing = 8;
// A copy started beside another one stands this far right and down of where it would be.
constexpr int kAsideStep = 20;
constexpr int kEdgeZoneIntervalMs = 100;
constexpr const char* kSizeError = "App Size Error by:zyn";
constexpr const char* kCredit = "Lindrel";
// A drag tells screen readers of its readout at most five times a second.
constexpr int kReadoutChangeGapMs = 200;
const platform::FontSpec kCreditFont{"Fixedsys", 12, 400, 134};
// The readout in the window's own font.
const platform::FontSpec kReadoutFont{};

struct StripColours {
  platform::Colour back, fore;
};
StripColours stripColours(const platform::SystemColours& system) {
  if (system.highContrast) return {system.window, system.windowText};
  return {kYellow, platform::kBlack};
}

// Half as long as the monitor is wide.
int halfOf(const Rect& monitor) { return platform::roundHalfEven(monitor.width() / 2.0); }

// Made on a monitor, at a first start's size there.
std::unique_ptr<platform::Window> createWindow(platform::Platform& platform, const Rect& monitor) {
  const int dpi = platform.monitorDpi(monitor);
  platform::WindowSpec design;
  design.className = "LindrelRuler";
  design.caption = "Form1";
  design.border = platform::Border::None;
  const StripColours colours = stripColours(platform.systemColours());
  design.backColour = colours.back;
  design.foreColour = colours.fore;
  design.accessibleName = strings::ui(strings::UiText::RulerName);
  design.startNear = monitor;
  design.designSize = {halfOf(monitor) * platform::kDesignDpi / dpi, measures::thicknessAt(platform::kDesignDpi)};
  design.icon = platform::Picture::AppIcon;
  design.surfaceFont = kScaleNumberFont;
  return platform.createWindow(design);
}

}  // namespace

RulerStart RulerWindow::startFor(const platform::Platform& platform, const RulerPlacement& kept) {
  const Rect desktop = platform.virtualDesktop();
  const auto sizeFits = [&](const Rect& monitor) {
    const int least = measures::leastSizeAt(platform.monitorDpi(monitor));
    return kept.size && kept.size->x >= least && kept.size->y >= least && kept.size->x <= desktop.width() &&
           kept.size->y <= desktop.height();
  };
  if (kept.topLeft) {
    // At its kept size, or else at the first start's, which is never less than the least
    // part that must show: then its top-left corner must show.
    const Point least{platform::kLeastVisiblePixels, platform::kLeastVisiblePixels};
    for (const bool atKeptSize : {true, false}) {
      if (atKeptSize && !kept.size) continue;
      const Rect area = Rect::at(*kept.topLeft, atKeptSize ? *kept.size : least);
      const Rect monitor = platform.monitorArea(area);
      if ((atKeptSize && !sizeFits(monitor)) || !platform.showsOnAMonitor(area)) continue;
      return RulerStart{monitor, kept.topLeft, atKeptSize ? kept.size : std::nullopt, kept.state};
    }
  }
  const Rect monitor = platform.monitorAt(platform.pointerPosition());
  return RulerStart{monitor, std::nullopt, sizeFits(monitor) ? kept.size : std::nullopt, kept.state};
}

RulerWindow::RulerWindow(platform::Platform& platform, const RulerPlacement& kept)
    : platform_(platform),
      start_(startFor(platform_, kept)),
      window_(createWindow(platform_, start_.monitor)),
      creditLabel_(window_->addLabel({{}, kCredit, kCreditFont, true})),
      readoutLabel_(window_->addLabel({{}, "", kReadoutFont, true})),
      edgeZoneTimer_(window_->addTimer(kEdgeZoneIntervalMs, false)),
      readoutChanges_(platform_, window_->addTimer(kReadoutChangeGapMs, false), kReadoutChangeGapMs,
                      [this] { window_->accessibleValueChanged(); }) {
  window_->onResize = [this] { layOut(); };
  // Made only when a client asks: a drag never writes it.
  window_->accessibleValue = [this] {
    return spokenReadout(readoutTexts(state_.unit, window_->clientSize(), window_->dpi(), drawnPhysical_));
  };
  window_->onSystemColoursChange = [this] { followSystemColours(); };
  followSystemColours();
  window_->onDpiChange = [this](const Rect& suggested) { followDpi(suggested); };
  window_->onKeyDown = [this](platform::Key key, platform::Modifiers modifiers) { handleKey(key, modifiers); };
  window_->onMouseLeave = [this] {
    edgeZoneTimer_.setEnabled(false);
    hoverZone_ = DragZone::None;
  };
  edgeZoneTimer_.onTimer = [this] { trackEdgeZone(); };
  window_->onRectChange = [this](platform::ChangedBy) {
    // Physical centimetres follow the monitor that holds the strip's top-left corner.
    if (state_.unit.kind == UnitKind::Physical && platform_.monitorAt(window_->rect().topLeft()) != drawnOnMonitor_) {
      auto hold = window_->holdScreenUpdates();
      redrawScale();
      layOutCornerLabels();
    }
    notifyChange();
  };
  // The labels act like the strip itself.
  takeMouseFrom(*window_);
  takeMouseFrom(creditLabel_);
  takeMouseFrom(readoutLabel_);
}

RulerWindow::~RulerWindow() = default;

void RulerWindow::takeMouseFrom(platform::MouseHandlers& element) {
  element.onMouseDown = [this](const platform::MouseEvent& e) { handlePress(e); };
  element.onMouseMove = [this](const platform::MouseEvent& e) { handleMouseMove(e); };
  element.onMouseUp = [this](const platform::MouseEvent&) { handleRelease(); };
  element.onDoubleClick = [this] { toggleOrientation(); };
}

int RulerWindow::leastSize() const { return measures::leastSizeAt(window_->dpi()); }

int RulerWindow::defaultThickness(Orientation orientation) {
  const int dpi = window_->dpi();
  const int monitorLength = platform_.monitorArea(window_->rect()).width();
  const auto known = std::find_if(defaultThicknesses_.begin(), defaultThicknesses_.end(), [&](const DefaultThickness& d) {
    return d.dpi == dpi && d.monitorLength == monitorLength;
  });
  if (known != defaultThicknesses_.end()) {
    lastDefaultThickness_ = *known;
  } else {
    // Measured once for each DPI and monitor size the strip meets; the units share most of
    // their lines, and each is measured once.
    std::map<std::string, Point, std::less<>> measured;
    const LabelMeasure measure{[&](std::string_view text) {
                                 auto at = measured.find(text);
                                 if (at == measured.end()) at = measured.emplace(text, window_->textSize(kReadoutFont, text)).first;
                                 return at->second;
                               },
                               window_->textSize(kCreditFont, kCredit), window_->scaled(kLabelSpacing)};
    // Beside a vertical scale: four-digit numbers, then the widest line of any unit's readout.
    int widest = measure.credit.x;
    for (const Unit unit : kUnits) {
      ReadoutTexts t = readoutTexts(unit, Point{9999, 9999}, dpi);
      t.unitParts.insert(t.unitParts.end(), t.figureParts.begin(), t.figureParts.end());
      for (const std::string& line : t.unitParts) widest = std::max(widest, measure.readout(line).x);
    }
    const int vertical = kScaleNumberColumn + window_->textSize(kScaleNumberFont, "0000").x + window_->scaled(kNumberGap) +
                         widest + window_->scaled(kLabelMargin);
    // Below a horizontal scale half the monitor long: the numbers, then every unit's whole
    // readout with the credit, in the flattest layout that fits the length.
    const int width = monitorLength / 2 - 2 * window_->scaled(kLabelMargin);
    int labels = 0;
    for (const Unit unit : kUnits) {
      int flattest = 0;
      for (const CornerLayout& layout : cornerLayouts(readoutTexts(unit, Point{monitorLength, 9999}, dpi), true)) {
        if (!layout.credit) continue;
        const Point block = cornerBlockSize(layout, measure);
        if (block.x <= width && (flattest == 0 || block.y < flattest)) flattest = block.y;
      }
      labels = std::max(labels, flattest);
    }
    const int horizontal = std::max(measures::thicknessAt(dpi), kScaleNumberRow + window_->textSize(kScaleNumberFont, "0").y +
                                                                    window_->scaled(kNumberGap) + labels +
                                                                    window_->scaled(kLabelMargin));
    lastDefaultThickness_ = DefaultThickness{dpi, monitorLength, horizontal, vertical};
    defaultThicknesses_.push_back(*lastDefaultThickness_);
  }
  return orientation == Orientation::Horizontal ? lastDefaultThickness_->horizontal : lastDefaultThickness_->vertical;
}

Point RulerWindow::firstStartSize(Orientation orientation, const Rect& monitor) {
  const int length = halfOf(monitor);
  const int thickness = defaultThickness(orientation);
  if (orientation == Orientation::Horizontal) return Point{length, thickness};
  return Point{thickness, std::min(length, monitor.height())};
}

void RulerWindow::start(bool besideAnotherCopy) {
  const Rect& monitor = start_.monitor;
  state_ = start_.state;
  const Point size = start_.size ? *start_.size : firstStartSize(state_.orientation, monitor);
  {
    // Not on the screen yet: the sizes of start-up reach the system once, not one by one.
    auto hold = window_->holdScreenUpdates();
    window_->resize(size);
    redrawScale();
    window_->setTopmost(true);
  }
  Point topLeft = start_.topLeft ? *start_.topLeft
                                 : Point{monitor.left + (monitor.width() - size.x) / 2,
                                         monitor.top + (monitor.height() - size.y) / 2};
  if (besideAnotherCopy) {
    const int step = window_->scaled(kAsideStep);
    const auto aside = [&](int from, int length, int low, int high) {
      return from + step + length <= high || from - step < low ? from + step : from - step;
    };
    topLeft = {aside(topLeft.x, size.x, monitor.left, monitor.right), aside(topLeft.y, size.y, monitor.top, monitor.bottom)};
  }
  window_->show(topLeft);
}

void RulerWindow::restoreFirstStart() {
  const Rect monitor = platform_.monitorAt(platform_.pointerPosition());
  // Onto that monitor first: the default thickness is measured at its DPI and length.
  if (platform_.monitorArea(window_->rect()) != monitor) window_->move(monitor.topLeft());
  state_ = RulerState{};
  drag_.reset();
  {
    auto hold = window_->holdScreenUpdates();
    const Point size = firstStartSize(Orientation::Horizontal, monitor);
    window_->resize(size);
    window_->move({monitor.left + (monitor.width() - size.x) / 2, monitor.top + (monitor.height() - size.y) / 2});
    redrawScale();
  }
  layOutCornerLabels();
  notifyChange();
}

RulerPlacement RulerWindow::placement() const {
  const Rect& r = window_->rect();
  return RulerPlacement{r.topLeft(), r.size(), state_};
}

void RulerWindow::notifyChange() {
  if (onChange) onChange();
}

void RulerWindow::followDpi(const Rect& suggested) {
  const Rect before = window_->rect();
  const bool horizontal = state_.orientation == Orientation::Horizontal;
  int thickness = horizontal ? before.height() : before.width();
  const std::optional<DefaultThickness> old = lastDefaultThickness_;
  const bool atDefault = old && old->dpi != window_->dpi() && thickness == (horizontal ? old->horizontal : old->vertical);
  {
    auto hold = window_->holdScreenUpdates();
    window_->move(suggested.topLeft());
    // A strip at the old DPI's default thickness takes the new one's; a thickness the user
    // chose stays, grown to the least size if it is below it now.
    if (atDefault) thickness = defaultThickness(state_.orientation);
    thickness = std::max(thickness, leastSize());
    const int length = std::max(horizontal ? before.width() : before.height(), leastSize());
    window_->resize(horizontal ? Point{length, thickness} : Point{thickness, length});
    // The numbers are written in the new DPI's font.
    redrawScale();
  }
  layOutCornerLabels();
}

PhysicalScale RulerWindow::physical() const {
  // Asked of the system (a display context and the monitor's identity) only where it counts.
  if (!physicalScaleOn || state_.unit.kind != UnitKind::Physical) return {};
  return physicalScaleOn(drawnOnMonitor_);
}

void RulerWindow::physicalScalesChanged() {
  if (state_.unit.kind != UnitKind::Physical) return;
  redrawScale();
  layOutCornerLabels();
}

void RulerWindow::textsChanged() {
  window_->setAccessibleName(strings::ui(strings::UiText::RulerName));
  layOutCornerLabels();
  window_->accessibleValueChanged();
}

void RulerWindow::setUnit(Unit unit) {
  state_.unit = unit;
  redrawScale();
  layOutCornerLabels();
  notifyChange();
}

void RulerWindow::toggleOrientation() {
  const Rect before = window_->rect();
  const Orientation turnedTo = turned(state_.orientation);
  // A strip at its orientation's default thickness takes the other one's; a thickness the
  // user chose stays.
  int thickness = state_.orientation == Orientation::Horizontal ? before.height() : before.width();
  if (thickness == defaultThickness(state_.orientation)) thickness = defaultThickness(turnedTo);
  const Rect monitor = platform_.monitorArea(before);
  const bool horizontal = turnedTo == Orientation::Horizontal;
  const int length = std::min(horizontal ? before.height() : before.width(),
                              horizontal ? monitor.width() : monitor.height());
  const Point size = horizontal ? Point{length, thickness} : Point{thickness, length};
  // Moved up or left just enough to lie wholly on the monitor it was on.
  const Point topLeft{std::max(monitor.left, std::min(before.left, monitor.right - size.x)),
                      std::max(monitor.top, std::min(before.top, monitor.bottom - size.y))};
  state_.orientation = turnedTo;
  drag_.reset();
  {
    // The strip reaches the screen once, turned and drawn.
    auto hold = window_->holdScreenUpdates();
    window_->move(topLeft);
    window_->resize(size);
    redrawScale();
  }
  layOutCornerLabels();
  notifyChange();
}

int RulerWindow::length() const {
  const Point client = window_->clientSize();
  return state_.orientation == Orientation::Horizontal ? client.x : client.y;
}

void RulerWindow::followSystemColours() {
  const StripColours colours = stripColours(platform_.systemColours());
  creditLabel_.setColour(colours.fore);
  readoutLabel_.setColour(colours.fore);
  if (window_->setColours(colours.back, colours.fore)) redrawScale();
}

void RulerWindow::redrawScale() {
  const Rect monitor = platform_.monitorArea(window_->rect());
  // As far as the monitor is long, or further for a longer strip: growing the strip then
  // seldom needs a redraw.
  const int monitorLength = state_.orientation == Orientation::Horizontal ? monitor.width() : monitor.height();
  window_->clearSurface();
  drawScale(std::max(length(), monitorLength));
}

void RulerWindow::extendScaleToStrip() {
  if (length() <= drawnReach_) return;
  const Rect monitor = platform_.monitorArea(window_->rect());
  const int slack = (state_.orientation == Orientation::Horizontal ? monitor.width() : monitor.height()) / 2;
  window_->clearSurface();
  drawScale(length() + slack);
}

void RulerWindow::drawScale(int reach) {
  const bool horizontal = state_.orientation == Orientation::Horizontal;
  // The surface takes the whole scale with its numbers, whatever the strip's size now.
  window_->reserveSurface(horizontal ? Point{reach, kScaleNumberRow + window_->scaled(20)}
                                     : Point{kScaleNumberColumn + window_->scaled(40), reach});
  const auto measure = [this](std::string_view text) { return window_->textSize(kScaleNumberFont, text); };
  drawnOnMonitor_ = platform_.monitorAt(window_->rect().topLeft());
  drawnPhysical_ = physical();
  const Scale scale = scaleOf(state_.unit, state_.orientation, reach, window_->dpi(), measure, drawnPhysical_);
  for (const ScaleTick& tick : scale.ticks) {
    window_->drawLine(horizontal ? Point{tick.at, 0} : Point{0, tick.at},
                      horizontal ? Point{tick.at, tick.length} : Point{tick.length, tick.at});
  }
  // The numbers go over the ticks, each only while the strip holds it whole.
  numberAreas_.clear();
  std::vector<platform::Window::SurfaceText> numbers;
  for (const ScaleNumber& number : scale.numbers) {
    numberAreas_.push_back(Rect::at(number.at, measure(number.text)));
    numbers.push_back({numberAreas_.back(), number.text});
  }
  window_->setTexts(std::move(numbers));
  drawnReach_ = reach;
}

void RulerWindow::layOut() {
  const Point size = window_->clientSize();
  if (size.x < leastSize() || size.y < leastSize()) {
    refuseSize(lastGoodSize_);
    return;
  }
  lastGoodSize_ = size;
  extendScaleToStrip();
  window_->setTopmost(true);
  layOutCornerLabels();
}

void RulerWindow::layOutCornerLabels() {
  const Point size = window_->clientSize();
  const bool horizontal = state_.orientation == Orientation::Horizontal;
  // The free corner: below the numbers of a horizontal scale, right of a vertical one's.
  const int margin = window_->scaled(kLabelMargin), gap = window_->scaled(kNumberGap);
  Rect free{margin, margin, size.x - margin, size.y - margin};
  for (const Rect& number : numberAreas_) {
    if (horizontal && number.left < size.x) free.top = std::max(free.top, number.bottom + gap);
    if (!horizontal && number.top < size.y) free.left = std::max(free.left, number.right + gap);
  }
  const LabelMeasure measure{[&](std::string_view text) { return window_->textSize(kReadoutFont, text); },
                             window_->textSize(kCreditFont, kCredit), window_->scaled(kLabelSpacing)};
  const ReadoutTexts texts = readoutTexts(state_.unit, size, window_->dpi(), drawnPhysical_);
  if (std::string now = texts.unit + texts.x + texts.y; now != toldReadout_) {
    toldReadout_ = std::move(now);
    readoutChanges_.changed();
  }
  const CornerLabels labels = placeCornerLabels(texts, horizontal, free, measure);
  creditLabel_.setCaption(labels.credit ? kCredit : "");
  readoutLabel_.setCaption(labels.readout);
  readoutLabel_.moveTo(labels.readoutAt);
  if (labels.credit) creditLabel_.moveTo(labels.creditAt);
}

void RulerWindow::refuseSize(Point restoreSize) {
  drag_.reset();
  edgeZoneTimer_.setEnabled(false);
  {
    const platform::TopmostSuspended whileTheMessageIsUp(*window_);
    platform_.showMessage(kSizeError);
  }
  if (restoreSize.x >= leastSize() && restoreSize.y >= leastSize()) window_->resize(restoreSize);
}

void RulerWindow::resizeInGesture(Point size) {
  if (size.x < leastSize() || size.y < leastSize()) {
    refuseSize(drag_ ? drag_->startSize : window_->clientSize());
    return;
  }
  window_->resize(size);
}

DragZone RulerWindow::zoneAt(Point screen) const {
  const Rect& r = window_->rect();
  if (!r.contains(screen)) return DragZone::None;
  const bool right = screen.x >= r.right - window_->scaled(kEdgeBand);
  const bool bottom = screen.y >= r.bottom - window_->scaled(kEdgeBand);
  if (right && bottom) return DragZone::Corner;
  if (right) return DragZone::RightEdge;
  return bottom ? DragZone::BottomEdge : DragZone::Move;
}

void RulerWindow::trackEdgeZone() {
  // A drag keeps the zone and the pointer its press gave it.
  if (drag_) return;
  hoverZone_ = zoneAt(platform_.pointerPosition());
  showPointerFor(hoverZone_);
}

void RulerWindow::showPointerFor(DragZone zone) {
  switch (zone) {
    case DragZone::Corner: window_->setPointer(platform::PointerShape::SizeNWSE); break;
    case DragZone::RightEdge: window_->setPointer(platform::PointerShape::SizeWE); break;
    case DragZone::BottomEdge: window_->setPointer(platform::PointerShape::SizeNS); break;
    case DragZone::Move:
    case DragZone::None: window_->setPointer(platform::PointerShape::Default); break;
  }
}

void RulerWindow::handlePress(const platform::MouseEvent& e) {
  if (e.buttons == MouseButton::Left) {
    // The zone is the one where the press happens, and holds until the release.
    const Rect& r = window_->rect();
    drag_ = Drag{zoneAt(e.screen), e.screen - r.topLeft(), Point{r.right, r.bottom} - e.screen, window_->clientSize()};
    edgeZoneTimer_.setEnabled(false);
    showPointerFor(drag_->zone);
  } else if (e.buttons == MouseButton::Right) {
    drag_.reset();
    edgeZoneTimer_.setEnabled(false);
    if (onContextMenu) onContextMenu(std::nullopt);
  }
}

void RulerWindow::handleMouseMove(const platform::MouseEvent& e) {
  if (!drag_) {
    if (e.buttons.empty()) {
      // The pointer is over the strip: its shape follows the bands until it leaves.
      edgeZoneTimer_.setEnabled(true);
      trackEdgeZone();
    }
    return;
  }
  if (e.buttons != MouseButton::Left) return;
  // An edge keeps the distance to the pointer it had at the press.
  const Rect& r = window_->rect();
  const Point reach = e.screen + drag_->grab - r.topLeft();
  switch (drag_->zone) {
    case DragZone::RightEdge: resizeInGesture({reach.x, r.height()}); break;
    case DragZone::BottomEdge: resizeInGesture({r.width(), reach.y}); break;
    case DragZone::Corner: resizeInGesture(reach); break;
    // The pressed point stays under the pointer, on any monitor of the desktop.
    case DragZone::Move: window_->move(e.screen - drag_->pressed); break;
    case DragZone::None: break;
  }
}

void RulerWindow::handleRelease() {
  drag_.reset();
  edgeZoneTimer_.setEnabled(false);
}

void RulerWindow::handleKey(platform::Key key, platform::Modifiers modifiers) {
  if (key == platform::Key::ContextMenu) {
    // From the keyboard the menu opens at the strip's corner: the pointer may be anywhere.
    drag_.reset();
    if (onContextMenu) onContextMenu(window_->rect().topLeft());
    return;
  }
  if (key == platform::Key::M && modifiers == platform::kNoModifiers) {
    if (onMeasureKey) onMeasureKey();
    return;
  }
  if (!platform::isArrow(key)) return;
  const Point step{platform::arrowStep(key).x * measures::kKeyStepPixels,
                   platform::arrowStep(key).y * measures::kKeyStepPixels};
  if (modifiers == platform::kShiftOnly) {
    // One press is one gesture: a size too small is refused and the size before it stays.
    drag_.reset();
    resizeInGesture(window_->rect().size() + step);
  } else if (const Rect moved = window_->rect().movedBy(step);
             platform_.showsOnAMonitor(moved) || platform_.shownReach(moved) > platform_.shownReach(window_->rect())) {
    // The keys never take the strip off every monitor, out of reach; they bring back one a
    // drag left mostly off.
    window_->move(moved.topLeft());
  }
}

}  // namespace lindrel
