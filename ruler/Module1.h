#pragma once
// State the ruler, its menu commands and the orientation switch share.

#include <string>

#include "platform/Units.h"

namespace lindrel {

struct Module1 {
  // True (-1): the ruler lies horizontally, its scale along the top edge; False: vertically.
  platform::VbBool isHor = platform::kFalse;
  // "xs": pixels; "0" to "4": centimetres at the resolution of that menu index.
  std::string unitMode;
};

}  // namespace lindrel
