#pragma once
// Putting a window into or out of the topmost band.

#include "platform/Api.h"
#include "platform/Units.h"

namespace lindrel::zynmod {

// Topmost for flag -1 (True) only; any other value takes the window out of the band.
// Position and size stay; the window is also activated and raised within its band.
void setTopMost(platform::Api& api, platform::Hwnd hwnd, platform::VbBool flag);

// Out of the topmost band for as long as it lives, so a box shown meanwhile is not hidden
// behind the window; back into the band when it goes, however the scope is left.
class OutOfTopmostBand {
 public:
  OutOfTopmostBand(platform::Api& api, platform::Hwnd hwnd) : api_(api), hwnd_(hwnd) {
    setTopMost(api_, hwnd_, platform::kFalse);
  }
  ~OutOfTopmostBand() { setTopMost(api_, hwnd_, platform::kTrue); }
  OutOfTopmostBand(const OutOfTopmostBand&) = delete;
  OutOfTopmostBand& operator=(const OutOfTopmostBand&) = delete;

 private:
  platform::Api& api_;
  platform::Hwnd hwnd_;
};

}  // namespace lindrel::zynmod
