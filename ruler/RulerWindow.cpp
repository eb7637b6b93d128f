#include "ruler/RulerWindow.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/Topmost.h"

namespace lindrel {
namespace {

using platform::MouseButton;
using platform::Point;
using platform::Rect;

constexpr platform::Colour kYellow = platform::rgb(255, 255, 0);
// One arrow key press: one physical pixel on any monitor.
constexpr double kKeyStepTwips = 20;
// Lengths of the design below grow with the DPI.
// The resize bands reach this far into the strip from its right and bottom edges.
constexpr int kEdgeBandPixels = 4;
// The corner labels keep this far from the strip's edges, and this far from the numbers.
constexpr int kLabelMarginPixels = 5;
constexpr int kNumberGapPixels = 2;
// Between the credit and the readout when they share a line.
constexpr int kLabelSpacingPixels = 8;
constexpr int kEdgeZoneIntervalMs = 100;
constexpr const char* kSizeError = "App Size Error by:zyn";
constexpr const char* kCredit = "Lindrel";
const platform::FontSpec kCreditFont{"Fixedsys", 12, 400, 134};
// The readout in the window's own font.
const platform::FontSpec kReadoutFont{};

double twips(int pixels) { return platform::twipsFromPixels(pixels); }

Rect monitorUnderPointer(platform::Platform& platform) {
  Point pointer;
  platform.api().GetCursorPos(pointer);
  return platform.monitorArea(Rect{pointer.x, pointer.y, pointer.x + 1, pointer.y + 1});
}

// Made on a monitor, half as long as that monitor.
std::unique_ptr<platform::Window> createWindow(platform::Platform& platform, const Rect& monitor) {
  const int dpi = platform.monitorDpi(monitor);
  const int length = platform::pixelsFromTwips(twips(monitor.width()) * 0.5);
  platform::WindowSpec design;
  design.className = "LindrelRuler";
  design.caption = "Form1";
  design.border = platform::Border::None;
  design.backColor = kYellow;
  design.foreColor = platform::kBlack;
  design.startNear = monitor;
  // The design is scaled to the monitor's DPI; the length is physical.
  design.width = twips(length) * platform::kDesignDpi / dpi;
  design.height = RulerWindow::kHorizontalThicknessTwips;
  design.icon = platform::Picture::AppIcon;
  design.surfaceFont = kScaleNumberFont;
  return platform.createWindow(design);
}

// The readout in pieces: the unit (and, for a narrow corner, the unit in two parts, broken
// before the resolution) and the two figures (each also broken before its bracket, for a
// narrow corner on a scaled monitor).
struct ReadoutTexts {
  std::string unit;
  std::vector<std::string> unitParts;
  std::string x;
  std::string y;
  std::vector<std::string> figureParts;
};

std::vector<std::string> brokenBeforeBracket(const std::string& figure) {
  const std::size_t bracket = figure.find(" (");
  if (bracket == std::string::npos) return {figure};
  return {figure.substr(0, bracket), figure.substr(bracket + 1)};
}

// A size in pixels; on a scaled monitor also in the pixels applications and web pages use
// there, with the scale: "1280.00 (640.00 @200%)".
std::string pixelFigure(int pixels, int dpi) {
  std::string figure = platform::text::format(pixels, "0.00");
  if (dpi == platform::kDesignDpi) return figure;
  const double logical = static_cast<double>(pixels) * platform::kDesignDpi / dpi;
  const double percent = 100.0 * dpi / platform::kDesignDpi;
  return figure + " (" + platform::text::format(logical, "0.00") + " @" + platform::text::format(percent, "0") + "%)";
}

ReadoutTexts readoutTexts(Unit unit, Point sizePixels, int dpi) {
  ReadoutTexts t;
  double twipsPerUnit = platform::kTwipsPerPixel;
  t.unit = "单位:像素";
  if (unit.centimetresAt) {
    t.unit = infoOf(*unit.centimetresAt).readoutCaption;
    twipsPerUnit = infoOf(*unit.centimetresAt).twipsPerCentimetre;
  }
  const std::size_t digit = t.unit.find_first_of("0123456789");
  if (digit == std::string::npos) {
    t.unitParts = {t.unit};
  } else {
    std::string first = t.unit.substr(0, digit);
    while (!first.empty() && first.back() == ' ') first.pop_back();
    t.unitParts = {first, t.unit.substr(digit)};
  }
  if (unit.centimetresAt) {
    t.x = "X: " + platform::text::format(twips(sizePixels.x) / twipsPerUnit, "0.00");
    t.y = "Y: " + platform::text::format(twips(sizePixels.y) / twipsPerUnit, "0.00");
  } else {
    t.x = "X: " + pixelFigure(sizePixels.x, dpi);
    t.y = "Y: " + pixelFigure(sizePixels.y, dpi);
  }
  for (const std::string* figure : {&t.x, &t.y}) {
    for (std::string& part : brokenBeforeBracket(*figure)) t.figureParts.push_back(std::move(part));
  }
  return t;
}

using Lines = std::vector<std::string>;

// The corner labels' layouts, from the most to the least that is shown: the credit goes
// first, then the unit, then a figure; a vertical strip lays the readout out line under line.
std::vector<CornerLayout> cornerLayouts(const ReadoutTexts& t, bool horizontal) {
  const std::string oneLine = t.unit + " | " + t.x + " " + t.y;
  const Lines unitFigures{t.unit, t.x, t.y};
  Lines partsFigures = t.unitParts;
  partsFigures.push_back(t.x);
  partsFigures.push_back(t.y);
  Lines allParts = t.unitParts;
  allParts.insert(allParts.end(), t.figureParts.begin(), t.figureParts.end());
  std::vector<Lines> withUnit =
      horizontal ? std::vector<Lines>{{oneLine}, {t.unit, t.x + " " + t.y}, unitFigures, partsFigures}
                 : std::vector<Lines>{unitFigures, partsFigures, {oneLine}};
  if (!horizontal && allParts != partsFigures) withUnit.insert(withUnit.begin() + 2, allParts);
  const std::vector<Lines> figuresOnly =
      horizontal ? std::vector<Lines>{{t.x + " " + t.y}, {t.x, t.y}} : std::vector<Lines>{{t.x, t.y}, {t.x + " " + t.y}};
  std::vector<CornerLayout> layouts;
  for (const Lines& lines : withUnit) {
    if (horizontal) layouts.push_back({lines, true, true});
    layouts.push_back({lines, true, false});
  }
  for (const Lines& lines : withUnit) layouts.push_back({lines, false, false});
  for (const Lines& lines : figuresOnly) layouts.push_back({lines, false, false});
  layouts.push_back({{horizontal ? t.x : t.y}, false, false});
  layouts.push_back({{horizontal ? t.y : t.x}, false, false});
  layouts.push_back({{}, false, false});
  return layouts;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

}  // namespace

RulerStart RulerWindow::startFor(platform::Platform& platform, const RulerPlacement& kept) {
  const Rect desktop = platform.virtualDesktop();
  const auto sizeFits = [&](const Rect& monitor) {
    const int least = minimumSizePixelsAt(platform.monitorDpi(monitor));
    return kept.size && kept.size->x >= least && kept.size->y >= least && kept.size->x <= desktop.width() &&
           kept.size->y <= desktop.height();
  };
  if (kept.topLeft) {
    // At its kept size, or else at the first start's, which is never less than the least
    // part that must show: then its top-left corner must show.
    const Point least{platform::kLeastVisiblePixels, platform::kLeastVisiblePixels};
    for (const bool atKeptSize : {true, false}) {
      if (atKeptSize && !kept.size) continue;
      const Point size = atKeptSize ? *kept.size : least;
      const Rect area{kept.topLeft->x, kept.topLeft->y, kept.topLeft->x + size.x, kept.topLeft->y + size.y};
      const Rect monitor = platform.monitorArea(area);
      if ((atKeptSize && !sizeFits(monitor)) || !platform.showsOnAMonitor(area)) continue;
      return RulerStart{monitor, kept.topLeft, atKeptSize ? kept.size : std::nullopt, kept.state};
    }
  }
  const Rect monitor = monitorUnderPointer(platform);
  return RulerStart{monitor, std::nullopt, sizeFits(monitor) ? kept.size : std::nullopt, kept.state};
}

RulerWindow::RulerWindow(platform::Platform& platform, const RulerPlacement& kept)
    : platform_(platform),
      start_(startFor(platform_, kept)),
      window_(createWindow(platform_, start_.monitor)),
      creditLabel_(window_->addLabel({0, 0, 0, 0, kCredit, kCreditFont, true})),
      readoutLabel_(window_->addLabel({0, 0, 0, 0, "", kReadoutFont, true})),
      edgeZoneTimer_(window_->addTimer(kEdgeZoneIntervalMs, false)) {
  window_->onResize = [this] { layOut(); };
  window_->onDpiChange = [this](const Rect& suggested) { followDpi(suggested); };
  window_->onKeyDown = [this](platform::Key key, platform::Modifiers modifiers) { handleKey(key, modifiers); };
  window_->onMouseLeave = [this] {
    edgeZoneTimer_.setEnabled(false);
    hoverZone_ = DragZone::None;
  };
  edgeZoneTimer_.onTimer = [this] { trackEdgeZone(); };
  window_->onRectChange = [this](platform::ChangedBy) { notifyChange(); };
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
  element.onDblClick = [this] { toggleOrientation(); };
}

int RulerWindow::atDpi(int designPixels) const { return window_->designPixels(twips(designPixels)); }

int RulerWindow::minimumSizePixelsAt(int dpi) {
  const double pixels = kMinimumSizeTwips * dpi / platform::kDesignDpi / platform::kTwipsPerPixel;
  return static_cast<int>(std::ceil(pixels - 1e-9));
}

Point RulerWindow::cornerBlockSize(const CornerLayout& layout) {
  const Point readout = layout.lines.empty() ? Point{} : window_->textSize(kReadoutFont, joinLines(layout.lines));
  if (!layout.credit) return readout;
  const Point credit = window_->textSize(kCreditFont, kCredit);
  return layout.creditBeside ? Point{readout.x + atDpi(kLabelSpacingPixels) + credit.x, std::max(readout.y, credit.y)}
                             : Point{std::max(readout.x, credit.x), readout.y + credit.y};
}

int RulerWindow::defaultThicknessPixels(Orientation orientation) {
  const int dpi = window_->dpi();
  const int monitorLength = platform_.monitorArea(window_->pixelRect()).width();
  const auto known = std::find_if(defaultThicknesses_.begin(), defaultThicknesses_.end(), [&](const DefaultThickness& d) {
    return d.dpi == dpi && d.monitorLength == monitorLength;
  });
  if (known != defaultThicknesses_.end()) {
    lastDefaultThickness_ = *known;
  } else {
    // Measured once for each DPI and monitor size the strip meets.
    // Beside a vertical scale: four-digit numbers, then the widest line of any unit's readout.
    int widest = window_->textSize(kCreditFont, kCredit).x;
    for (const Unit unit : kUnits) {
      ReadoutTexts t = readoutTexts(unit, Point{9999, 9999}, dpi);
      t.unitParts.insert(t.unitParts.end(), t.figureParts.begin(), t.figureParts.end());
      for (const std::string& line : t.unitParts) widest = std::max(widest, window_->textSize(kReadoutFont, line).x);
    }
    const int vertical = numberColumnPixels() + window_->textSize(kScaleNumberFont, "0000").x + atDpi(kNumberGapPixels) +
                         widest + atDpi(kLabelMarginPixels);
    // Below a horizontal scale half the monitor long: the numbers, then every unit's whole
    // readout with the credit, in the flattest layout that fits the length.
    const int width = monitorLength / 2 - 2 * atDpi(kLabelMarginPixels);
    int labels = 0;
    for (const Unit unit : kUnits) {
      int flattest = 0;
      for (const CornerLayout& layout : cornerLayouts(readoutTexts(unit, Point{monitorLength, 9999}, dpi), true)) {
        if (!layout.credit) continue;
        const Point block = cornerBlockSize(layout);
        if (block.x <= width && (flattest == 0 || block.y < flattest)) flattest = block.y;
      }
      labels = std::max(labels, flattest);
    }
    const int horizontal = std::max(window_->designPixels(kHorizontalThicknessTwips),
                                    numberRowPixels() + window_->textSize(kScaleNumberFont, "0").y +
                                        atDpi(kNumberGapPixels) + labels + atDpi(kLabelMarginPixels));
    lastDefaultThickness_ = DefaultThickness{dpi, monitorLength, horizontal, vertical};
    defaultThicknesses_.push_back(*lastDefaultThickness_);
  }
  return orientation == Orientation::Horizontal ? lastDefaultThickness_->horizontal : lastDefaultThickness_->vertical;
}

Point RulerWindow::firstStartSize(Orientation orientation, const Rect& monitor) {
  const int length = platform::pixelsFromTwips(twips(monitor.width()) * 0.5);
  const int thickness = defaultThicknessPixels(orientation);
  if (orientation == Orientation::Horizontal) return Point{length, thickness};
  return Point{thickness, std::min(length, monitor.height())};
}

void RulerWindow::start() {
  const Rect& monitor = start_.monitor;
  state_ = start_.state;
  const Point size = start_.size ? *start_.size : firstStartSize(state_.orientation, monitor);
  {
    // Not on the screen yet: the sizes of start-up reach the system once, not one by one.
    auto hold = window_->holdScreenUpdates();
    setSizePixels(size.x, size.y);
    redrawScale();
    platform::setTopmost(platform_.api(), window_->hwnd(), true);
  }
  window_->show(start_.topLeft ? *start_.topLeft
                               : Point{monitor.left + (monitor.width() - size.x) / 2,
                                       monitor.top + (monitor.height() - size.y) / 2});
}

void RulerWindow::restoreFirstStart() {
  const Rect monitor = monitorUnderPointer(platform_);
  // Onto that monitor first: the default thickness is measured at its DPI and length.
  if (platform_.monitorArea(window_->pixelRect()) != monitor) window_->move(twips(monitor.left), twips(monitor.top));
  state_ = RulerState{};
  drag_.reset();
  {
    auto hold = window_->holdScreenUpdates();
    const Point size = firstStartSize(Orientation::Horizontal, monitor);
    setSizePixels(size.x, size.y);
    window_->move(twips(monitor.left + (monitor.width() - size.x) / 2),
                  twips(monitor.top + (monitor.height() - size.y) / 2));
    redrawScale();
  }
  layOutCornerLabels();
  notifyChange();
}

RulerPlacement RulerWindow::placement() const {
  const Rect r = window_->pixelRect();
  return RulerPlacement{Point{r.left, r.top}, Point{r.width(), r.height()}, state_};
}

void RulerWindow::notifyChange() {
  if (onChange) onChange();
}

void RulerWindow::followDpi(const Rect& suggested) {
  const Rect before = window_->pixelRect();
  const bool horizontal = state_.orientation == Orientation::Horizontal;
  int thickness = horizontal ? before.height() : before.width();
  const std::optional<DefaultThickness> old = lastDefaultThickness_;
  const bool atDefault = old && old->dpi != window_->dpi() && thickness == (horizontal ? old->horizontal : old->vertical);
  {
    auto hold = window_->holdScreenUpdates();
    window_->move(twips(suggested.left), twips(suggested.top));
    // A strip at the old DPI's default thickness takes the new one's; a thickness the user
    // chose stays, grown to the least size if it is below it now.
    if (atDefault) thickness = defaultThicknessPixels(state_.orientation);
    const int minimum = minimumSizePixels();
    thickness = std::max(thickness, minimum);
    const int length = std::max(horizontal ? before.width() : before.height(), minimum);
    setSizePixels(horizontal ? length : thickness, horizontal ? thickness : length);
    // The numbers are written in the new DPI's font.
    redrawScale();
  }
  layOutCornerLabels();
}

void RulerWindow::setUnit(Unit unit) {
  state_.unit = unit;
  redrawScale();
  layOutCornerLabels();
  notifyChange();
}

void RulerWindow::toggleOrientation() {
  const Rect before = window_->pixelRect();
  const Orientation turnedTo = turned(state_.orientation);
  // A strip at its orientation's default thickness takes the other one's; a thickness the
  // user chose stays.
  int thickness = state_.orientation == Orientation::Horizontal ? before.height() : before.width();
  if (thickness == defaultThicknessPixels(state_.orientation)) thickness = defaultThicknessPixels(turnedTo);
  const Rect monitor = platform_.monitorArea(before);
  const bool horizontal = turnedTo == Orientation::Horizontal;
  const int length = std::min(horizontal ? before.height() : before.width(),
                              horizontal ? monitor.width() : monitor.height());
  const int width = horizontal ? length : thickness, height = horizontal ? thickness : length;
  // Moved up or left just enough to lie wholly on the monitor it was on.
  const int left = std::max(monitor.left, std::min(before.left, monitor.right - width));
  const int top = std::max(monitor.top, std::min(before.top, monitor.bottom - height));
  state_.orientation = turnedTo;
  drag_.reset();
  {
    // The strip reaches the screen once, turned and drawn.
    auto hold = window_->holdScreenUpdates();
    window_->move(twips(left), twips(top));
    setSizePixels(width, height);
    redrawScale();
  }
  layOutCornerLabels();
  notifyChange();
}

void RulerWindow::setSizePixels(int widthPixels, int heightPixels) { window_->resize(twips(widthPixels), twips(heightPixels)); }

int RulerWindow::lengthPixels() const {
  const Point client = window_->clientSize();
  return state_.orientation == Orientation::Horizontal ? client.x : client.y;
}

void RulerWindow::redrawScale() {
  const Rect monitor = platform_.monitorArea(window_->pixelRect());
  const bool horizontal = state_.orientation == Orientation::Horizontal;
  // As far as the monitor is long, or further for a longer strip: growing the strip then
  // seldom needs a redraw.
  const int reach = std::max(lengthPixels(), horizontal ? monitor.width() : monitor.height());
  window_->cls();
  drawScale(state_.orientation, state_.unit, reach);
}

void RulerWindow::extendScaleToStrip() {
  const int length = lengthPixels();
  if (length <= drawnReach_) return;
  const Rect monitor = platform_.monitorArea(window_->pixelRect());
  const int slack = (state_.orientation == Orientation::Horizontal ? monitor.width() : monitor.height()) / 2;
  window_->cls();
  drawScale(state_.orientation, state_.unit, length + slack);
}

void RulerWindow::layOut() {
  const Point size = window_->clientSize();
  if (size.x < minimumSizePixels() || size.y < minimumSizePixels()) {
    refuseSize(lastGoodSize_);
    return;
  }
  lastGoodSize_ = size;
  extendScaleToStrip();
  platform::setTopmost(platform_.api(), window_->hwnd(), true);
  layOutCornerLabels();
}

void RulerWindow::layOutCornerLabels() {
  const Point size = window_->clientSize();
  const bool horizontal = state_.orientation == Orientation::Horizontal;
  // The free corner: below the numbers of a horizontal scale, right of a vertical one's.
  const int margin = atDpi(kLabelMarginPixels), gap = atDpi(kNumberGapPixels), spacing = atDpi(kLabelSpacingPixels);
  Rect free{margin, margin, size.x - margin, size.y - margin};
  for (const Rect& number : numberAreas_) {
    if (horizontal && number.left < size.x) free.top = std::max(free.top, number.bottom + gap);
    if (!horizontal && number.top < size.y) free.left = std::max(free.left, number.right + gap);
  }
  const Point credit = window_->textSize(kCreditFont, kCredit);
  for (const CornerLayout& c : cornerLayouts(readoutTexts(state_.unit, size, window_->dpi()), horizontal)) {
    const std::string text = joinLines(c.lines);
    const Point readout = c.lines.empty() ? Point{} : window_->textSize(kReadoutFont, text);
    const Point block = cornerBlockSize(c);
    if (!c.lines.empty() && (block.x > free.width() || block.y > free.height())) continue;
    // Anchored in the bottom-right corner of the free area.
    creditLabel_.setCaption(c.credit ? kCredit : "");
    readoutLabel_.setCaption(text);
    const int readoutBottom = c.credit && !c.creditBeside ? free.bottom - credit.y : free.bottom;
    readoutLabel_.setLeft(twips(free.right - readout.x));
    readoutLabel_.setTop(twips(readoutBottom - readout.y));
    if (c.credit) {
      creditLabel_.setLeft(twips(c.creditBeside ? free.right - readout.x - spacing - credit.x
                                                : free.right - credit.x));
      creditLabel_.setTop(twips(free.bottom - credit.y));
    }
    return;
  }
}

void RulerWindow::refuseSize(Point restoreSize) {
  drag_.reset();
  edgeZoneTimer_.setEnabled(false);
  {
    const platform::TopmostSuspended whileTheMessageIsUp(platform_.api(), window_->hwnd());
    platform_.msgBox(kSizeError);
  }
  if (restoreSize.x >= minimumSizePixels() && restoreSize.y >= minimumSizePixels()) {
    setSizePixels(restoreSize.x, restoreSize.y);
  }
}

void RulerWindow::resizeInGesture(int widthPixels, int heightPixels) {
  if (widthPixels < minimumSizePixels() || heightPixels < minimumSizePixels()) {
    refuseSize(drag_ ? drag_->startSize : window_->clientSize());
    return;
  }
  setSizePixels(widthPixels, heightPixels);
}

DragZone RulerWindow::zoneAt(Point screen) const {
  const Rect r = window_->pixelRect();
  if (!r.contains(screen)) return DragZone::None;
  const bool right = screen.x >= r.right - atDpi(kEdgeBandPixels);
  const bool bottom = screen.y >= r.bottom - atDpi(kEdgeBandPixels);
  if (right && bottom) return DragZone::Corner;
  if (right) return DragZone::RightEdge;
  return bottom ? DragZone::BottomEdge : DragZone::Move;
}

void RulerWindow::trackEdgeZone() {
  // A drag keeps the zone and the pointer its press gave it.
  if (drag_) return;
  Point cursor;
  platform_.api().GetCursorPos(cursor);
  hoverZone_ = zoneAt(cursor);
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
    Point cursor;
    platform_.api().GetCursorPos(cursor);
    drag_ = Drag{zoneAt(cursor),
                 {static_cast<std::int32_t>(platform::roundHalfEven(e.x)),
                  static_cast<std::int32_t>(platform::roundHalfEven(e.y))},
                 window_->clientSize()};
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
  Point cursor;
  platform_.api().GetCursorPos(cursor);
  const Rect r = window_->pixelRect();
  switch (drag_->zone) {
    case DragZone::RightEdge: resizeInGesture(cursor.x - r.left, r.height()); break;
    case DragZone::BottomEdge: resizeInGesture(r.width(), cursor.y - r.top); break;
    case DragZone::Corner: resizeInGesture(cursor.x - r.left, cursor.y - r.top); break;
    case DragZone::Move:
      // The pressed point stays under the pointer, on any monitor of the desktop.
      window_->move(platform::roundHalfEven(window_->left() - drag_->pressTwips.x + e.x),
                    platform::roundHalfEven(window_->top() - drag_->pressTwips.y + e.y));
      break;
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
    if (onContextMenu) onContextMenu(platform::Point{window_->pixelRect().left, window_->pixelRect().top});
    return;
  }
  const platform::ArrowStep step = platform::arrowStep(key);
  if (!platform::isArrow(key)) return;
  const double dx = step.dx * kKeyStepTwips, dy = step.dy * kKeyStepTwips;
  platform::Window& w = *window_;
  if (modifiers == platform::kShiftOnly) {
    // One press is one gesture: a size too small is refused and the size before it stays.
    drag_.reset();
    resizeInGesture(platform::pixelsFromTwips(w.width() + dx), platform::pixelsFromTwips(w.height() + dy));
  } else {
    w.move(w.left() + dx, w.top() + dy);
  }
}

}  // namespace lindrel
