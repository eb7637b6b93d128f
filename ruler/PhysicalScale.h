#pragma once
// How large a monitor's pixels really are: what the user measured, else what the monitor
// reports of itself when that is sane, else the 96 pixels to the inch Windows assumes.

#include <optional>
#include <string_view>

#include "platform/Geometry.h"
#include "platform/Result.h"

namespace lindrel {

inline constexpr double kMillimetresPerInch = 25.4;

struct PhysicalScale {
  double pixelsPerMm = 96 / kMillimetresPerInch;
  bool guessed = true;  // neither measured by the user nor reported by the monitor
  friend bool operator==(const PhysicalScale&, const PhysicalScale&) = default;
};

// Pixels per inch a monitor can sanely have; a calibration or a report outside is refused.
inline constexpr double kLeastPixelsPerInch = 50, kMostPixelsPerInch = 350;
constexpr bool isSanePixelsPerMm(double pixelsPerMm) {
  const double perInch = pixelsPerMm * kMillimetresPerInch;
  return perInch >= kLeastPixelsPerInch && perInch <= kMostPixelsPerInch;
}

// In that order: a calibration of the monitor, the size it reports (millimetres) for its
// resolution (pixels), the guess.
PhysicalScale physicalScaleOf(std::optional<double> calibratedPixelsPerMm, std::optional<platform::Point> reportedMm,
                              platform::Point resolution);

enum class LengthUnit { Millimetres, Centimetres, Inches };
struct CalibrationError {
  enum class Problem { NotANumber, OutOfRange } problem;
  double pixelsPerInch = 0;  // what the length would give, when out of range
  friend bool operator==(const CalibrationError&, const CalibrationError&) = default;
};
// The pixels per millimetre of a strip so many pixels long that the user measured as the
// typed length.
platform::Result<double, CalibrationError> calibrationFrom(int stripPixels, std::string_view typed, LengthUnit unit);

}  // namespace lindrel
