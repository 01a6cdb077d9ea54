// Picture boxes: hold one decoded bitmap and stretch it over their whole client area.
#include "runtime/picture_box.h"

#include <objidl.h>
#include <shlwapi.h>
// GDI+ needs the COM declarations above.
#include <gdiplus.h>

#include <algorithm>
#include <iterator>
#include <memory>

#include "runtime/toolkit.h"

namespace rt {
namespace {

namespace flat = Gdiplus::DllExports;

struct PictureBoxState {
  UniqueBitmap bitmap;
  SIZE size{};
  ByteSet source;  // the file the bitmap was decoded from
};

bool IsPictureBox(HWND window) {
  wchar_t name[32] = {};
  ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return ::lstrcmpiW(name, kPictureBoxClass) == 0;
}

PictureBoxState* StateOf(HWND box) {
  return reinterpret_cast<PictureBoxState*>(::GetWindowLongPtrW(box, GWLP_USERDATA));
}

void ChooseStretchMode(HDC dc) {
  const int mode = PictureStretchMode(::GetDeviceCaps(dc, BITSPIXEL));
  ::SetStretchBltMode(dc, mode);
  if (mode == HALFTONE) ::SetBrushOrgEx(dc, 0, 0, nullptr);  // HALFTONE needs the origin reset
}

void PaintPicture(HWND box, HDC dc) {
  const PictureBoxState* state = StateOf(box);
  if (!state || !state->bitmap) return;
  RECT client;
  ::GetClientRect(box, &client);
  UniqueMemoryDc source(::CreateCompatibleDC(dc));
  if (!source) return;
  ScopedSelectObject selected(source.Get(), state->bitmap.Get());
  ChooseStretchMode(dc);
  ::StretchBlt(dc, 0, 0, client.right, client.bottom, source.Get(), 0, 0, state->size.cx,
               state->size.cy, SRCCOPY);
}

void OnPaint(HWND box) {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(box, &paint);
  if (dc) PaintPicture(box, dc);
  ::EndPaint(box, &paint);
}

void OnPrintClient(HWND box, HDC dc) {
  RECT client;
  ::GetClientRect(box, &client);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  PaintPicture(box, dc);
}

LRESULT CALLBACK PictureBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      ::SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PictureBoxState));
      break;
    case WM_NCDESTROY:
      delete StateOf(box);
      ::SetWindowLongPtrW(box, GWLP_USERDATA, 0);
      break;
    case WM_PAINT:
      OnPaint(box);
      return 0;
    case WM_PRINTCLIENT:
      OnPrintClient(box, reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      break;
  }
  return ::DefWindowProcW(box, message, wParam, lParam);
}

struct StreamRelease {
  void operator()(IStream* stream) const { stream->Release(); }
};
struct ImageDispose {
  void operator()(Gdiplus::GpBitmap* image) const { flat::GdipDisposeImage(image); }
};

}  // namespace

void RegisterPictureBoxClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  if (::GetClassInfoExW(::GetModuleHandleW(nullptr), kPictureBoxClass, &windowClass)) return;
  windowClass.lpfnWndProc = PictureBoxProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kPictureBoxClass;
  ::RegisterClassExW(&windowClass);
}

int PictureStretchMode(int displayBitsPerPixel) {
  return displayBitsPerPixel > 16 ? HALFTONE : COLORONCOLOR;
}

UniqueBitmap DecodePicture(ByteView picture) {
  if (picture.empty()) return {};
  std::unique_ptr<IStream, StreamRelease> stream(
      ::SHCreateMemStream(picture.data(), static_cast<UINT>(picture.size())));
  if (!stream) return {};
  Gdiplus::GpBitmap* decoded = nullptr;
  if (flat::GdipCreateBitmapFromStream(stream.get(), &decoded) != Gdiplus::Ok) return {};
  std::unique_ptr<Gdiplus::GpBitmap, ImageDispose> image(decoded);
  HBITMAP bitmap = nullptr;
  constexpr Gdiplus::ARGB kOpaqueBlack = 0xFF000000;
  if (flat::GdipCreateHBITMAPFromBitmap(image.get(), &bitmap, kOpaqueBlack) != Gdiplus::Ok) {
    return {};
  }
  return UniqueBitmap(bitmap);
}

void SetPicture(HWND pictureBox, ByteView picture) {
  PictureBoxState* state = IsPictureBox(pictureBox) ? StateOf(pictureBox) : nullptr;
  if (!state) return;
  // The rank timers give the same badge every second: the same file shows the same bitmap, and
  // decoding it again would cost milliseconds for nothing.
  if (state->bitmap && std::ranges::equal(state->source, picture)) return;
  state->bitmap = DecodePicture(picture);
  state->source.assign(picture.begin(), picture.end());
  BITMAP info{};
  state->size = {};
  if (state->bitmap && ::GetObjectW(state->bitmap.Get(), sizeof(info), &info)) {
    state->size = {info.bmWidth, info.bmHeight};
  }
  // A picture covers the whole box, so only an emptied box needs its background erased.
  ::InvalidateRect(pictureBox, nullptr, state->bitmap ? FALSE : TRUE);
}

HBITMAP PictureOf(HWND pictureBox) {
  const PictureBoxState* state = IsPictureBox(pictureBox) ? StateOf(pictureBox) : nullptr;
  return state ? state->bitmap.Get() : nullptr;
}

}  // namespace rt
