// GDI+ regions: clip areas and the results of measuring character ranges.
#pragma once

#include "gfx/gfx_object.h"

namespace gfx {

class GfxGraphics;
class GfxPath;

class GfxRegion : public GfxObject {
 public:
  GfxRegion() = default;
  GfxRegion(GfxRegion&& other) noexcept = default;
  GfxRegion& operator=(GfxRegion&& other) noexcept;
  ~GfxRegion() override { GdipDeleteRegion(); }

  Gdiplus::GpRegion* GetNativeObject() const {
    return static_cast<Gdiplus::GpRegion*>(GfxObject::GetNativeObject());
  }

  // False at once, without a GDI+ call, when nothing is held.
  bool GdipDeleteRegion();
  // An infinite region.
  bool GdipCreateRegion();
  bool GdipCreateRegionRect(const Gdiplus::RectF& rect);
  bool GdipCreateRegionRectI(const Gdiplus::Rect& rect);
  bool GdipCreateRegionPath(const GfxPath& path);
  // The region keeps its own copy: the HRGN stays the caller's.
  bool GdipCreateRegionHrgn(HRGN region);
  bool GdipCloneRegion(GfxRegion& destination) const;

  bool GdipSetInfinite();
  bool GdipSetEmpty();
  bool GdipCombineRegionRect(const Gdiplus::RectF& rect, Gdiplus::CombineMode mode);
  bool GdipCombineRegionRegion(const GfxRegion& other, Gdiplus::CombineMode mode);
  bool GdipCombineRegionPath(const GfxPath& path, Gdiplus::CombineMode mode);
  bool GdipTranslateRegion(REAL dx, REAL dy);

  // Measured in the world of `graphics`.
  Gdiplus::RectF GdipGetRegionBounds(const GfxGraphics& graphics) const;
  // A new GDI region (the caller owns it and deletes it with DeleteObject), or null.
  HRGN GdipGetRegionHRgn(const GfxGraphics& graphics) const;
  bool GdipIsEmptyRegion(const GfxGraphics& graphics) const;
  bool GdipIsInfiniteRegion(const GfxGraphics& graphics) const;
  bool GdipIsEqualRegion(const GfxRegion& other, const GfxGraphics& graphics) const;
  // Without a graphics the point is in world coordinates.
  bool GdipIsVisibleRegionPoint(REAL x, REAL y, const GfxGraphics* graphics = nullptr) const;

 private:
  void DeleteHeld() noexcept override { GdipDeleteRegion(); }
};

}  // namespace gfx
