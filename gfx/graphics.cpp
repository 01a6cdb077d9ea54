// GDI+ graphics.
#include "gfx/graphics.h"

#include "gfx/internal.h"

namespace gfx {

using namespace internal;

namespace {

Gdiplus::GpStringFormat* NativeOf(const GfxStringFormat* format) {
  return format != nullptr ? format->GetNativeObject() : nullptr;
}

}  // namespace

GfxGraphics& GfxGraphics::operator=(GfxGraphics&& other) noexcept {
  MoveFrom(other);
  return *this;
}

bool GfxGraphics::GdipDeleteGraphics() {
  if (!HasNativeObject()) return false;
  return KeepStatus(flat::GdipDeleteGraphics(static_cast<Gdiplus::GpGraphics*>(ReleaseNative())));
}

void GfxGraphics::GdipFlush(Gdiplus::FlushIntention intention) {
  flat::GdipFlush(GetNativeObject(), intention);
}

bool GfxGraphics::GdipCreateFromHWND(HWND window, bool icm) {
  Gdiplus::GpGraphics* graphics = nullptr;
  const GpStatus status = icm ? flat::GdipCreateFromHWNDICM(window, &graphics)
                              : flat::GdipCreateFromHWND(window, &graphics);
  SetNativeObject(graphics);
  return KeepStatus(status);
}

bool GfxGraphics::GdipCreateFromHDC(HDC dc, std::optional<HANDLE> device) {
  Gdiplus::GpGraphics* graphics = nullptr;
  const GpStatus status = device ? flat::GdipCreateFromHDC2(dc, *device, &graphics)
                                 : flat::GdipCreateFromHDC(dc, &graphics);
  SetNativeObject(graphics);
  return KeepStatus(status);
}

bool GfxGraphics::GdipGetImageGraphicsContext(const GfxImageBase& image) {
  Gdiplus::GpGraphics* graphics = nullptr;
  const GpStatus status = flat::GdipGetImageGraphicsContext(image.GetNativeObject(), &graphics);
  SetNativeObject(graphics);
  return KeepStatus(status);
}

bool GfxGraphics::GdipSetCompositingMode(Gdiplus::CompositingMode mode) {
  return KeepStatus(flat::GdipSetCompositingMode(GetNativeObject(), mode));
}

bool GfxGraphics::GdipSetCompositingQuality(Gdiplus::CompositingQuality quality) {
  return KeepStatus(flat::GdipSetCompositingQuality(GetNativeObject(), quality));
}

bool GfxGraphics::GdipSetTextRenderingHint(Gdiplus::TextRenderingHint hint) {
  return KeepStatus(flat::GdipSetTextRenderingHint(GetNativeObject(), hint));
}

bool GfxGraphics::GdipSetInterpolationMode(Gdiplus::InterpolationMode mode) {
  return KeepStatus(flat::GdipSetInterpolationMode(GetNativeObject(), mode));
}

Gdiplus::InterpolationMode GfxGraphics::GdipGetInterpolationMode() const {
  return GetValue<Gdiplus::InterpolationMode>([&](Gdiplus::InterpolationMode* mode) {
    return flat::GdipGetInterpolationMode(GetNativeObject(), mode);
  });
}

bool GfxGraphics::GdipSetSmoothingMode(Gdiplus::SmoothingMode mode) {
  return KeepStatus(flat::GdipSetSmoothingMode(GetNativeObject(), mode));
}

Gdiplus::SmoothingMode GfxGraphics::GdipGetSmoothingMode() const {
  return GetValue<Gdiplus::SmoothingMode>([&](Gdiplus::SmoothingMode* mode) {
    return flat::GdipGetSmoothingMode(GetNativeObject(), mode);
  });
}

bool GfxGraphics::GdipSetPixelOffsetMode(Gdiplus::PixelOffsetMode mode) {
  return KeepStatus(flat::GdipSetPixelOffsetMode(GetNativeObject(), mode));
}

Gdiplus::PixelOffsetMode GfxGraphics::GdipGetPixelOffsetMode() const {
  return GetValue<Gdiplus::PixelOffsetMode>([&](Gdiplus::PixelOffsetMode* mode) {
    return flat::GdipGetPixelOffsetMode(GetNativeObject(), mode);
  });
}

bool GfxGraphics::GdipSetPageUnit(Gdiplus::Unit unit) {
  return KeepStatus(flat::GdipSetPageUnit(GetNativeObject(), unit));
}

MatrixElements GfxGraphics::GdipGetWorldTransform() const {
  return GetTransform([&](Gdiplus::GpMatrix* matrix) {
    return flat::GdipGetWorldTransform(GetNativeObject(), matrix);
  });
}

bool GfxGraphics::GdipResetWorldTransform() {
  return KeepStatus(flat::GdipResetWorldTransform(GetNativeObject()));
}

bool GfxGraphics::GdipTranslateWorldTransform(REAL dx, REAL dy, Gdiplus::MatrixOrder order) {
  return KeepStatus(flat::GdipTranslateWorldTransform(GetNativeObject(), dx, dy, order));
}

bool GfxGraphics::GdipScaleWorldTransform(REAL sx, REAL sy, Gdiplus::MatrixOrder order) {
  return KeepStatus(flat::GdipScaleWorldTransform(GetNativeObject(), sx, sy, order));
}

bool GfxGraphics::GdipRotateWorldTransform(REAL angle, Gdiplus::MatrixOrder order) {
  return KeepStatus(flat::GdipRotateWorldTransform(GetNativeObject(), angle, order));
}

bool GfxGraphics::ScaleAt(REAL sx, REAL sy, Gdiplus::PointF centre, Gdiplus::MatrixOrder order) {
  return AboutPoint([&](REAL dx, REAL dy,
                        Gdiplus::MatrixOrder o) { return GdipTranslateWorldTransform(dx, dy, o); },
                    [&](Gdiplus::MatrixOrder o) { return GdipScaleWorldTransform(sx, sy, o); },
                    centre, order);
}

bool GfxGraphics::RotateAt(REAL angle, Gdiplus::PointF centre, Gdiplus::MatrixOrder order) {
  return AboutPoint([&](REAL dx, REAL dy,
                        Gdiplus::MatrixOrder o) { return GdipTranslateWorldTransform(dx, dy, o); },
                    [&](Gdiplus::MatrixOrder o) { return GdipRotateWorldTransform(angle, o); },
                    centre, order);
}

bool GfxGraphics::GdipGraphicsClear(ARGB colour) {
  return KeepStatus(flat::GdipGraphicsClear(GetNativeObject(), colour));
}

bool GfxGraphics::GdipDrawLine(const GfxPen& pen, REAL x1, REAL y1, REAL x2, REAL y2) {
  return KeepStatus(flat::GdipDrawLine(GetNativeObject(), pen.GetNativeObject(), x1, y1, x2, y2));
}

bool GfxGraphics::GdipDrawRectangle(const GfxPen& pen, REAL x, REAL y, REAL width, REAL height) {
  return KeepStatus(
      flat::GdipDrawRectangle(GetNativeObject(), pen.GetNativeObject(), x, y, width, height));
}

bool GfxGraphics::GdipDrawEllipse(const GfxPen& pen, REAL x, REAL y, REAL width, REAL height) {
  return KeepStatus(
      flat::GdipDrawEllipse(GetNativeObject(), pen.GetNativeObject(), x, y, width, height));
}

bool GfxGraphics::GdipDrawPath(const GfxPen& pen, const GfxPath& path) {
  return KeepStatus(
      flat::GdipDrawPath(GetNativeObject(), pen.GetNativeObject(), path.GetNativeObject()));
}

bool GfxGraphics::GdipFillRectangle(const GfxBrush& brush, REAL x, REAL y, REAL width,
                                    REAL height) {
  return KeepStatus(
      flat::GdipFillRectangle(GetNativeObject(), brush.GetNativeObject(), x, y, width, height));
}

bool GfxGraphics::GdipFillRectangle(const GfxBrush& brush, const Gdiplus::RectF& rect) {
  return GdipFillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

bool GfxGraphics::GdipFillEllipse(const GfxBrush& brush, REAL x, REAL y, REAL width, REAL height) {
  return KeepStatus(
      flat::GdipFillEllipse(GetNativeObject(), brush.GetNativeObject(), x, y, width, height));
}

bool GfxGraphics::GdipFillPath(const GfxBrush& brush, const GfxPath& path) {
  return KeepStatus(
      flat::GdipFillPath(GetNativeObject(), brush.GetNativeObject(), path.GetNativeObject()));
}

bool GfxGraphics::GdipFillRegion(const GfxBrush& brush, const GfxRegion& region) {
  return KeepStatus(
      flat::GdipFillRegion(GetNativeObject(), brush.GetNativeObject(), region.GetNativeObject()));
}

bool GfxGraphics::GdipDrawString(rt::TextView text, const GfxFont& font, const GfxBrush& brush,
                                 const Gdiplus::RectF& layout, const GfxStringFormat* format) {
  return GdipDrawStringW(Wide(text), font, brush, layout, format);
}

bool GfxGraphics::GdipDrawStringW(std::wstring_view text, const GfxFont& font,
                                  const GfxBrush& brush, const Gdiplus::RectF& layout,
                                  const GfxStringFormat* format) {
  return KeepStatus(flat::GdipDrawString(GetNativeObject(), text.data(),
                                         static_cast<INT>(text.size()), font.GetNativeObject(),
                                         &layout, NativeOf(format), brush.GetNativeObject()));
}

bool GfxGraphics::GdipMeasureString(rt::TextView text, const GfxFont& font,
                                    const Gdiplus::RectF& layout, const GfxStringFormat* format,
                                    Gdiplus::RectF& bounding) const {
  return GdipMeasureStringW(Wide(text), font, layout, format, bounding);
}

bool GfxGraphics::GdipMeasureStringW(std::wstring_view text, const GfxFont& font,
                                     const Gdiplus::RectF& layout, const GfxStringFormat* format,
                                     Gdiplus::RectF& bounding) const {
  bounding = Gdiplus::RectF();
  return KeepStatus(flat::GdipMeasureString(
      GetNativeObject(), text.data(), static_cast<INT>(text.size()), font.GetNativeObject(),
      &layout, NativeOf(format), &bounding, nullptr, nullptr));
}

bool GfxGraphics::GdipMeasureCharacterRanges(rt::TextView text, const GfxFont& font,
                                             const Gdiplus::RectF& layout,
                                             const GfxStringFormat& format, int count,
                                             std::vector<GfxRegion>& regions) const {
  return GdipMeasureCharacterRangesW(Wide(text), font, layout, format, count, regions);
}

bool GfxGraphics::GdipMeasureCharacterRangesW(std::wstring_view text, const GfxFont& font,
                                              const Gdiplus::RectF& layout,
                                              const GfxStringFormat& format, int count,
                                              std::vector<GfxRegion>& regions) const {
  if (count < 1) return false;
  std::vector<GfxRegion> measured(static_cast<std::size_t>(count));
  std::vector<Gdiplus::GpRegion*> handles;
  handles.reserve(measured.size());
  for (GfxRegion& region : measured) {
    if (!region.GdipCreateRegion()) return false;
    handles.push_back(region.GetNativeObject());
  }
  if (!KeepStatus(flat::GdipMeasureCharacterRanges(
          GetNativeObject(), text.data(), static_cast<INT>(text.size()), font.GetNativeObject(),
          layout, format.GetNativeObject(), count, handles.data()))) {
    return false;
  }
  regions = std::move(measured);
  return true;
}

bool GfxGraphics::GdipDrawImage(const GfxImageBase& image, REAL x, REAL y) {
  return KeepStatus(flat::GdipDrawImage(GetNativeObject(), image.GetNativeObject(), x, y));
}

bool GfxGraphics::GdipDrawImageRect(const GfxImageBase& image, REAL x, REAL y, REAL width,
                                    REAL height) {
  return KeepStatus(
      flat::GdipDrawImageRect(GetNativeObject(), image.GetNativeObject(), x, y, width, height));
}

bool GfxGraphics::GdipDrawImageRectRect(const GfxImageBase& image, REAL x, REAL y, REAL width,
                                        REAL height, Gdiplus::Unit sourceUnit) {
  const Gdiplus::RectF source(0, 0, static_cast<REAL>(image.GdipGetImageWidth()),
                              static_cast<REAL>(image.GdipGetImageHeight()));
  return GdipDrawImageRectRect(image, Gdiplus::RectF(x, y, width, height), source, sourceUnit);
}

bool GfxGraphics::GdipDrawImageRectRect(const GfxImageBase& image,
                                        const Gdiplus::RectF& destination,
                                        const Gdiplus::RectF& source, Gdiplus::Unit sourceUnit,
                                        Gdiplus::GpImageAttributes* attributes) {
  return KeepStatus(flat::GdipDrawImageRectRect(
      GetNativeObject(), image.GetNativeObject(), destination.X, destination.Y, destination.Width,
      destination.Height, source.X, source.Y, source.Width, source.Height, sourceUnit, attributes,
      nullptr, nullptr));
}

bool GfxGraphics::GdipSetClipRect(REAL x, REAL y, REAL width, REAL height,
                                  Gdiplus::CombineMode mode) {
  return KeepStatus(flat::GdipSetClipRect(GetNativeObject(), x, y, width, height, mode));
}

bool GfxGraphics::GdipSetClipPath(const GfxPath& path, Gdiplus::CombineMode mode) {
  return KeepStatus(flat::GdipSetClipPath(GetNativeObject(), path.GetNativeObject(), mode));
}

bool GfxGraphics::GdipSetClipRegion(const GfxRegion& region, Gdiplus::CombineMode mode) {
  return KeepStatus(flat::GdipSetClipRegion(GetNativeObject(), region.GetNativeObject(), mode));
}

bool GfxGraphics::GdipResetClip() { return KeepStatus(flat::GdipResetClip(GetNativeObject())); }

Gdiplus::RectF GfxGraphics::GdipGetClipBounds() const {
  return GetValue<Gdiplus::RectF>(
      [&](Gdiplus::RectF* bounds) { return flat::GdipGetClipBounds(GetNativeObject(), bounds); });
}

bool GfxGraphics::GdipIsVisiblePoint(REAL x, REAL y) const {
  return GetValue<BOOL>([&](BOOL* visible) {
           return flat::GdipIsVisiblePoint(GetNativeObject(), x, y, visible);
         }) != FALSE;
}

}  // namespace gfx
