// The frame of the list controls, their veiled background, and the two small window routines that
// group boxes and the window image share with them.
#include <cstdint>

#include "gfx/brush.h"
#include "gfx/graphics.h"
#include "gfx/pen.h"
#include "skin/controls/edit_subclass.h"
#include "skin/controls/list.h"
#include "skin/controls/list_internal.h"
#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/records.h"

namespace skin {

namespace {

constexpr gfx::ARGB kOpaqueMagenta = 0xFFFF00FF;
constexpr gfx::ARGB kOpaqueWhite = 0xFFFFFFFF;
constexpr gfx::ARGB kQuietBorder = 0x5A000000;  // black at alpha 90
constexpr std::uint8_t kAccentAlpha = 200;

// The client area with its scroll bars, centred in the window rectangle: the part of the window
// that the frame leaves alone.
struct InnerArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

int ScrollBarThickness(HWND window, LONG object, bool vertical) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!::GetScrollBarInfo(window, object, &info)) return 0;
  const RECT& bar = info.rcScrollBar;
  return vertical ? bar.right - bar.left : bar.bottom - bar.top;
}

InnerArea InnerAreaOf(HWND window, SIZE size) {
  RECT client{};
  ::GetClientRect(window, &client);
  InnerArea inner{.width = client.right, .height = client.bottom};
  const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
  if (style & WS_VSCROLL) inner.width += ScrollBarThickness(window, OBJID_VSCROLL, true);
  if (style & WS_HSCROLL) inner.height += ScrollBarThickness(window, OBJID_HSCROLL, false);
  // Halves rounded down, also when the inner area is the larger.
  auto half = [](int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); };
  inner.left = half(size.cx - inner.width);
  inner.top = half(size.cy - inner.height);
  return inner;
}

bool WantsNoFrame(HWND window) {
  return GetClassNameText(window) == "ComboLBox" || !HasBorderStyle(window);
}

// The ring between window edge and inner area: veiled (translucent) or opaque white; the inner
// area magenta, so that the copy to the screen leaves it alone.
void FillRing(gfx::GfxGraphics& graphics, SIZE size, const InnerArea& inner) {
  const auto width = static_cast<gfx::REAL>(size.cx);
  const auto height = static_cast<gfx::REAL>(size.cy);
  graphics.GdipSetClipRect(0, 0, width, height, Gdiplus::CombineModeReplace);
  graphics.GdipSetClipRect(static_cast<gfx::REAL>(inner.left), static_cast<gfx::REAL>(inner.top),
                           static_cast<gfx::REAL>(inner.width),
                           static_cast<gfx::REAL>(inner.height), Gdiplus::CombineModeXor);
  if (Module().translucentControls == 1) {
    gfx::GfxSolidBrush veil;
    veil.GdipCreateSolidFill(ToArgb(0xFFFFFF, Module().controlVeilAlpha, true));
    graphics.GdipFillRectangle(veil, 0, 0, width, height);
  } else {
    graphics.GdipGraphicsClear(kOpaqueWhite);
  }
  graphics.GdipResetClip();
  graphics.GdipSetClipRect(static_cast<gfx::REAL>(inner.left), static_cast<gfx::REAL>(inner.top),
                           static_cast<gfx::REAL>(inner.width),
                           static_cast<gfx::REAL>(inner.height), Gdiplus::CombineModeReplace);
  graphics.GdipGraphicsClear(kOpaqueMagenta);
  graphics.GdipResetClip();
}

// Hot: two pixels in the accent colour; focused: one pixel in the accent colour; else one quiet
// dark pixel.
void StrokeBorder(gfx::GfxGraphics& graphics, SIZE size, bool hot, bool focused) {
  const auto width = static_cast<gfx::REAL>(size.cx);
  const auto height = static_cast<gfx::REAL>(size.cy);
  const gfx::ARGB accent = ToArgb(Module().accentColour, kAccentAlpha, true);
  gfx::GfxPen pen;
  if (hot) {
    pen.GdipCreatePen1(accent, 2);
    graphics.GdipDrawRectangle(pen, 1, 1, width - 2, height - 2);
    return;
  }
  pen.GdipCreatePen1(focused ? accent : kQuietBorder, 1);
  graphics.GdipDrawRectangle(pen, 0, 0, width - 1, height - 1);
}

