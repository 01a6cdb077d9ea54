// GDI+ pens: a colour or a brush, a width, a transform.
#pragma once

#include "gfx/gfx_object.h"

namespace gfx {

class GfxBrush;

class GfxPen : public GfxObject {
 public:
  GfxPen() = default;
  GfxPen(GfxPen&& other) noexcept = default;
  GfxPen& operator=(GfxPen&& other) noexcept;
  ~GfxPen() override { GdipDeletePen(); }

  Gdiplus::GpPen* GetNativeObject() const {
    return static_cast<Gdiplus::GpPen*>(GfxObject::GetNativeObject());
  }

  // False at once, without a GDI+ call, when nothing is held.
  bool GdipDeletePen();
  bool GdipCreatePen1(ARGB colour, REAL width, Gdiplus::Unit unit = Gdiplus::UnitWorld);
  // The pen keeps its own copy of the brush.
  bool GdipCreatePen2(const GfxBrush& brush, REAL width, Gdiplus::Unit unit = Gdiplus::UnitWorld);
  bool GdipClonePen(GfxPen& destination) const;

  REAL GdipGetPenWidth() const;
  bool GdipSetPenWidth(REAL width);
  ARGB GdipGetPenColor() const;
  bool GdipSetPenColor(ARGB colour);
  bool GdipSetPenDashStyle(Gdiplus::DashStyle dashStyle);
  bool GdipSetPenLineJoin(Gdiplus::LineJoin lineJoin);

  MatrixElements GdipGetPenTransform() const;
  bool GdipResetPenTransform();
  bool GdipTranslatePenTransform(REAL dx, REAL dy, Gdiplus::MatrixOrder order);
  bool GdipScalePenTransform(REAL sx, REAL sy, Gdiplus::MatrixOrder order);
  bool GdipRotatePenTransform(REAL angle, Gdiplus::MatrixOrder order);
  // Scale or rotate about `centre` instead of the origin.
  bool ScaleAt(REAL sx, REAL sy, Gdiplus::PointF centre, Gdiplus::MatrixOrder order);
  bool RotateAt(REAL angle, Gdiplus::PointF centre, Gdiplus::MatrixOrder order);

 private:
  void DeleteHeld() noexcept override { GdipDeletePen(); }
};

}  // namespace gfx
