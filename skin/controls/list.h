// The skin of the list-like controls: list boxes, the drop-down lists of combo boxes, list views,
// tree views, IP-address and date controls. They share one record list, one replacement procedure
// and one frame painter: a flat one- or two-pixel frame for controls that have a border, following
// hover and focus, and, while controls are translucent, the parent's background under a white veil
// behind list boxes, list views and tree views.
//
// Every skinned list control carries Hw_FuID (its window number), Hw_lbID (its number in that
// window's list-control list) and Hw_hProc (the procedure it had before).
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// What hotControlClass holds while a list control is the hot control.
inline constexpr int kListHotClass = 4;

// WM_APP + 2: while an arrow key is held in a see-through list, repaint it without erasing.
inline constexpr UINT kListArrowRepaintMessage = WM_APP + 2;

// The look a frame is drawn in; a state left out is taken from the control's record.
struct ListFrameStates {
  std::optional<bool> hot = std::nullopt;
  std::optional<bool> focused = std::nullopt;
};

// Registers and subclasses the list-like children of `parent`: every "ListBox"; the "ComboLBox"
// of every "ComboBox" unless it is owner-drawn (LBS_OWNERDRAWFIXED); every "SysListView32" that is
// not owner-drawn (LVS_OWNERDRAWFIXED), made to draw its text on no background while controls are
// translucent; every "SysTreeView32", given a magenta background while controls are translucent;
// every "SysIPAddress32" and "SysDateTimePick32". A control already skinned is left alone. Nothing
// while control skinning is off or the window number is unknown.
void SkinListControls(int windowNumber, HWND parent);

// The replacement procedure of every skinned list control.
LRESULT CALLBACK ListSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Repaints the ring between the window edge and the client area (with its scroll bars) of entry
// `listNumber` of window `windowNumber`. Drop-down lists and controls without a border get none.
void PaintListFrame(int windowNumber, int listNumber, ListFrameStates states = {});

// The style has WS_BORDER, or the extended style holds all bits of one of WS_EX_WINDOWEDGE,
// WS_EX_OVERLAPPEDWINDOW, WS_EX_CLIENTEDGE, WS_EX_DLGMODALFRAME or WS_EX_PALETTEWINDOW.
bool HasBorderStyle(HWND window);

// A back buffer of the client area holding what lies behind it under a white veil of the module's
// controlVeilAlpha; null when there is nothing behind it. Free it with ReleaseControlBackBuffer.
HDC CreateVeiledBackBuffer(HWND window);

// CreateVeiledBackBuffer's buffer, released at the end of the scope.
class VeiledBackBuffer {
 public:
  explicit VeiledBackBuffer(HWND window) : dc_(CreateVeiledBackBuffer(window)) {}
  VeiledBackBuffer(const VeiledBackBuffer&) = delete;
  VeiledBackBuffer& operator=(const VeiledBackBuffer&) = delete;
  ~VeiledBackBuffer();
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// `dc` (when given) or GetDC(window) with every visible child that is not WS_EX_TRANSPARENT
// excluded from its clipping region. A DC of GetDC is the caller's to release.
HDC GetDcClippingChildren(HWND window, std::optional<HDC> dc = std::nullopt);

// Invalidates (with erasing) every visible direct child of `window`.
void InvalidateVisibleChildren(HWND window);

// The 1-based number of `window` in the list-control list of window `windowNumber`, 0 if absent.
int FindListRecord(int windowNumber, HWND window);

}  // namespace skin
