// Ownership of GDI+ handles: delete once, move, adopt, and the status of the last call.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "canvas.h"
#include "gfx/gfx.h"

namespace gfx {
namespace {

using namespace test;

// One kind of wrapper: how to make one holding a GDI+ object and how to delete it.
struct WrapperKind {
  std::string name;
  std::function<std::unique_ptr<GfxObject>()> make;
  std::function<bool(GfxObject&)> remove;
};

template <typename T>
std::unique_ptr<GfxObject> Made(const std::function<bool(T&)>& create) {
  auto object = std::make_unique<T>();
  EXPECT_TRUE(create(*object));
  return object;
}

// `surface` is what the graphics kind draws on; it must outlive the kinds' objects.
std::vector<WrapperKind> AllKinds(GfxBitmap& surface) {
  return {
      {"path", [] { return Made<GfxPath>([](GfxPath& p) { return p.GdipCreatePath(); }); },
       [](GfxObject& o) { return static_cast<GfxPath&>(o).GdipDeletePath(); }},
      {"pen",
       [] { return Made<GfxPen>([](GfxPen& p) { return p.GdipCreatePen1(0xFF000000, 1); }); },
       [](GfxObject& o) { return static_cast<GfxPen&>(o).GdipDeletePen(); }},
      {"solid brush",
       [] {
         return Made<GfxSolidBrush>(
             [](GfxSolidBrush& b) { return b.GdipCreateSolidFill(0xFF102030); });
       },
       [](GfxObject& o) { return static_cast<GfxBrush&>(o).GdipDeleteBrush(); }},
      {"linear brush",
       [] {
         return Made<GfxLinearBrush>([](GfxLinearBrush& b) {
           return b.GdipCreateLineBrush({0, 0}, {0, 10}, 0xFF000000, 0xFFFFFFFF);
         });
       },
       [](GfxObject& o) { return static_cast<GfxBrush&>(o).GdipDeleteBrush(); }},
      {"path gradient brush",
       [] {
         return Made<GfxPathGradientBrush>([](GfxPathGradientBrush& b) {
           const Gdiplus::PointF points[] = {{0, 0}, {10, 0}, {10, 10}};
           return b.GdipCreatePathGradient(points, Gdiplus::WrapModeClamp);
         });
       },
       [](GfxObject& o) { return static_cast<GfxBrush&>(o).GdipDeleteBrush(); }},
      {"font",
       [] {
         return Made<GfxFont>(
             [](GfxFont& f) { return f.GdipCreateFont("Arial", 12, 0, Gdiplus::UnitPixel); });
       },
       [](GfxObject& o) { return static_cast<GfxFont&>(o).GdipDeleteFont(); }},
      {"font family",
       [] {
         return Made<GfxFontFamily>([](GfxFontFamily& f) { return f.CreateFallbackFamily(); });
       },
       [](GfxObject& o) { return static_cast<GfxFontFamily&>(o).GdipDeleteFontFamily(); }},
      {"string format",
       [] {
         return Made<GfxStringFormat>(
             [](GfxStringFormat& f) { return f.GdipCreateStringFormat(0, 0); });
       },
       [](GfxObject& o) { return static_cast<GfxStringFormat&>(o).GdipDeleteStringFormat(); }},
      {"bitmap",
       [] {
         return Made<GfxBitmap>([](GfxBitmap& b) { return b.GdipCreateBitmapFromScan0(8, 8); });
       },
       [](GfxObject& o) { return static_cast<GfxImageBase&>(o).GdipDisposeImage(); }},
      {"region", [] { return Made<GfxRegion>([](GfxRegion& r) { return r.GdipCreateRegion(); }); },
       [](GfxObject& o) { return static_cast<GfxRegion&>(o).GdipDeleteRegion(); }},
      {"graphics",
       [&surface] {
         return Made<GfxGraphics>(
             [&surface](GfxGraphics& g) { return g.GdipGetImageGraphicsContext(surface); });
       },
       [](GfxObject& o) { return static_cast<GfxGraphics&>(o).GdipDeleteGraphics(); }},
  };
}

TEST(GfxOwnership, SecondDeleteIsRefusedWithoutCallingGdiplus) {
  GfxBitmap surface;
  ASSERT_TRUE(surface.GdipCreateBitmapFromScan0(4, 4));
  for (const WrapperKind& kind : AllKinds(surface)) {
    SCOPED_TRACE(kind.name);
    std::unique_ptr<GfxObject> object = kind.make();
    ASSERT_TRUE(object->HasNativeObject());
    EXPECT_TRUE(kind.remove(*object));
    EXPECT_EQ(lastGdiStatus, Gdiplus::Ok);
    EXPECT_FALSE(object->HasNativeObject());
    // A status that no GDI+ call of this test gives: a second delete must leave it alone.
    lastGdiStatus = Gdiplus::Aborted;
    EXPECT_FALSE(kind.remove(*object));
    EXPECT_EQ(lastGdiStatus, Gdiplus::Aborted);
  }
}

TEST(GfxOwnership, OperationsOnAnEmptyWrapperReportInvalidParameter) {
  GfxPath path;
  EXPECT_FALSE(path.GdipAddPathLine(0, 0, 1, 1));
  EXPECT_EQ(lastGdiStatus, Gdiplus::InvalidParameter);
  GfxPen pen;
  EXPECT_EQ(pen.GdipGetPenWidth(), 0.0f);
  EXPECT_EQ(lastGdiStatus, Gdiplus::InvalidParameter);
  GfxSolidBrush brush;
  EXPECT_EQ(brush.GdipGetSolidFillColor(), 0u);
  EXPECT_EQ(lastGdiStatus, Gdiplus::InvalidParameter);
  GfxBitmap bitmap;
  EXPECT_EQ(bitmap.GdipGetImageWidth(), 0u);
  EXPECT_EQ(lastGdiStatus, Gdiplus::InvalidParameter);
}

TEST(GfxOwnership, MovingHandsTheHandleOverAndLeavesTheSourceEmpty) {
  GfxSolidBrush first;
  ASSERT_TRUE(first.GdipCreateSolidFill(kOpaqueRed));
  void* const handle = first.GfxObject::GetNativeObject();

  GfxSolidBrush second(std::move(first));
  EXPECT_FALSE(first.HasNativeObject());
  EXPECT_EQ(second.GfxObject::GetNativeObject(), handle);
  EXPECT_EQ(second.GdipGetSolidFillColor(), kOpaqueRed);

  GfxSolidBrush third;
  ASSERT_TRUE(third.GdipCreateSolidFill(kOpaqueBlue));
  third = std::move(second);  // the blue brush is deleted, the red one taken over
  EXPECT_FALSE(second.HasNativeObject());
  EXPECT_EQ(third.GdipGetSolidFillColor(), kOpaqueRed);
}

TEST(GfxOwnership, CreatingAgainReplacesTheHeldObject) {
  GfxPen pen;
  ASSERT_TRUE(pen.GdipCreatePen1(kOpaqueRed, 1));
  ASSERT_TRUE(pen.GdipCreatePen1(kOpaqueBlue, 3));
  EXPECT_EQ(pen.GdipGetPenColor(), kOpaqueBlue);
  EXPECT_EQ(pen.GdipGetPenWidth(), 3.0f);
}

TEST(GfxOwnership, ClonesAreIndependentObjects) {
  GfxPen pen;
  ASSERT_TRUE(pen.GdipCreatePen1(kOpaqueRed, 2));
  GfxPen clone;
  ASSERT_TRUE(pen.GdipClonePen(clone));
  EXPECT_NE(clone.GetNativeObject(), pen.GetNativeObject());
  ASSERT_TRUE(clone.GdipSetPenWidth(7));
  EXPECT_EQ(pen.GdipGetPenWidth(), 2.0f);
  EXPECT_EQ(clone.GdipGetPenWidth(), 7.0f);
  EXPECT_TRUE(pen.GdipDeletePen());
  EXPECT_EQ(clone.GdipGetPenColor(), kOpaqueRed);  // still alive after the original went

  GfxSolidBrush brush;
  ASSERT_TRUE(brush.GdipCreateSolidFill(kOpaqueGreen));
  GfxSolidBrush brushClone;
  ASSERT_TRUE(brush.GdipCloneBrush(brushClone));
  EXPECT_EQ(brushClone.GdipGetBrushType(), Gdiplus::BrushTypeSolidColor);
  EXPECT_EQ(brushClone.GdipGetSolidFillColor(), kOpaqueGreen);
}

TEST(GfxOwnership, AdoptedHandleIsOwnedAndDeleted) {
  Gdiplus::GpPath* raw = nullptr;
  ASSERT_EQ(Gdiplus::DllExports::GdipCreatePath(Gdiplus::FillModeWinding, &raw), Gdiplus::Ok);
  GfxPath path;
  path.SetNativeObject(raw);
  EXPECT_EQ(path.GdipGetPathFillMode(), Gdiplus::FillModeWinding);
  EXPECT_TRUE(path.GdipDeletePath());
}

TEST(GfxOwnership, AllocatedBlocksComeFromGdiplus) {
  void* block = GfxObject::GdipAllocBlock(60);
  ASSERT_NE(block, nullptr);
  std::memset(block, 0xAB, 60);
  GfxObject::GdipFreeBlock(block);
  GfxObject::GdipFreeBlock(nullptr);  // nothing to free: no call
}

TEST(GfxStream, OpensFromBytesAndGivesThemBack) {
  const rt::ByteSet bytes = {1, 2, 3, 4, 5};
  GfxStream stream;
  ASSERT_NE(stream.OpenFromBytes(bytes), nullptr);
  EXPECT_GE(stream.Size(), bytes.size());
  EXPECT_EQ(stream.Contents(), bytes);

  // A larger block is zero beyond the bytes; a smaller one keeps only its share.
  ASSERT_NE(stream.OpenFromBytes(bytes, 8), nullptr);
  EXPECT_EQ(stream.Contents(), (rt::ByteSet{1, 2, 3, 4, 5, 0, 0, 0}));
  ASSERT_NE(stream.OpenFromBytes(bytes, 2), nullptr);
  EXPECT_EQ(stream.Contents(), (rt::ByteSet{1, 2}));

  stream.Close();
  EXPECT_EQ(stream.GetStream(), nullptr);
  EXPECT_EQ(stream.Size(), 0u);
  EXPECT_TRUE(stream.Contents().empty());
}

TEST(GfxStream, WrittenStreamGivesWhatWasWrittenAndAttachShares) {
  GfxStream stream;
  IStream* com = stream.OpenFromBytes({});
  ASSERT_NE(com, nullptr);
  const char text[] = "abc";
  ULONG written = 0;
  ASSERT_EQ(com->Write(text, 3, &written), S_OK);
  EXPECT_EQ(stream.Contents(), (rt::ByteSet{'a', 'b', 'c'}));

  GfxStream shared;
  ASSERT_TRUE(shared.Attach(com));
  EXPECT_EQ(shared.GetHGlobal(), stream.GetHGlobal());
  shared.Close();  // gives up its reference only; the block is the other's
  EXPECT_EQ(stream.Contents(), (rt::ByteSet{'a', 'b', 'c'}));
  EXPECT_FALSE(shared.Attach(nullptr));
}

}  // namespace
}  // namespace gfx
