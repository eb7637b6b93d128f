#pragma once
// Move-only owners for every Win32 handle the implementation holds.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Scoped.h"
#include <algorithm>
#include "platform/win32/Windows.h"

namespace lindrel::platform::win32 {

struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static constexpr HGDIOBJ empty() { return nullptr; }
  void close(HGDIOBJ h) const { ::DeleteObject(h); }
};
using GdiObject = Scoped<GdiObjectTraits>;

struct MemoryDcTraits {
  using Handle = HDC;
  static constexpr HDC empty() { return nullptr; }
  void close(HDC h) const { ::DeleteDC(h); }
};
using MemoryDc = Scoped<MemoryDcTraits>;

struct WindowDcTraits {
  using Handle = HDC;
  HWND window = nullptr;
  static constexpr HDC empty() { return nullptr; }
  void close(HDC h) const { ::ReleaseDC(window, h); }
};
using WindowDc = Scoped<WindowDcTraits>;
inline WindowDc getWindowDc(HWND window) { return WindowDc(::GetDC(window), WindowDcTraits{window}); }

// A function of a module that older systems may lack, as a pointer of its type; null where
// the module or the function is missing.
template <class F>
F* procedureOf(HMODULE module, const char* name) {
  return module == nullptr ? nullptr : reinterpret_cast<F*>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

struct WindowTraits {
  using Handle = HWND;
  static constexpr HWND empty() { return nullptr; }
  void close(HWND h) const { ::DestroyWindow(h); }
};
using WindowHandle = Scoped<WindowTraits>;

struct MenuTraits {
  using Handle = HMENU;
  static constexpr HMENU empty() { return nullptr; }
  void close(HMENU h) const { ::DestroyMenu(h); }
};
using MenuHandle = Scoped<MenuTraits>;

struct IconTraits {
  using Handle = HICON;
  static constexpr HICON empty() { return nullptr; }
  void close(HICON h) const { ::DestroyIcon(h); }
};
using IconHandle = Scoped<IconTraits>;

struct CursorTraits {
  using Handle = HCURSOR;
  static constexpr HCURSOR empty() { return nullptr; }
  void close(HCURSOR h) const { ::DestroyCursor(h); }
};
using CursorHandle = Scoped<CursorTraits>;

struct GlobalMemoryTraits {
  using Handle = HGLOBAL;
  static constexpr HGLOBAL empty() { return nullptr; }
  void close(HGLOBAL h) const { ::GlobalFree(h); }
};
// Freed unless released to the system (the clipboard owns it once SetClipboardData took it).
using GlobalMemory = Scoped<GlobalMemoryTraits>;

struct HandleTraits {
  using Handle = HANDLE;
  static HANDLE empty() { return nullptr; }
  void close(HANDLE h) const { ::CloseHandle(h); }
};
using KernelHandle = Scoped<HandleTraits>;

struct ModuleTraits {
  using Handle = HMODULE;
  static HMODULE empty() { return nullptr; }
  void close(HMODULE h) const { ::FreeLibrary(h); }
};
using ModuleHandle = Scoped<ModuleTraits>;

// A COM interface, released once by whoever holds it last.
template <class T>
struct ComTraits {
  using Handle = T*;
  static constexpr T* empty() { return nullptr; }
  void close(T* p) const { p->Release(); }
};
template <class T>
using ComPtr = Scoped<ComTraits<T>>;

// The DC of a WM_PAINT, from BeginPaint to EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  ~PaintDc() { ::EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// The clipboard from a successful OpenClipboard to CloseClipboard; the handle is the owner.
struct ClipboardTraits {
  using Handle = HWND;
  static HWND empty() { return reinterpret_cast<HWND>(~std::uintptr_t{0}); }
  void close(HWND) const { ::CloseClipboard(); }
};
using ClipboardOpen = Scoped<ClipboardTraits>;

// Selects an object into a DC for a scope and puts the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~SelectGuard() { ::SelectObject(dc_, previous_); }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Clips a DC's drawing to an area for a scope; the DC's state comes back with it.
class ClipGuard {
 public:
  ClipGuard(HDC dc, const RECT& area) : dc_(dc), saved_(::SaveDC(dc)) {
    ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  }
  ~ClipGuard() { ::RestoreDC(dc_, saved_); }
  ClipGuard(const ClipGuard&) = delete;
  ClipGuard& operator=(const ClipGuard&) = delete;

 private:
  HDC dc_;
  int saved_;
};

struct RegistryKeyTraits {
  using Handle = HKEY;
  static HKEY empty() { return nullptr; }
  void close(HKEY h) const { ::RegCloseKey(h); }
};
using RegistryKey = Scoped<RegistryKeyTraits>;

// UTF-8 and UTF-16 both ways; what is not UTF-8 becomes U+FFFD.
inline std::wstring wide(std::string_view utf8) {
  std::wstring out(utf8.size(), L'\0');
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                      static_cast<int>(out.size()));
  out.resize(static_cast<std::size_t>(std::max(n, 0)));
  return out;
}

inline std::string narrow(std::wstring_view utf16) {
  const int size = static_cast<int>(utf16.size());
  std::string out(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
  return out;
}

}  // namespace lindrel::platform::win32
