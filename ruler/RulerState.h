#pragma once
// What the ruler measures in and which way it lies.

#include <array>
#include <optional>

#include "platform/Geometry.h"

namespace lindrel {

enum class Orientation { Horizontal, Vertical };

constexpr Orientation turned(Orientation o) {
  return o == Orientation::Horizontal ? Orientation::Vertical : Orientation::Horizontal;
}

// The print resolutions a centimetre scale can be drawn at, in menu order.
enum class Resolution { Dpi72, Dpi200Fax, Dpi300, Dpi600, Dpi1200 };

inline constexpr std::array<Resolution, 5> kResolutions{Resolution::Dpi72, Resolution::Dpi200Fax, Resolution::Dpi300,
                                                        Resolution::Dpi600, Resolution::Dpi1200};

struct ResolutionInfo {
  int dotsPerInch;
  const char* caption;  // "200 DPI(FAX)"
};

constexpr ResolutionInfo infoOf(Resolution resolution) {
  switch (resolution) {
    case Resolution::Dpi72: return {72, "72 DPI"};
    case Resolution::Dpi200Fax: return {200, "200 DPI(FAX)"};
    case Resolution::Dpi300: return {300, "300 DPI"};
    case Resolution::Dpi600: return {600, "600 DPI"};
    case Resolution::Dpi1200: break;
  }
  return {1200, "1200 DPI"};
}

// Pixels; centimetres or inches at a print resolution, where a screen pixel is a printed dot;
// or physical centimetres, as a real ruler held to the screen reads them.
enum class UnitKind { Pixels, Centimetres, Inches, Physical };

struct Unit {
  UnitKind kind = UnitKind::Pixels;
  Resolution resolution = Resolution::Dpi72;  // of centimetres and inches only

  static constexpr Unit pixels() { return Unit{}; }
  static constexpr Unit centimetres(Resolution resolution) { return Unit{UnitKind::Centimetres, resolution}; }
  static constexpr Unit inches(Resolution resolution) { return Unit{UnitKind::Inches, resolution}; }
  static constexpr Unit physical() { return Unit{UnitKind::Physical}; }
  friend constexpr bool operator==(const Unit&, const Unit&) = default;
};

// Every unit, in the order the settings keep them: pixels and centimetres first, as they
// always were.
inline constexpr std::array<Unit, 12> kUnits{
    Unit::pixels(),
    Unit::centimetres(Resolution::Dpi72), Unit::centimetres(Resolution::Dpi200Fax), Unit::centimetres(Resolution::Dpi300),
    Unit::centimetres(Resolution::Dpi600), Unit::centimetres(Resolution::Dpi1200),
    Unit::inches(Resolution::Dpi72), Unit::inches(Resolution::Dpi200Fax), Unit::inches(Resolution::Dpi300),
    Unit::inches(Resolution::Dpi600), Unit::inches(Resolution::Dpi1200),
    Unit::physical()};

struct RulerState {
  Orientation orientation = Orientation::Horizontal;
  Unit unit = Unit::pixels();
  friend constexpr bool operator==(const RulerState&, const RulerState&) = default;
};

// The strip as it is kept between runs: its window's top-left and size in physical pixels,
// so it comes back the same at any scaling. What is not known is the first start's.
struct RulerPlacement {
  std::optional<platform::Point> topLeft;
  std::optional<platform::Point> size;
  RulerState state;
  friend bool operator==(const RulerPlacement&, const RulerPlacement&) = default;
};

}  // namespace lindrel
