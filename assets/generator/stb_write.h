// A narrow door to stb_image_write, whose implementation is compiled in its own unit.
#pragma once

namespace stb {

using WriteFunc = void (*)(void* context, void* data, int size);

// 8-bit RGB, 3 components, baseline JPEG with a JFIF header.
bool WriteJpeg(WriteFunc write, void* context, int width, int height, const unsigned char* rgb,
               int quality);
// 8-bit RGBA PNG.
bool WritePng(WriteFunc write, void* context, int width, int height, const unsigned char* rgba);

}  // namespace stb
