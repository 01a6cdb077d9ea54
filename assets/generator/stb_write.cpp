#include "stb_write.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

namespace stb {

bool WriteJpeg(WriteFunc write, void* context, int width, int height, const unsigned char* rgb,
               int quality) {
  return stbi_write_jpg_to_func(write, context, width, height, 3, rgb, quality) != 0;
}

bool WritePng(WriteFunc write, void* context, int width, int height, const unsigned char* rgba) {
  return stbi_write_png_to_func(write, context, width, height, 4, rgba, width * 4) != 0;
}

}  // namespace stb
