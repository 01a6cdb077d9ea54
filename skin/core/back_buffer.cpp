// The memory image of what lies behind a control: the skinned window's back buffer or a
// background provider's image, with the fill of a group box laid over it.
#include <algorithm>

#include "gfx/brush.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/property_keys.h"
#include "skin/core/window_props.h"

namespace skin {

namespace {

int WidthOf(const RECT& rect) { return rect.right - rect.left; }
int HeightOf(const RECT& rect) { return rect.bottom - rect.top; }

// A w x h 32 bpp ARGB bitmap made through GDI+, cleared to transparent black.
HBITMAP CreateArgbBitmap(int width, int height) {
  gfx::GfxBitmap bitmap;
  if (!bitmap.GdipCreateBitmapFromScan0(width, height, PixelFormat32bppARGB)) return nullptr;
  return bitmap.GdipCreateHBITMAPFromBitmap(0);
}

// A new memory DC holding a fresh w x h bitmap, listed in memoryDcList; null when it fails.
HDC CreateListedMemoryDc(int width, int height) {
  HBITMAP bitmap = CreateArgbBitmap(width, height);
  if (bitmap == nullptr) return nullptr;
  HDC dc = ::CreateCompatibleDC(nullptr);
  if (dc == nullptr) {
    ::DeleteObject(bitmap);
    return nullptr;
  }
  RegisterMemoryDc(dc, bitmap, ::SelectObject(dc, bitmap));
  return dc;
}

// Copies the w x h image at `origin` of `source` into `target`.
void CopyFrom(HDC target, const RECT& rect, HDC source, POINT origin) {
  if (source == nullptr) return;
  ::BitBlt(target, 0, 0, WidthOf(rect), HeightOf(rect), source, origin.x, origin.y, SRCCOPY);
}

POINT Shifted(const RECT& offset, const RECT& rect) {
  return {offset.left + rect.left, offset.top + rect.top};
}

HDC BackBufferOf(int windowNumber) {
  const WindowRecord* record = FindRecord(windowNumber);
  return record ? record->backBufferDc.Dc() : nullptr;
}

HDC ProviderImage(HWND provider) { return ReadPropHandle<HDC>(provider, prop::Wxk_Cj); }

const GroupBoxRecord* GroupBox(int windowNumber, int groupBoxNumber) {
  const WindowRecord* record = FindRecord(windowNumber);
  if (record == nullptr || groupBoxNumber < 1 ||
      static_cast<std::size_t>(groupBoxNumber) > record->groupBoxes.size()) {
    return nullptr;
  }
  return &record->groupBoxes[static_cast<std::size_t>(groupBoxNumber) - 1];
}

enum class FillShape { Rectangle, Rounded };

// Lays the group box's fill over the whole image; nothing when the box has no fill colour.
void LayGroupBoxFill(HDC dc, const RECT& rect, const GroupBoxRecord& box, FillShape shape) {
  if (box.backColour == 0) return;
  gfx::GfxGraphics graphics;
  gfx::GfxPath path;
  gfx::GfxSolidBrush brush;
  if (!graphics.GdipCreateFromHDC(dc) || !path.GdipCreatePath() ||
      !brush.GdipCreateSolidFill(ToArgb(box.backColour, box.fillAlpha, true))) {
    return;
  }
  if (shape == FillShape::Rounded) {
    AddRoundedRectPath(path, 0, 5, static_cast<float>(rect.right),
                       static_cast<float>(rect.bottom - 6), 5);
  } else {
    path.GdipAddPathRectangle(0, 0, static_cast<float>(WidthOf(rect)),
                              static_cast<float>(HeightOf(rect)));
  }
  graphics.GdipFillPath(brush, path);
}

FillShape ShapeOf(const GroupBoxRecord& box) {
  return box.isGroupBox ? FillShape::Rounded : FillShape::Rectangle;
}

// The control sits directly on its skinned window (or is one).
void FillFromWindow(HDC dc, HWND control, const RECT& rect, int windowNumber) {
  CopyFrom(dc, rect, BackBufferOf(windowNumber),
           Shifted(RectRelativeToSkinnedWindow(control), rect));
  if (const GroupBoxRecord* own = GroupBox(windowNumber, FindGroupBoxNumber(windowNumber, control)))
    LayGroupBoxFill(dc, rect, *own, ShapeOf(*own));
}

// The control offers its own background: take it from its group box's provider or its window.
void FillFromOwnProviderSource(HDC dc, HWND control, const RECT& rect) {
  if (HWND provider = ReadPropHandle<HWND>(control, prop::Mb_zpf)) {
    CopyFrom(dc, rect, ProviderImage(provider), Shifted(RectRelativeTo(provider, control), rect));
    return;
  }
  CopyFrom(dc, rect, BackBufferOf(FindOwnerWindowNumber(control)),
           Shifted(RectRelativeToRoot(control), rect));
}

// The control sits below provider `provider`.
void FillFromProvider(HDC dc, HWND control, const RECT& rect, HWND provider, int windowNumber) {
  CopyFrom(dc, rect, ProviderImage(provider), Shifted(RectRelativeTo(provider, control), rect));
  if (windowNumber == 0) windowNumber = FindOwnerWindowNumber(control);
  if (windowNumber == 0) return;
  const int own = FindGroupBoxNumber(windowNumber, control);
  const int box = own ? own : FindPaintedGroupBoxAncestor(windowNumber, control, provider);
  const GroupBoxRecord* record = GroupBox(windowNumber, box);
  if (record == nullptr) return;
  const bool rounded = own != 0 && record->isGroupBox;
  LayGroupBoxFill(dc, rect, *record, rounded ? FillShape::Rounded : FillShape::Rectangle);
}

// The control sits inside skinned group box `groupBoxNumber` of its window.
void FillFromGroupBox(HDC dc, HWND control, const RECT& rect, int windowNumber,
                      int groupBoxNumber) {
  if (int own = FindGroupBoxNumber(windowNumber, control)) groupBoxNumber = own;
  CopyFrom(dc, rect, BackBufferOf(windowNumber), Shifted(RectRelativeToRoot(control), rect));
  if (const GroupBoxRecord* box = GroupBox(windowNumber, groupBoxNumber))
    LayGroupBoxFill(dc, rect, *box, FillShape::Rectangle);
}

}  // namespace

HDC CreateControlBackBuffer(HWND control, const RECT& rect) {
  if (WidthOf(rect) <= 0 || HeightOf(rect) <= 0) return nullptr;
  const ControlHost host = LocateControlHost(control, true);
  const bool hasHost = host.foundTopLevel || host.provider || host.groupBoxNumber;
  if (!hasHost) return nullptr;
  HDC dc = CreateListedMemoryDc(WidthOf(rect), HeightOf(rect));
  if (dc == nullptr) return nullptr;
  if (host.foundTopLevel) {
    FillFromWindow(dc, control, rect, host.windowNumber);
  } else if (host.provider == control) {
    FillFromOwnProviderSource(dc, control, rect);
  } else if (host.provider) {
    FillFromProvider(dc, control, rect, host.provider, host.windowNumber);
  } else {
    FillFromGroupBox(dc, control, rect, host.windowNumber, host.groupBoxNumber);
  }
  return dc;
}

void RegisterMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ previous) {
  auto& list = Module().memoryDcList;
  auto listed = std::find_if(list.begin(), list.end(),
                             [dc](const MemoryImage& image) { return image.Dc() == dc; });
  if (listed != list.end()) {
    listed->Adopt(bitmap, previous);
    return;
  }
  list.emplace_back(dc, bitmap, previous);
}

