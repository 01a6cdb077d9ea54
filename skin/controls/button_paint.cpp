// The painters of push buttons, radio buttons and check boxes. Each draws with GDI+ into a copy of
// what lies behind the control and then copies that to the screen in one go, so nothing flickers.
#include <cstdint>

#include "assets/asset.h"
#include "gfx/brush.h"
#include "gfx/font.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "gfx/string_format.h"
#include "runtime/win_handles.h"
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
using paint_kit::FillWithSolid;
using paint_kit::RoundedRect;
using paint_kit::StrokeWith;

// The glow around focused and hot controls is this colour whatever the accent is.
constexpr COLORREF kGlowColour = RGB(0x22, 0xCA, 0xDD);
constexpr int kCornerSize = 5;

float Width(const RECT& rect) { return static_cast<float>(rect.right - rect.left); }
float Height(const RECT& rect) { return static_cast<float>(rect.bottom - rect.top); }

ARGB Accent(std::uint8_t alpha) { return ToArgb(Module().accentColour, alpha, true); }

bool IsChecked(HWND window) { return ::SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// ---- Push button ------------------------------------------------------------------------------

void FillDisabledFace(gfx::GfxGraphics& graphics, const gfx::GfxPath& face, float w, float h) {
  gfx::GfxSolidBrush grey;
  if (grey.GdipCreateSolidFill(0xFFC0C0C0)) graphics.GdipFillRectangle(grey, 0, 0, w, h);
  gfx::GfxLinearBrush shade;
  if (shade.GdipCreateLineBrush({0, 0}, {0, h}, 0x32FFFFFF, 0x32FFFFFF)) {
    const ARGB colours[] = {0x32FFFFFF, 0x0A000000, 0x32FFFFFF};
    const float positions[] = {0.0f, 0.6f, 1.0f};
    shade.GdipSetLinePresetBlend(colours, positions);
    graphics.GdipFillPath(shade, face);
  }
  StrokeWith(graphics, face, 0x50000000);
}

void FillGloss(gfx::GfxGraphics& graphics, float w, float h) {
  gfx::GfxPath gloss;
  if (!gloss.GdipCreatePath()) return;
  AddTopRoundedPath(gloss, 0, 0, static_cast<int>(w) - 1, static_cast<int>(h * 0.5f), kCornerSize);
  FillWithGradient(graphics, gloss, {0, 0}, {0, h * 0.5f}, 0x32FFFFFF, 0x0AFFFFFF);
}

void DrawPushOutline(gfx::GfxGraphics& graphics, const gfx::GfxPath& face, UINT state, float h) {
  if (state & kHot) {
    FillWithGradient(graphics, face, {0, 0}, {0, h - 1}, Accent(60), Accent(10));
    StrokeWith(graphics, face, Accent(255));
  } else if (state & kFocused) {
    StrokeGlow(graphics, face, 3, kGlowColour, 120);
    StrokeWith(graphics, face, 0x46000000);
  } else {
    StrokeWith(graphics, face, 0x78000000);
  }
}

void FillPressedFace(gfx::GfxGraphics& graphics, float w, float h) {
  gfx::GfxPath pressed = RoundedRect(2, 2, w - 3, h - 3, kCornerSize);
  FillWithGradient(graphics, pressed, {2, 2}, {2, h - 2}, Accent(60), 0x64FFFFFF);
}

// ---- Radio button -----------------------------------------------------------------------------

gfx::GfxPath EllipsePath(float x, float y, float w, float h) {
  gfx::GfxPath path;
  if (path.GdipCreatePath()) path.GdipAddPathEllipse(x, y, w, h);
  return path;
}

void DrawRadioFace(gfx::GfxGraphics& graphics, const gfx::GfxPath& face, float y) {
  StrokeWith(graphics, face, 0xFFFFFFFF);
  FillWithSolid(graphics, face, 0xFFFFFFFF);
  FillWithGradient(graphics, face, {3, y + 1}, {10, y + 11}, 0x64000000, 0x00000000);
}

void DrawRadioDot(gfx::GfxGraphics& graphics, float y) {
  const gfx::GfxPath dot = EllipsePath(5, y + 3, 6, 6);
  gfx::GfxPathGradientBrush shine;
  if (!shine.GdipCreatePathGradientFromPath(dot)) return;
  shine.GdipSetPathGradientCenterColor(0x64FFFFFF);
  const ARGB surround[] = {0xFF008080};
  shine.GdipSetPathGradientSurroundColorsWithCount(surround);
  StrokeWith(graphics, dot, 0xC8000000);
  graphics.GdipFillPath(shine, dot);
}

// ---- Check box --------------------------------------------------------------------------------

void DrawBoxPicture(gfx::GfxGraphics& graphics, bool checked, float y) {
  gfx::GfxImage picture;
  if (picture.GdipLoadImageFromStream(Asset::CheckBoxPicture(checked)))
    graphics.GdipDrawImage(picture, 0, y);
}

void DrawHotBox(gfx::GfxGraphics& graphics, float y, float h) {
  gfx::GfxPath box;
  if (!box.GdipCreatePath()) return;
  box.GdipAddPathRectangle(0, y, 13, 13);
  const float top = (h - 12) / 2;
  FillWithGradient(graphics, box, {3, top + 1}, {11, top + 12}, Accent(100), 0x00000000);
  StrokeGlow(graphics, box, 2, kGlowColour, 30);
}

}  // namespace

