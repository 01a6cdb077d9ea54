// GDI+ paths.
#include "gfx/path.h"

#include <algorithm>

#include "gfx/internal.h"

namespace gfx {

using namespace internal;

GfxPath& GfxPath::operator=(GfxPath&& other) noexcept {
  MoveFrom(other);
  return *this;
}

bool GfxPath::GdipDeletePath() {
  if (!HasNativeObject()) return false;
  return KeepStatus(flat::GdipDeletePath(static_cast<Gdiplus::GpPath*>(ReleaseNative())));
}

bool GfxPath::GdipCreatePath(Gdiplus::FillMode fillMode) {
  Gdiplus::GpPath* path = nullptr;
  const GpStatus status = flat::GdipCreatePath(fillMode, &path);
  SetNativeObject(path);
  return KeepStatus(status);
}

bool GfxPath::GdipClonePath(GfxPath& destination) const {
  Gdiplus::GpPath* clone = nullptr;
  const GpStatus status = flat::GdipClonePath(GetNativeObject(), &clone);
  destination.SetNativeObject(clone);
  return KeepStatus(status);
}

bool GfxPath::GdipResetPath() { return KeepStatus(flat::GdipResetPath(GetNativeObject())); }

Gdiplus::FillMode GfxPath::GdipGetPathFillMode() const {
  return GetValue<Gdiplus::FillMode>(
      [&](Gdiplus::FillMode* mode) { return flat::GdipGetPathFillMode(GetNativeObject(), mode); });
}

bool GfxPath::GdipSetPathFillMode(Gdiplus::FillMode fillMode) {
  return KeepStatus(flat::GdipSetPathFillMode(GetNativeObject(), fillMode));
}

int GfxPath::GdipGetPointCount() const {
  return GetValue<INT>(
      [&](INT* count) { return flat::GdipGetPointCount(GetNativeObject(), count); });
}

std::vector<Gdiplus::PointF> GfxPath::GdipGetPathPoints() const {
  const int count = GdipGetPointCount();
  if (count <= 0) return {};
  std::vector<Gdiplus::PointF> points(static_cast<std::size_t>(count));
  if (!KeepStatus(flat::GdipGetPathPoints(GetNativeObject(), points.data(), count))) return {};
  return points;
}

std::vector<BYTE> GfxPath::GdipGetPathTypes() const {
  const int count = GdipGetPointCount();
  if (count <= 0) return {};
  std::vector<BYTE> types(static_cast<std::size_t>(count));
  if (!KeepStatus(flat::GdipGetPathTypes(GetNativeObject(), types.data(), count))) return {};
  return types;
}

Gdiplus::RectF GfxPath::GdipGetPathWorldBounds() const {
  return GetValue<Gdiplus::RectF>([&](Gdiplus::RectF* bounds) {
    return flat::GdipGetPathWorldBounds(GetNativeObject(), bounds, nullptr, nullptr);
  });
}

bool GfxPath::GdipStartPathFigure() {
  return KeepStatus(flat::GdipStartPathFigure(GetNativeObject()));
}

bool GfxPath::GdipClosePathFigure() {
  return KeepStatus(flat::GdipClosePathFigure(GetNativeObject()));
}

bool GfxPath::GdipAddPathLine(REAL x1, REAL y1, REAL x2, REAL y2) {
  return KeepStatus(flat::GdipAddPathLine(GetNativeObject(), x1, y1, x2, y2));
}

bool GfxPath::GdipAddPathLine2(std::span<const Gdiplus::PointF> points) {
  return KeepStatus(
      flat::GdipAddPathLine2(GetNativeObject(), points.data(), static_cast<INT>(points.size())));
}

bool GfxPath::GdipAddPathArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                             REAL sweepAngle) {
  return KeepStatus(
      flat::GdipAddPathArc(GetNativeObject(), x, y, width, height, startAngle, sweepAngle));
}

bool GfxPath::GdipAddPathBezier(REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4,
                                REAL y4) {
  return KeepStatus(flat::GdipAddPathBezier(GetNativeObject(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GfxPath::GdipAddPathRectangle(REAL x, REAL y, REAL width, REAL height) {
  return KeepStatus(flat::GdipAddPathRectangle(GetNativeObject(), x, y, width, height));
}

bool GfxPath::GdipAddPathEllipse(REAL x, REAL y, REAL width, REAL height) {
  return KeepStatus(flat::GdipAddPathEllipse(GetNativeObject(), x, y, width, height));
}

bool GfxPath::GdipAddPathPolygon(std::span<const Gdiplus::PointF> points) {
  return KeepStatus(
      flat::GdipAddPathPolygon(GetNativeObject(), points.data(), static_cast<INT>(points.size())));
}

bool GfxPath::GdipAddPathPath(const GfxPath& other, bool connect) {
  return KeepStatus(
      flat::GdipAddPathPath(GetNativeObject(), other.GetNativeObject(), connect ? TRUE : FALSE));
}

bool GfxPath::AddRoundedRectangle(REAL x, REAL y, REAL width, REAL height, int cornerPercent) {
  const int percent = std::clamp(cornerPercent, 1, 100);
  // The corner ellipse's size is truncated to whole units.
  const REAL aw = static_cast<REAL>(static_cast<int>(width * static_cast<REAL>(percent) / 100.0f));
  const REAL ah = static_cast<REAL>(static_cast<int>(height * static_cast<REAL>(percent) / 100.0f));
  Gdiplus::GpPath* path = GetNativeObject();
  if (aw <= 0.0f || ah <= 0.0f) {
    // Too small for any rounding: GDI+ refuses arcs of a flat ellipse, which would leave no
    // outline at all, so the plain rectangle stands in.
    flat::GdipAddPathRectangle(path, x, y, width, height);
    return GdipClosePathFigure();
  }
  flat::GdipAddPathArc(path, x + width - aw, y, aw, ah, 270.0f, 90.0f);
  flat::GdipAddPathArc(path, x + width - aw, y + height - ah, aw, ah, 0.0f, 90.0f);
  flat::GdipAddPathArc(path, x, y + height - ah, aw, ah, 90.0f, 90.0f);
  flat::GdipAddPathArc(path, x, y, aw, ah, 180.0f, 90.0f);
  return GdipClosePathFigure();
}

bool GfxPath::GdipIsVisiblePathPoint(REAL x, REAL y) const {
  return GetValue<BOOL>([&](BOOL* visible) {
           return flat::GdipIsVisiblePathPoint(GetNativeObject(), x, y, nullptr, visible);
         }) != FALSE;
}

}  // namespace gfx
