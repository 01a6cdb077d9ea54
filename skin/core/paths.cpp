// Colour conversion and the rounded outlines and glow strokes the control skins draw with.
#include <algorithm>

#include "gfx/pen.h"
#include "skin/core/primitives.h"

namespace skin {

ARGB ToArgb(COLORREF colour, std::uint8_t alpha, bool useAlpha) {
  const ARGB red = GetRValue(colour);
  const ARGB green = GetGValue(colour);
  const ARGB blue = GetBValue(colour);
  const ARGB a = useAlpha ? alpha : 255u;
  return (a << 24) | (red << 16) | (green << 8) | blue;
}

void AddRoundedRectPath(gfx::GfxPath& path, float x, float y, float width, float height,
                        int cornerSize) {
  const float r = static_cast<float>(std::clamp(cornerSize, 1, 100));
  path.GdipAddPathArc(x + width - r, y, r, r, 270, 90);
  path.GdipAddPathArc(x + width - r - 1, y + height - r - 1, r + 1, r + 1, 0, 90);
  path.GdipAddPathArc(x, y + height - r, r, r, 90, 90);
  path.GdipAddPathArc(x, y, r, r, 180, 90);
  path.GdipClosePathFigure();
}

void AddTopRoundedPath(gfx::GfxPath& path, int x, int y, int width, int height, int cornerSize) {
  const float left = static_cast<float>(x);
  const float top = static_cast<float>(y);
  const float right = static_cast<float>(x + width);
  const float bottom = static_cast<float>(y + height);
  const float r = static_cast<float>(cornerSize);
  path.GdipAddPathLine(left, bottom, left, top + r);
  path.GdipAddPathArc(left, top, r, r, 180, 90);
  path.GdipAddPathLine(left + r, top, right - r, top);
  path.GdipAddPathArc(right - r, top, r, r, 270, 90);
  path.GdipAddPathLine(right, top + r, right, bottom);
}

void StrokeGlow(gfx::GfxGraphics& graphics, const gfx::GfxPath& path, int count, COLORREF colour,
                std::uint8_t alpha) {
  gfx::GfxPen pen;
  if (!pen.GdipCreatePen1(ToArgb(colour, alpha, true), 1, Gdiplus::UnitWorld)) return;
  for (int width = 1; width <= count; ++width) {
    pen.GdipSetPenWidth(static_cast<float>(width));
    graphics.GdipDrawPath(pen, path);
  }
}

}  // namespace skin
