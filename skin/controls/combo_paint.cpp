// Painting skinned combo boxes: face, frame, drop button, arrow and the text of a drop-down list,
// composed off screen and copied with the children's rectangles left out.
#include <string>

#include "assets/asset.h"
#include "gfx/brush.h"
#include "gfx/font.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "runtime/gbk.h"
#include "skin/controls/combo.h"
#include "skin/controls/edit_subclass.h"
#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/records.h"

namespace skin {

namespace {

using gfx::REAL;

constexpr ARGB kPlainLine = 0x50000000;  // black at alpha 80
constexpr ARGB kOpaqueWhite = 0xFFFFFFFF;
constexpr ARGB kHotButtonTop = 0x64FFFFFF;  // white at alpha 100
// Pixels of this colour are left alone when the face is copied to the screen.
constexpr COLORREF kColourKey = RGB(0xFF, 0x00, 0xFF);
constexpr ARGB kColourKeyArgb = 0xFFFF00FF;
constexpr char kTextFontName[] = "宋体";
constexpr REAL kTextFontSize = 12;

constexpr LONG_PTR kSimpleBit = 0x1;    // CBS_SIMPLE, and part of CBS_DROPDOWNLIST
constexpr LONG_PTR kDropDownBit = 0x2;  // CBS_DROPDOWN, and part of CBS_DROPDOWNLIST

ARGB Accent(std::uint8_t alpha) { return ToArgb(Module().accentColour, alpha, true); }

struct FaceLayout {
  REAL width = 0;
  REAL height = 0;
  LONG_PTR style = 0;
  REAL buttonX = 0;
  REAL buttonWidth = 0;