bool ReleaseControlBackBuffer(HDC dc) {
  if (dc == nullptr) return false;
  auto& list = Module().memoryDcList;
  auto listed = std::find_if(list.begin(), list.end(),
                             [dc](const MemoryImage& image) { return image.Dc() == dc; });
  if (listed == list.end()) return false;
  list.erase(listed);  // reselects the previous object, deletes the bitmap and the DC
  return true;
}

rt::UniqueBitmap CopyDcToBitmap(HDC dc, int width, int height) {
  rt::UniqueBitmap bitmap(::CreateCompatibleBitmap(dc, width, height));
  if (bitmap) {
    rt::UniqueMemoryDc copy(::CreateCompatibleDC(dc));
    if (copy) {
      rt::ScopedSelectObject select(copy.Get(), bitmap.Get());
      ::BitBlt(copy.Get(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    }
  }
  ReleaseControlBackBuffer(dc);
  return bitmap;
}

rt::UniqueBitmap MakeVeiledBackground(HWND control) {
  const RECT rect = ClientRectInWindow(control);
  HDC dc = CreateControlBackBuffer(control, rect);
  if (dc == nullptr) return {};
  const int width = WidthOf(rect);
  const int height = HeightOf(rect);
  {
    gfx::GfxGraphics graphics;
    gfx::GfxSolidBrush veil;
    if (graphics.GdipCreateFromHDC(dc) &&
        veil.GdipCreateSolidFill(ToArgb(0xFFFFFF, Module().controlVeilAlpha, true))) {
      graphics.GdipFillRectangle(veil, 0, 0, static_cast<float>(width), static_cast<float>(height));
    }
  }
  return CopyDcToBitmap(dc, width, height);
}

}  // namespace skin
