#include "skin/controls/button_paint_kit.h"

#include "gfx/brush.h"
#include "gfx/font.h"
#include "gfx/pen.h"
#include "gfx/string_format.h"
#include "skin/core/module.h"
#include "skin/core/property_keys.h"
#include "skin/core/window_props.h"

namespace skin::paint_kit {

const ButtonRecord* FindButton(HWND window) {
  const WindowRecord* record = FindRecord(static_cast<int>(ReadProp(window, prop::Hw_FuID)));
  const auto number = ReadProp(window, prop::Hw_lbID);
  if (record == nullptr || number < 1 ||
      static_cast<std::size_t>(number) > record->pushButtons.size()) {
    return nullptr;
  }
  const ButtonRecord& button = record->pushButtons[static_cast<std::size_t>(number) - 1];
  return button.hwnd == window ? &button : nullptr;
}

Canvas::Canvas(HWND window, const RECT& rect)
    : window_(window),
      width_(rect.right - rect.left),
      height_(rect.bottom - rect.top),
      buffer_(window, rect) {
  if (buffer_) graphics_.GdipCreateFromHDC(buffer_.Get());
}

void Canvas::DrawCaption(const CaptionLayout& layout) {
  const ButtonRecord* button = FindButton(window_);
  if (button == nullptr || button->caption.empty()) return;
  const auto colour = static_cast<COLORREF>(ReadProp(window_, prop::Kj_Ztys));
  gfx::GfxSolidBrush brush;
  gfx::GfxFont font;
  gfx::GfxStringFormat format;
  if (!brush.GdipCreateSolidFill(ToArgb(colour, 255, true)) ||
      !font.GdipCreateFont(button->fontName, static_cast<float>(button->fontSize),
                           button->fontStyle, Gdiplus::UnitPixel) ||
      !format.GdipCreateStringFormat(0, 0)) {
    return;
  }
  format.GdipSetStringFormatAlign(layout.alignment);
  if (layout.lineAlignment) format.GdipSetStringFormatLineAlign(*layout.lineAlignment);
  if (layout.trimming) format.GdipSetStringFormatTrimming(*layout.trimming);
  graphics_.GdipDrawString(button->caption, font, brush, layout.box, &format);
}

void Canvas::CopyTo(HDC target) {
  if (!*this) return;
  graphics_.GdipFlush(Gdiplus::FlushIntentionSync);
  ::BitBlt(target, 0, 0, width_, height_, buffer_.Get(), 0, 0, SRCCOPY);
}

gfx::GfxPath RoundedRect(float x, float y, float width, float height, int cornerSize) {
  gfx::GfxPath path;
  if (path.GdipCreatePath(Gdiplus::FillModeAlternate))
    AddRoundedRectPath(path, x, y, width, height, cornerSize);
  return path;
}

void FillWithSolid(gfx::GfxGraphics& graphics, const gfx::GfxPath& path, ARGB colour) {
  gfx::GfxSolidBrush brush;
  if (brush.GdipCreateSolidFill(colour)) graphics.GdipFillPath(brush, path);
}

void FillWithGradient(gfx::GfxGraphics& graphics, const gfx::GfxPath& path, Gdiplus::PointF from,
                      Gdiplus::PointF to, ARGB fromColour, ARGB toColour) {
  gfx::GfxLinearBrush brush;
  if (brush.GdipCreateLineBrush(from, to, fromColour, toColour)) graphics.GdipFillPath(brush, path);
}

void StrokeWith(gfx::GfxGraphics& graphics, const gfx::GfxPath& path, ARGB colour, float width) {
  gfx::GfxPen pen;
  if (pen.GdipCreatePen1(colour, width)) graphics.GdipDrawPath(pen, path);
}

}  // namespace skin::paint_kit
