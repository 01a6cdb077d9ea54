// The window icon: a gold star on a blue medal with a gold rim, at 32 x 32 and 16 x 16. The .ico
// container is written here: a directory, then per image a BITMAPINFOHEADER, the 24-bit colour
// rows bottom-up and the 1-bit AND mask that makes the corners outside the medal transparent.
#include <cmath>

#include "art.h"

namespace art {
namespace {

void Put16(Bytes& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

struct IconImage {
  Canvas picture;
  std::vector<bool> opaque;
};

IconImage DrawMedal(int size) {
  const double s = size, c = s / 2;
  Canvas canvas(size, size, Hex(0x000000));
  const Shape medal = Circle({c, c}, s / 2 - 0.3, 48);
  canvas.Fill(medal, Vertical(Hex(0xFFE070), Hex(0xB07818), 0, s));
  canvas.Fill(Circle({c, c}, s / 2 - s / 9, 48), Vertical(Hex(0x3C9CE8), Hex(0x0A3E80), 0, s));
  canvas.Emboss(Star({c, c + s * 0.02}, s * 0.33, 0.42), Hex(0xF8C838), s / 40);
  IconImage image{canvas, std::vector<bool>(static_cast<std::size_t>(size * size))};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double dx = x + 0.5 - c, dy = y + 0.5 - c;
      image.opaque[static_cast<std::size_t>(y * size + x)] = std::sqrt(dx * dx + dy * dy) <= s / 2;
    }
  }
  return image;
}

std::uint32_t RowBytes(int bits, int width) {
  return static_cast<std::uint32_t>((bits * width + 31) / 32 * 4);
}

Bytes ImageData(const IconImage& image) {
  const int n = image.picture.Width();
  Bytes out;
  Put32(out, 40);  // BITMAPINFOHEADER size
  Put32(out, static_cast<std::uint32_t>(n));
  Put32(out, static_cast<std::uint32_t>(2 * n));  // colour rows and mask rows together
  Put16(out, 1);                                  // planes
  Put16(out, 24);                                 // bits per pixel
  Put32(out, 0);                                  // BI_RGB
  Put32(out, (RowBytes(24, n) + RowBytes(1, n)) * static_cast<std::uint32_t>(n));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  const std::vector<std::uint8_t> rgb = image.picture.ToRgb();
  for (int y = n - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    for (int x = 0; x < n; ++x) {
      const std::size_t i = static_cast<std::size_t>(y * n + x);
      const bool on = image.opaque[i];
      out.push_back(on ? rgb[i * 3 + 2] : 0);
      out.push_back(on ? rgb[i * 3 + 1] : 0);
      out.push_back(on ? rgb[i * 3] : 0);
    }
    out.resize(start + RowBytes(24, n), 0);
  }
  for (int y = n - 1; y >= 0; --y) {
    Bytes row(RowBytes(1, n), 0);
    for (int x = 0; x < n; ++x) {
      if (!image.opaque[static_cast<std::size_t>(y * n + x)])
        row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace

Bytes DrawIcon() {
  const std::vector<Bytes> images = {ImageData(DrawMedal(32)), ImageData(DrawMedal(16))};
  const int sizes[] = {32, 16};
  Bytes out;
  Put16(out, 0);  // reserved
  Put16(out, 1);  // icon
  Put16(out, static_cast<unsigned>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(sizes[i]));
    out.push_back(static_cast<std::uint8_t>(sizes[i]));
    out.push_back(0);  // no palette
    out.push_back(0);
    Put16(out, 1);   // planes
    Put16(out, 24);  // bits per pixel
    Put32(out, static_cast<std::uint32_t>(images[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(images[i].size());
  }
  for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

}  // namespace art
