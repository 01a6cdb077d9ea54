// Decoding of the committed PNG and JPEG files with Debian's stb_image, for checking their pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace stb {

struct DecodedImage {
  int width;
  int height;
  int componentsInFile;
  std::vector<std::uint8_t> pixels;  // `components` bytes per pixel as asked for, top row first
};

std::optional<DecodedImage> Decode(const std::vector<std::uint8_t>& file, int components);

}  // namespace stb
