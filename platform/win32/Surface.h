#pragma once
// A persistent drawing surface: a memory DC over a 32-bit DIB. It grows with its window and
// is never cut back, but the bitmap behind it covers only what has been drawn since the last
// clear; everything else is the fill colour. A ruler strip 67 pixels high thus keeps a
// bitmap of a few rows, not one of the whole screen. The DC keeps its font, colours and pen
// for the life of the surface.

#include <optional>
#include <span>

#include "platform/Colour.h"
#include "platform/Geometry.h"
#include "platform/Image.h"
#include "platform/win32/Handles.h"

namespace lindrel::platform::win32 {

class Surface {
 public:
  Surface(HFONT font, Colour fore, Colour back);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  HDC dc() const { return dc_.get(); }
  // Text written from now on takes this font (the platform owns it).
  void setFont(HFONT font) { ::SelectObject(dc_.get(), font); }
  Point size() const { return size_; }
  // All the fill colour: nothing drawn since the last clear.
  bool plain() const { return bitmapSize_.x == 0 && bitmapSize_.y == 0; }
  // Enlarges to size (never shrinks); the new area takes the fill colour.
  void grow(Point size, Colour fill);
  void clear(Colour color);
  void line(Point from, Point to, Colour color);
  // Makes the bitmap cover an area (clipped to the surface) before something draws there.
  void cover(const Rect& area);
  // Copies an area of another DC into an area of the surface, each source pixel a block.
  void stretchFrom(HDC source, const Rect& from, const Rect& into);
  // Copies an area of a screen DC onto the surface at (0, 0) and gives its pixels, which the
  // surface keeps until it is drawn on again; none when there is no memory for them.
  std::optional<ScreenImage> capture(HDC screen, const Rect& area);
  // Fills areas with a colour.
  void fillAreas(std::span<const Rect> areas, Colour colour);
  // The colour at a pixel; none outside the surface.
  std::optional<Colour> pixel(Point at) const;
  // Copies an area of the surface to a DC at the same coordinates; beyond the surface it
  // paints the given colour.
  void paint(HDC target, const RECT& area, Colour outside) const;

 private:
  // A bitmap of a new size with the old content; the rest filled unless it is to be
  // overwritten at once.
  bool reallocate(Point bitmapSize, bool fillNew = true);

  MemoryDc dc_;
  GdiObject bitmap_;
  const std::uint32_t* bits_ = nullptr;  // the bitmap's pixels
  HGDIOBJ originalBitmap_ = nullptr;
  GdiObject pen_;
  Colour penColour_;
  HGDIOBJ originalPen_ = nullptr;
  HGDIOBJ originalFont_ = nullptr;
  Point size_{};    // the surface as the window sees it
  Point bitmapSize_{};  // what the bitmap covers, from (0, 0)
  Colour fill_;
};

// A 32-bit top-down DIB section compatible with any DC, and where its pixels are.
GdiObject createDib(Point size, const std::uint32_t** bits = nullptr);
void fill(HDC dc, const RECT& area, Colour color);

}  // namespace lindrel::platform::win32
