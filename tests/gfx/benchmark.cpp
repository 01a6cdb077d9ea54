// Times the GDI+ layer's costly operations (run by hand under Wine; not a test):
//   BUILD_ROOT=build scripts/with-wine cmake/wine-run build/windows/tests/gfx/gfx_benchmark.exe
#include <cstdio>

#include "gfx/gfx.h"
#include "tests/support/benchmark_timer.h"

namespace {

using test_support::MicrosecondsPerCall;
using test_support::Report;

rt::ByteSet PictureOfSkinSize() {
  gfx::GfxBitmap bitmap;
  bitmap.GdipCreateBitmapFromScan0(1024, 576);
  gfx::GfxGraphics graphics;
  graphics.GdipGetImageGraphicsContext(bitmap);
  gfx::GfxLinearBrush brush;
  brush.GdipCreateLineBrush({0, 0}, {1024, 576}, 0xFF203040, 0xFFC0D0E0);
  graphics.GdipFillRectangle(brush, 0, 0, 1024, 576);
  return bitmap.GdipSaveImageToStream(gfx::kPngFormat);
}

void Run() {
  Report("font by installed family name", MicrosecondsPerCall(1000, [] {
           gfx::GfxFontCollection installed;
           installed.GdipNewInstalledFontCollection();
           std::vector<gfx::GfxFontFamily> first;
           installed.GdipGetFontCollectionFamilyList(1, first);
           gfx::GfxFont font;
           font.GdipCreateFont(first[0], 12, 0, Gdiplus::UnitPixel);
         }));
  Report("font by missing name (fallback)", MicrosecondsPerCall(1000, [] {
           gfx::GfxFont font;
           font.GdipCreateFont("并不存在的字体", 12, 0, Gdiplus::UnitPixel);
         }));
  const rt::ByteSet png = PictureOfSkinSize();
  Report("decode 1024 x 576 PNG from bytes", MicrosecondsPerCall(20, [&png] {
           gfx::GfxBitmap bitmap;
           bitmap.GdipCreateBitmapFromStream(png);
           bitmap.GdipGetImageWidth();
         }));
  gfx::GfxBitmap picture;
  picture.GdipCreateBitmapFromStream(png);
  Report("draw it whole into 1024 x 576", MicrosecondsPerCall(20, [&picture] {
           gfx::GfxBitmap target;
           target.GdipCreateBitmapFromScan0(1024, 576);
           gfx::GfxGraphics graphics;
           graphics.GdipGetImageGraphicsContext(target);
           graphics.GdipDrawImageRectRect(picture, 0, 0, 1024, 576);
         }));
  Report("encode it as PNG",
         MicrosecondsPerCall(20, [&picture] { picture.GdipSaveImageToStream(gfx::kPngFormat); }));
  Report("rotate 50 x 50 by 30 degrees", MicrosecondsPerCall(200, [] {
           gfx::GfxBitmap source;
           source.GdipCreateBitmapFromScan0(50, 50);
           gfx::GfxBitmap rotated;
           source.RotateToNewBitmap(30, rotated);
         }));
}

}  // namespace

int main() {
  const Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 2;
  Run();
  Gdiplus::GdiplusShutdown(token);
  return 0;
}