  bool HasDropButton() const { return (style & kDropDownBit) != 0; }
  bool IsDropDownList() const { return (style & (kSimpleBit | kDropDownBit)) == 3; }
  bool PunchesEveryChild() const { return (style & kSimpleBit) != 0; }
};

FaceLayout LayOut(HWND combo, SIZE size) {
  FaceLayout layout;
  layout.width = static_cast<REAL>(size.cx);
  layout.height = static_cast<REAL>(size.cy);
  layout.style = ::GetWindowLongPtrW(combo, GWL_STYLE);
  layout.buttonWidth = layout.IsDropDownList() ? 17 : 18;
  layout.buttonX = layout.width - layout.buttonWidth - 2;
  return layout;
}

void FillFace(gfx::GfxGraphics& graphics, const FaceLayout& layout) {
  const ARGB colour = Module().translucentControls == 1
                          ? ToArgb(0xFFFFFF, Module().controlVeilAlpha, true)
                          : kOpaqueWhite;
  gfx::GfxSolidBrush brush;
  if (brush.GdipCreateSolidFill(colour))
    graphics.GdipFillRectangle(brush, 0, 0, layout.width, layout.height);
}

// Magenta where the child lies, so that the child keeps its own pixels on the screen. The list of
// a simple combo box gives up a 2-pixel margin to the face.
void PunchOut(gfx::GfxGraphics& graphics, HWND child) {
  RECT rect = ChildRectInParent(child);
  if (GetClassNameText(child) == "ComboLBox") ::InflateRect(&rect, -2, -2);
  graphics.GdipSetClipRect(static_cast<REAL>(rect.left), static_cast<REAL>(rect.top),
                           static_cast<REAL>(rect.right - rect.left),
                           static_cast<REAL>(rect.bottom - rect.top));
  graphics.GdipGraphicsClear(kColourKeyArgb);
  graphics.GdipResetClip();
}

void PunchOutChildren(gfx::GfxGraphics& graphics, HWND combo, const FaceLayout& layout) {
  if (layout.PunchesEveryChild()) {
    ForEachChildOfClass(combo, nullptr, [&graphics](HWND child) { PunchOut(graphics, child); });
  } else if (HWND first = ::FindWindowExW(combo, nullptr, nullptr, nullptr)) {
    PunchOut(graphics, first);
  }
}

void StrokeRectangle(gfx::GfxGraphics& graphics, ARGB colour, REAL x, REAL y, REAL width,
                     REAL height) {
  gfx::GfxPen pen;
  if (pen.GdipCreatePen1(colour, 1)) graphics.GdipDrawRectangle(pen, x, y, width, height);
}

void DrawButtonOutline(gfx::GfxGraphics& graphics, const FaceLayout& layout, bool hot) {
  gfx::GfxPath path;
  gfx::GfxPen pen;
  if (!path.GdipCreatePath() || !pen.GdipCreatePen1(hot ? Accent(200) : kPlainLine, 1)) return;
  AddRoundedRectPath(path, layout.buttonX, 2, layout.buttonWidth - 1, layout.height - 5, 4);
  graphics.GdipDrawPath(pen, path);
}

void FillButtonFace(gfx::GfxGraphics& graphics, const FaceLayout& layout, bool hot) {
  gfx::GfxPath path;
  gfx::GfxLinearBrush brush;
  const Gdiplus::PointF top{layout.buttonX + 1, 2};
  const Gdiplus::PointF bottom{layout.buttonX + 1, layout.height - 4};
  const bool made = hot ? brush.GdipCreateLineBrush(top, bottom, kHotButtonTop, Accent(150))
                        : brush.GdipCreateLineBrush(top, bottom, Accent(30), Accent(100));
  if (!made || !path.GdipCreatePath()) return;
  AddRoundedRectPath(path, layout.buttonX + 1, 3, layout.buttonWidth - 2, layout.height - 6, 1);
  graphics.GdipFillPath(brush, path);
}

void DrawArrow(gfx::GfxGraphics& graphics, const FaceLayout& layout) {
  gfx::GfxImage arrow;
  if (!arrow.GdipLoadImageFromStream(Asset::ArrowPicture(Asset::Arrow::Down))) return;
  graphics.GdipDrawImage(arrow, layout.buttonX + (layout.buttonWidth - 7) / 2,
                         2 + (layout.height - 8) / 2);
}

std::wstring WindowTextOf(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

// A drop-down list shows its current text itself, in 12-pixel 宋体 whatever the control's font.
void DrawCurrentText(gfx::GfxGraphics& graphics, HWND combo, const FaceLayout& layout) {
  const std::wstring text = WindowTextOf(combo);
  if (text.empty()) return;
  const auto colour = static_cast<COLORREF>(ReadProp(combo, prop::Kj_Ztys));
  gfx::GfxSolidBrush brush;
  gfx::GfxFont font;
  if (!brush.GdipCreateSolidFill(ToArgb(colour, 255, true)) ||
      !font.GdipCreateFont(kTextFontName, kTextFontSize, Gdiplus::FontStyleRegular,
                           Gdiplus::UnitPixel))
    return;
  const Gdiplus::RectF layoutRect{2, (layout.height - 12) / 2, layout.width - 17,
                                  layout.height - 4};
  graphics.GdipDrawStringW(text, font, brush, layoutRect);
}

void DrawDropButton(gfx::GfxGraphics& graphics, HWND combo, const FaceLayout& layout, bool hot) {
  DrawButtonOutline(graphics, layout, hot);
  FillButtonFace(graphics, layout, hot);
  DrawArrow(graphics, layout);
  if (layout.IsDropDownList()) DrawCurrentText(graphics, combo, layout);
}

void DrawFace(HWND combo, HDC buffer, const FaceLayout& layout, bool hot, bool focused) {
  gfx::GfxGraphics graphics;
  if (!graphics.GdipCreateFromHDC(buffer)) return;
  FillFace(graphics, layout);
  PunchOutChildren(graphics, combo, layout);
  StrokeRectangle(graphics, hot || focused ? Accent(200) : kPlainLine, 0, 0, layout.width - 1,
                  layout.height - 1);
  if (layout.HasDropButton()) DrawDropButton(graphics, combo, layout, hot);
}

// msimg32's TransparentBlt, found when first needed.
using TransparentBltProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

TransparentBltProc FindTransparentBlt() {
  static const TransparentBltProc proc = [] {
    HMODULE library = ::LoadLibraryW(L"msimg32.dll");
    if (library == nullptr) return TransparentBltProc{};
    return reinterpret_cast<TransparentBltProc>(
        reinterpret_cast<void*>(::GetProcAddress(library, "TransparentBlt")));
  }();
  return proc;
}

void Present(HWND combo, HDC buffer, SIZE size) {
  const TransparentBltProc transparentBlt = FindTransparentBlt();
  ScopedWindowAreaDc screen(combo);
  if (transparentBlt == nullptr || screen.Get() == nullptr) return;
  transparentBlt(screen.Get(), 0, 0, size.cx, size.cy, buffer, 0, 0, size.cx, size.cy, kColourKey);
}

}  // namespace

RECT ChildRectInParent(HWND child) {
  if (FindWindowNumber(child) != 0) return RECT{};
  return RectRelativeTo(::GetParent(child), child);
}

void PaintComboBox(int windowNumber, int comboNumber, ComboLook look) {
  WindowRecord* record = FindRecord(windowNumber);
  const ComboRecord* entry = record ? EntryAt(record->comboBoxes, comboNumber) : nullptr;
  if (entry == nullptr || entry->hwnd == nullptr) return;
  HWND combo = entry->hwnd;
  const bool focused = look.focused.value_or(entry->focused != 0);
  const SIZE size = WindowSize(combo);
  ControlBackBuffer buffer(combo, RECT{0, 0, size.cx, size.cy});
  if (!buffer) return;
  // The graphics is gone (its drawing flushed) before the buffer is copied.
  DrawFace(combo, buffer.Get(), LayOut(combo, size), look.hot, focused);
  Present(combo, buffer.Get(), size);
}

}  // namespace skin
