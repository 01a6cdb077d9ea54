// Painting skinned edit boxes: the frame ring, its border lines and the see-through client area.
#include "gfx/brush.h"
#include "gfx/graphics.h"
#include "gfx/pen.h"
#include "skin/controls/edit.h"
#include "skin/controls/edit_subclass.h"
#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/records.h"

namespace skin {

namespace {

using gfx::REAL;

constexpr std::uint8_t kFrameAccentAlpha = 180;
constexpr ARGB kPlainBorder = 0x50000000;  // black at alpha 80
constexpr ARGB kOpaqueWhite = 0xFFFFFFFF;

// floor(value / 2), also for negative values.
int HalfRoundedDown(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

LONG_PTR StyleOf(HWND window) { return ::GetWindowLongPtrW(window, GWL_STYLE); }

RECT ScrollBarRect(HWND window, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!::GetScrollBarInfo(window, object, &info)) return RECT{};
  return info.rcScrollBar;
}

// The part of the window the frame must leave alone: the client area with its scroll bars, taken
// as centred in the window rectangle. {x, y, width, height}.
struct InnerArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

InnerArea InnerAreaOf(HWND window, SIZE size) {
  RECT client{};
  ::GetClientRect(window, &client);
  InnerArea inner{.width = client.right, .height = client.bottom};
  const LONG_PTR style = StyleOf(window);
  if (style & WS_VSCROLL) {
    const RECT bar = ScrollBarRect(window, OBJID_VSCROLL);
    inner.width += bar.right - bar.left;
  }
  if (style & WS_HSCROLL) {
    const RECT bar = ScrollBarRect(window, OBJID_HSCROLL);
    inner.height += bar.bottom - bar.top;
  }
  inner.left = HalfRoundedDown(size.cx - inner.width);
  inner.top = HalfRoundedDown(size.cy - inner.height);
  return inner;
}

void FillRing(gfx::GfxGraphics& graphics, SIZE size) {
  if (Module().translucentControls != 1) {
    graphics.GdipGraphicsClear(kOpaqueWhite);
    return;
  }
  gfx::GfxSolidBrush veil;
  if (veil.GdipCreateSolidFill(ToArgb(0xFFFFFF, Module().controlVeilAlpha, true)))
    graphics.GdipFillRectangle(veil, 0, 0, static_cast<REAL>(size.cx), static_cast<REAL>(size.cy));
}

// Draws the ring into `buffer`, a w x h image of what lies behind the window.
void DrawRing(HWND window, HDC buffer, SIZE size, const InnerArea& inner, EditFrameStates states) {
  gfx::GfxGraphics graphics;
  if (!graphics.GdipCreateFromHDC(buffer)) return;
  graphics.GdipSetClipRect(0, 0, static_cast<REAL>(size.cx), static_cast<REAL>(size.cy),
                           Gdiplus::CombineModeReplace);
  graphics.GdipSetClipRect(static_cast<REAL>(inner.left), static_cast<REAL>(inner.top),
                           static_cast<REAL>(inner.width), static_cast<REAL>(inner.height),
                           Gdiplus::CombineModeXor);
  FillRing(graphics, size);
  StrokeEditBorder(window, states, graphics);
}

const EditRecord* FindOwnEntry(int windowNumber, HWND window) {
  WindowRecord* record = FindRecord(windowNumber);
  return record ? EntryAt(record->editBoxes, FindEditRecord(windowNumber, window)) : nullptr;
}

UniqueRegion RectRegion(const RECT& rect) {
  return UniqueRegion(::CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom));
}

}  // namespace

void PaintEditFrame(HWND window, EditFrameStates states) {
  const SIZE size = WindowSize(window);
  const InnerArea inner = InnerAreaOf(window, size);
  ControlBackBuffer buffer(window, RECT{0, 0, size.cx, size.cy});
  if (!buffer) return;
  DrawRing(window, buffer.Get(), size, inner, states);
  ScopedWindowAreaDc screen(window);
  if (screen.Get() == nullptr) return;
  ::ExcludeClipRect(screen.Get(), inner.left, inner.top, inner.left + inner.width,
                    inner.top + inner.height);
  ::BitBlt(screen.Get(), 0, 0, size.cx, size.cy, buffer.Get(), 0, 0, SRCCOPY);
}

void StrokeEditBorder(HWND window, EditFrameStates states, gfx::GfxGraphics& graphics) {
  const int windowNumber = FindOwnerWindowNumber(window);
  if (windowNumber == 0) return;
  const EditRecord* entry = FindOwnEntry(windowNumber, window);
  const bool focused = states.focused.value_or(entry != nullptr && entry->focused != 0);
  const bool hot = states.hot.value_or(entry != nullptr && entry->hot != 0);
  const SIZE size = WindowSize(window);
  const auto width = static_cast<REAL>(size.cx);
  const auto height = static_cast<REAL>(size.cy);
  const ARGB accent = ToArgb(Module().accentColour, kFrameAccentAlpha, true);
  gfx::GfxPen pen;
  if (hot) {
    if (pen.GdipCreatePen1(accent, 2)) graphics.GdipDrawRectangle(pen, 1, 1, width - 2, height - 2);
    return;
  }
  if (pen.GdipCreatePen1(focused ? accent : kPlainBorder, 1))
    graphics.GdipDrawRectangle(pen, 0, 0, width - 1, height - 1);
}

void PaintEditBackground(HWND window, HDC dc, EditBackgroundTarget target) {
  const RECT client = ClientRectInWindow(window);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  ControlBackBuffer buffer(window, client);
  if (!buffer) return;
  {
    gfx::GfxGraphics graphics;
    gfx::GfxSolidBrush veil;
    if (graphics.GdipCreateFromHDC(buffer.Get()) &&
        veil.GdipCreateSolidFill(ToArgb(0xFFFFFF, Module().controlVeilAlpha, true)))
      graphics.GdipFillRectangle(veil, 0, 0, static_cast<REAL>(width), static_cast<REAL>(height));
  }
  if (target == EditBackgroundTarget::GivenDc) {
    ::BitBlt(dc, 0, 0, width, height, buffer.Get(), 0, 0, SRCCOPY);
    return;
  }
  ScopedWindowAreaDc screen(window);
  if (screen.Get())
    ::BitBlt(screen.Get(), client.left, client.top, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

UniqueRegion ScrollBarRegion(HWND window) {
  const LONG_PTR style = StyleOf(window);
  UniqueRegion horizontal;
  UniqueRegion vertical;
  if (style & WS_HSCROLL) horizontal = RectRegion(ScrollBarRect(window, OBJID_HSCROLL));
  if (style & WS_VSCROLL) {
    RECT bar = ScrollBarRect(window, OBJID_VSCROLL);
    // Lowered by the bar's width over the corner box between the two bars.
    if (style & WS_HSCROLL) bar.bottom += bar.right - bar.left;
    vertical = RectRegion(bar);
  }
  if (!horizontal) return vertical;
  if (!vertical) return horizontal;
  UniqueRegion both = RectRegion(RECT{});
  if (both) ::CombineRgn(both.Get(), horizontal.Get(), vertical.Get(), RGN_OR);
  return both;
}

}  // namespace skin
