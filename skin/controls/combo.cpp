// Installing the combo-box skin and the combo boxes' replacement procedure.
#include "skin/controls/combo.h"

#include <string>

#include "runtime/win_handles.h"
#include "skin/controls/edit.h"
#include "skin/controls/edit_subclass.h"
#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/records.h"
#include "skin/core/skin_engine.h"

namespace skin {

namespace {

bool TranslucentControls() { return Module().translucentControls == 1; }

bool RunsComboSkinProc(HWND window) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)) == &ComboSkinProc;
}

HWND EditChildOf(HWND combo) { return ::FindWindowExW(combo, nullptr, L"Edit", nullptr); }

// The selected item's text becomes the window text, so that a drop-down list shows it at once.
void CopySelectionToText(HWND combo) {
  const LRESULT index = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index < 0) return;
  const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
  ::SendMessageW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void RegisterComboBox(int windowNumber, HWND combo) {
  WindowRecord& record = *FindRecord(windowNumber);
  const int number = TakeFreeEntry(record.comboBoxes);
  CopySelectionToText(combo);
  // The message above may have run code that appended records: take the entry afresh.
  ComboRecord& entry = *EntryAt(FindRecord(windowNumber)->comboBoxes, number);
  entry.hwnd = combo;
  entry.previousProc = Subclass(combo, &ComboSkinProc);
  WriteProp(combo, prop::Hw_lbID, number);
  WriteProp(combo, prop::Hw_FuID, windowNumber);
  WriteProp(combo, prop::Hw_hProc, reinterpret_cast<std::intptr_t>(entry.previousProc));
}

// A second install must not subclass a combo box again: its saved previous procedure would then
// be our own. Its edit child is guarded the same way by RegisterEditBox.
void SkinOneComboBox(int windowNumber, HWND combo) {
  if (FindComboRecord(windowNumber, combo) == 0 && !RunsComboSkinProc(combo))
    RegisterComboBox(windowNumber, combo);
  if (HWND edit = EditChildOf(combo); edit && TranslucentControls())
    RegisterEditBox(windowNumber, edit);
}

// ---- The replacement procedure ----------------------------------------------------------------

using ComboContext = ControlContext<ComboRecord>;

ComboContext LookUp(HWND window) { return LookUpControl(window, &WindowRecord::comboBoxes); }

void Paint(const ComboContext& context, ComboLook look) {
  PaintComboBox(context.windowNumber, context.number, look);
}

LRESULT OnPaint(HWND window, const ComboContext& context, WPARAM wParam, LPARAM lParam) {
  PAINTSTRUCT paint;
  ::BeginPaint(window, &paint);
  Paint(context, {});
  ::EndPaint(window, &paint);
  return ::DefWindowProcW(window, WM_PAINT, wParam, lParam);
}

bool IsTextChange(UINT code) {
  return code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE;
}

// The edit child's text moved: it is redrawn whole over its see-through background.
void OnCommand(WPARAM wParam, LPARAM lParam) {
  const auto sender = reinterpret_cast<HWND>(lParam);
  if (!TranslucentControls() || Module().controlSkinning != 1 || sender == nullptr) return;
  if (IsTextChange(HIWORD(wParam)) && GetClassNameText(sender) == "Edit")
    ::InvalidateRect(sender, nullptr, TRUE);
}

// The edit child draws over a pattern of what lies behind it, veiled; the brush and its bitmap
// are kept on the edit box, which deletes them when it goes.
std::optional<LRESULT> OnEditColours(HDC dc, HWND edit) {
  if (!TranslucentControls()) return std::nullopt;
  ::SetTextColor(dc, static_cast<COLORREF>(ReadProp(edit, prop::Kj_Ztys)));
  ::SetBkMode(dc, TRANSPARENT);
  ReleaseControlColourObjects(edit);
  rt::UniqueBitmap bitmap = MakeVeiledBackground(edit);
  if (!bitmap) return std::nullopt;
  rt::UniqueBrush brush(::CreatePatternBrush(bitmap.Get()));
  if (!brush) return std::nullopt;
  WriteProp(edit, prop::Kj_wtjb, reinterpret_cast<std::intptr_t>(bitmap.Release()));
  WriteProp(edit, prop::Kj_dxjb, reinterpret_cast<std::intptr_t>(brush.Get()));
  return reinterpret_cast<LRESULT>(brush.Release());
}

void OnMouseMove(HWND window, const ComboContext& context) {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
  ::TrackMouseEvent(&track);
  WindowRecord& record = *context.window;
  record.controlUnderMouse = context.number;
  if (record.hotControl != context.number || record.hotControlClass != kComboHotClass)
    Paint(context, {.hot = true, .focused = std::nullopt});
  record.hotControl = context.number;
  record.hotControlClass = kComboHotClass;
}

// The last message: the entry is freed so that a later window with the same handle value is not
// mistaken for this one, and the bookkeeping properties go before the window does.
LRESULT OnNcDestroy(HWND window, ComboRecord& combo, WPARAM wParam, LPARAM lParam) {
  const auto previous = ReadPropHandle<WNDPROC>(window, prop::Hw_hProc);
  combo = ComboRecord{};
  for (const wchar_t* key : {prop::Hw_FuID, prop::Hw_lbID, prop::Hw_hProc}) ErasePropW(window, key);
  return PassOnTo(previous, window, WM_NCDESTROY, wParam, lParam);
}

}  // namespace

int FindComboRecord(int windowNumber, HWND window) {
  const WindowRecord* record = FindRecord(windowNumber);
  return record ? FindEntry(record->comboBoxes, window) : 0;
}

void SkinComboBoxes(int windowNumber, HWND parent) {
  if (Module().controlSkinning == 0 || parent == nullptr || FindRecord(windowNumber) == nullptr)
    return;
  ForEachChildOfClass(parent, L"ComboBox",
                      [windowNumber](HWND combo) { SkinOneComboBox(windowNumber, combo); });
}

LRESULT CALLBACK ComboSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const ComboContext context = LookUp(window);
  // A combo box whose numbers no longer lead to its record keeps working, unskinned.
  if (context.entry == nullptr) return PassOn(window, message, wParam, lParam);
  ComboRecord& combo = *context.entry;
  switch (message) {
    case WM_MOVE:
      Paint(context, {});
      break;
    case WM_SETFOCUS:
      combo.focused = 1;
      Paint(context, {.focused = true});
      break;
    case WM_KILLFOCUS:
      combo.focused = 0;
      break;
    case WM_SETTEXT:
      if (EditChildOf(window)) ::InvalidateRect(window, nullptr, TRUE);
      break;
    case WM_PAINT:
      return OnPaint(window, context, wParam, lParam);
    case WM_ERASEBKGND:
      ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_NCPAINT:
      Paint(context, {});
      return ::DefWindowProcW(window, WM_NCPAINT, WPARAM(-1), lParam);
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      break;
    case WM_CTLCOLOREDIT:
      if (auto brush = OnEditColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return *brush;
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(window, context);
      break;
    case WM_MOUSELEAVE:
      Paint(context, {});
      context.window->hotControl = 0;
      break;
    case WM_NCDESTROY:
      return OnNcDestroy(window, combo, wParam, lParam);
    default:
      break;
  }
  return PassOn(window, message, wParam, lParam);
}

}  // namespace skin
