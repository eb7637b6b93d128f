#include "platform/win32/Win32Api.h"

#include "platform/win32/Handles.h"
#include "platform/win32/Surface.h"
#include "platform/win32/Windows.h"

namespace lindrel::platform::win32 {
namespace {

HWND toHwnd(Hwnd h) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(h)); }
HDC toHdc(Hdc h) { return reinterpret_cast<HDC>(static_cast<std::uintptr_t>(h)); }
HKEY toHkey(Hkey h) { return reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(h)); }

}  // namespace

bool Win32Api::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy, unsigned flags) {
  HWND window = toHwnd(hwnd);
  // A hidden window already in the band it is asked into has nothing to move, raise or
  // activate; start-up asks this several times, and each call is a trip to the window system.
  if (flags == (SWP_NOMOVE | SWP_NOSIZE) && ::IsWindow(window) &&
      !::IsWindowVisible(window) && (insertAfter == kHwndTopmost || insertAfter == kHwndNoTopmost)) {
    const bool topmost = (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (topmost == (insertAfter == kHwndTopmost)) return true;
  }
  return ::SetWindowPos(window, toHwnd(insertAfter), x, y, cx, cy, flags) != FALSE;
}

bool Win32Api::GetWindowRect(Hwnd hwnd, Rect& rect) {
  RECT r{};
  const bool ok = ::GetWindowRect(toHwnd(hwnd), &r) != FALSE;
  rect = Rect{r.left, r.top, r.right, r.bottom};
  return ok;
}

bool Win32Api::SetCursorPos(int x, int y) { return ::SetCursorPos(x, y) != FALSE; }

bool Win32Api::GetCursorPos(Point& point) {
  POINT p{};
  const bool ok = ::GetCursorPos(&p) != FALSE;
  point = Point{p.x, p.y};
  return ok;
}

Hdc Win32Api::GetDC(Hwnd hwnd) { return Hdc{reinterpret_cast<std::uintptr_t>(::GetDC(toHwnd(hwnd)))}; }

int Win32Api::ReleaseDC(Hwnd hwnd, Hdc hdc) { return ::ReleaseDC(toHwnd(hwnd), toHdc(hdc)); }

Colour Win32Api::GetPixel(Hdc hdc, int x, int y) {
  if (const Surface* surface = surfaces_.find(toHdc(hdc))) return surface->pixel(Point{x, y});
  return ::GetPixel(toHdc(hdc), x, y);
}

bool Win32Api::BitBlt(Hdc dest, int x, int y, int cx, int cy, Hdc src, int x1, int y1, std::uint32_t rop) {
  if (Surface* surface = surfaces_.find(toHdc(dest))) surface->cover(Rect{x, y, x + cx, y + cy});
  return ::BitBlt(toHdc(dest), x, y, cx, cy, toHdc(src), x1, y1, rop) != FALSE;
}

bool Win32Api::StretchBlt(Hdc dest, int x, int y, int cx, int cy, Hdc src, int x1, int y1, int cx1, int cy1,
                          std::uint32_t rop) {
  if (Surface* surface = surfaces_.find(toHdc(dest))) surface->cover(Rect{x, y, x + cx, y + cy});
  // Whole pixels, no blending: each source pixel becomes a block.
  ::SetStretchBltMode(toHdc(dest), COLORONCOLOR);
  return ::StretchBlt(toHdc(dest), x, y, cx, cy, toHdc(src), x1, y1, cx1, cy1, rop) != FALSE;
}

bool Win32Api::TextOut(Hdc hdc, int x, int y, std::string_view text) {
  const std::wstring w = wide(text);
  if (Surface* surface = surfaces_.find(toHdc(hdc))) surface->coverText(x, y, w);
  return ::TextOutW(toHdc(hdc), x, y, w.c_str(), static_cast<int>(w.size())) != FALSE;
}

long Win32Api::RegOpenKeyEx(Hkey root, std::string_view subKey, std::uint32_t options, std::uint32_t samDesired,
                            Hkey& result) {
  HKEY key = nullptr;
  const LONG status = ::RegOpenKeyExW(toHkey(root), wide(subKey).c_str(), options, samDesired, &key);
  result = Hkey{reinterpret_cast<std::uintptr_t>(key)};
  return status;
}

long Win32Api::RegQueryValueEx(Hkey key, std::string_view valueName, std::uint32_t& type, std::uint8_t* data,
                               std::uint32_t& size) {
  DWORD t = 0;
  DWORD s = size;
  const LONG status = ::RegQueryValueExW(toHkey(key), wide(valueName).c_str(), nullptr, &t, data, &s);
  type = t;
  size = s;
  return status;
}

long Win32Api::RegCloseKey(Hkey key) { return ::RegCloseKey(toHkey(key)); }

long Win32Api::RegCreateKeyEx(Hkey root, std::string_view subKey, std::uint32_t options, std::uint32_t samDesired,
                              Hkey& result) {
  HKEY key = nullptr;
  const LONG status = ::RegCreateKeyExW(toHkey(root), wide(subKey).c_str(), 0, nullptr, options, samDesired, nullptr,
                                        &key, nullptr);
  result = Hkey{reinterpret_cast<std::uintptr_t>(key)};
  return status;
}

long Win32Api::RegSetValueEx(Hkey key, std::string_view valueName, std::uint32_t type, const std::uint8_t* data,
                             std::uint32_t size) {
  return ::RegSetValueExW(toHkey(key), wide(valueName).c_str(), 0, type, data, size);
}

long Win32Api::RegDeleteValue(Hkey key, std::string_view valueName) {
  return ::RegDeleteValueW(toHkey(key), wide(valueName).c_str());
}

}  // namespace lindrel::platform::win32
