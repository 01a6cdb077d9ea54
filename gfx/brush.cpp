// GDI+ brushes.
#include "gfx/brush.h"

#include <algorithm>

#include "gfx/internal.h"
#include "gfx/path.h"

namespace gfx {

using namespace internal;

// --- GfxBrush ---

bool GfxBrush::GdipDeleteBrush() {
  if (!HasNativeObject()) return false;
  return KeepStatus(flat::GdipDeleteBrush(static_cast<Gdiplus::GpBrush*>(ReleaseNative())));
}

bool GfxBrush::GdipCloneBrush(GfxBrush& destination) const {
  Gdiplus::GpBrush* clone = nullptr;
  const GpStatus status = flat::GdipCloneBrush(GetNativeObject(), &clone);
  destination.SetNativeObject(clone);
  return KeepStatus(status);
}

Gdiplus::BrushType GfxBrush::GdipGetBrushType() const {
  return GetValue<Gdiplus::BrushType>(
      [&](Gdiplus::BrushType* type) { return flat::GdipGetBrushType(GetNativeObject(), type); });
}

// --- GfxSolidBrush ---

GfxSolidBrush& GfxSolidBrush::operator=(GfxSolidBrush&& other) noexcept {
  MoveFrom(other);
  return *this;
}

bool GfxSolidBrush::GdipCreateSolidFill(ARGB colour) {
  Gdiplus::GpSolidFill* brush = nullptr;
  const GpStatus status = flat::GdipCreateSolidFill(colour, &brush);
  SetNativeObject(brush);
  return KeepStatus(status);
}

bool GfxSolidBrush::GdipSetSolidFillColor(ARGB colour) {
  return KeepStatus(flat::GdipSetSolidFillColor(GetNativeObject(), colour));
}

ARGB GfxSolidBrush::GdipGetSolidFillColor() const {
  return GetValue<ARGB>(
      [&](ARGB* colour) { return flat::GdipGetSolidFillColor(GetNativeObject(), colour); });
}

// --- GfxLinearBrush ---

GfxLinearBrush& GfxLinearBrush::operator=(GfxLinearBrush&& other) noexcept {
  MoveFrom(other);
  return *this;
}

bool GfxLinearBrush::GdipCreateLineBrush(Gdiplus::PointF point1, Gdiplus::PointF point2,
                                         ARGB colour1, ARGB colour2) {
  Gdiplus::GpLineGradient* brush = nullptr;
  const GpStatus status =
      flat::GdipCreateLineBrush(&point1, &point2, colour1, colour2, Gdiplus::WrapModeTile, &brush);
  SetNativeObject(brush);
  return KeepStatus(status);
}

bool GfxLinearBrush::GdipCreateLineBrushI(Gdiplus::Point point1, Gdiplus::Point point2,
                                          ARGB colour1, ARGB colour2) {
  Gdiplus::GpLineGradient* brush = nullptr;
  const GpStatus status =
      flat::GdipCreateLineBrushI(&point1, &point2, colour1, colour2, Gdiplus::WrapModeTile, &brush);
  SetNativeObject(brush);
  return KeepStatus(status);
}

bool GfxLinearBrush::GdipCreateLineBrushFromRect(const Gdiplus::RectF& rect, ARGB colour1,
                                                 ARGB colour2, Gdiplus::LinearGradientMode mode) {
  Gdiplus::GpLineGradient* brush = nullptr;
  const GpStatus status = flat::GdipCreateLineBrushFromRect(&rect, colour1, colour2, mode,
                                                            Gdiplus::WrapModeTile, &brush);
  SetNativeObject(brush);
  return KeepStatus(status);
}

std::array<ARGB, 2> GfxLinearBrush::GdipGetLineColors() const {
  std::array<ARGB, 2> colours{};
  if (!KeepStatus(flat::GdipGetLineColors(GetNativeObject(), colours.data()))) return {};
  return colours;
}

bool GfxLinearBrush::GdipSetLineColors(ARGB colour1, ARGB colour2) {
  return KeepStatus(flat::GdipSetLineColors(GetNativeObject(), colour1, colour2));
}

Gdiplus::RectF GfxLinearBrush::GdipGetLineRect() const {
  return GetValue<Gdiplus::RectF>(
      [&](Gdiplus::RectF* rect) { return flat::GdipGetLineRect(GetNativeObject(), rect); });
}

bool GfxLinearBrush::GdipSetLinePresetBlend(std::span<const ARGB> colours,
                                            std::span<const REAL> positions) {
  if (colours.size() != positions.size()) return KeepStatus(Gdiplus::InvalidParameter);
  return KeepStatus(flat::GdipSetLinePresetBlend(
      GetNativeObject(), colours.data(), positions.data(), static_cast<INT>(colours.size())));
}

bool GfxLinearBrush::GdipSetLineLinearBlend(REAL focus, REAL scale) {
  return KeepStatus(flat::GdipSetLineLinearBlend(GetNativeObject(), focus, scale));
}

Gdiplus::WrapMode GfxLinearBrush::GdipGetLineWrapMode() const {
  return GetValue<Gdiplus::WrapMode>(
      [&](Gdiplus::WrapMode* mode) { return flat::GdipGetLineWrapMode(GetNativeObject(), mode); });
}

bool GfxLinearBrush::GdipSetLineWrapMode(Gdiplus::WrapMode wrapMode) {
  return KeepStatus(flat::GdipSetLineWrapMode(GetNativeObject(), wrapMode));
}

MatrixElements GfxLinearBrush::GdipGetLineTransform() const {
  return GetTransform([&](Gdiplus::GpMatrix* matrix) {
    return flat::GdipGetLineTransform(GetNativeObject(), matrix);
  });
}

bool GfxLinearBrush::GdipResetLineTransform() {
  return KeepStatus(flat::GdipResetLineTransform(GetNativeObject()));
}

bool GfxLinearBrush::GdipTranslateLineTransform(REAL dx, REAL dy, Gdiplus::MatrixOrder order) {
  return KeepStatus(flat::GdipTranslateLineTransform(GetNativeObject(), dx, dy, order));
}

bool GfxLinearBrush::GdipScaleLineTransform(REAL sx, REAL sy, Gdiplus::MatrixOrder order) {
  return KeepStatus(flat::GdipScaleLineTransform(GetNativeObject(), sx, sy, order));
}

bool GfxLinearBrush::GdipRotateLineTransform(REAL angle, Gdiplus::MatrixOrder order) {
  return KeepStatus(flat::GdipRotateLineTransform(GetNativeObject(), angle, order));
}

bool GfxLinearBrush::ScaleAt(REAL sx, REAL sy, Gdiplus::PointF centre, Gdiplus::MatrixOrder order) {
  return AboutPoint([&](REAL dx, REAL dy,
                        Gdiplus::MatrixOrder o) { return GdipTranslateLineTransform(dx, dy, o); },
                    [&](Gdiplus::MatrixOrder o) { return GdipScaleLineTransform(sx, sy, o); },
                    centre, order);
}

bool GfxLinearBrush::RotateAt(REAL angle, Gdiplus::PointF centre, Gdiplus::MatrixOrder order) {
  return AboutPoint([&](REAL dx, REAL dy,
                        Gdiplus::MatrixOrder o) { return GdipTranslateLineTransform(dx, dy, o); },
                    [&](Gdiplus::MatrixOrder o) { return GdipRotateLineTransform(angle, o); },
                    centre, order);
}

// --- GfxPathGradientBrush ---

GfxPathGradientBrush& GfxPathGradientBrush::operator=(GfxPathGradientBrush&& other) noexcept {
  MoveFrom(other);
  return *this;
}

bool GfxPathGradientBrush::GdipCreatePathGradient(std::span<const Gdiplus::PointF> points,
                                                  Gdiplus::WrapMode wrapMode) {
  Gdiplus::GpPathGradient* brush = nullptr;
  const GpStatus status = flat::GdipCreatePathGradient(
      points.data(), static_cast<INT>(points.size()), wrapMode, &brush);
  SetNativeObject(brush);
  return KeepStatus(status);
}

bool GfxPathGradientBrush::GdipCreatePathGradientFromPath(const GfxPath& path) {
  Gdiplus::GpPathGradient* brush = nullptr;
  const GpStatus status = flat::GdipCreatePathGradientFromPath(path.GetNativeObject(), &brush);
  SetNativeObject(brush);
  return KeepStatus(status);
}

ARGB GfxPathGradientBrush::GdipGetPathGradientCenterColor() const {
  return GetValue<ARGB>([&](ARGB* colour) {
    return flat::GdipGetPathGradientCenterColor(GetNativeObject(), colour);
  });
}

bool GfxPathGradientBrush::GdipSetPathGradientCenterColor(ARGB colour) {
  return KeepStatus(flat::GdipSetPathGradientCenterColor(GetNativeObject(), colour));
}

int GfxPathGradientBrush::GdipGetPathGradientPointCount() const {
  return GetValue<INT>(
      [&](INT* count) { return flat::GdipGetPathGradientPointCount(GetNativeObject(), count); });
}

int GfxPathGradientBrush::GdipGetPathGradientSurroundColorCount() const {
  return GetValue<INT>([&](INT* count) {
    return flat::GdipGetPathGradientSurroundColorCount(GetNativeObject(), count);
  });
}

std::vector<ARGB> GfxPathGradientBrush::GdipGetPathGradientSurroundColorsWithCount() const {
  INT count = GdipGetPathGradientSurroundColorCount();
  if (count <= 0) return {};
  std::vector<ARGB> colours(static_cast<std::size_t>(count));
  if (!KeepStatus(flat::GdipGetPathGradientSurroundColorsWithCount(GetNativeObject(),
                                                                   colours.data(), &count))) {
    return {};
  }
  colours.resize(static_cast<std::size_t>(std::max(count, 0)));
  return colours;
}

bool GfxPathGradientBrush::GdipSetPathGradientSurroundColorsWithCount(std::span<const ARGB> colours,
                                                                      std::optional<int> count) {
  INT used = static_cast<INT>(colours.size());
  if (count) used = std::min(*count, used);
  return KeepStatus(
      flat::GdipSetPathGradientSurroundColorsWithCount(GetNativeObject(), colours.data(), &used));
}

Gdiplus::PointF GfxPathGradientBrush::GdipGetPathGradientCenterPoint() const {
  return GetValue<Gdiplus::PointF>([&](Gdiplus::PointF* point) {
    return flat::GdipGetPathGradientCenterPoint(GetNativeObject(), point);
  });
}

bool GfxPathGradientBrush::GdipSetPathGradientCenterPoint(Gdiplus::PointF point) {
  return KeepStatus(flat::GdipSetPathGradientCenterPoint(GetNativeObject(), &point));
}

bool GfxPathGradientBrush::GdipSetPathGradientFocusScales(REAL xScale, REAL yScale) {
  return KeepStatus(flat::GdipSetPathGradientFocusScales(GetNativeObject(), xScale, yScale));
}

bool GfxPathGradientBrush::GdipSetPathGradientWrapMode(Gdiplus::WrapMode wrapMode) {
  return KeepStatus(flat::GdipSetPathGradientWrapMode(GetNativeObject(), wrapMode));
}

MatrixElements GfxPathGradientBrush::GdipGetPathGradientTransform() const {
  return GetTransform([&](Gdiplus::GpMatrix* matrix) {
    return flat::GdipGetPathGradientTransform(GetNativeObject(), matrix);
  });
}

bool GfxPathGradientBrush::GdipResetPathGradientTransform() {
  return KeepStatus(flat::GdipResetPathGradientTransform(GetNativeObject()));
}

bool GfxPathGradientBrush::GdipTranslatePathGradientTransform(REAL dx, REAL dy,
                                                              Gdiplus::MatrixOrder order) {
  return KeepStatus(flat::GdipTranslatePathGradientTransform(GetNativeObject(), dx, dy, order));
}

bool GfxPathGradientBrush::GdipScalePathGradientTransform(REAL sx, REAL sy,
                                                          Gdiplus::MatrixOrder order) {
  return KeepStatus(flat::GdipScalePathGradientTransform(GetNativeObject(), sx, sy, order));
}

bool GfxPathGradientBrush::GdipRotatePathGradientTransform(REAL angle, Gdiplus::MatrixOrder order) {
  return KeepStatus(flat::GdipRotatePathGradientTransform(GetNativeObject(), angle, order));
}

bool GfxPathGradientBrush::ScaleAt(REAL sx, REAL sy, Gdiplus::PointF centre,
                                   Gdiplus::MatrixOrder order) {
  return AboutPoint(
      [&](REAL dx, REAL dy, Gdiplus::MatrixOrder o) {
        return GdipTranslatePathGradientTransform(dx, dy, o);
      },
      [&](Gdiplus::MatrixOrder o) { return GdipScalePathGradientTransform(sx, sy, o); }, centre,
      order);
}

bool GfxPathGradientBrush::RotateAt(REAL angle, Gdiplus::PointF centre,
                                    Gdiplus::MatrixOrder order) {
  return AboutPoint(
      [&](REAL dx, REAL dy, Gdiplus::MatrixOrder o) {
        return GdipTranslatePathGradientTransform(dx, dy, o);
      },
      [&](Gdiplus::MatrixOrder o) { return GdipRotatePathGradientTransform(angle, o); }, centre,
      order);
}

}  // namespace gfx
