#include "ruler/zynmod.h"

namespace lindrel::zynmod {

void setTopMost(platform::Api& api, platform::Hwnd hwnd, platform::VbBool flag) {
  const platform::Hwnd band = flag == platform::kTrue ? platform::kHwndTopmost : platform::kHwndNoTopmost;
  // No SWP_NOACTIVATE: the window comes to the front of its band, so a box shown next is not hidden.
  api.SetWindowPos(hwnd, band, 0, 0, 0, 0, platform::kSwpNoMove | platform::kSwpNoSize);
}

}  // namespace lindrel::zynmod
