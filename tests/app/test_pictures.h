// Pictures for tests: encoding made-up images with GDI+, reading pixels back from windows, and
// saving what a window shows as a PNG file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runtime/text.h"

namespace test {

enum class ImageFormat { Jpeg, Png };

// An image file of the given size whose pixel (x, y) has colour `colourAt(x, y)` (0x00BBGGRR).
rt::ByteSet EncodeImage(int width, int height, const std::function<COLORREF(int, int)>& colourAt,
                        ImageFormat format);

// Pixels as 0x00RRGGBB, row by row from the top.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> values;
  std::uint32_t At(int x, int y) const { return values[static_cast<size_t>(y * width + x)]; }
};

// What a window paints into a top-down DIB of `bitsPerPixel` (32 or 16), through WM_PRINTCLIENT.
Pixels PrintClient(HWND window, int bitsPerPixel = 32);

// The screen's pixels inside the window's rectangle (the window must be visible and on top).
Pixels CaptureFromScreen(HWND window);

// Writes the screen's pixels inside the window's rectangle to a PNG file; true on success.
bool SaveScreenshot(HWND window, const std::wstring& path);

// Red, green and blue of a 0x00RRGGBB pixel.
inline int Red(std::uint32_t pixel) { return static_cast<int>((pixel >> 16) & 0xFF); }
inline int Green(std::uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFF); }
inline int Blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }

}  // namespace test
