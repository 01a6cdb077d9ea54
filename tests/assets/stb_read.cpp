#include "stb_read.h"

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_NO_STDIO
#include <stb/stb_image.h>

namespace stb {

std::optional<DecodedImage> Decode(const std::vector<std::uint8_t>& file, int components) {
  int w = 0, h = 0, inFile = 0;
  unsigned char* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &w, &h,
                                                &inFile, components);
  if (pixels == nullptr) return std::nullopt;
  DecodedImage image{
      w, h, inFile,
      std::vector<std::uint8_t>(pixels, pixels + static_cast<std::size_t>(w * h * components))};
  stbi_image_free(pixels);
  return image;
}

}  // namespace stb
