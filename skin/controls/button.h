// The skin of "BUTTON" controls: push buttons (made owner-drawn, painted when their parent gets
// WM_DRAWITEM), check boxes and auto radio buttons (painted by their replacement procedure), and
// the painters of the image buttons that share the push-button list.
//
// Every skinned button carries Hw_FuID (its window number), Hw_lbID (its number in that window's
// push-button list) and Hw_hProc (the procedure it had before).
#pragma once

#include <windows.h>

#include "runtime/text.h"

namespace skin {

// The owner-draw item-state bits the painters read.
namespace button_state {
inline constexpr UINT kPressed = 0x1;   // ODS_SELECTED
inline constexpr UINT kDisabled = 0x4;  // ODS_DISABLED
inline constexpr UINT kFocused = 0x10;  // ODS_FOCUS
inline constexpr UINT kHot = 0x40;      // ODS_HOTLIGHT
inline constexpr UINT kPainterBits = kPressed | kDisabled | kFocused | kHot;
}  // namespace button_state

// ButtonRecord::kind.
enum class ButtonKind : int {
  Push = 0,
  Image = 1,
  FourImage = 3,
  AutoRadio = 4,
  CheckBox = 5,
};

// What hotControlClass holds while a button is the hot control.
inline constexpr int kButtonHotClass = 0;

// Registers and subclasses every push button among the direct children of `parent` and makes it
// owner-drawn; a button already registered is left alone. Nothing while control skinning is off.
void SkinPushButtons(int windowNumber, HWND parent);
// The same for check boxes and auto radio buttons, whose style stays as it is. A button that is
// already subclassed by the skin is not subclassed a second time.
void SkinCheckAndRadioButtons(int windowNumber, HWND parent);

// The replacement procedure of every skinned button.
LRESULT CALLBACK ButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the button at once on its own DC; `hot` adds the hot bit to `state`.
void RepaintButtonNow(HWND window, UINT state, bool hot);

// The answer to WM_DRAWITEM for a skinned button: the painter of its kind draws it with the item's
// DC, state and rectangle. False (nothing drawn) for other items and for radio and check buttons.
bool PaintOwnerDrawnButton(const DRAWITEMSTRUCT& item);

// The painters. `dc` belongs to the caller; `rect` is the control's client rectangle.
void PaintPushButton(HWND window, HDC dc, UINT state, const RECT& rect);
void PaintImageButton(HWND window, HDC dc, UINT state, const RECT& rect);
void PaintFourImageButton(HWND window, HDC dc, UINT state, const RECT& rect);
// These two paint on a DC of their own, over the client rectangle.
void PaintRadioButton(HWND window, UINT state);
void PaintCheckBox(HWND window, UINT state);

struct ControlFont {
  rt::Text familyName;  // empty when GDI+ could not tell
  int size = 0;         // pixels; 0 when GDI+ could not tell
  int style = 0;        // GDI+ FontStyle bits: 1 bold, 2 italic, 4 underline, 8 strikeout
};
// The font that WM_GETFONT reports for `control` (the DC's own font when it reports none), as GDI+
// sees it. The control's font handle is left untouched.
ControlFont ReadControlFont(HWND control);

// The 1-based number of `window` in the push-button list of window `windowNumber`, 0 if absent.
int FindButtonRecord(int windowNumber, HWND window);

// Style tests on single bits of the button's style, not on its type value.
bool IsPushButtonStyle(HWND window);
bool IsCheckBoxStyle(HWND window);

}  // namespace skin
