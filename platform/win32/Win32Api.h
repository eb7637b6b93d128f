#pragma once
// The Win32-named functions, forwarded to the real calls (the wide ones for text).

#include "platform/Api.h"

namespace lindrel::platform::win32 {

class SurfaceRegistry;

class Win32Api final : public Api {
 public:
  explicit Win32Api(const SurfaceRegistry& surfaces) : surfaces_(surfaces) {}

  bool SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy, unsigned flags) override;
  bool GetWindowRect(Hwnd hwnd, Rect& rect) override;
  bool GetCursorPos(Point& point) override;
  bool SetCursorPos(int x, int y) override;
  Hdc GetDC(Hwnd hwnd) override;
  int ReleaseDC(Hwnd hwnd, Hdc hdc) override;
  Colour GetPixel(Hdc hdc, int x, int y) override;
  bool BitBlt(Hdc dest, int x, int y, int cx, int cy, Hdc src, int x1, int y1, std::uint32_t rop) override;
  bool StretchBlt(Hdc dest, int x, int y, int cx, int cy, Hdc src, int x1, int y1, int cx1, int cy1,
                  std::uint32_t rop) override;
  bool TextOut(Hdc hdc, int x, int y, std::string_view text) override;
  long RegOpenKeyEx(Hkey root, std::string_view subKey, std::uint32_t options, std::uint32_t samDesired,
                    Hkey& result) override;
  long RegQueryValueEx(Hkey key, std::string_view valueName, std::uint32_t& type, std::uint8_t* data,
                       std::uint32_t& size) override;
  long RegCloseKey(Hkey key) override;
  long RegCreateKeyEx(Hkey root, std::string_view subKey, std::uint32_t options, std::uint32_t samDesired,
                      Hkey& result) override;
  long RegSetValueEx(Hkey key, std::string_view valueName, std::uint32_t type, const std::uint8_t* data,
                     std::uint32_t size) override;
  long RegDeleteValue(Hkey key, std::string_view valueName) override;

 private:
  // Drawing on one of the program's surfaces first makes room on it.
  const SurfaceRegistry& surfaces_;
};

}  // namespace lindrel::platform::win32
