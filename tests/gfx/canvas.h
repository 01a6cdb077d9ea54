// A bitmap with a graphics over it, for drawing tests that read pixels back.
#pragma once

#include <gtest/gtest.h>

#include "gfx/graphics.h"

namespace gfx::test {

inline constexpr ARGB kOpaqueRed = 0xFFFF0000;
inline constexpr ARGB kOpaqueGreen = 0xFF00FF00;
inline constexpr ARGB kOpaqueBlue = 0xFF0000FF;
inline constexpr ARGB kOpaqueYellow = 0xFFFFFF00;
inline constexpr ARGB kOpaqueWhite = 0xFFFFFFFF;
inline constexpr ARGB kOpaqueBlack = 0xFF000000;

// A width x height 32 bpp ARGB bitmap cleared to `background`; drawing is pixel-exact (no
// anti-aliasing, nearest-neighbour scaling, pixel centres at half coordinates).
struct Canvas {
  Canvas(int width, int height, ARGB background = 0) {
    EXPECT_TRUE(bitmap.GdipCreateBitmapFromScan0(width, height));
    EXPECT_TRUE(graphics.GdipGetImageGraphicsContext(bitmap));
    graphics.GdipSetSmoothingMode(Gdiplus::SmoothingModeNone);
    graphics.GdipSetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics.GdipSetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    EXPECT_TRUE(graphics.GdipGraphicsClear(background));
  }
  ARGB Pixel(int x, int y) {
    graphics.GdipFlush(Gdiplus::FlushIntentionSync);
    return bitmap.GdipBitmapGetPixel(x, y);
  }

  GfxBitmap bitmap;
  GfxGraphics graphics;
};

// A small bitmap whose quadrants are red (top left), green (top right), blue (bottom left) and
// yellow (bottom right).
inline GfxBitmap QuadrantBitmap(int width, int height) {
  GfxBitmap bitmap;
  EXPECT_TRUE(bitmap.GdipCreateBitmapFromScan0(width, height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool right = x >= width / 2;
      const bool bottom = y >= height / 2;
      const ARGB colour =
          bottom ? (right ? kOpaqueYellow : kOpaqueBlue) : (right ? kOpaqueGreen : kOpaqueRed);
      bitmap.GdipBitmapSetPixel(x, y, colour);
    }
  }
  return bitmap;
}

}  // namespace gfx::test
