#include "tests/skin/test_windows.h"

#include <algorithm>
#include <cstdlib>

#include "skin/core/module.h"

namespace skin_test {

namespace {

std::vector<LoggedMessage>& Log() {
  static std::vector<LoggedMessage> log;
  return log;
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Log().push_back({window, message, wParam});
  if (message == WM_SYSCOMMAND) return 0;
  if (message == WM_APP) return static_cast<LRESULT>(wParam) + lParam;
  return ::DefWindowProcW(window, message, wParam, lParam);
}

// A 32 bpp top-down DIB section in a memory DC, with `paint` writing each pixel.
template <typename Paint>
skin::MemoryImage MakeImage(int width, int height, Paint paint) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return {};
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = paint(x, y);
      pixels[y * width + x] =
          0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }
  }
  return skin::MemoryImage::WithBitmap(bitmap);
}

}  // namespace

const std::vector<LoggedMessage>& MessageLog() { return Log(); }
void ClearMessageLog() { Log().clear(); }

bool LogHas(HWND window, UINT message, WPARAM wParam) {
  return std::any_of(Log().begin(), Log().end(), [&](const LoggedMessage& logged) {
    return logged.window == window && logged.message == message && logged.wParam == wParam;
  });
}

void RegisterTestClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kTestClass;
    return ::RegisterClassExW(&windowClass) != 0;
  }();
  if (!registered) std::abort();
}

rt::UniqueWindow CreateTopWindow(int x, int y, int width, int height, DWORD style, DWORD exStyle) {
  RegisterTestClass();
  return rt::UniqueWindow(::CreateWindowExW(exStyle, kTestClass, L"", style, x, y, width, height,
                                            nullptr, nullptr, ::GetModuleHandleW(nullptr),
                                            nullptr));
}

HWND CreateChild(HWND parent, const wchar_t* className, int x, int y, int width, int height,
                 DWORD style, DWORD exStyle) {
  RegisterTestClass();
  return ::CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, x, y, width,
                           height, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

skin::MemoryImage MakePatternImage(int width, int height, BYTE blue) {
  return MakeImage(width, height, [blue](int x, int y) { return PatternColour(x, y, blue); });
}

skin::MemoryImage MakeSolidImage(int width, int height, COLORREF colour) {
  return MakeImage(width, height, [colour](int, int) { return colour; });
}

COLORREF PixelAt(HDC dc, int x, int y) { return ::GetPixel(dc, x, y) & 0xFFFFFF; }

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
  rt::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
  rt::ScopedSelectObject select(dc.Get(), bitmap);
  return PixelAt(dc.Get(), x, y);
}

bool NearColour(COLORREF actual, COLORREF expected, int tolerance) {
  auto within = [tolerance](int a, int b) { return std::abs(a - b) <= tolerance; };
  return within(GetRValue(actual), GetRValue(expected)) &&
         within(GetGValue(actual), GetGValue(expected)) &&
         within(GetBValue(actual), GetBValue(expected));
}

ModuleReset::~ModuleReset() {
  skin::ModuleSettings& settings = skin::Module();
  settings.windowRecords.clear();
  settings.memoryDcList.clear();
  settings.controlVeilAlpha = 160;
}

}  // namespace skin_test
