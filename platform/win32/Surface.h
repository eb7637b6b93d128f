#pragma once
// A persistent drawing surface: a memory DC over a 32-bit DIB that grows and keeps its
// content. The DC keeps its font, colours and pen for the life of the surface, so a handle
// given out by hdc() stays valid while the surface grows.

#include "platform/Units.h"
#include "platform/win32/Handles.h"

namespace lindrel::platform::win32 {

class Surface {
 public:
  Surface(HFONT font, Colour fore, Colour back);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  HDC dc() const { return dc_.get(); }
  Point size() const { return size_; }
  // Enlarges to size (never shrinks); new pixels take the fill colour.
  void grow(Point size, Colour fill);
  void clear(Colour color);
  void point(Point at, Colour color);
  void line(Point from, Point to, Colour color);
  // Copies the area of the surface to a DC at the same coordinates; what lies beyond the
  // surface takes the fill colour.
  void paint(HDC target, const RECT& area, Colour fill) const;

 private:
  MemoryDc dc_;
  GdiObject bitmap_;
  HGDIOBJ originalBitmap_ = nullptr;
  GdiObject pen_;
  Colour penColour_;
  HGDIOBJ originalPen_ = nullptr;
  HGDIOBJ originalFont_ = nullptr;
  Point size_{};
};

// A 32-bit top-down DIB section compatible with any DC.
GdiObject createDib(Point size);
void fill(HDC dc, const RECT& area, Colour color);

}  // namespace lindrel::platform::win32
