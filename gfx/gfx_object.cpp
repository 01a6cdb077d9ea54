// Ownership of one GDI+ handle and the module-wide status of the last call.
#include "gfx/gfx_object.h"

#include <utility>

namespace gfx {

bool KeepStatus(GpStatus status) {
  lastGdiStatus = status;
  return status == Gdiplus::Ok;
}

GfxObject::GfxObject(GfxObject&& other) noexcept : native_(std::exchange(other.native_, nullptr)) {}

void GfxObject::SetNativeObject(void* handle) {
  if (native_ != nullptr && native_ != handle) DeleteHeld();
  native_ = handle;
}

void GfxObject::MoveFrom(GfxObject& other) noexcept {
  if (this == &other) return;
  if (native_ != nullptr) DeleteHeld();
  native_ = std::exchange(other.native_, nullptr);
}

void* GfxObject::ReleaseNative() noexcept { return std::exchange(native_, nullptr); }

void* GfxObject::GdipAllocBlock(std::size_t bytes) { return Gdiplus::DllExports::GdipAlloc(bytes); }

void GfxObject::GdipFreeBlock(void* block) {
  if (block != nullptr) Gdiplus::DllExports::GdipFree(block);
}

}  // namespace gfx

#include "gfx/internal.h"

namespace gfx::internal {

MatrixOwner NewIdentityMatrix() {
  Gdiplus::GpMatrix* matrix = nullptr;
  if (!KeepStatus(flat::GdipCreateMatrix(&matrix))) return nullptr;
  return MatrixOwner(matrix);
}

MatrixElements ElementsOf(const Gdiplus::GpMatrix* matrix) {
  MatrixElements elements{};
  if (!KeepStatus(flat::GdipGetMatrixElements(matrix, elements.data()))) return {};
  return elements;
}

}  // namespace gfx::internal
