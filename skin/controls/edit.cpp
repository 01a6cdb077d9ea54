// Installing the edit-box skin and the edit boxes' replacement procedure.
#include "skin/controls/edit.h"

#include "skin/controls/combo.h"
#include "skin/controls/edit_subclass.h"
#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/property_keys.h"
#include "skin/core/records.h"
#include "skin/core/skin_engine.h"
#include "skin/core/window_props.h"

namespace skin {

namespace {

bool TranslucentControls() { return Module().translucentControls == 1; }

bool RunsEditSkinProc(HWND window) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)) == &EditSkinProc;
}

// ---- The replacement procedure ----------------------------------------------------------------

using EditContext = ControlContext<EditRecord>;

EditContext LookUp(HWND window) { return LookUpControl(window, &WindowRecord::editBoxes); }

void InvalidateWhole(HWND window) { ::InvalidateRect(window, nullptr, TRUE); }

// Typing, clicking or dragging a selection scrolls the text without an erase; a see-through edit
// box without scroll bars is redrawn whole so that no stale background stays behind the text.
void InvalidateUnlessScrolling(HWND window) {
  if (TranslucentControls() && !HasScrollBars(window)) InvalidateWhole(window);
}

void OnKillFocus(HWND window, EditRecord& edit) {
  edit.focused = 0;
  // Inside a combo box only the frame changes; the combo box paints the rest.
  if (GetClassNameText(::GetParent(window)) == "ComboBox") {
    PaintEditFrame(window, {.focused = edit.focused != 0, .hot = false});
  } else {
    InvalidateWhole(window);
  }
}

LRESULT OnEraseBackground(HWND window, HDC dc) {
  ::SetBkMode(dc, TRANSPARENT);
  PaintEditBackground(window, dc, EditBackgroundTarget::GivenDc);
  return 1;
}

// The ring is ours; the default procedure draws only the scroll bars, or, given a region that is
// no region, whatever the platform makes of it.
LRESULT OnNcPaint(HWND window, const EditRecord& edit, LPARAM lParam) {
  PaintEditFrame(window, {.focused = edit.focused != 0, .hot = edit.hot != 0});
  if (!HasScrollBars(window)) return ::DefWindowProcW(window, WM_NCPAINT, WPARAM(-1), lParam);
  UniqueRegion bars = ScrollBarRegion(window);
  return ::DefWindowProcW(window, WM_NCPAINT, reinterpret_cast<WPARAM>(bars.Get()), lParam);
}

void OnMouseMove(HWND window, const EditContext& context) {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
  ::TrackMouseEvent(&track);
  WindowRecord& record = *context.window;
  record.controlUnderMouse = context.number;
  HWND parent = ::GetParent(window);
  const bool alreadyHot = record.hotControl == context.number &&
                          record.hotControlClass == kEditHotClass &&
                          record.hotControlParent == parent;
  if (!alreadyHot) {
    PaintEditFrame(window, {.focused = context.entry->focused != 0, .hot = true});
    record.hotControl = context.number;
    record.hotControlClass = kEditHotClass;
    record.hotControlParent = parent;
  }
  if (context.entry->pressed == 1 && !HasScrollBars(window)) InvalidateWhole(window);
}

void OnMouseLeave(HWND window, const EditContext& context) {
  context.window->hotControl = 0;
  PaintEditFrame(window, {.focused = context.entry->focused != 0, .hot = context.entry->hot != 0});
}

// The last message: the entry is freed (its number stays taken unless it is the first) so that a
// later window with the same handle value is not mistaken for this one, and the bookkeeping
// properties go before the window does.
LRESULT OnNcDestroy(HWND window, EditRecord& edit, WPARAM wParam, LPARAM lParam) {
  const auto previous = ReadPropHandle<WNDPROC>(window, prop::Hw_hProc);
  edit = EditRecord{};
  for (const wchar_t* key : {prop::Hw_FuID, prop::Hw_lbID, prop::Hw_hProc, prop::Kj_Ztys})
    ErasePropW(window, key);
  return PassOnTo(previous, window, WM_NCDESTROY, wParam, lParam);
}

}  // namespace

// ---- Installing -------------------------------------------------------------------------------

int FindEditRecord(int windowNumber, HWND window) {
  const WindowRecord* record = FindRecord(windowNumber);
  if (record == nullptr || window == nullptr) return 0;
  return FindEntry(record->editBoxes, window);
}

int RegisterEditBox(int windowNumber, HWND edit) {
  WindowRecord* record = FindRecord(windowNumber);
  if (record == nullptr || edit == nullptr) return 0;
  // A second install (from this window or another) must not subclass the edit box again: its
  // saved previous procedure would then be our own.
  if (FindEditRecord(windowNumber, edit) != 0 || RunsEditSkinProc(edit)) return 0;
  const int number = TakeFreeEntry(record->editBoxes);
  EditRecord& entry = *EntryAt(record->editBoxes, number);
  entry.hwnd = edit;
  entry.previousProc = Subclass(edit, &EditSkinProc);
  WriteProp(edit, prop::Hw_lbID, number);
  WriteProp(edit, prop::Hw_FuID, windowNumber);
  WriteProp(edit, prop::Kj_Ztys, 0);
  WriteProp(edit, prop::Hw_hProc, reinterpret_cast<std::intptr_t>(entry.previousProc));
  return number;
}

void SkinEditBoxes(int windowNumber, HWND parent) {
  if (Module().controlSkinning == 0 || parent == nullptr || FindRecord(windowNumber) == nullptr)
    return;
  ForEachChildOfClass(parent, L"Edit",
                      [windowNumber](HWND edit) { RegisterEditBox(windowNumber, edit); });
  SkinComboBoxes(windowNumber, parent);
}

bool HasScrollBars(HWND window) {
  const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
  return (style & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

// ---- The procedure ----------------------------------------------------------------------------

LRESULT CALLBACK EditSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const EditContext context = LookUp(window);
  // An edit box whose numbers no longer lead to its record keeps working, unskinned.
  if (context.entry == nullptr) return PassOn(window, message, wParam, lParam);
  EditRecord& edit = *context.entry;
  switch (message) {
    case WM_DESTROY:
      ReleaseControlColourObjects(window);
      break;
    case WM_NCDESTROY:
      return OnNcDestroy(window, edit, wParam, lParam);
    case WM_MOVE:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (TranslucentControls()) InvalidateWhole(window);
      break;
    case WM_SETFOCUS:
      edit.focused = 1;
      break;
    case WM_KILLFOCUS:
      OnKillFocus(window, edit);
      break;
    case WM_PAINT:
      PaintEditFrame(window, {.focused = edit.focused != 0, .hot = edit.hot != 0});
      break;
    case WM_ERASEBKGND:
      if (TranslucentControls()) return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
      break;
    case WM_NCPAINT:
      return OnNcPaint(window, edit, lParam);
    case WM_KEYDOWN:
      InvalidateUnlessScrolling(window);
      break;
    case WM_LBUTTONDOWN:
      edit.pressed = 1;
      InvalidateUnlessScrolling(window);
      break;
    case WM_LBUTTONUP:
      edit.pressed = 0;
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(window, context);
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave(window, context);
      break;
    default:
      break;
  }
  return PassOn(window, message, wParam, lParam);
}

}  // namespace skin
