// The layer's paths that touch GDI (fallback fonts through the screen DC, text on a DC, GDI bitmaps
// and regions handed to the caller, tooltips) leave no GDI object behind over many cycles.
#include <gtest/gtest.h>

#include "canvas.h"
#include "gfx/gfx.h"
#include "tests/support/gdi_object_counter.h"

namespace gfx {
namespace {

TEST(GfxLeaks, CounterSeesALeakedObject) {
  const int before = test_support::CountLiveGdiObjects();
  HBRUSH leaked = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before + 1);
  DeleteObject(leaked);
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before);
}

void OneCycle(HDC dc) {
  GfxGraphics graphics;
  ASSERT_TRUE(graphics.GdipCreateFromHDC(dc));
  GfxFont font;
  ASSERT_TRUE(font.GdipCreateFont("并不存在的字体", 12, 0, Gdiplus::UnitPixel));  // fallback
  GfxFont fromDc;
  ASSERT_TRUE(
      fromDc.CreateFontFromDcAndHandle(dc, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
  GfxSolidBrush brush;
  ASSERT_TRUE(brush.GdipCreateSolidFill(test::kOpaqueBlack));
  ASSERT_TRUE(graphics.GdipDrawString("军衔", font, brush, Gdiplus::RectF(0, 0, 60, 20)));

  GfxBitmap bitmap = test::QuadrantBitmap(8, 8);
  HBITMAP gdiBitmap = bitmap.GdipCreateHBITMAPFromBitmap(0);
  ASSERT_NE(gdiBitmap, nullptr);
  DeleteObject(gdiBitmap);
  GfxRegion region;
  ASSERT_TRUE(region.GdipCreateRegionRect(Gdiplus::RectF(0, 0, 5, 5)));
  HRGN gdiRegion = region.GdipGetRegionHRgn(graphics);
  ASSERT_NE(gdiRegion, nullptr);
  DeleteObject(gdiRegion);
}

TEST(GfxLeaks, ManyCyclesLeaveTheCountWhereItStarted) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 64, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP surface = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(dc, surface);
  OneCycle(dc);  // first use may create lasting objects inside GDI+ (caches); not counted
  const int before = test_support::CountLiveGdiObjects();
  for (int i = 0; i < 2000 && !testing::Test::HasFatalFailure(); ++i) OneCycle(dc);
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before);
  SelectObject(dc, previous);
  DeleteObject(surface);
  DeleteDC(dc);
}

}  // namespace
}  // namespace gfx
