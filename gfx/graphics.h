// GDI+ graphics: the drawing surface over a device context, a window or an image.
//
// The graphics object is owned; the DC, window or image it draws on stays its owner's and must
// outlive the graphics.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "gfx/brush.h"
#include "gfx/font.h"
#include "gfx/gfx_object.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "gfx/region.h"
#include "gfx/string_format.h"
#include "runtime/text.h"

namespace gfx {

class GfxGraphics : public GfxObject {
 public:
  GfxGraphics() = default;
  GfxGraphics(GfxGraphics&& other) noexcept = default;
  GfxGraphics& operator=(GfxGraphics&& other) noexcept;
  ~GfxGraphics() override { GdipDeleteGraphics(); }

  Gdiplus::GpGraphics* GetNativeObject() const {
    return static_cast<Gdiplus::GpGraphics*>(GfxObject::GetNativeObject());
  }

  // False at once, without a GDI+ call, when nothing is held.
  bool GdipDeleteGraphics();
  // Sends pending drawing to the surface; records no status.
  void GdipFlush(Gdiplus::FlushIntention intention = Gdiplus::FlushIntentionFlush);
  bool GdipCreateFromHWND(HWND window, bool icm = false);
  // With a device handle given, GdipCreateFromHDC2.
  bool GdipCreateFromHDC(HDC dc, std::optional<HANDLE> device = std::nullopt);
  bool GdipGetImageGraphicsContext(const GfxImageBase& image);

  bool GdipSetCompositingMode(Gdiplus::CompositingMode mode);
  bool GdipSetCompositingQuality(Gdiplus::CompositingQuality quality);
  bool GdipSetTextRenderingHint(Gdiplus::TextRenderingHint hint);
  bool GdipSetInterpolationMode(Gdiplus::InterpolationMode mode);
  Gdiplus::InterpolationMode GdipGetInterpolationMode() const;
  bool GdipSetSmoothingMode(Gdiplus::SmoothingMode mode);
  Gdiplus::SmoothingMode GdipGetSmoothingMode() const;
  bool GdipSetPixelOffsetMode(Gdiplus::PixelOffsetMode mode);
  Gdiplus::PixelOffsetMode GdipGetPixelOffsetMode() const;
  bool GdipSetPageUnit(Gdiplus::Unit unit);

  MatrixElements GdipGetWorldTransform() const;
  bool GdipResetWorldTransform();
  bool GdipTranslateWorldTransform(REAL dx, REAL dy, Gdiplus::MatrixOrder order);
  bool GdipScaleWorldTransform(REAL sx, REAL sy, Gdiplus::MatrixOrder order);
  bool GdipRotateWorldTransform(REAL angle, Gdiplus::MatrixOrder order);
  // Scale or rotate about `centre` instead of the origin.
  bool ScaleAt(REAL sx, REAL sy, Gdiplus::PointF centre, Gdiplus::MatrixOrder order);
  bool RotateAt(REAL angle, Gdiplus::PointF centre, Gdiplus::MatrixOrder order);

  bool GdipGraphicsClear(ARGB colour);
  bool GdipDrawLine(const GfxPen& pen, REAL x1, REAL y1, REAL x2, REAL y2);
  bool GdipDrawRectangle(const GfxPen& pen, REAL x, REAL y, REAL width, REAL height);
  bool GdipDrawEllipse(const GfxPen& pen, REAL x, REAL y, REAL width, REAL height);
  bool GdipDrawPath(const GfxPen& pen, const GfxPath& path);
  bool GdipFillRectangle(const GfxBrush& brush, REAL x, REAL y, REAL width, REAL height);
  bool GdipFillRectangle(const GfxBrush& brush, const Gdiplus::RectF& rect);
  bool GdipFillEllipse(const GfxBrush& brush, REAL x, REAL y, REAL width, REAL height);
  bool GdipFillPath(const GfxBrush& brush, const GfxPath& path);
  bool GdipFillRegion(const GfxBrush& brush, const GfxRegion& region);

  // Text in `layout`; a null format means GDI+'s default format.
  bool GdipDrawString(rt::TextView text, const GfxFont& font, const GfxBrush& brush,
                      const Gdiplus::RectF& layout, const GfxStringFormat* format = nullptr);
  bool GdipDrawStringW(std::wstring_view text, const GfxFont& font, const GfxBrush& brush,
                       const Gdiplus::RectF& layout, const GfxStringFormat* format = nullptr);
  bool GdipMeasureString(rt::TextView text, const GfxFont& font, const Gdiplus::RectF& layout,
                         const GfxStringFormat* format, Gdiplus::RectF& bounding) const;
  bool GdipMeasureStringW(std::wstring_view text, const GfxFont& font, const Gdiplus::RectF& layout,
                          const GfxStringFormat* format, Gdiplus::RectF& bounding) const;
  // One region per measurable character range of `format`. A count below 1 does nothing and gives
  // false; on success `regions` is replaced by `count` regions.
  bool GdipMeasureCharacterRanges(rt::TextView text, const GfxFont& font,
                                  const Gdiplus::RectF& layout, const GfxStringFormat& format,
                                  int count, std::vector<GfxRegion>& regions) const;
  bool GdipMeasureCharacterRangesW(std::wstring_view text, const GfxFont& font,
                                   const Gdiplus::RectF& layout, const GfxStringFormat& format,
                                   int count, std::vector<GfxRegion>& regions) const;

  // The image in its own size (its resolution-scaled size, as GDI+ does) at (x, y).
  bool GdipDrawImage(const GfxImageBase& image, REAL x, REAL y);
  bool GdipDrawImageRect(const GfxImageBase& image, REAL x, REAL y, REAL width, REAL height);
  // The whole image scaled into the destination; the source is measured in `sourceUnit`.
  bool GdipDrawImageRectRect(const GfxImageBase& image, REAL x, REAL y, REAL width, REAL height,
                             Gdiplus::Unit sourceUnit = Gdiplus::UnitPixel);
  // Part of the image (source rectangle) scaled into the destination.
  bool GdipDrawImageRectRect(const GfxImageBase& image, const Gdiplus::RectF& destination,
                             const Gdiplus::RectF& source,
                             Gdiplus::Unit sourceUnit = Gdiplus::UnitPixel,
                             Gdiplus::GpImageAttributes* attributes = nullptr);

  bool GdipSetClipRect(REAL x, REAL y, REAL width, REAL height,
                       Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
  bool GdipSetClipPath(const GfxPath& path,
                       Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
  bool GdipSetClipRegion(const GfxRegion& region,
                         Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
  bool GdipResetClip();
  Gdiplus::RectF GdipGetClipBounds() const;
  bool GdipIsVisiblePoint(REAL x, REAL y) const;

 private:
  void DeleteHeld() noexcept override { GdipDeleteGraphics(); }
};

}  // namespace gfx
