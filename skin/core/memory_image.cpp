#include "skin/core/memory_image.h"

#include <utility>

namespace skin {

MemoryImage::MemoryImage(MemoryImage&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)),
      bitmap_(std::exchange(other.bitmap_, nullptr)),
      original_(std::exchange(other.original_, nullptr)) {}

MemoryImage& MemoryImage::operator=(MemoryImage&& other) noexcept {
  if (this != &other) {
    Reset();
    dc_ = std::exchange(other.dc_, nullptr);
    bitmap_ = std::exchange(other.bitmap_, nullptr);
    original_ = std::exchange(other.original_, nullptr);
  }
  return *this;
}

MemoryImage MemoryImage::WithBitmap(HBITMAP bitmap) {
  HDC dc = ::CreateCompatibleDC(nullptr);
  if (dc == nullptr) {
    if (bitmap) ::DeleteObject(bitmap);
    return {};
  }
  HGDIOBJ original = bitmap ? ::SelectObject(dc, bitmap) : nullptr;
  return MemoryImage(dc, bitmap, original);
}

void MemoryImage::ReplaceBitmap(HBITMAP bitmap) {
  if (dc_ == nullptr || bitmap == bitmap_) return;
  HGDIOBJ deselected = ::SelectObject(dc_, bitmap);
  if (original_ == nullptr) original_ = deselected;
  if (bitmap_) ::DeleteObject(bitmap_);
  bitmap_ = bitmap;
}

void MemoryImage::Adopt(HBITMAP bitmap, HGDIOBJ original) {
  if (bitmap_ && bitmap_ != bitmap && bitmap_ != original) ::DeleteObject(bitmap_);
  bitmap_ = bitmap;
  original_ = original;
}

void MemoryImage::Reset() noexcept {
  if (dc_ && original_) ::SelectObject(dc_, original_);
  if (bitmap_) ::DeleteObject(bitmap_);
  if (dc_) ::DeleteDC(dc_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  original_ = nullptr;
}

}  // namespace skin
