// GDI+ pens.
#include "gfx/pen.h"

#include "gfx/brush.h"
#include "gfx/internal.h"

namespace gfx {

using namespace internal;

GfxPen& GfxPen::operator=(GfxPen&& other) noexcept {
  MoveFrom(other);
  return *this;
}

bool GfxPen::GdipDeletePen() {
  if (!HasNativeObject()) return false;
  return KeepStatus(flat::GdipDeletePen(static_cast<Gdiplus::GpPen*>(ReleaseNative())));
}

bool GfxPen::GdipCreatePen1(ARGB colour, REAL width, Gdiplus::Unit unit) {
  Gdiplus::GpPen* pen = nullptr;
  const GpStatus status = flat::GdipCreatePen1(colour, width, unit, &pen);
  SetNativeObject(pen);
  return KeepStatus(status);
}

bool GfxPen::GdipCreatePen2(const GfxBrush& brush, REAL width, Gdiplus::Unit unit) {
  Gdiplus::GpPen* pen = nullptr;
  const GpStatus status = flat::GdipCreatePen2(brush.GetNativeObject(), width, unit, &pen);
  SetNativeObject(pen);
  return KeepStatus(status);
}

bool GfxPen::GdipClonePen(GfxPen& destination) const {
  Gdiplus::GpPen* clone = nullptr;
  const GpStatus status = flat::GdipClonePen(GetNativeObject(), &clone);
  destination.SetNativeObject(clone);
  return KeepStatus(status);
}

REAL GfxPen::GdipGetPenWidth() const {
  return GetValue<REAL>(
      [&](REAL* width) { return flat::GdipGetPenWidth(GetNativeObject(), width); });
}

bool GfxPen::GdipSetPenWidth(REAL width) {
  return KeepStatus(flat::GdipSetPenWidth(GetNativeObject(), width));
}

ARGB GfxPen::GdipGetPenColor() const {
  return GetValue<ARGB>(
      [&](ARGB* colour) { return flat::GdipGetPenColor(GetNativeObject(), colour); });
}

bool GfxPen::GdipSetPenColor(ARGB colour) {
  return KeepStatus(flat::GdipSetPenColor(GetNativeObject(), colour));
}

bool GfxPen::GdipSetPenDashStyle(Gdiplus::DashStyle dashStyle) {
  return KeepStatus(flat::GdipSetPenDashStyle(GetNativeObject(), dashStyle));
}

bool GfxPen::GdipSetPenLineJoin(Gdiplus::LineJoin lineJoin) {
  return KeepStatus(flat::GdipSetPenLineJoin(GetNativeObject(), lineJoin));
}

MatrixElements GfxPen::GdipGetPenTransform() const {
  return GetTransform([&](Gdiplus::GpMatrix* matrix) {
    return flat::GdipGetPenTransform(GetNativeObject(), matrix);
  });
}

bool GfxPen::GdipResetPenTransform() {
  return KeepStatus(flat::GdipResetPenTransform(GetNativeObject()));
}

bool GfxPen::GdipTranslatePenTransform(REAL dx, REAL dy, Gdiplus::MatrixOrder order) {
  return KeepStatus(flat::GdipTranslatePenTransform(GetNativeObject(), dx, dy, order));
}

bool GfxPen::GdipScalePenTransform(REAL sx, REAL sy, Gdiplus::MatrixOrder order) {
  return KeepStatus(flat::GdipScalePenTransform(GetNativeObject(), sx, sy, order));
}

bool GfxPen::GdipRotatePenTransform(REAL angle, Gdiplus::MatrixOrder order) {
  return KeepStatus(flat::GdipRotatePenTransform(GetNativeObject(), angle, order));
}

bool GfxPen::ScaleAt(REAL sx, REAL sy, Gdiplus::PointF centre, Gdiplus::MatrixOrder order) {
  return AboutPoint([&](REAL dx, REAL dy,
                        Gdiplus::MatrixOrder o) { return GdipTranslatePenTransform(dx, dy, o); },
                    [&](Gdiplus::MatrixOrder o) { return GdipScalePenTransform(sx, sy, o); },
                    centre, order);
}

bool GfxPen::RotateAt(REAL angle, Gdiplus::PointF centre, Gdiplus::MatrixOrder order) {
  return AboutPoint([&](REAL dx, REAL dy,
                        Gdiplus::MatrixOrder o) { return GdipTranslatePenTransform(dx, dy, o); },
                    [&](Gdiplus::MatrixOrder o) { return GdipRotatePenTransform(angle, o); },
                    centre, order);
}

}  // namespace gfx
