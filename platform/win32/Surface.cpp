#include "platform/win32/Surface.h"

#include <algorithm>

namespace lindrel::platform::win32 {
namespace {

// Bitmaps grow in steps, so a scale drawn tick by tick does not reallocate for every tick.
constexpr std::int32_t kMinimumStep = 64;

std::int32_t grownLength(std::int32_t have, std::int32_t need, std::int32_t limit) {
  if (need <= have) return have;
  return std::min(limit, std::max(need, std::max(kMinimumStep, 2 * have)));
}

}  // namespace

GdiObject createDib(Point size, const std::uint32_t** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = std::max(1, size.x);
  info.bmiHeader.biHeight = -std::max(1, size.y);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  GdiObject dib(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (bits != nullptr) *bits = static_cast<const std::uint32_t*>(pixels);
  return dib;
}

void fill(HDC dc, const RECT& area, Colour color) {
  const COLORREF previous = ::SetBkColor(dc, color);
  ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
  ::SetBkColor(dc, previous);
}

Surface::Surface(HFONT font, Colour fore, Colour back)
    : dc_(::CreateCompatibleDC(nullptr)),
      pen_(::CreatePen(PS_SOLID, 1, fore)),
      penColour_(fore),
      fill_(back) {
  bitmap_ = createDib(Point{1, 1}, &bits_);
  originalBitmap_ = ::SelectObject(dc_.get(), bitmap_.get());
  originalPen_ = ::SelectObject(dc_.get(), pen_.get());
  originalFont_ = ::SelectObject(dc_.get(), font);
  ::SetTextColor(dc_.get(), fore);
  ::SetBkMode(dc_.get(), TRANSPARENT);
}

Surface::~Surface() {
  // Put the DC's own objects back before the DC and ours are deleted.
  ::SelectObject(dc_.get(), originalFont_);
  ::SelectObject(dc_.get(), originalPen_);
  ::SelectObject(dc_.get(), originalBitmap_);
}

void Surface::grow(Point size, Colour fillColour) {
  // Outside the bitmap everything is the fill colour already; only the size changes.
  size_ = Point{std::max(size.x, size_.x), std::max(size.y, size_.y)};
  if (bitmapSize_.x == 0 || bitmapSize_.y == 0) fill_ = fillColour;
}

bool Surface::reallocate(Point bitmapSize, bool fillNew) {
  const std::uint32_t* bits = nullptr;
  GdiObject bigger = createDib(bitmapSize, &bits);
  if (!bigger) return false;
  {
    MemoryDc copy(::CreateCompatibleDC(nullptr));
    SelectGuard select(copy.get(), bigger.get());
    if (fillNew) fill(copy.get(), RECT{0, 0, bitmapSize.x, bitmapSize.y}, fill_);
    if (bitmapSize_.x > 0 && bitmapSize_.y > 0) {
      ::BitBlt(copy.get(), 0, 0, bitmapSize_.x, bitmapSize_.y, dc_.get(), 0, 0, SRCCOPY);
    }
  }
  ::SelectObject(dc_.get(), bigger.get());
  bitmap_ = std::move(bigger);
  bits_ = bits;
  bitmapSize_ = bitmapSize;
  return true;
}

void Surface::cover(const Rect& area) {
  const Rect inside = intersect(area, Rect{0, 0, size_.x, size_.y});
  if (inside.empty() || (inside.right <= bitmapSize_.x && inside.bottom <= bitmapSize_.y)) return;
  reallocate(Point{grownLength(bitmapSize_.x, inside.right, size_.x), grownLength(bitmapSize_.y, inside.bottom, size_.y)});
}

void Surface::stretchFrom(HDC source, const Rect& from, const Rect& into) {
  cover(into);
  // Whole pixels, no blending: each source pixel becomes a block.
  ::SetStretchBltMode(dc_.get(), COLORONCOLOR);
  ::StretchBlt(dc_.get(), into.left, into.top, into.width(), into.height(), source, from.left, from.top, from.width(),
               from.height(), SRCCOPY);
}

std::optional<ScreenImage> Surface::capture(HDC screen, const Rect& area) {
  const Point size = area.size();
  if (size.x > bitmapSize_.x || size.y > bitmapSize_.y) {
    if (!reallocate({std::max(size.x, bitmapSize_.x), std::max(size.y, bitmapSize_.y)}, false)) return std::nullopt;
  }
  if (!::BitBlt(dc_.get(), 0, 0, size.x, size.y, screen, area.left, area.top, SRCCOPY | CAPTUREBLT)) return std::nullopt;
  ::GdiFlush();  // the pixels are read straight from the bitmap's memory
  return ScreenImage{area, bits_, bitmapSize_.x};
}

void Surface::fillAreas(std::span<const Rect> areas, Colour colour) {
  for (const Rect& area : areas) {
    cover(area);
    fill(dc_.get(), RECT{area.left, area.top, area.right, area.bottom}, colour);
  }
}

void Surface::clear(Colour color) {
  // A cleared surface is all one colour: no bitmap is needed for it.
  fill_ = color;
  if (bitmapSize_.x > 0 || bitmapSize_.y > 0) {
    ::SelectObject(dc_.get(), originalBitmap_);
    bitmap_ = createDib(Point{1, 1}, &bits_);
    ::SelectObject(dc_.get(), bitmap_.get());
    bitmapSize_ = Point{};
  }
}

void Surface::line(Point from, Point to, Colour color) {
  cover(lineBounds(from, to));
  if (color != penColour_) {
    GdiObject pen(::CreatePen(PS_SOLID, 1, color));
    ::SelectObject(dc_.get(), pen.get());
    pen_ = std::move(pen);
    penColour_ = color;
  }
  ::MoveToEx(dc_.get(), from.x, from.y, nullptr);
  ::LineTo(dc_.get(), to.x, to.y);
}

std::optional<Colour> Surface::pixel(Point at) const {
  if (!Rect::at({}, size_).contains(at)) return std::nullopt;
  if (at.x < bitmapSize_.x && at.y < bitmapSize_.y) return ::GetPixel(dc_.get(), at.x, at.y);
  return fill_;
}

void Surface::paint(HDC target, const RECT& area, Colour outside) const {
  const RECT drawn{area.left, area.top, std::min<LONG>(area.right, bitmapSize_.x),
                   std::min<LONG>(area.bottom, bitmapSize_.y)};
  if (drawn.right > drawn.left && drawn.bottom > drawn.top) {
    ::BitBlt(target, drawn.left, drawn.top, drawn.right - drawn.left, drawn.bottom - drawn.top, dc_.get(), drawn.left,
             drawn.top, SRCCOPY);
  }
  // Right of and below the bitmap: the fill colour inside the surface, `outside` beyond it.
  const auto band = [&](RECT r) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    const RECT inSurface{r.left, r.top, std::min<LONG>(r.right, size_.x), std::min<LONG>(r.bottom, size_.y)};
    if (inSurface.right > inSurface.left && inSurface.bottom > inSurface.top) fill(target, inSurface, fill_);
    if (r.right > size_.x) fill(target, RECT{std::max<LONG>(r.left, size_.x), r.top, r.right, r.bottom}, outside);
    if (r.bottom > size_.y) fill(target, RECT{r.left, std::max<LONG>(r.top, size_.y), r.right, r.bottom}, outside);
  };
  band(RECT{std::max<LONG>(area.left, bitmapSize_.x), area.top, area.right, area.bottom});
  band(RECT{area.left, std::max<LONG>(area.top, bitmapSize_.y), std::min<LONG>(area.right, bitmapSize_.x), area.bottom});
}

}  // namespace lindrel::platform::win32
