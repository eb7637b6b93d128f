#include "ruler/PhysicalScale.h"

#include "text/Numbers.h"

namespace lindrel {
PhysicalScale physicalScaleOf(std::optional<double> calibratedPixelsPerMm, std::optional<platform::Point> reportedMm,
                              platform::Point resolution) {
  if (calibratedPixelsPerMm && isSanePixelsPerMm(*calibratedPixelsPerMm)) return {*calibratedPixelsPerMm, false};
  if (reportedMm && reportedMm->x > 0 && reportedMm->y > 0) {
    const double across = resolution.x / static_cast<double>(reportedMm->x);
    const double down = resolution.y / static_cast<double>(reportedMm->y);
    if (isSanePixelsPerMm(across) && isSanePixelsPerMm(down)) return {across, false};
  }
  return {};
}

platform::Result<double, CalibrationError> calibrationFrom(int stripPixels, std::string_view typed, LengthUnit unit) {
  using Problem = CalibrationError::Problem;
  const auto length = text::parseDecimal(typed);
  if (!length) return CalibrationError{Problem::NotANumber};
  constexpr double kMillimetresIn[] = {1, 10, kMillimetresPerInch};  // by LengthUnit
  const double mm = *length * kMillimetresIn[static_cast<int>(unit)];
  const double pixelsPerMm = mm > 0 ? stripPixels / mm : 0;
  if (!isSanePixelsPerMm(pixelsPerMm)) return CalibrationError{Problem::OutOfRange, pixelsPerMm * kMillimetresPerInch};
  return pixelsPerMm;
}

}  // namespace lindrel
