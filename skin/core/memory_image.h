// A memory DC together with the bitmap the skin selected into it and the object that was selected
// before: the shape of every off-screen image the skin keeps (back buffers, clean caption strips,
// the scratch DCs of the drawing primitives).
#pragma once

#include <windows.h>

namespace skin {

class MemoryImage {
 public:
  MemoryImage() = default;
  // Takes ownership of `dc` and `bitmap`; `original` is what `dc` held before `bitmap` went in.
  MemoryImage(HDC dc, HBITMAP bitmap, HGDIOBJ original) noexcept
      : dc_(dc), bitmap_(bitmap), original_(original) {}
  MemoryImage(MemoryImage&& other) noexcept;
  MemoryImage& operator=(MemoryImage&& other) noexcept;
  MemoryImage(const MemoryImage&) = delete;
  MemoryImage& operator=(const MemoryImage&) = delete;
  ~MemoryImage() { Reset(); }

  // A DC compatible with the screen holding `bitmap` (which it then owns); empty when no DC can
  // be made, in which case the bitmap is deleted.
  static MemoryImage WithBitmap(HBITMAP bitmap);

  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }
  HGDIOBJ Original() const { return original_; }
  explicit operator bool() const { return dc_ != nullptr; }

  // Selects `bitmap` (now owned) in place of the current one, which is deleted.
  void ReplaceBitmap(HBITMAP bitmap);
  // Takes `bitmap` and `original` as this DC's bitmap and first object without selecting anything.
  // A different bitmap owned until now is deleted unless it is the new original object.
  void Adopt(HBITMAP bitmap, HGDIOBJ original);

  // Reselects the original object, deletes the bitmap and the DC.
  void Reset() noexcept;

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_ = nullptr;
};

}  // namespace skin
