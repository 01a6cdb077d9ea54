// Move-only owners of Win32 and GDI handles: each frees its handle exactly once, in the destructor
// or when a new handle is put in its place.
#pragma once

#include <windows.h>

#include <utility>

namespace rt {

// Traits name the null value and the call that frees a handle of one kind.
template <typename Handle, auto Free>
struct HandleTraits {
  using Type = Handle;
  static void Close(Handle handle) { Free(handle); }
};

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Type;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  // Frees the handle held so far and takes `handle` in its place.
  void Reset(Handle handle = nullptr) {
    Handle old = std::exchange(handle_, handle);
    if (old) Traits::Close(old);
  }
  // Gives the handle up without freeing it; the caller owns it.
  Handle Release() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

inline void DeleteGdiObject(HGDIOBJ object) { ::DeleteObject(object); }
inline void DestroyWindowHandle(HWND window) { ::DestroyWindow(window); }
inline void CloseKernelHandle(HANDLE handle) { ::CloseHandle(handle); }
inline void DeleteMemoryDc(HDC dc) { ::DeleteDC(dc); }

using UniqueFont = UniqueHandle<HandleTraits<HFONT, DeleteGdiObject>>;
using UniqueBitmap = UniqueHandle<HandleTraits<HBITMAP, DeleteGdiObject>>;
using UniqueBrush = UniqueHandle<HandleTraits<HBRUSH, DeleteGdiObject>>;
using UniqueWindow = UniqueHandle<HandleTraits<HWND, DestroyWindowHandle>>;
using UniqueKernelHandle = UniqueHandle<HandleTraits<HANDLE, CloseKernelHandle>>;
using UniqueMemoryDc = UniqueHandle<HandleTraits<HDC, DeleteMemoryDc>>;

// Selects an object into a DC for one scope and puts the previous one back.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
  ~ScopedSelectObject() {
    if (previous_) ::SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window DC from GetDC, released at the end of the scope.
class ScopedWindowDc {
 public:
  explicit ScopedWindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ScopedWindowDc(const ScopedWindowDc&) = delete;
  ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
  ~ScopedWindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace rt
