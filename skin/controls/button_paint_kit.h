// What the button painters share: a canvas over the control's background that ends up on the
// target DC in one copy, the caption in the button's own font and colour, and one-call fills and
// strokes whose GDI+ objects live only for that call.
#pragma once

#include <windows.h>

#include <optional>

#include "gfx/graphics.h"
#include "gfx/path.h"
#include "skin/core/primitives.h"
#include "skin/core/records.h"

namespace skin::paint_kit {

// The record of a skinned button, found through its Hw_FuID and Hw_lbID; null when those do not
// lead to it.
const ButtonRecord* FindButton(HWND window);

struct CaptionLayout {
  Gdiplus::RectF box;  // x, y, width, height
  Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentCenter;
  std::optional<Gdiplus::StringAlignment> lineAlignment = Gdiplus::StringAlignmentCenter;
  std::optional<Gdiplus::StringTrimming> trimming = std::nullopt;
};

// A GDI+ graphics on a memory image of what lies behind `rect` of the control.
class Canvas {
 public:
  Canvas(HWND window, const RECT& rect);
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // False when there is nothing behind the control to draw on (it is not skinned).
  explicit operator bool() const { return buffer_ && graphics_.HasNativeObject(); }
  gfx::GfxGraphics& Graphics() { return graphics_; }

  // The record's caption in its font (pixels) and the control's Kj_Ztys colour made opaque.
  void DrawCaption(const CaptionLayout& layout);
  void DrawCaption(Gdiplus::RectF box, Gdiplus::StringAlignment alignment) {
    DrawCaption(CaptionLayout{.box = box, .alignment = alignment});
  }
  // Copies the finished image to (0, 0) of `target`.
  void CopyTo(HDC target);

 private:
  HWND window_;
  int width_;
  int height_;
  ControlBackBuffer buffer_;
  gfx::GfxGraphics graphics_;  // declared last: gone before the buffer is released
};

// A rounded rectangle path (AddRoundedRectPath); empty when no path could be made.
gfx::GfxPath RoundedRect(float x, float y, float width, float height, int cornerSize);

void FillWithSolid(gfx::GfxGraphics& graphics, const gfx::GfxPath& path, ARGB colour);
void FillWithGradient(gfx::GfxGraphics& graphics, const gfx::GfxPath& path, Gdiplus::PointF from,
                      Gdiplus::PointF to, ARGB fromColour, ARGB toColour);
void StrokeWith(gfx::GfxGraphics& graphics, const gfx::GfxPath& path, ARGB colour,
                float width = 1.0f);

}  // namespace skin::paint_kit
