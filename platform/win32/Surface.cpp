#include "platform/win32/Surface.h"

#include <algorithm>

namespace lindrel::platform::win32 {

GdiObject createDib(Point size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = std::max(1, size.x);
  info.bmiHeader.biHeight = -std::max(1, size.y);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return GdiObject(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

void fill(HDC dc, const RECT& area, Colour color) {
  const COLORREF previous = ::SetBkColor(dc, color);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
  ::SetBkColor(dc, previous);
}

Surface::Surface(HFONT font, Colour fore, Colour back)
    : dc_(::CreateCompatibleDC(nullptr)), pen_(::CreatePen(PS_SOLID, 1, fore)), penColour_(fore) {
  bitmap_ = createDib(Point{1, 1});
  originalBitmap_ = ::SelectObject(dc_.get(), bitmap_.get());
  originalPen_ = ::SelectObject(dc_.get(), pen_.get());
  originalFont_ = ::SelectObject(dc_.get(), font);
  ::SetTextColor(dc_.get(), fore);
  ::SetBkMode(dc_.get(), TRANSPARENT);
  RECT all{0, 0, 1, 1};
  fill(dc_.get(), all, back);
}

Surface::~Surface() {
  // Put the DC's own objects back before the DC and ours are deleted.
  ::SelectObject(dc_.get(), originalFont_);
  ::SelectObject(dc_.get(), originalPen_);
  ::SelectObject(dc_.get(), originalBitmap_);
}

void Surface::grow(Point size, Colour fillColour) {
  const Point grown{std::max(size.x, size_.x), std::max(size.y, size_.y)};
  if (grown == size_) return;
  GdiObject bigger = createDib(grown);
  {
    MemoryDc copy(::CreateCompatibleDC(nullptr));
    SelectGuard select(copy.get(), bigger.get());
    RECT all{0, 0, grown.x, grown.y};
    fill(copy.get(), all, fillColour);
    ::BitBlt(copy.get(), 0, 0, size_.x, size_.y, dc_.get(), 0, 0, SRCCOPY);
  }
  ::SelectObject(dc_.get(), bigger.get());
  bitmap_ = std::move(bigger);
  size_ = grown;
}

void Surface::clear(Colour color) {
  RECT all{0, 0, std::max(1, size_.x), std::max(1, size_.y)};
  fill(dc_.get(), all, color);
}

void Surface::point(Point at, Colour color) { ::SetPixelV(dc_.get(), at.x, at.y, color); }

void Surface::line(Point from, Point to, Colour color) {
  if (color != penColour_) {
    GdiObject pen(::CreatePen(PS_SOLID, 1, color));
    ::SelectObject(dc_.get(), pen.get());
    pen_ = std::move(pen);
    penColour_ = color;
  }
  ::MoveToEx(dc_.get(), from.x, from.y, nullptr);
  ::LineTo(dc_.get(), to.x, to.y);
}

void Surface::paint(HDC target, const RECT& area, Colour fillColour) const {
  const RECT inside{area.left, area.top, std::min<LONG>(area.right, size_.x), std::min<LONG>(area.bottom, size_.y)};
  if (inside.right > inside.left && inside.bottom > inside.top) {
    ::BitBlt(target, inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top, dc_.get(),
             inside.left, inside.top, SRCCOPY);
  }
  if (area.right > size_.x) fill(target, RECT{std::max<LONG>(area.left, size_.x), area.top, area.right, area.bottom}, fillColour);
  if (area.bottom > size_.y) fill(target, RECT{area.left, std::max<LONG>(area.top, size_.y), area.right, area.bottom}, fillColour);
}

}  // namespace lindrel::platform::win32
