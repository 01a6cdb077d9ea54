// The base of the GDI+ object layer: one owner per GDI+ object, and the status of the last call.
//
// Every wrapper owns exactly one GDI+ handle (or none) and deletes it when it is destroyed, so the
// wrappers move but never copy; a true duplicate comes from the class's Clone operation. GDI+
// itself is started and shut down by the program, not here: every wrapper must be gone before
// shutdown.
#pragma once

// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <array>
#include <cstddef>

namespace gfx {

using Gdiplus::ARGB;
using Gdiplus::GpStatus;
using Gdiplus::REAL;

// The GDI+ status that the last wrapper operation recorded (Ok = 0). Never reset: read it right
// after the call that interests you. GUI thread only.
inline GpStatus lastGdiStatus = Gdiplus::Ok;

// Records `status` in lastGdiStatus; true when it is Ok.
bool KeepStatus(GpStatus status);

// The six elements m11, m12, m21, m22, dx, dy of a GDI+ affine matrix.
using MatrixElements = std::array<REAL, 6>;

class GfxObject {
 public:
  GfxObject(const GfxObject&) = delete;
  GfxObject& operator=(const GfxObject&) = delete;
  virtual ~GfxObject() = default;

  // The GDI+ handle (null when the wrapper holds nothing). Each class offers a typed twin.
  void* GetNativeObject() const { return native_; }
  bool HasNativeObject() const { return native_ != nullptr; }

  // Takes ownership of `handle`; a different handle held until now is deleted first.
  void SetNativeObject(void* handle);

  // GdipAlloc / GdipFree: memory that GDI+ may free or that we hand to GDI+.
  static void* GdipAllocBlock(std::size_t bytes);
  static void GdipFreeBlock(void* block);

 protected:
  GfxObject() = default;
  GfxObject(GfxObject&& other) noexcept;
  // Deletes what this holds, then takes over other's handle.
  void MoveFrom(GfxObject& other) noexcept;
  // Deletes the held handle with the class's own delete function and clears it. Each class that
  // owns a handle calls its delete operation from its destructor as well.
  virtual void DeleteHeld() noexcept = 0;
  // Forgets the handle without deleting it.
  void* ReleaseNative() noexcept;

 private:
  void* native_ = nullptr;
};

}  // namespace gfx
