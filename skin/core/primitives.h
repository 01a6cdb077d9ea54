// The drawing primitives every control skin shares: the memory image of what lies behind a
// control, colour conversion, rounded paths, the glow stroke, the veiled background, and the
// lookups from a control to its skinned top-level window and group box.
//
// Rectangles are {left, top, right, bottom}. Colours come in as Windows colour values 0x00BBGGRR.
#pragma once

#include <windows.h>

#include <cstdint>

#include "gfx/graphics.h"
#include "gfx/path.h"
#include "runtime/text.h"
#include "runtime/win_handles.h"

namespace skin {

using gfx::ARGB;

// ---- Back buffers --------------------------------------------------------------------------

// A memory DC holding what lies behind `rect` of `control` (in the control's window coordinates:
// relative to the top-left corner of its window rectangle): the skinned window's back buffer, a
// background provider's image, with the fill of a group box in between. Null when the control
// has no skinned ancestor and no provider, or when the rectangle is empty. The DC stays in the
// module's list until ReleaseControlBackBuffer.
HDC CreateControlBackBuffer(HWND control, const RECT& rect);
// Deletes a DC of CreateControlBackBuffer with its bitmap; false for a null DC or one not in the
// list (so releasing twice deletes nothing the second time).
bool ReleaseControlBackBuffer(HDC dc);
// Lists `dc` with its bitmap and the object selected before it; the list then owns both. A DC
// already listed has its bitmap and previous object replaced.
void RegisterMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ previous);

// A control back buffer released at the end of the scope.
class ControlBackBuffer {
 public:
  ControlBackBuffer(HWND control, const RECT& rect) : dc_(CreateControlBackBuffer(control, rect)) {}
  ControlBackBuffer(const ControlBackBuffer&) = delete;
  ControlBackBuffer& operator=(const ControlBackBuffer&) = delete;
  ~ControlBackBuffer() { ReleaseControlBackBuffer(dc_); }
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// A new bitmap (the caller owns it) with the w x h image of `dc`, which is released as by
// ReleaseControlBackBuffer.
rt::UniqueBitmap CopyDcToBitmap(HDC dc, int width, int height);

// The control's background as lying behind its client area, lightened by a white veil of the
// module's controlVeilAlpha; the caller owns it. Null when there is no background to veil.
rt::UniqueBitmap MakeVeiledBackground(HWND control);

// ---- Colours and paths ---------------------------------------------------------------------

// 0xAARRGGBB from a Windows colour value; alpha is `alpha` when `useAlpha`, else 255. A top byte
// in `colour` is ignored.
ARGB ToArgb(COLORREF colour, std::uint8_t alpha, bool useAlpha);

// A closed rounded rectangle. The corner size (the corner ellipse's diameter) is clamped to
// 1..100; the bottom-right corner is one pixel larger and further out than the others.
void AddRoundedRectPath(gfx::GfxPath& path, float x, float y, float width, float height,
                        int cornerSize);
// An open figure with rounded top corners only: up the left side, along the top, down the right.
void AddTopRoundedPath(gfx::GfxPath& path, int x, int y, int width, int height, int cornerSize);
// Strokes `path` `count` times with widths 1..count in colour/alpha: denser toward the middle.
void StrokeGlow(gfx::GfxGraphics& graphics, const gfx::GfxPath& path, int count, COLORREF colour,
                std::uint8_t alpha);

// ---- Rectangles ----------------------------------------------------------------------------

// The client area of `control` in its own window coordinates. The side borders are taken as
// equal; scroll bars as wide as the system's.
RECT ClientRectInWindow(HWND control);
// B's window rectangle minus A's window origin.
RECT RectRelativeTo(HWND a, HWND b);
// The window rectangle minus the origin of its root window.
RECT RectRelativeToRoot(HWND window);
// The window rectangle minus the origin of its skinned top-level window; {0, 0, 0, 0} for a
// skinned top-level window itself.
RECT RectRelativeToSkinnedWindow(HWND control);

// ---- Lookups -------------------------------------------------------------------------------

// The window number of a skinned top-level window, 0 for any other window.
int FindWindowNumber(HWND window);
// The window number of the nearest skinned ancestor, 0 when none.
int FindOwnerWindowNumber(HWND window);
// The 1-based position of `window` in the groupBoxes of window `windowNumber`, 0 when absent.
int FindGroupBoxNumber(int windowNumber, HWND window);
// The nearest ancestor of `control` below `stop` that is a group box of `windowNumber` with a paint
// mode other than 0, as its group-box number; 0 when none.
int FindPaintedGroupBoxAncestor(int windowNumber, HWND control, HWND stop);

struct ControlHost {
  bool foundTopLevel = false;  // reached a skinned top-level window without passing anything else
  int windowNumber = 0;
  int groupBoxNumber = 0;
  HWND provider = nullptr;
};
// What lies between `control` and its skinned window: the first provider (when `useProviders`),
// skinned window or skinned group box met on the way up.
ControlHost LocateControlHost(HWND control, bool useProviders);

// ---- Window classes and styles -------------------------------------------------------------

// The window's class name (up to 255 characters), empty when it has none.
rt::Text GetClassNameText(HWND window);
// A "ListBox" with LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE.
bool IsOwnerDrawListBox(HWND window);
// A button of style BS_AUTORADIOBUTTON: bits 0x1 and 0x8, neither 0x2 nor 0x4.
bool IsAutoRadioStyle(HWND window);

}  // namespace skin
