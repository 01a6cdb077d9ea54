// The skin of "Edit" controls: a one- or two-pixel GDI+ frame over a white (or see-through) ring
// in place of the native border, following hover and focus, and, while controls are translucent,
// the parent's background veiled in white behind the text. The edit box keeps drawing its text.
//
// Every skinned edit box carries Hw_FuID (its window number), Hw_lbID (its number in that
// window's edit list), Hw_hProc (the procedure it had before) and Kj_Ztys (its text colour).
#pragma once

#include <windows.h>

#include <optional>

#include "gfx/graphics.h"
#include "runtime/win_handles.h"

namespace skin {

// What hotControlClass holds while an edit box is the hot control.
inline constexpr int kEditHotClass = 1;

inline void DeleteRegionHandle(HRGN region) { ::DeleteObject(region); }
using UniqueRegion = rt::UniqueHandle<rt::HandleTraits<HRGN, DeleteRegionHandle>>;

// The look a frame is drawn in; a state left out is taken from the edit box's record.
struct EditFrameStates {
  std::optional<bool> focused;
  std::optional<bool> hot;
};

// Registers and subclasses every edit box among the direct children of `parent`, then every
// combo box (see combo.h). A control already skinned is left alone. Nothing while control
// skinning is off.
void SkinEditBoxes(int windowNumber, HWND parent);

// Registers `edit` as a new entry of the edit list of window `windowNumber`, subclasses it and
// gives its number; 0 (nothing done) when the window is unknown or the edit box is skinned
// already.
int RegisterEditBox(int windowNumber, HWND edit);

// The replacement procedure of every skinned edit box.
LRESULT CALLBACK EditSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Repaints the ring between the window edge and the client area (with its scroll bars).
void PaintEditFrame(HWND window, EditFrameStates states = {});
// Draws the border lines into `graphics`, whose origin is the window's top-left corner. Nothing
// when the edit box has no skinned top-level window.
void StrokeEditBorder(HWND window, EditFrameStates states, gfx::GfxGraphics& graphics);

// Where PaintEditBackground puts the client area's background.
enum class EditBackgroundTarget {
  GivenDc,   // `dc` is the client area's DC (WM_ERASEBKGND): drawn at (0, 0)
  WindowDc,  // the edit box's window DC, at the client area's offset; `dc` is not used
};
// The see-through background of the client area: what lies behind it under a white veil of the
// module's controlVeilAlpha.
void PaintEditBackground(HWND window, HDC dc, EditBackgroundTarget target);

// The 1-based number of `window` in the edit list of window `windowNumber`, 0 if absent.
int FindEditRecord(int windowNumber, HWND window);

// The style has WS_VSCROLL or WS_HSCROLL.
bool HasScrollBars(HWND window);
// The scroll bars (with the corner box between them) as a region in screen coordinates; empty
// when the window has none.
UniqueRegion ScrollBarRegion(HWND window);

}  // namespace skin
