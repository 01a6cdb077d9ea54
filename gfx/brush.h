// GDI+ brushes: solid, linear gradient and path gradient, sharing delete, clone and type.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "gfx/gfx_object.h"

namespace gfx {

class GfxPath;

class GfxBrush : public GfxObject {
 public:
  ~GfxBrush() override { GdipDeleteBrush(); }

  Gdiplus::GpBrush* GetNativeObject() const {
    return static_cast<Gdiplus::GpBrush*>(GfxObject::GetNativeObject());
  }

  // False at once, without a GDI+ call, when nothing is held.
  bool GdipDeleteBrush();
  // The destination should be of the same kind as this brush.
  bool GdipCloneBrush(GfxBrush& destination) const;
  Gdiplus::BrushType GdipGetBrushType() const;

 protected:
  GfxBrush() = default;
  GfxBrush(GfxBrush&& other) noexcept = default;

 private:
  void DeleteHeld() noexcept override { GdipDeleteBrush(); }
};

class GfxSolidBrush : public GfxBrush {
 public:
  GfxSolidBrush() = default;
  GfxSolidBrush(GfxSolidBrush&& other) noexcept = default;
  GfxSolidBrush& operator=(GfxSolidBrush&& other) noexcept;

  Gdiplus::GpSolidFill* GetNativeObject() const {
    return static_cast<Gdiplus::GpSolidFill*>(GfxObject::GetNativeObject());
  }

  bool GdipCreateSolidFill(ARGB colour);
  bool GdipSetSolidFillColor(ARGB colour);
  ARGB GdipGetSolidFillColor() const;
};

class GfxLinearBrush : public GfxBrush {
 public:
  GfxLinearBrush() = default;
  GfxLinearBrush(GfxLinearBrush&& other) noexcept = default;
  GfxLinearBrush& operator=(GfxLinearBrush&& other) noexcept;

  Gdiplus::GpLineGradient* GetNativeObject() const {
    return static_cast<Gdiplus::GpLineGradient*>(GfxObject::GetNativeObject());
  }

  // From point 1 in colour 1 to point 2 in colour 2; the wrap mode is always WrapModeTile.
  bool GdipCreateLineBrush(Gdiplus::PointF point1, Gdiplus::PointF point2, ARGB colour1,
                           ARGB colour2);
  bool GdipCreateLineBrushI(Gdiplus::Point point1, Gdiplus::Point point2, ARGB colour1,
                            ARGB colour2);
  bool GdipCreateLineBrushFromRect(const Gdiplus::RectF& rect, ARGB colour1, ARGB colour2,
                                   Gdiplus::LinearGradientMode mode);

  std::array<ARGB, 2> GdipGetLineColors() const;
  bool GdipSetLineColors(ARGB colour1, ARGB colour2);
  Gdiplus::RectF GdipGetLineRect() const;
  // One colour per position; the count is the colours' count, and lists of different lengths are
  // refused (InvalidParameter) rather than read past their end.
  bool GdipSetLinePresetBlend(std::span<const ARGB> colours, std::span<const REAL> positions);
  bool GdipSetLineLinearBlend(REAL focus, REAL scale);
  Gdiplus::WrapMode GdipGetLineWrapMode() const;
  bool GdipSetLineWrapMode(Gdiplus::WrapMode wrapMode);

  MatrixElements GdipGetLineTransform() const;
  bool GdipResetLineTransform();
  bool GdipTranslateLineTransform(REAL dx, REAL dy, Gdiplus::MatrixOrder order);
  bool GdipScaleLineTransform(REAL sx, REAL sy, Gdiplus::MatrixOrder order);
  bool GdipRotateLineTransform(REAL angle, Gdiplus::MatrixOrder order);
  // Scale or rotate about `centre` instead of the origin.
  bool ScaleAt(REAL sx, REAL sy, Gdiplus::PointF centre, Gdiplus::MatrixOrder order);
  bool RotateAt(REAL angle, Gdiplus::PointF centre, Gdiplus::MatrixOrder order);
};

class GfxPathGradientBrush : public GfxBrush {
 public:
  GfxPathGradientBrush() = default;
  GfxPathGradientBrush(GfxPathGradientBrush&& other) noexcept = default;
  GfxPathGradientBrush& operator=(GfxPathGradientBrush&& other) noexcept;

  Gdiplus::GpPathGradient* GetNativeObject() const {
    return static_cast<Gdiplus::GpPathGradient*>(GfxObject::GetNativeObject());
  }

  bool GdipCreatePathGradient(std::span<const Gdiplus::PointF> points, Gdiplus::WrapMode wrapMode);
  bool GdipCreatePathGradientFromPath(const GfxPath& path);

  ARGB GdipGetPathGradientCenterColor() const;
  bool GdipSetPathGradientCenterColor(ARGB colour);
  int GdipGetPathGradientPointCount() const;
  int GdipGetPathGradientSurroundColorCount() const;
  std::vector<ARGB> GdipGetPathGradientSurroundColorsWithCount() const;
  // `count` (default: the colours' count) larger than the list is cut to the list's length.
  bool GdipSetPathGradientSurroundColorsWithCount(std::span<const ARGB> colours,
                                                  std::optional<int> count = std::nullopt);
  Gdiplus::PointF GdipGetPathGradientCenterPoint() const;
  bool GdipSetPathGradientCenterPoint(Gdiplus::PointF point);
  bool GdipSetPathGradientFocusScales(REAL xScale, REAL yScale);
  bool GdipSetPathGradientWrapMode(Gdiplus::WrapMode wrapMode);

  MatrixElements GdipGetPathGradientTransform() const;
  bool GdipResetPathGradientTransform();
  bool GdipTranslatePathGradientTransform(REAL dx, REAL dy, Gdiplus::MatrixOrder order);
  bool GdipScalePathGradientTransform(REAL sx, REAL sy, Gdiplus::MatrixOrder order);
  bool GdipRotatePathGradientTransform(REAL angle, Gdiplus::MatrixOrder order);
  bool ScaleAt(REAL sx, REAL sy, Gdiplus::PointF centre, Gdiplus::MatrixOrder order);
  bool RotateAt(REAL angle, Gdiplus::PointF centre, Gdiplus::MatrixOrder order);
};

}  // namespace gfx