// Everything but the magenta inner area goes to the window's own DC.
void PresentRing(HWND window, HDC buffer, SIZE size, const InnerArea& inner) {
  const ScopedWindowAreaDc screen(window);
  ::ExcludeClipRect(screen.Get(), inner.left, inner.top, inner.left + inner.width,
                    inner.top + inner.height);
  list_detail::CopyWithoutMagenta(screen.Get(), buffer, size.cx, size.cy);
}

// A visible child that is not see-through is left out of `dc`; a skinned window counts as empty.
void ExcludeChild(HDC dc, HWND child) {
  if (!::IsWindowVisible(child)) return;
  if (::GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) return;
  if (FindWindowNumber(child) != 0) return;
  RECT rect;
  ::GetWindowRect(child, &rect);
  ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  ::ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace

namespace list_detail {

bool CopyWithout(COLORREF key, HDC target, HDC source, int width, int height) {
  using TransparentBltProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);
  static const TransparentBltProc transparentBlt = [] {
    HMODULE library = ::LoadLibraryW(L"msimg32.dll");
    if (library == nullptr) return TransparentBltProc{};
    return reinterpret_cast<TransparentBltProc>(
        reinterpret_cast<void*>(::GetProcAddress(library, "TransparentBlt")));
  }();
  if (transparentBlt == nullptr) return false;
  return transparentBlt(target, 0, 0, width, height, source, 0, 0, width, height, key) != 0;
}

}  // namespace list_detail

bool HasBorderStyle(HWND window) {
  if (::GetWindowLongPtrW(window, GWL_STYLE) & WS_BORDER) return true;
  const auto extended = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));
  for (DWORD edge : {0x100u, 0x300u, 0x200u, 0x1u, 0x188u}) {
    if ((extended & edge) == edge) return true;
  }
  return false;
}

void PaintListFrame(int windowNumber, int listNumber, ListFrameStates states) {
  WindowRecord* record = FindRecord(windowNumber);
  if (record == nullptr) return;
  const ListRecord* list = EntryAt(record->listControls, listNumber);
  if (list == nullptr || list->hwnd == nullptr) return;
  HWND window = list->hwnd;
  // A drop-down list or a borderless control has no ring: nothing of it would show.
  if (WantsNoFrame(window)) return;
  const SIZE size = WindowSize(window);
  const InnerArea inner = InnerAreaOf(window, size);
  const ControlBackBuffer buffer(window, RECT{0, 0, size.cx, size.cy});
  if (!buffer) return;
  {
    gfx::GfxGraphics graphics;
    if (!graphics.GdipCreateFromHDC(buffer.Get())) return;
    FillRing(graphics, size, inner);
    StrokeBorder(graphics, size, states.hot.value_or(list->hot != 0),
                 states.focused.value_or(list->focused != 0));
  }
  PresentRing(window, buffer.Get(), size, inner);
}

HDC CreateVeiledBackBuffer(HWND window) {
  const RECT client = ClientRectInWindow(window);
  HDC dc = CreateControlBackBuffer(window, client);
  if (dc == nullptr) return nullptr;
  gfx::GfxGraphics graphics;
  gfx::GfxSolidBrush veil;
  if (graphics.GdipCreateFromHDC(dc) &&
      veil.GdipCreateSolidFill(ToArgb(0xFFFFFF, Module().controlVeilAlpha, true))) {
    graphics.GdipFillRectangle(veil, 0, 0, static_cast<gfx::REAL>(client.right - client.left),
                               static_cast<gfx::REAL>(client.bottom - client.top));
  }
  return dc;
}

VeiledBackBuffer::~VeiledBackBuffer() { ReleaseControlBackBuffer(dc_); }

HDC GetDcClippingChildren(HWND window, std::optional<HDC> dc) {
  HDC target = dc.value_or(nullptr);
  if (!dc) target = ::GetDC(window);
  if (target == nullptr) return nullptr;
  ForEachChildOfClass(window, nullptr, [target](HWND child) { ExcludeChild(target, child); });
  return target;
}

void InvalidateVisibleChildren(HWND window) {
  ForEachChildOfClass(window, nullptr, [](HWND child) {
    if (::IsWindowVisible(child)) ::InvalidateRect(child, nullptr, TRUE);
  });
}

}  // namespace skin
