// What the button tests share: a skinned window whose parent procedure answers WM_DRAWITEM with
// the button painters, an off-screen target to paint into and read back, colour arithmetic for
// GDI+ layers, and small PNG pictures made on the spot.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/graphics.h"
#include "gfx/image.h"
#include "runtime/win_handles.h"
#include "skin/controls/button.h"
#include "skin/core/module.h"
#include "skin/core/records.h"
#include "tests/skin_controls/skinned_window_fixture.h"

namespace button_test {

inline constexpr COLORREF kBackground = RGB(0x40, 0x70, 0xA0);

// A skinned window of one background colour (so the colour behind every pixel is known) whose
// procedure hands WM_DRAWITEM to the button painters and counts BN_CLICKED.
class ButtonWindow {
 public:
  explicit ButtonWindow(skin_test::SkinnedWindowOptions options = {.top = kBackground,
                                                                   .bottom = kBackground})
      : window_(options) {
    window_.SetHook(
        [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
          if (message == WM_DRAWITEM &&
              skin::PaintOwnerDrawnButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
            ++drawItems_;
            return TRUE;
          }
          if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ++clicks_;
          return std::nullopt;
        });
  }

  skin_test::SkinnedWindow& Window() { return window_; }
  HWND Hwnd() const { return window_.Hwnd(); }
  int Number() const { return window_.Number(); }
  skin::WindowRecord& Record() const { return window_.Record(); }
  int Clicks() const { return clicks_; }
  int DrawItems() const { return drawItems_; }

  HWND AddButton(const wchar_t* text, DWORD style, RECT bounds, int id = 100) {
    return window_.AddChild(L"BUTTON", text, style, bounds, 0, id);
  }
  const skin::ButtonRecord& Entry(HWND button) const {
    return Record().pushButtons.at(
        static_cast<std::size_t>(skin::FindButtonRecord(Number(), button)) - 1);
  }
  skin::ButtonRecord& MutableEntry(HWND button) {
    return Record().pushButtons.at(
        static_cast<std::size_t>(skin::FindButtonRecord(Number(), button)) - 1);
  }
  void SkinAll() {
    skin::SkinPushButtons(Number(), Hwnd());
    skin::SkinCheckAndRadioButtons(Number(), Hwnd());
  }

 private:
  skin_test::SkinnedWindow window_;
  int clicks_ = 0;
  int drawItems_ = 0;
};

// Pumps every message that is waiting.
inline void Pump() {
  MSG message;
  while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

// A 32-bit memory DC of the given size, filled with magenta so that undrawn pixels show. Movable:
// the DC and its bitmap live in one heap block.
class Target {
 public:
  Target(int width, int height) : surface_(std::make_unique<Surface>(width, height)) {
    const RECT all{0, 0, width, height};
    rt::UniqueBrush magenta(::CreateSolidBrush(RGB(0xFF, 0, 0xFF)));
    ::FillRect(Dc(), &all, magenta.Get());
  }
  HDC Dc() const { return surface_->dc.Get(); }
  COLORREF Pixel(int x, int y) const { return ::GetPixel(Dc(), x, y); }

 private:
  static HBITMAP MakeBitmap(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    return ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  }
  struct Surface {
    Surface(int width, int height)
        : dc(::CreateCompatibleDC(nullptr)),
          bitmap(MakeBitmap(width, height)),
          select(dc.Get(), bitmap.Get()) {}
    rt::UniqueMemoryDc dc;
    rt::UniqueBitmap bitmap;
    rt::ScopedSelectObject select;  // declared last: the bitmap goes back out before deletion
  };
  std::unique_ptr<Surface> surface_;
};

// `below` with the GDI+ colour `layer` (0xAARRGGBB) composed over it.
inline COLORREF Over(COLORREF below, std::uint32_t layer) {
  const int alpha = static_cast<int>(layer >> 24);
  const COLORREF colour = RGB((layer >> 16) & 0xFF, (layer >> 8) & 0xFF, layer & 0xFF);
  return skin_test::Blend(below, colour, alpha);
}

// The colour of a two-colour GDI+ gradient at fraction t: the alphas are interpolated, and the
// colour channels weighted by their alphas (a transparent end lends no colour).
inline std::uint32_t Between(std::uint32_t from, std::uint32_t to, double t) {
  auto channel = [](std::uint32_t colour, int shift) {
    return static_cast<double>((colour >> shift) & 0xFF);
  };
  const double fromWeight = channel(from, 24) * (1 - t);
  const double toWeight = channel(to, 24) * t;
  const double alpha = fromWeight + toWeight;
  if (alpha < 1) return 0;
  std::uint32_t result = static_cast<std::uint32_t>(alpha + 0.5) << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    const double mixed =
        (channel(from, shift) * fromWeight + channel(to, shift) * toWeight) / alpha;
    result |= static_cast<std::uint32_t>(mixed + 0.5) << shift;
  }
  return result;
}

#define EXPECT_COLOUR_NEAR(actual, expected, tolerance)           \
  EXPECT_TRUE(skin_test::Near((actual), (expected), (tolerance))) \
      << skin_test::ColourText(actual) << " instead of " << skin_test::ColourText(expected)

// A w x h PNG of one opaque colour (COLORREF).
inline rt::ByteSet SolidPng(int width, int height, COLORREF colour) {
  gfx::GfxBitmap bitmap;
  bitmap.GdipCreateBitmapFromScan0(width, height, PixelFormat32bppARGB);
  const std::uint32_t argb = skin::ToArgb(colour, 255, false);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.GdipBitmapSetPixel(x, y, argb);
  return bitmap.GdipSaveImageToStream(gfx::kPngFormat);
}

}  // namespace button_test
