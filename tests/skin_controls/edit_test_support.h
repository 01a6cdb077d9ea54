// Small helpers of the edit-box and combo-box tests: a memory canvas, reading a GDI+ bitmap's
// pixel, moving the real pointer and running the message loop for a while.
#pragma once

#include <windows.h>

#include <functional>

#include "gfx/image.h"

namespace skin_test {

// A w x h screen-compatible memory DC filled with one colour.
class MemoryCanvas {
 public:
  MemoryCanvas(int width, int height, COLORREF fill) {
    HDC screen = ::GetDC(nullptr);
    dc_ = ::CreateCompatibleDC(screen);
    bitmap_ = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    previous_ = ::SelectObject(dc_, bitmap_);
    const RECT all{0, 0, width, height};
    HBRUSH brush = ::CreateSolidBrush(fill);
    ::FillRect(dc_, &all, brush);
    ::DeleteObject(brush);
  }
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;
  ~MemoryCanvas() {
    ::SelectObject(dc_, previous_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  HDC Dc() const { return dc_; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

inline Gdiplus::ARGB ArgbPixel(const gfx::GfxBitmap& bitmap, int x, int y) {
  return bitmap.GdipBitmapGetPixel(x, y);
}

inline SCROLLBARINFO ScrollBarInfo(HWND window, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  ::GetScrollBarInfo(window, object, &info);
  return info;
}

// Handles every message waiting now.
inline void PumpPending() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

// Runs the message loop until `done` holds, for at most `milliseconds`; whether it came to hold.
inline bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 3000) {
  const DWORD start = ::GetTickCount();
  while (!done()) {
    if (::GetTickCount() - start > milliseconds) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    PumpPending();
  }
  return true;
}

// Moves the pointer through the system's input queue, as a mouse would, to (x, y) on the screen.
inline void MovePointerTo(int x, int y) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((x * 65536 + width / 2) / width);
  input.mi.dy = static_cast<LONG>((y * 65536 + height / 2) / height);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &input, sizeof input);
}

}  // namespace skin_test
