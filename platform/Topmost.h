#pragma once
// Putting a window into or out of the topmost band.

#include "platform/Api.h"

namespace lindrel::platform {

// Position and size stay; the window is also activated and raised within its band, so a box
// shown next is not hidden behind it.
inline void setTopmost(Api& api, Hwnd window, bool topmost) {
  api.SetWindowPos(window, topmost ? kHwndTopmost : kHwndNoTopmost, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize);
}

// Out of the topmost band for as long as it lives, so a box shown meanwhile is not hidden
// behind the window; back into the band when it goes, however the scope is left.
class [[nodiscard]] TopmostSuspended {
 public:
  TopmostSuspended(Api& api, Hwnd window) : api_(api), window_(window) { setTopmost(api_, window_, false); }
  ~TopmostSuspended() { setTopmost(api_, window_, true); }
  TopmostSuspended(const TopmostSuspended&) = delete;
  TopmostSuspended& operator=(const TopmostSuspended&) = delete;

 private:
  Api& api_;
  Hwnd window_;
};

}  // namespace lindrel::platform