void PaintPushButton(HWND window, HDC dc, UINT state, const RECT& rect) {
  paint_kit::Canvas canvas(window, rect);
  if (!canvas) return;
  gfx::GfxGraphics& graphics = canvas.Graphics();
  const float w = Width(rect);
  const float h = Height(rect);
  const gfx::GfxPath face = RoundedRect(0, 0, w - 1, h - 1, kCornerSize);
  FillWithSolid(graphics, face, 0x78FFFFFF);
  if (state & kDisabled) {
    FillDisabledFace(graphics, face, w, h);
  } else {
    FillWithGradient(graphics, face, {0, 0}, {0, h - 1}, 0x00FFFFFF, 0x3C808080);
    FillGloss(graphics, w, h);
    DrawPushOutline(graphics, face, state, h);
    if (state & kPressed) FillPressedFace(graphics, w, h);
  }
  canvas.DrawCaption({0, 2, w, h}, Gdiplus::StringAlignmentCenter);
  canvas.CopyTo(dc);
}

void PaintRadioButton(HWND window, UINT state) {
  RECT client{};
  ::GetClientRect(window, &client);
  paint_kit::Canvas canvas(window, client);
  if (!canvas) return;
  gfx::GfxGraphics& graphics = canvas.Graphics();
  graphics.GdipSetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  const float w = Width(client);
  const float h = Height(client);
  const float y = (h - 12) / 2;
  gfx::GfxPen ring;
  if (ring.GdipCreatePen1(0xC8000000, 1)) graphics.GdipDrawEllipse(ring, 2, y, 12, 12);
  const gfx::GfxPath face = EllipsePath(3, (h - 11) / 2 + 1, 9, 9);
  DrawRadioFace(graphics, face, y);
  if (state & kHot) {
    FillWithGradient(graphics, face, {3, y + 1}, {11, y + 12}, Accent(100), 0x00000000);
    StrokeGlow(graphics, face, 2, kGlowColour, 30);
  }
  if (IsChecked(window)) DrawRadioDot(graphics, y);
  canvas.DrawCaption({18, 2, w, h}, Gdiplus::StringAlignmentNear);
  rt::ScopedWindowDc target(window);
  canvas.CopyTo(target.Get());
}

void PaintCheckBox(HWND window, UINT state) {
  RECT client{};
  ::GetClientRect(window, &client);
  paint_kit::Canvas canvas(window, client);
  if (!canvas) return;
  gfx::GfxGraphics& graphics = canvas.Graphics();
  const float w = Width(client);
  const float h = Height(client);
  const float y = (h - 13) / 2;
  DrawBoxPicture(graphics, false, y);
  if (IsChecked(window)) DrawBoxPicture(graphics, true, y);
  if (state & kHot) DrawHotBox(graphics, y, h);
  canvas.DrawCaption({17, 2, w - 19, h}, Gdiplus::StringAlignmentNear);
  rt::ScopedWindowDc target(window);
  canvas.CopyTo(target.Get());
}

}  // namespace skin
