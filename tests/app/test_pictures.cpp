// Image encoding and pixel capture for the tests, through GDI and the GDI+ flat interface.
#include "test_pictures.h"

#include <objidl.h>
// GDI+ needs the COM declarations above.
#include <gdiplus.h>

#include <cstring>
#include <memory>

#include "runtime/win_handles.h"

namespace test {
namespace {

namespace flat = Gdiplus::DllExports;

constexpr CLSID kJpegEncoder = {
    0x557CF401, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
constexpr CLSID kPngEncoder = {
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

struct ImageDispose {
  void operator()(Gdiplus::GpBitmap* image) const { flat::GdipDisposeImage(image); }
};
struct StreamRelease {
  void operator()(IStream* stream) const { stream->Release(); }
};
using OwnedImage = std::unique_ptr<Gdiplus::GpBitmap, ImageDispose>;
using OwnedStream = std::unique_ptr<IStream, StreamRelease>;

rt::ByteSet StreamBytes(IStream* stream) {
  HGLOBAL memory = nullptr;
  if (FAILED(::GetHGlobalFromStream(stream, &memory))) return {};
  STATSTG stat{};
  stream->Stat(&stat, STATFLAG_NONAME);
  const auto* bytes = static_cast<const std::uint8_t*>(::GlobalLock(memory));
  rt::ByteSet copy(bytes, bytes + stat.cbSize.QuadPart);
  ::GlobalUnlock(memory);
  return copy;
}

// A top-down DIB section with a memory DC selected onto it.
class DibCanvas {
 public:
  DibCanvas(int width, int height, int bitsPerPixel) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    dc_.Reset(::CreateCompatibleDC(nullptr));
    bitmap_.Reset(::CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    previous_ = ::SelectObject(dc_.Get(), bitmap_.Get());
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;
  ~DibCanvas() { ::SelectObject(dc_.Get(), previous_); }

  HDC Dc() const { return dc_.Get(); }
  HBITMAP Bitmap() const { return bitmap_.Get(); }

  // Reads back through GetDIBits, so 16-bit canvases come back as 0x00RRGGBB too.
  Pixels Read() const {
    ::GdiFlush();
    Pixels pixels{width_, height_,
                  std::vector<std::uint32_t>(static_cast<size_t>(width_ * height_))};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ::SelectObject(dc_.Get(), previous_);
    ::GetDIBits(dc_.Get(), bitmap_.Get(), 0, static_cast<UINT>(height_), pixels.values.data(),
                &info, DIB_RGB_COLORS);
    ::SelectObject(dc_.Get(), bitmap_.Get());
    for (std::uint32_t& value : pixels.values) value &= 0x00FFFFFF;
    return pixels;
  }

 private:
  int width_;
  int height_;
  rt::UniqueMemoryDc dc_;
  rt::UniqueBitmap bitmap_;
  void* bits_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

SIZE WindowSize(HWND window) {
  RECT rect;
  ::GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

rt::ByteSet EncodeImage(int width, int height, const std::function<COLORREF(int, int)>& colourAt,
                        ImageFormat format) {
  std::vector<std::uint32_t> argb(static_cast<size_t>(width * height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colourAt(x, y);
      argb[static_cast<size_t>(y * width + x)] =
          0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  Gdiplus::GpBitmap* created = nullptr;
  if (flat::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB,
                                      reinterpret_cast<BYTE*>(argb.data()),
                                      &created) != Gdiplus::Ok) {
    return {};
  }
  OwnedImage image(created);
  IStream* rawStream = nullptr;
  if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &rawStream))) return {};
  OwnedStream stream(rawStream);
  const CLSID& encoder = format == ImageFormat::Jpeg ? kJpegEncoder : kPngEncoder;
  if (flat::GdipSaveImageToStream(image.get(), stream.get(), &encoder, nullptr) != Gdiplus::Ok) {
    return {};
  }
  return StreamBytes(stream.get());
}

Pixels PrintClient(HWND window, int bitsPerPixel) {
  RECT client;
  ::GetClientRect(window, &client);
  DibCanvas canvas(client.right, client.bottom, bitsPerPixel);
  ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()),
                 PRF_CLIENT | PRF_ERASEBKGND);
  return canvas.Read();
}

Pixels CaptureFromScreen(HWND window) {
  RECT rect;
  ::GetWindowRect(window, &rect);
  const SIZE size = WindowSize(window);
  DibCanvas canvas(size.cx, size.cy, 32);
  rt::ScopedWindowDc screen(nullptr);
  ::BitBlt(canvas.Dc(), 0, 0, size.cx, size.cy, screen.Get(), rect.left, rect.top, SRCCOPY);
  return canvas.Read();
}

bool SaveScreenshot(HWND window, const std::wstring& path) {
  const Pixels pixels = CaptureFromScreen(window);
  std::vector<std::uint32_t> argb(pixels.values);
  for (std::uint32_t& value : argb) value |= 0xFF000000u;
  Gdiplus::GpBitmap* created = nullptr;
  if (flat::GdipCreateBitmapFromScan0(pixels.width, pixels.height, pixels.width * 4,
                                      PixelFormat32bppARGB, reinterpret_cast<BYTE*>(argb.data()),
                                      &created) != Gdiplus::Ok) {
    return false;
  }
  OwnedImage image(created);
  return flat::GdipSaveImageToFile(image.get(), path.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok;
}

}  // namespace test
