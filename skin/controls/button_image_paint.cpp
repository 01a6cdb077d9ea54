// The painters of picture buttons: one picture with the caption (kind 1), or one picture per state
// (kind 3) with plates drawn under picture 1 for the states that have no picture of their own.
#include <cmath>
#include <cstdint>

#include "gfx/brush.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "skin/controls/button.h"
#include "skin/controls/button_paint_kit.h"
#include "skin/core/module.h"
#include "skin/core/primitives.h"

namespace skin {

namespace {

using button_state::kDisabled;
using button_state::kFocused;
using button_state::kHot;
using button_state::kPressed;
using paint_kit::FillWithGradient;
using paint_kit::RoundedRect;
using paint_kit::StrokeWith;

ARGB Accent(std::uint8_t alpha) { return ToArgb(Module().accentColour, alpha, true); }

// Picture `number` (1, 2, 3 or 5) of the record, decoded; empty when the field is empty.
gfx::GfxImage Picture(const ButtonRecord& button, int number) {
  gfx::GfxImage image;
  const rt::ByteSet& bytes = button.images[static_cast<std::size_t>(number) - 1];
  if (!bytes.empty()) image.GdipLoadImageFromStream(bytes);
  return image;
}

void DrawInto(gfx::GfxGraphics& graphics, const gfx::GfxImage& picture, float x, float y, float w,
              float h) {
  if (picture.HasNativeObject()) graphics.GdipDrawImageRectRect(picture, x, y, w, h);
}

void DrawAtOwnSize(gfx::GfxGraphics& graphics, const gfx::GfxImage& picture) {
  if (picture.HasNativeObject()) graphics.GdipDrawImage(picture, 2, 2);
}

// ---- Four pictures ----------------------------------------------------------------------------

struct PictureSize {
  float width = 0;
  float height = 0;
};

PictureSize SizeOf(const gfx::GfxImage& picture) {
  if (!picture.HasNativeObject()) return {};
  return {static_cast<float>(picture.GdipGetImageWidth()),
          static_cast<float>(picture.GdipGetImageHeight())};
}

// The plate of a state without its own picture: an outline, then a fill over it.
void DrawPlate(gfx::GfxGraphics& graphics, float w, float h, int corner, ARGB outline, ARGB from,
               ARGB to) {
  const gfx::GfxPath plate = RoundedRect(0, 0, w, h, corner);
  StrokeWith(graphics, plate, outline);
  FillWithGradient(graphics, plate, {0, 0}, {0, h}, from, to);
}

void PaintFourImageFace(gfx::GfxGraphics& graphics, const ButtonRecord& button, UINT state) {
  const gfx::GfxImage normal = Picture(button, 1);
  const auto [iw, ih] = SizeOf(normal);
  if (state & kDisabled) {
    const gfx::GfxImage disabled = Picture(button, 5);
    if (disabled.HasNativeObject()) return DrawAtOwnSize(graphics, disabled);
    DrawPlate(graphics, iw + 2, ih + 2, 5, 0x50000000, 0x3CFFFFFF, 0x64000000);
  } else if (state & kHot) {
    const gfx::GfxImage hot = Picture(button, 2);
    if (hot.HasNativeObject()) {
      const auto [w, h] = SizeOf(hot);
      return DrawInto(graphics, hot, 2, 2, w, h);
    }
    DrawPlate(graphics, iw + 3, ih + 3, 3, Accent(250), 0x78FFFFFF, Accent(100));
  } else if (state & kPressed) {
    const gfx::GfxImage pressed = Picture(button, 3);
    if (pressed.HasNativeObject()) return DrawAtOwnSize(graphics, pressed);
    DrawPlate(graphics, iw + 3, ih + 3, 3, Accent(250), 0x3C000000, 0x64FFFFFF);
  }
  DrawInto(graphics, normal, 2, 2, iw, ih);
}

// ---- One picture with the caption -------------------------------------------------------------

void DrawHotPlate(gfx::GfxGraphics& graphics, float x, float y, float w, float h) {
  const gfx::GfxPath plate = RoundedRect(x + 2, y + 1, w - 5, h - 4, 2);
  FillWithGradient(graphics, plate, {x + 1, y + 1}, {x + 1, y + h - 4}, 0x32FFFFFF, 0x28FFFFFF);
  // A bright bottom edge that fades towards both ends.
  gfx::GfxLinearBrush fade;
  if (!fade.GdipCreateLineBrush({x + 1, y + 1}, {w - 1, y + 1}, 0x0AFFFFFF, 0xFFFFFFFF)) return;
  fade.GdipSetLineLinearBlend(0.5f, 0.8f);
  gfx::GfxPen edge;
  if (edge.GdipCreatePen2(fade, 2.0f)) graphics.GdipDrawLine(edge, x + 1, h - 4, w - 1, h - 4);
}

void DrawFocusPlate(gfx::GfxGraphics& graphics, float x, float y, float w, float h) {
  const gfx::GfxPath plate = RoundedRect(x + 2, y + 2, w - 5, h - 5, 2);
  FillWithGradient(graphics, plate, {2, 3}, {2, h}, 0x3CFFFFFF, 0x32FFFFFF);
  StrokeWith(graphics, RoundedRect(x, y, w - 2, h - 2, 5), 0x3C000000);
  StrokeWith(graphics, RoundedRect(x + 1, y + 1, w - 4, h - 4, 5), 0x78FFFFFF);
}

void DrawImageButtonPlates(gfx::GfxGraphics& graphics, UINT state, float x, float y, float w,
                           float h) {
  if (state & kDisabled) {
    const gfx::GfxPath plate = RoundedRect(x + 2, y + 2, w - 6, h - 6, 5);
    FillWithGradient(graphics, plate, {1, 1}, {1, h}, ToArgb(RGB(0x80, 0x80, 0x80), 50, true),
                     0x00FFFFFF);
    return;
  }
  if (state & kHot) DrawHotPlate(graphics, x, y, w, h);
  if (state & (kFocused | kHot)) DrawFocusPlate(graphics, x, y, w, h);
}

// Picture above the caption: the picture as large as the height left over by the caption allows.
void LayOutPictureAbove(paint_kit::Canvas& canvas, const ButtonRecord& button, float w, float h) {
  const float picture = std::trunc((h - static_cast<float>(button.fontSize) - 2) * 0.8f);
  const float top = h * 0.05f;
  if (picture > 0) {
    DrawInto(canvas.Graphics(), Picture(button, 1), (w - picture) / 2, top, picture, picture);
  }
  canvas.DrawCaption({.box = {0, picture + top + 2, w, h - picture},
                      .alignment = Gdiplus::StringAlignmentCenter,
                      .lineAlignment = std::nullopt,
                      .trimming = Gdiplus::StringTrimmingEllipsisCharacter});
}

// Picture at the left of the caption (in the middle when there is no caption).
void LayOutPictureBeside(paint_kit::Canvas& canvas, const ButtonRecord& button,
                         const gfx::GfxImage& picture, float w, float h, const RECT& client) {
  const float clientWidth = static_cast<float>(client.right);
  const float clientHeight = static_cast<float>(client.bottom);
  const float size = std::trunc(clientHeight * 0.8f);
  const float left = button.caption.empty() ? (w - size) / 2 : 3;
  DrawInto(canvas.Graphics(), picture, left, (h - size) / 2, size, size);
  canvas.DrawCaption({.box = {size + 5, 2, clientWidth - size - 7, clientHeight},
                      .alignment = Gdiplus::StringAlignmentNear});
}

void PaintImageButtonFace(paint_kit::Canvas& canvas, const ButtonRecord& button, UINT state,
                          HWND window, const RECT& rect) {
  const float x = static_cast<float>(rect.left);
  const float y = static_cast<float>(rect.top);
  const float w = static_cast<float>(rect.right - rect.left);
  const float h = static_cast<float>(rect.bottom - rect.top);
  DrawImageButtonPlates(canvas.Graphics(), state, x, y, w, h);
  if (button.layoutFlag == 0) return LayOutPictureAbove(canvas, button, w, h);
  const gfx::GfxImage picture = Picture(button, 1);
  if (!picture.HasNativeObject()) {
    return canvas.DrawCaption({0, 0, w, h}, Gdiplus::StringAlignmentCenter);
  }
  RECT client{};
  ::GetClientRect(window, &client);
  LayOutPictureBeside(canvas, button, picture, w, h, client);
}

}  // namespace

void PaintFourImageButton(HWND window, HDC dc, UINT state, const RECT& rect) {
  const ButtonRecord* button = paint_kit::FindButton(window);
  if (button == nullptr) return;
  paint_kit::Canvas canvas(window, rect);
  if (!canvas) return;
  PaintFourImageFace(canvas.Graphics(), *button, state);
  canvas.CopyTo(dc);
}

void PaintImageButton(HWND window, HDC dc, UINT state, const RECT& rect) {
  const ButtonRecord* button = paint_kit::FindButton(window);
  if (button == nullptr) return;
  paint_kit::Canvas canvas(window, rect);
  if (!canvas) return;
  PaintImageButtonFace(canvas, *button, state, window, rect);
  canvas.CopyTo(dc);
}

}  // namespace skin
