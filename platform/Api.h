#pragma once
// The Win32 functions the program calls by name, with their names and arguments.
// win32/ forwards each to the real call; sim/ simulates it and records it.
// Only Win32Api.cpp sees <windows.h>; here the handles are opaque values.

#include <cstdint>
#include <string_view>

#include "platform/Units.h"

namespace lindrel::platform {

enum class Hwnd : std::uintptr_t {};
enum class Hdc : std::uintptr_t {};
enum class Hkey : std::uintptr_t {};

inline constexpr Hwnd kNoWindow{0};
inline constexpr Hdc kNoDc{0};
inline constexpr Hkey kNoKey{0};
inline constexpr Hwnd kHwndTopmost{static_cast<std::uintptr_t>(-1)};
inline constexpr Hwnd kHwndNoTopmost{static_cast<std::uintptr_t>(-2)};
inline constexpr Hkey kHkeyCurrentUser{0x80000001u};
inline constexpr Hkey kHkeyLocalMachine{0x80000002u};

inline constexpr unsigned kSwpNoSize = 0x0001;
inline constexpr unsigned kSwpNoMove = 0x0002;
inline constexpr unsigned kSwpNoZOrder = 0x0004;
inline constexpr std::uint32_t kSrcCopy = 0x00CC0020;
inline constexpr std::uint32_t kBlackness = 0x00000042;

inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kRegOptionNonVolatile = 0;
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorMoreData = 234;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

class Api {
 public:
  virtual ~Api() = default;

  virtual bool SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int x, int y, int cx, int cy, unsigned flags) = 0;
  virtual bool GetWindowRect(Hwnd hwnd, Rect& rect) = 0;
  virtual bool GetCursorPos(Point& point) = 0;
  // Moves the pointer; the system keeps it on the desktop.
  virtual bool SetCursorPos(int x, int y) = 0;

  // GetDC(kNoWindow) is the device context of the whole screen.
  virtual Hdc GetDC(Hwnd hwnd) = 0;
  virtual int ReleaseDC(Hwnd hwnd, Hdc hdc) = 0;
  virtual Colour GetPixel(Hdc hdc, int x, int y) = 0;
  virtual bool BitBlt(Hdc dest, int x, int y, int cx, int cy, Hdc src, int x1, int y1, std::uint32_t rop) = 0;
  virtual bool StretchBlt(Hdc dest, int x, int y, int cx, int cy, Hdc src, int x1, int y1, int cx1, int cy1,
                          std::uint32_t rop) = 0;
  // Text is UTF-8 here; the real call is the wide one, so any text shows on any locale.
  virtual bool TextOut(Hdc hdc, int x, int y, std::string_view text) = 0;

  // Key paths and value names are UTF-8; the data comes back as the wide call returns it
  // (REG_SZ as UTF-16LE with its terminating zero).
  virtual long RegOpenKeyEx(Hkey root, std::string_view subKey, std::uint32_t options, std::uint32_t samDesired,
                            Hkey& result) = 0;
  virtual long RegQueryValueEx(Hkey key, std::string_view valueName, std::uint32_t& type, std::uint8_t* data,
                               std::uint32_t& size) = 0;
  virtual long RegCloseKey(Hkey key) = 0;
  // Opens a key, making it (and the keys above it) first when it is not there.
  virtual long RegCreateKeyEx(Hkey root, std::string_view subKey, std::uint32_t options, std::uint32_t samDesired,
                              Hkey& result) = 0;
  // Replaces a value's type and data in one step; the key must be open with KEY_SET_VALUE.
  virtual long RegSetValueEx(Hkey key, std::string_view valueName, std::uint32_t type, const std::uint8_t* data,
                             std::uint32_t size) = 0;
  virtual long RegDeleteValue(Hkey key, std::string_view valueName) = 0;
};

}  // namespace lindrel::platform
