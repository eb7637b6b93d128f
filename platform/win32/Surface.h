#pragma once
// A persistent drawing surface: a memory DC over a 32-bit DIB. It grows with its window and
// is never cut back, but the bitmap behind it covers only what has been drawn since the last
// clear; everything else is the fill colour. A ruler strip 67 pixels high thus keeps a
// bitmap of a few rows, not one of the whole screen. The DC keeps its font, colours and pen
// for the life of the surface, so a handle given out by dc() stays valid while it grows.

#include <map>

#include "platform/Units.h"
#include "platform/win32/Handles.h"

namespace lindrel::platform::win32 {

class Surface;

// Finds the surface behind a DC handed out to the forms, so that drawing through the
// Win32-named API first makes room for itself.
class SurfaceRegistry {
 public:
  void add(HDC dc, Surface* surface) { surfaces_[dc] = surface; }
  void remove(HDC dc) { surfaces_.erase(dc); }
  Surface* find(HDC dc) const {
    const auto it = surfaces_.find(dc);
    return it == surfaces_.end() ? nullptr : it->second;
  }

 private:
  std::map<HDC, Surface*> surfaces_;
};

class Surface {
 public:
  Surface(SurfaceRegistry& registry, HFONT font, Colour fore, Colour back);
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
  void point(Point at, Colour color);
  void line(Point from, Point to, Colour color);
  // Makes the bitmap cover an area (clipped to the surface) before something draws there.
  void cover(const Rect& area);
  // Makes room for text about to be written at (x, y) in the DC's font.
  void coverText(int x, int y, const std::wstring& text);
  // The colour at a pixel; the invalid colour outside the surface.
  Colour pixel(Point at) const;
  // Copies an area of the surface to a DC at the same coordinates; beyond the surface it
  // paints the given colour.
  void paint(HDC target, const RECT& area, Colour outside) const;

 private:
  void reallocate(Point bitmapSize);

  SurfaceRegistry& registry_;
  MemoryDc dc_;
  GdiObject bitmap_;
  HGDIOBJ originalBitmap_ = nullptr;
  GdiObject pen_;
  Colour penColour_;
  HGDIOBJ originalPen_ = nullptr;
  HGDIOBJ originalFont_ = nullptr;
  Point size_{};    // the surface as the window sees it
  Point bitmapSize_{};  // what the bitmap covers, from (0, 0)
  Colour fill_;
};

// A 32-bit top-down DIB section compatible with any DC.
GdiObject createDib(Point size);
void fill(HDC dc, const RECT& area, Colour color);

}  // namespace lindrel::platform::win32
