// GDI+ regions.
#include "gfx/region.h"

#include "gfx/graphics.h"
#include "gfx/internal.h"
#include "gfx/path.h"

namespace gfx {

using namespace internal;

namespace {

Gdiplus::GpGraphics* NativeOf(const GfxGraphics* graphics) {
  return graphics != nullptr ? graphics->GetNativeObject() : nullptr;
}

}  // namespace

GfxRegion& GfxRegion::operator=(GfxRegion&& other) noexcept {
  MoveFrom(other);
  return *this;
}

bool GfxRegion::GdipDeleteRegion() {
  if (!HasNativeObject()) return false;
  return KeepStatus(flat::GdipDeleteRegion(static_cast<Gdiplus::GpRegion*>(ReleaseNative())));
}

bool GfxRegion::GdipCreateRegion() {
  Gdiplus::GpRegion* region = nullptr;
  const GpStatus status = flat::GdipCreateRegion(&region);
  SetNativeObject(region);
  return KeepStatus(status);
}

bool GfxRegion::GdipCreateRegionRect(const Gdiplus::RectF& rect) {
  Gdiplus::GpRegion* region = nullptr;
  const GpStatus status = flat::GdipCreateRegionRect(&rect, &region);
  SetNativeObject(region);
  return KeepStatus(status);
}

bool GfxRegion::GdipCreateRegionRectI(const Gdiplus::Rect& rect) {
  Gdiplus::GpRegion* region = nullptr;
  const GpStatus status = flat::GdipCreateRegionRectI(&rect, &region);
  SetNativeObject(region);
  return KeepStatus(status);
}

bool GfxRegion::GdipCreateRegionPath(const GfxPath& path) {
  Gdiplus::GpRegion* region = nullptr;
  const GpStatus status = flat::GdipCreateRegionPath(path.GetNativeObject(), &region);
  SetNativeObject(region);
  return KeepStatus(status);
}

bool GfxRegion::GdipCreateRegionHrgn(HRGN source) {
  Gdiplus::GpRegion* region = nullptr;
  const GpStatus status = flat::GdipCreateRegionHrgn(source, &region);
  SetNativeObject(region);
  return KeepStatus(status);
}

bool GfxRegion::GdipCloneRegion(GfxRegion& destination) const {
  Gdiplus::GpRegion* clone = nullptr;
  const GpStatus status = flat::GdipCloneRegion(GetNativeObject(), &clone);
  destination.SetNativeObject(clone);
  return KeepStatus(status);
}

bool GfxRegion::GdipSetInfinite() { return KeepStatus(flat::GdipSetInfinite(GetNativeObject())); }

bool GfxRegion::GdipSetEmpty() { return KeepStatus(flat::GdipSetEmpty(GetNativeObject())); }

bool GfxRegion::GdipCombineRegionRect(const Gdiplus::RectF& rect, Gdiplus::CombineMode mode) {
  return KeepStatus(flat::GdipCombineRegionRect(GetNativeObject(), &rect, mode));
}

bool GfxRegion::GdipCombineRegionRegion(const GfxRegion& other, Gdiplus::CombineMode mode) {
  return KeepStatus(
      flat::GdipCombineRegionRegion(GetNativeObject(), other.GetNativeObject(), mode));
}

bool GfxRegion::GdipCombineRegionPath(const GfxPath& path, Gdiplus::CombineMode mode) {
  return KeepStatus(flat::GdipCombineRegionPath(GetNativeObject(), path.GetNativeObject(), mode));
}

bool GfxRegion::GdipTranslateRegion(REAL dx, REAL dy) {
  return KeepStatus(flat::GdipTranslateRegion(GetNativeObject(), dx, dy));
}

Gdiplus::RectF GfxRegion::GdipGetRegionBounds(const GfxGraphics& graphics) const {
  return GetValue<Gdiplus::RectF>([&](Gdiplus::RectF* bounds) {
    return flat::GdipGetRegionBounds(GetNativeObject(), graphics.GetNativeObject(), bounds);
  });
}

HRGN GfxRegion::GdipGetRegionHRgn(const GfxGraphics& graphics) const {
  return GetValue<HRGN>([&](HRGN* region) {
    return flat::GdipGetRegionHRgn(GetNativeObject(), graphics.GetNativeObject(), region);
  });
}

bool GfxRegion::GdipIsEmptyRegion(const GfxGraphics& graphics) const {
  return GetValue<BOOL>([&](BOOL* empty) {
           return flat::GdipIsEmptyRegion(GetNativeObject(), graphics.GetNativeObject(), empty);
         }) != FALSE;
}

bool GfxRegion::GdipIsInfiniteRegion(const GfxGraphics& graphics) const {
  return GetValue<BOOL>([&](BOOL* infinite) {
           return flat::GdipIsInfiniteRegion(GetNativeObject(), graphics.GetNativeObject(),
                                             infinite);
         }) != FALSE;
}

bool GfxRegion::GdipIsEqualRegion(const GfxRegion& other, const GfxGraphics& graphics) const {
  return GetValue<BOOL>([&](BOOL* equal) {
           return flat::GdipIsEqualRegion(GetNativeObject(), other.GetNativeObject(),
                                          graphics.GetNativeObject(), equal);
         }) != FALSE;
}

bool GfxRegion::GdipIsVisibleRegionPoint(REAL x, REAL y, const GfxGraphics* graphics) const {
  return GetValue<BOOL>([&](BOOL* visible) {
           return flat::GdipIsVisibleRegionPoint(GetNativeObject(), x, y, NativeOf(graphics),
                                                 visible);
         }) != FALSE;
}

}  // namespace gfx
