#pragma once
// Putting a window into or out of the topmost band.

#include "platform/Api.h"
#include "platform/Units.h"

namespace lindrel::zynmod {

// Topmost for flag -1 (True) only; any other value takes the window out of the band.
// Position and size stay; the window is also activated and raised within its band.
void setTopMost(platform::Api& api, platform::Hwnd hwnd, platform::VbBool flag);

}  // namespace lindrel::zynmod
