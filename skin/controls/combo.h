// The skin of "ComboBox" controls: the skin draws the whole face (white or see-through, a one-pixel
// frame, a rounded drop button with a gradient and an arrow, and the current text of a drop-down
// list) and lets the combo box's children show through; with translucent controls the edit child
// of a drop-down combo box gets the veiled background behind it.
//
// Every skinned combo box carries Hw_FuID (its window number), Hw_lbID (its number in that
// window's combo-box list) and Hw_hProc (the procedure it had before); Kj_Ztys, when a host sets
// it, is its text colour.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// What hotControlClass holds while a combo box is the hot control.
inline constexpr int kComboHotClass = 3;

// The combo-box step of SkinEditBoxes: registers and subclasses every combo box among the direct
// children of `parent` and, with translucent controls, its edit child. A combo box or edit box
// that is skinned already is left alone.
void SkinComboBoxes(int windowNumber, HWND parent);

// The replacement procedure of every skinned combo box.
LRESULT CALLBACK ComboSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

struct ComboLook {
  bool hot = false;
  std::optional<bool> focused;  // left out: the record's focus
};
// Paints the whole window area of combo box `comboNumber` of window `windowNumber`.
void PaintComboBox(int windowNumber, int comboNumber, ComboLook look = {});

// The 1-based number of `window` in the combo-box list of window `windowNumber`, 0 if absent.
int FindComboRecord(int windowNumber, HWND window);

// The child's window rectangle relative to its parent's window rectangle; empty when the child is
// itself a skinned top-level window.
RECT ChildRectInParent(HWND child);

}  // namespace skin
