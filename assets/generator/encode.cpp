// File encoders: Debian's stb_image_write writes the PNG and baseline JPEG files.
#include "art.h"
#include "stb_write.h"

namespace art {
namespace {

void Append(void* context, void* data, int size) {
  auto* out = static_cast<Bytes*>(context);
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

Bytes EncodeJpeg(const Canvas& canvas) {
  // Quality above 90 keeps full-resolution colour: the badges' thin gold lines would bleed with
  // chroma subsampling.
  constexpr int kQuality = 93;
  Bytes out;
  const std::vector<std::uint8_t> rgb = canvas.ToRgb();
  stb::WriteJpeg(Append, &out, canvas.Width(), canvas.Height(), rgb.data(), kQuality);
  return out;
}

Bytes EncodePng(const RgbaPicture& picture) {
  Bytes out;
  stb::WritePng(Append, &out, picture.width, picture.height, picture.bytes.data());
  return out;
}

}  // namespace art
