// GDI+ paths: the outlines that the skin fills, strokes and clips with.
#pragma once

#include <span>
#include <vector>

#include "gfx/gfx_object.h"

namespace gfx {

class GfxPath : public GfxObject {
 public:
  GfxPath() = default;
  GfxPath(GfxPath&& other) noexcept = default;
  GfxPath& operator=(GfxPath&& other) noexcept;
  ~GfxPath() override { GdipDeletePath(); }

  Gdiplus::GpPath* GetNativeObject() const {
    return static_cast<Gdiplus::GpPath*>(GfxObject::GetNativeObject());
  }

  // False at once, without a GDI+ call, when nothing is held.
  bool GdipDeletePath();
  bool GdipCreatePath(Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
  bool GdipClonePath(GfxPath& destination) const;
  bool GdipResetPath();

  Gdiplus::FillMode GdipGetPathFillMode() const;
  bool GdipSetPathFillMode(Gdiplus::FillMode fillMode);
  int GdipGetPointCount() const;
  std::vector<Gdiplus::PointF> GdipGetPathPoints() const;
  std::vector<BYTE> GdipGetPathTypes() const;
  Gdiplus::RectF GdipGetPathWorldBounds() const;

  bool GdipStartPathFigure();
  bool GdipClosePathFigure();
  bool GdipAddPathLine(REAL x1, REAL y1, REAL x2, REAL y2);
  bool GdipAddPathLine2(std::span<const Gdiplus::PointF> points);
  bool GdipAddPathArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  bool GdipAddPathBezier(REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4);
  bool GdipAddPathRectangle(REAL x, REAL y, REAL width, REAL height);
  bool GdipAddPathEllipse(REAL x, REAL y, REAL width, REAL height);
  bool GdipAddPathPolygon(std::span<const Gdiplus::PointF> points);
  bool GdipAddPathPath(const GfxPath& other, bool connect);

  // A closed rectangle with four elliptic corners, each `cornerPercent` of the width and height
  // (clamped to 1..100). Only the closing call's status is kept.
  bool AddRoundedRectangle(REAL x, REAL y, REAL width, REAL height, int cornerPercent);

  // Hit tests in world coordinates (no graphics: identity transform).
  bool GdipIsVisiblePathPoint(REAL x, REAL y) const;

 private:
  void DeleteHeld() noexcept override { GdipDeletePath(); }
};

}  // namespace gfx
