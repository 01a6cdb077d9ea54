// Paths (rounded rectangles above all) and scaling or rotating about a point on the four kinds of
// object that carry a transform.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "canvas.h"
#include "gfx/gfx.h"

namespace gfx {
namespace {

using test::Canvas;

// The path that AddRoundedRectangle must give for an already clamped percent, built arc by arc.
GfxPath ReferenceRoundedRectangle(REAL x, REAL y, REAL w, REAL h, int percent) {
  const REAL aw = static_cast<REAL>(static_cast<int>(w * percent / 100.0f));
  const REAL ah = static_cast<REAL>(static_cast<int>(h * percent / 100.0f));
  GfxPath path;
  EXPECT_TRUE(path.GdipCreatePath());
  EXPECT_TRUE(path.GdipAddPathArc(x + w - aw, y, aw, ah, 270, 90));
  EXPECT_TRUE(path.GdipAddPathArc(x + w - aw, y + h - ah, aw, ah, 0, 90));
  EXPECT_TRUE(path.GdipAddPathArc(x, y + h - ah, aw, ah, 90, 90));
  EXPECT_TRUE(path.GdipAddPathArc(x, y, aw, ah, 180, 90));
  EXPECT_TRUE(path.GdipClosePathFigure());
  return path;
}

void ExpectSamePoints(const GfxPath& actual, const GfxPath& expected) {
  const std::vector<Gdiplus::PointF> a = actual.GdipGetPathPoints();
  const std::vector<Gdiplus::PointF> e = expected.GdipGetPathPoints();
  ASSERT_EQ(a.size(), e.size());
  ASSERT_FALSE(a.empty());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_FLOAT_EQ(a[i].X, e[i].X) << "point " << i;
    EXPECT_FLOAT_EQ(a[i].Y, e[i].Y) << "point " << i;
  }
  EXPECT_EQ(actual.GdipGetPathTypes(), expected.GdipGetPathTypes());
}

TEST(GfxPath, RoundedRectangleClampsThePercentTo1Through100) {
  struct Case {
    int given;
    int used;
  };
  const Case cases[] = {{-20, 1}, {0, 1}, {1, 1}, {35, 35}, {100, 100}, {150, 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.given);
    GfxPath path;
    ASSERT_TRUE(path.GdipCreatePath());
    EXPECT_TRUE(path.AddRoundedRectangle(10, 20, 200, 120, c.given));
    ExpectSamePoints(path, ReferenceRoundedRectangle(10, 20, 200, 120, c.used));
    const Gdiplus::RectF bounds = path.GdipGetPathWorldBounds();
    EXPECT_NEAR(bounds.X, 10, 0.01);
    EXPECT_NEAR(bounds.Y, 20, 0.01);
    EXPECT_NEAR(bounds.Width, 200, 0.01);
    EXPECT_NEAR(bounds.Height, 120, 0.01);
  }
}

TEST(GfxPath, RoundedRectangleTooSmallToRoundStaysARectangle) {
  // 1 % of 40 truncates to a corner 0 wide: the outline is the plain rectangle, not nothing.
  GfxPath path;
  ASSERT_TRUE(path.GdipCreatePath());
  EXPECT_TRUE(path.AddRoundedRectangle(2, 3, 40, 30, 1));
  EXPECT_EQ(path.GdipGetPointCount(), 4);
  const Gdiplus::RectF bounds = path.GdipGetPathWorldBounds();
  EXPECT_FLOAT_EQ(bounds.Width, 40);
  EXPECT_FLOAT_EQ(bounds.Height, 30);
}

TEST(GfxPath, RoundedRectangleFillLeavesTheCornersOut) {
  Canvas canvas(40, 40);
  GfxPath path;
  ASSERT_TRUE(path.GdipCreatePath());
  ASSERT_TRUE(path.AddRoundedRectangle(0, 0, 40, 40, 100));  // a circle
  GfxSolidBrush brush;
  ASSERT_TRUE(brush.GdipCreateSolidFill(test::kOpaqueRed));
  ASSERT_TRUE(canvas.graphics.GdipFillPath(brush, path));
  EXPECT_EQ(canvas.Pixel(20, 20), test::kOpaqueRed);
  EXPECT_EQ(canvas.Pixel(1, 1), 0u);
  EXPECT_EQ(canvas.Pixel(38, 38), 0u);
  EXPECT_TRUE(path.GdipIsVisiblePathPoint(20, 20));
  EXPECT_FALSE(path.GdipIsVisiblePathPoint(1, 1));
}

TEST(GfxPath, FiguresLinesAndResetAndClone) {
  GfxPath path;
  ASSERT_TRUE(path.GdipCreatePath());
  ASSERT_TRUE(path.GdipAddPathLine(0, 0, 10, 0));
  ASSERT_TRUE(path.GdipAddPathLine(10, 0, 10, 10));
  ASSERT_TRUE(path.GdipClosePathFigure());
  ASSERT_TRUE(path.GdipStartPathFigure());
  ASSERT_TRUE(path.GdipAddPathRectangle(20, 20, 5, 5));
  EXPECT_EQ(path.GdipGetPointCount(), 7);

  GfxPath clone;
  ASSERT_TRUE(path.GdipClonePath(clone));
  ExpectSamePoints(clone, path);
  ASSERT_TRUE(path.GdipResetPath());
  EXPECT_EQ(path.GdipGetPointCount(), 0);
  EXPECT_EQ(clone.GdipGetPointCount(), 7);
}

// Maps a point through the six elements of a GDI+ matrix (row vector times matrix).
Gdiplus::PointF Apply(const MatrixElements& m, Gdiplus::PointF p) {
  return {p.X * m[0] + p.Y * m[2] + m[4], p.X * m[1] + p.Y * m[3] + m[5]};
}

// An object with a transform: how to reach its ScaleAt, RotateAt, translation and matrix.
struct TransformKind {
  std::string name;
  std::function<bool(REAL, REAL, Gdiplus::PointF, Gdiplus::MatrixOrder)> scaleAt;
  std::function<bool(REAL, Gdiplus::PointF, Gdiplus::MatrixOrder)> rotateAt;
  std::function<bool(REAL, REAL)> translate;
  std::function<MatrixElements()> matrix;
};

class TransformObjects {
 public:
  TransformObjects() : canvas_(4, 4) {
    EXPECT_TRUE(pen_.GdipCreatePen1(test::kOpaqueBlack, 1));
    EXPECT_TRUE(
        linear_.GdipCreateLineBrush({0, 0}, {10, 10}, test::kOpaqueBlack, test::kOpaqueWhite));
    const Gdiplus::PointF points[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(gradient_.GdipCreatePathGradient(points, Gdiplus::WrapModeClamp));
  }

  std::vector<TransformKind> Kinds() {
    const auto append = Gdiplus::MatrixOrderAppend;
    GfxGraphics& g = canvas_.graphics;
    return {
        {"graphics", [&g](auto... a) { return g.ScaleAt(a...); },
         [&g](auto... a) { return g.RotateAt(a...); },
         [&g, append](REAL x, REAL y) { return g.GdipTranslateWorldTransform(x, y, append); },
         [&g] { return g.GdipGetWorldTransform(); }},
        {"pen", [this](auto... a) { return pen_.ScaleAt(a...); },
         [this](auto... a) { return pen_.RotateAt(a...); },
         [this, append](REAL x, REAL y) { return pen_.GdipTranslatePenTransform(x, y, append); },
         [this] { return pen_.GdipGetPenTransform(); }},
        {"linear brush", [this](auto... a) { return linear_.ScaleAt(a...); },
         [this](auto... a) { return linear_.RotateAt(a...); },
         [this, append](REAL x, REAL y) {
           return linear_.GdipTranslateLineTransform(x, y, append);
         },
         [this] { return linear_.GdipGetLineTransform(); }},
        {"path gradient brush", [this](auto... a) { return gradient_.ScaleAt(a...); },
         [this](auto... a) { return gradient_.RotateAt(a...); },
         [this, append](REAL x, REAL y) {
           return gradient_.GdipTranslatePathGradientTransform(x, y, append);
         },
         [this] { return gradient_.GdipGetPathGradientTransform(); }},
    };
  }

  void Reset() {
    canvas_.graphics.GdipResetWorldTransform();
    pen_.GdipResetPenTransform();
    linear_.GdipResetLineTransform();
    gradient_.GdipResetPathGradientTransform();
  }

 private:
  Canvas canvas_;
  GfxPen pen_;
  GfxLinearBrush linear_;
  GfxPathGradientBrush gradient_;
};

void ExpectPoint(Gdiplus::PointF actual, Gdiplus::PointF expected) {
  EXPECT_NEAR(actual.X, expected.X, 1e-3);
  EXPECT_NEAR(actual.Y, expected.Y, 1e-3);
}

TEST(GfxTransform, ScaleAtKeepsTheCentreFixedInBothOrders) {
  TransformObjects objects;
  const Gdiplus::PointF centre(10, 20);
  for (const TransformKind& kind : objects.Kinds()) {
    SCOPED_TRACE(kind.name);
    // Appended after an existing shift by (5, 7): shift first, then scale about the centre.
    objects.Reset();
    ASSERT_TRUE(kind.translate(5, 7));
    ASSERT_TRUE(kind.scaleAt(2, 3, centre, Gdiplus::MatrixOrderAppend));
    EXPECT_EQ(lastGdiStatus, Gdiplus::Ok);
    ExpectPoint(Apply(kind.matrix(), {5, 13}), {10, 20});  // (5,13)+(5,7) is the centre
    ExpectPoint(Apply(kind.matrix(), {6, 14}), {12, 23});  // one step off it, scaled
    // Prepended: scale about the centre first, then the shift.
    objects.Reset();
    ASSERT_TRUE(kind.translate(5, 7));
    ASSERT_TRUE(kind.scaleAt(2, 3, centre, Gdiplus::MatrixOrderPrepend));
    ExpectPoint(Apply(kind.matrix(), {10, 20}), {15, 27});
    ExpectPoint(Apply(kind.matrix(), {11, 21}), {17, 30});
  }
}

TEST(GfxTransform, RotateAtTurnsAboutTheCentreInBothOrders) {
  TransformObjects objects;
  const Gdiplus::PointF centre(10, 20);
  for (const TransformKind& kind : objects.Kinds()) {
    SCOPED_TRACE(kind.name);
    objects.Reset();
    ASSERT_TRUE(kind.translate(5, 7));
    if (!kind.rotateAt(90, centre, Gdiplus::MatrixOrderAppend) && kind.name == "linear brush" &&
        lastGdiStatus == Gdiplus::NotImplemented) {
      // Wine's GdipRotateLineTransform is a stub; RotateAt reports that rather than a wrong turn.
      continue;
    }
    ASSERT_EQ(lastGdiStatus, Gdiplus::Ok);
    ExpectPoint(Apply(kind.matrix(), {5, 13}), {10, 20});
    ExpectPoint(Apply(kind.matrix(), {6, 13}), {10, 21});  // +x turns to +y (y points down)
    objects.Reset();
    ASSERT_TRUE(kind.translate(5, 7));
    ASSERT_TRUE(kind.rotateAt(90, centre, Gdiplus::MatrixOrderPrepend));
    ExpectPoint(Apply(kind.matrix(), {10, 20}), {15, 27});
    ExpectPoint(Apply(kind.matrix(), {11, 20}), {15, 28});
  }
}

TEST(GfxTransform, ScaleAtOnAnEmptyObjectFailsAtTheFirstStep) {
  GfxPen pen;
  EXPECT_FALSE(pen.ScaleAt(2, 2, {1, 1}, Gdiplus::MatrixOrderAppend));
  EXPECT_EQ(lastGdiStatus, Gdiplus::InvalidParameter);
}

TEST(GfxTransform, ScaleAtOnGraphicsScalesWhatIsDrawn) {
  Canvas canvas(40, 40);
  ASSERT_TRUE(canvas.graphics.ScaleAt(2, 2, {20, 20}, Gdiplus::MatrixOrderAppend));
  GfxSolidBrush brush;
  ASSERT_TRUE(brush.GdipCreateSolidFill(test::kOpaqueBlue));
  // (15,15)-(25,25) doubled about (20,20) covers (10,10)-(30,30).
  ASSERT_TRUE(canvas.graphics.GdipFillRectangle(brush, 15, 15, 10, 10));
  EXPECT_EQ(canvas.Pixel(11, 11), test::kOpaqueBlue);
  EXPECT_EQ(canvas.Pixel(28, 28), test::kOpaqueBlue);
  EXPECT_EQ(canvas.Pixel(8, 8), 0u);
  EXPECT_EQ(canvas.Pixel(31, 31), 0u);
}

TEST(GfxBrushes, GradientSettingsReadBack) {
  GfxLinearBrush linear;
  ASSERT_TRUE(linear.GdipCreateLineBrush({0, 0}, {0, 10}, test::kOpaqueRed, test::kOpaqueBlue));
  EXPECT_EQ(linear.GdipGetLineWrapMode(), Gdiplus::WrapModeTile);
  EXPECT_EQ(linear.GdipGetLineColors(), (std::array<ARGB, 2>{test::kOpaqueRed, test::kOpaqueBlue}));
  EXPECT_EQ(linear.GdipGetBrushType(), Gdiplus::BrushTypeLinearGradient);
  const ARGB colours[] = {test::kOpaqueRed, test::kOpaqueGreen, test::kOpaqueBlue};
  const REAL positions[] = {0.0f, 0.5f, 1.0f};
  EXPECT_TRUE(linear.GdipSetLinePresetBlend(colours, positions));
  EXPECT_FALSE(linear.GdipSetLinePresetBlend(colours, std::span(positions, 2)));
  EXPECT_EQ(lastGdiStatus, Gdiplus::InvalidParameter);
  EXPECT_TRUE(linear.GdipSetLineLinearBlend(0.5f, 1.0f));

  GfxPath path;
  ASSERT_TRUE(path.GdipCreatePath());
  ASSERT_TRUE(path.GdipAddPathRectangle(0, 0, 10, 10));
  GfxPathGradientBrush gradient;
  ASSERT_TRUE(gradient.GdipCreatePathGradientFromPath(path));
  ASSERT_TRUE(gradient.GdipSetPathGradientCenterColor(test::kOpaqueGreen));
  EXPECT_EQ(gradient.GdipGetPathGradientCenterColor(), test::kOpaqueGreen);
  const ARGB surround[] = {test::kOpaqueRed, test::kOpaqueBlue};
  EXPECT_TRUE(gradient.GdipSetPathGradientSurroundColorsWithCount(surround, 5));  // cut to 2
  EXPECT_TRUE(gradient.GdipSetPathGradientCenterPoint({3, 4}));
  const Gdiplus::PointF centre = gradient.GdipGetPathGradientCenterPoint();
  EXPECT_FLOAT_EQ(centre.X, 3);
  EXPECT_FLOAT_EQ(centre.Y, 4);
}

TEST(GfxBrushes, LinearGradientRunsFromTheFirstColourToTheSecond) {
  Canvas canvas(10, 100);
  GfxLinearBrush brush;
  ASSERT_TRUE(brush.GdipCreateLineBrush({0, 0}, {0, 100}, test::kOpaqueBlack, test::kOpaqueWhite));
  ASSERT_TRUE(canvas.graphics.GdipFillRectangle(brush, 0, 0, 10, 100));
  const auto red = [](ARGB c) { return (c >> 16) & 0xFF; };
  EXPECT_LT(red(canvas.Pixel(5, 2)), 20u);
  EXPECT_GT(red(canvas.Pixel(5, 97)), 235u);
  EXPECT_LT(red(canvas.Pixel(5, 30)), red(canvas.Pixel(5, 70)));
}

TEST(GfxPen, StrokesWithItsColourAndWidth) {
  Canvas canvas(20, 20);
  GfxSolidBrush brush;
  ASSERT_TRUE(brush.GdipCreateSolidFill(test::kOpaqueGreen));
  GfxPen pen;
  ASSERT_TRUE(pen.GdipCreatePen2(brush, 1));
  ASSERT_TRUE(pen.GdipSetPenWidth(4));
  EXPECT_EQ(pen.GdipGetPenWidth(), 4.0f);
  ASSERT_TRUE(canvas.graphics.GdipDrawLine(pen, 0, 10, 20, 10));
  EXPECT_EQ(canvas.Pixel(10, 9), test::kOpaqueGreen);
  EXPECT_EQ(canvas.Pixel(10, 11), test::kOpaqueGreen);
  EXPECT_EQ(canvas.Pixel(10, 3), 0u);
}

TEST(GfxGraphics, ClipLimitsDrawingAndResetLiftsIt) {
  Canvas canvas(20, 20);
  GfxSolidBrush brush;
  ASSERT_TRUE(brush.GdipCreateSolidFill(test::kOpaqueRed));
  ASSERT_TRUE(canvas.graphics.GdipSetClipRect(0, 0, 20, 20));
  ASSERT_TRUE(canvas.graphics.GdipSetClipRect(5, 5, 10, 10, Gdiplus::CombineModeXor));  // a ring
  ASSERT_TRUE(canvas.graphics.GdipFillRectangle(brush, 0, 0, 20, 20));
  EXPECT_EQ(canvas.Pixel(2, 2), test::kOpaqueRed);
  EXPECT_EQ(canvas.Pixel(10, 10), 0u);
  ASSERT_TRUE(canvas.graphics.GdipResetClip());
  ASSERT_TRUE(canvas.graphics.GdipGraphicsClear(test::kOpaqueBlue));
  EXPECT_EQ(canvas.Pixel(10, 10), test::kOpaqueBlue);

  GfxPath circle;
  ASSERT_TRUE(circle.GdipCreatePath());
  ASSERT_TRUE(circle.GdipAddPathEllipse(0, 0, 20, 20));
  ASSERT_TRUE(canvas.graphics.GdipSetClipPath(circle));
  ASSERT_TRUE(canvas.graphics.GdipGraphicsClear(test::kOpaqueYellow));
  EXPECT_EQ(canvas.Pixel(10, 10), test::kOpaqueYellow);
  EXPECT_EQ(canvas.Pixel(0, 0), test::kOpaqueBlue);
}

TEST(GfxGraphics, ModesReadBack) {
  Canvas canvas(4, 4);
  ASSERT_TRUE(canvas.graphics.GdipSetSmoothingMode(Gdiplus::SmoothingModeAntiAlias));
  EXPECT_EQ(canvas.graphics.GdipGetSmoothingMode(), Gdiplus::SmoothingModeAntiAlias);
  ASSERT_TRUE(
      canvas.graphics.GdipSetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear));
  EXPECT_EQ(canvas.graphics.GdipGetInterpolationMode(),
            Gdiplus::InterpolationModeHighQualityBilinear);
  ASSERT_TRUE(canvas.graphics.GdipSetPixelOffsetMode(Gdiplus::PixelOffsetModeNone));
  EXPECT_EQ(canvas.graphics.GdipGetPixelOffsetMode(), Gdiplus::PixelOffsetModeNone);
  EXPECT_TRUE(canvas.graphics.GdipSetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected));
}

TEST(GfxGraphics, DrawsOnAMemoryDeviceContext) {
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, -8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(bitmap, nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  {
    GfxGraphics graphics;
    ASSERT_TRUE(graphics.GdipCreateFromHDC(dc));
    ASSERT_TRUE(graphics.GdipGraphicsClear(test::kOpaqueGreen));
  }
  EXPECT_EQ(GetPixel(dc, 3, 3), RGB(0, 255, 0));
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
}  // namespace gfx
