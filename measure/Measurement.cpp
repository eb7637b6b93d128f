#include "measure/Measurement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ruler/RulerReadout.h"
#include "text/Numbers.h"
#include "strings/UiText.h"

namespace lindrel::measure {

using platform::Point;

namespace {

// Each unit's name and decimals, by UnitKind: whole pixels, else two decimals.
struct UnitLengths {
  const char* name;
  int decimals;
};
constexpr UnitLengths kLengths[] = {{"px", 0}, {"cm", 2}, {"in", 2}, {"cm", 2}};

std::string lengthText(double pixels, Unit unit, const PhysicalScale& physical, int leastDecimals = 0) {
  const UnitLengths& lengths = kLengths[static_cast<std::size_t>(unit.kind)];
  return text::fixedDecimals(lengthIn(unit, pixels, physical), std::max(lengths.decimals, leastDecimals));
}

const char* unitName(Unit unit) { return kLengths[static_cast<std::size_t>(unit.kind)].name; }

}  // namespace

TwoPoints between(Point from, Point to) {
  const int dx = to.x - from.x, dy = to.y - from.y;
  const double across = std::abs(static_cast<double>(dx)), along = std::abs(static_cast<double>(dy));
  // atan2(0, 0) is 0: a line of no length lies flat.
  return TwoPoints{dx, dy, std::hypot(across, along), std::atan2(along, across) * 180.0 / std::numbers::pi};
}

std::string spacingText(const Spans& spans, Unit unit, const PhysicalScale& physical) {
  return lengthText(spans.horizontal(), unit, physical) + " × " + lengthText(spans.vertical(), unit, physical) + " " +
         unitName(unit);
}

std::string twoPointsText(const TwoPoints& line, Unit unit, const PhysicalScale& physical) {
  return "dx " + lengthText(line.dx, unit, physical) + ", dy " + lengthText(line.dy, unit, physical) + ", " +
         lengthText(line.length, unit, physical, 2) + " " + unitName(unit) + ", " + text::twoDecimals(line.angleDegrees) + "°";
}

Measurement::Measurement(std::vector<Monitor> monitors, Unit unit, Point pointer)
    : monitors_(std::move(monitors)), unit_(unit), pointer_(pointer) {}

const Measurement::Monitor* Measurement::monitorAt(Point p) const {
  for (const Monitor& m : monitors_) {
    if (m.capture.contains(p)) return &m;
  }
  return nullptr;
}

Point Measurement::snapped(Point p, bool ctrl) const {
  const Monitor* m = ctrl ? monitorAt(p) : nullptr;
  if (m == nullptr) return p;
  return snapToEdge(m->capture, p, tolerance_).value_or(p);
}

void Measurement::startLine(Point at, bool ctrl) {
  const Point from = snapped(at, ctrl);
  line_ = Line{from, from, true};
}

void Measurement::pointerMoved(Point at, bool ctrl) {
  pointer_ = at;
  if (line_ && line_->placing) line_->to = snapped(at, ctrl);
}

void Measurement::pressed(Point at, bool ctrl) {
  pointer_ = at;
  startLine(at, ctrl);
  dragging_ = true;
}

void Measurement::released(Point at, bool ctrl) {
  if (!dragging_) return;
  dragging_ = false;
  pointerMoved(at, ctrl);
  if (line_) line_->placing = false;
}

void Measurement::enter(bool ctrl) {
  if (dragging_) return;
  if (line_ && line_->placing) {
    line_->to = snapped(pointer_, ctrl);
    line_->placing = false;
  } else {
    startLine(pointer_, ctrl);
  }
}

Point Measurement::arrow(Point step, bool ctrl) {
  const Point moved = pointer_ + step;
  // Onto the screen: into the capture nearest along the step, or back where it was.
  if (monitorAt(moved) != nullptr) pointerMoved(moved, ctrl);
  return pointer_;
}

void Measurement::turnWheel(int notches) {
  tolerance_ = std::clamp(tolerance_ + notches * kToleranceStep, 0, 255);
}

bool Measurement::rightClick() {
  if (line_ && line_->placing) {
    line_.reset();
    dragging_ = false;
    return false;
  }
  return true;
}

std::optional<Spans> Measurement::spans() const {
  if (line_) return std::nullopt;
  const Monitor* m = monitorAt(pointer_);
  return m != nullptr ? spansAt(m->capture, pointer_, tolerance_) : std::nullopt;
}

std::string Measurement::text() const {
  // Physical lengths in the scale of the monitor they start on.
  const Monitor* m = monitorAt(line_ ? line_->from : pointer_);
  const PhysicalScale physical = m != nullptr ? m->physical : PhysicalScale{};
  if (line_) return twoPointsText(between(line_->from, line_->to), unit_, physical);
  const std::optional<Spans> s = spans();
  return s ? spacingText(*s, unit_, physical) : std::string{};
}

std::vector<std::string> Measurement::label() const {
  std::string reading = text();
  const Monitor* m = monitorAt(pointer_);
  if (const std::optional<Spans> s = spans(); s && unit_.kind == UnitKind::Pixels && m != nullptr && m->dpi != platform::kDesignDpi) {
    reading += " (" + scaledPixels(s->horizontal(), m->dpi) + " × " + scaledPixels(s->vertical(), m->dpi) + " " +
               scalingText(m->dpi) + ")";
  }
  return {reading, strings::ui(strings::UiText::MeasureTolerance, {std::to_string(tolerance_)})};
}

}  // namespace lindrel::measure
