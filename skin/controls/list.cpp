// Installing the list-control skin and the list controls' replacement procedure.
#include "skin/controls/list.h"

#include <commctrl.h>

#include "skin/controls/edit.h"
#include "skin/controls/edit_subclass.h"
#include "skin/controls/list_internal.h"
#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/property_keys.h"
#include "skin/core/records.h"
#include "skin/core/window_props.h"

namespace skin {

namespace {

using list_detail::kMagenta;

bool TranslucentControls() { return Module().translucentControls == 1; }

bool HasStyleBit(HWND window, LONG_PTR bit) {
  return (::GetWindowLongPtrW(window, GWL_STYLE) & bit) != 0;
}

// ---- Install ----------------------------------------------------------------------------------

bool RunsListSkinProc(HWND window) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)) == &ListSkinProc;
}

// Takes the free first entry or appends one, subclasses the control and writes its properties.
// A control that is skinned already keeps its one subclassing: a second would make the skin its
// own previous procedure.
void Register(int windowNumber, WindowRecord& record, HWND control) {
  if (FindEntry(record.listControls, control) != 0 || RunsListSkinProc(control)) return;
  const int number = TakeFreeEntry(record.listControls);
  ListRecord& entry = record.listControls[static_cast<std::size_t>(number) - 1];
  entry.hwnd = control;
  entry.previousProc = Subclass(control, &ListSkinProc);
  WriteProp(control, prop::Hw_lbID, number);
  WriteProp(control, prop::Hw_FuID, windowNumber);
  WriteProp(control, prop::Hw_hProc, reinterpret_cast<std::intptr_t>(entry.previousProc));
}

void RegisterDropDownList(int windowNumber, WindowRecord& record, HWND combo) {
  HWND list = ::FindWindowExW(combo, nullptr, L"ComboLBox", nullptr);
  // The dropped list of a drop-down combo box is a pop-up: ask the combo box for it.
  if (list == nullptr) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (::GetComboBoxInfo(combo, &info)) list = info.hwndList;
  }
  if (list != nullptr && !HasStyleBit(list, LBS_OWNERDRAWFIXED))
    Register(windowNumber, record, list);
}

void RegisterListView(int windowNumber, WindowRecord& record, HWND view) {
  if (HasStyleBit(view, LVS_OWNERDRAWFIXED)) return;
  if (TranslucentControls()) ::SendMessageW(view, LVM_SETTEXTBKCOLOR, 0, LPARAM(CLR_NONE));
  Register(windowNumber, record, view);
}

void RegisterTreeView(int windowNumber, WindowRecord& record, HWND tree) {
  if (TranslucentControls()) ::SendMessageW(tree, TVM_SETBKCOLOR, 0, LPARAM(kMagenta));
  Register(windowNumber, record, tree);
}

// ---- The replacement procedure ----------------------------------------------------------------

using ListContext = ControlContext<ListRecord>;

ListContext LookUp(HWND window) { return LookUpControl(window, &WindowRecord::listControls); }

enum class ListKind { ListBox, DropDownList, ListView, TreeView, Other };

ListKind KindOf(HWND window) {
  const rt::Text name = GetClassNameText(window);
  if (name == "ListBox") return ListKind::ListBox;
  if (name == "ComboLBox") return ListKind::DropDownList;
  if (name == "SysListView32") return ListKind::ListView;
  if (name == "SysTreeView32") return ListKind::TreeView;
  return ListKind::Other;
}

void RepaintFrame(const ListContext& context) {
  PaintListFrame(context.windowNumber, context.number);
}

LRESULT OnFocusChange(HWND window, const ListContext& context, UINT message, WPARAM wParam,
                      LPARAM lParam) {
  context.entry->focused = message == WM_SETFOCUS ? 1 : 0;
  RepaintFrame(context);
  return PassOn(window, message, wParam, lParam);
}

// A see-through list has no background of its own to erase; a drop-down list gets the veiled
// background behind it and the text colour set on it.
LRESULT OnEraseBackground(HWND window, HDC dc, WPARAM wParam, LPARAM lParam) {
  if (!TranslucentControls()) return PassOn(window, WM_ERASEBKGND, wParam, lParam);
  switch (KindOf(window)) {
    case ListKind::TreeView:
    case ListKind::ListView:
      ::SetBkMode(dc, TRANSPARENT);
      return 1;
    case ListKind::ListBox:
      if (IsOwnerDrawListBox(window)) break;
      ::SetBkMode(dc, TRANSPARENT);
      return 1;
    case ListKind::DropDownList:
      if (IsOwnerDrawListBox(window)) break;
      ::SetBkMode(dc, TRANSPARENT);
      PaintEditBackground(window, dc, EditBackgroundTarget::GivenDc);
      return static_cast<LRESULT>(
          ::SetTextColor(dc, static_cast<COLORREF>(ReadProp(window, prop::Kj_Ztys))));
    case ListKind::Other:
      break;
  }
  return PassOn(window, WM_ERASEBKGND, wParam, lParam);
}

// The ring is ours; the default procedure draws only the scroll bars.
LRESULT OnNcPaint(HWND window, const ListContext& context, LPARAM lParam) {
  RepaintFrame(context);
  if (!HasScrollBars(window)) return ::DefWindowProcW(window, WM_NCPAINT, WPARAM(-1), lParam);
  UniqueRegion bars = ScrollBarRegion(window);
  return ::DefWindowProcW(window, WM_NCPAINT, reinterpret_cast<WPARAM>(bars.Get()), lParam);
}

LRESULT OnKeyDown(HWND window, ListRecord& list, WPARAM wParam, LPARAM lParam) {
  if (wParam >= VK_LEFT && wParam <= VK_DOWN) list.arrowKeyDown = 1;
  return PassOn(window, WM_KEYDOWN, wParam, lParam);
}

// The mouse capture is given up on every key release, except by an open drop-down list: its
// capture is what closes it when the user clicks elsewhere, so taking it away would leave the
// list hanging open after the first arrow key.
LRESULT OnKeyUp(HWND window, ListRecord& list, WPARAM wParam, LPARAM lParam) {
  if (KindOf(window) != ListKind::DropDownList) ::ReleaseCapture();
  list.arrowKeyDown = 0;
  return PassOn(window, WM_KEYUP, wParam, lParam);
}

LRESULT OnMouseMove(HWND window, const ListContext& context, WPARAM wParam, LPARAM lParam) {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
  ::TrackMouseEvent(&track);
  WindowRecord& record = *context.window;
  record.controlUnderMouse = context.number;
  if (record.hotControl != context.number || record.hotControlClass != kListHotClass) {
    context.entry->hot = 1;
    PaintListFrame(context.windowNumber, context.number, {.hot = true});
    record.hotControl = context.number;
    record.hotControlClass = kListHotClass;
  }
  return PassOn(window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(HWND window, const ListContext& context, WPARAM wParam, LPARAM lParam) {
  context.window->hotControl = 0;
  if (context.number >= 1) {
    context.entry->hot = 0;
    PaintListFrame(context.windowNumber, context.number, {.hot = false});
  }
  return PassOn(window, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT OnArrowRepaint(HWND window, const ListContext& context, WPARAM wParam, LPARAM lParam) {
  if (TranslucentControls() && context.entry->arrowKeyDown == 1)
    ::InvalidateRect(window, nullptr, FALSE);
  return PassOn(window, kListArrowRepaintMessage, wParam, lParam);
}

// ---- Painting the content ---------------------------------------------------------------------

LRESULT PaintWithPreviousProc(HWND window, HDC dc) {
  return ::CallWindowProcW(ReadPropHandle<WNDPROC>(window, prop::Hw_hProc), window, WM_PAINT,
                           reinterpret_cast<WPARAM>(dc), 0);
}

// The tree paints itself on its magenta background into a scratch buffer; everything but the
// magenta is laid over the veiled background, and the result goes to the screen around the
// tree's children.
LRESULT PaintTreeSeeThrough(HWND window, LPARAM lParam) {
  RECT client;
  ::GetClientRect(window, &client);
  const ControlBackBuffer scratch(window, client);
  const VeiledBackBuffer veiled(window);
  if (scratch && veiled) {
    PaintWithPreviousProc(window, scratch.Get());
    list_detail::CopyWithoutMagenta(veiled.Get(), scratch.Get(), client.right, client.bottom);
    HDC screen = GetDcClippingChildren(window);
    ::BitBlt(screen, 0, 0, client.right, client.bottom, veiled.Get(), 0, 0, SRCCOPY);
    ::ReleaseDC(window, screen);
  }
  return ::DefWindowProcW(window, WM_PAINT, 0, lParam);
}

// A list box clears its empty rows and its items' backgrounds with the DC's background colour,
// whatever brush its parent hands it. It therefore paints into a scratch buffer whose background
// colour is the veiled colour at the list's middle, and everything of exactly that colour is then
// left out when the result is laid over the veiled background: the text's smoothed edges were
// blended against nearly the colour they end up on, so no coloured fringe shows.
void PaintListBoxOver(HWND window, HDC veiled, const RECT& client) {
  const ControlBackBuffer scratch(window, client);
  if (!scratch) return;
  const COLORREF key = ::GetPixel(veiled, client.right / 2, client.bottom / 2) & 0xFFFFFF;
  HBRUSH fill = ::CreateSolidBrush(key);
  ::FillRect(scratch.Get(), &client, fill);
  ::DeleteObject(fill);
  ::SetBkColor(scratch.Get(), key);
  PaintWithPreviousProc(window, scratch.Get());
  list_detail::CopyWithout(key, veiled, scratch.Get(), client.right, client.bottom);
}

// The list paints itself over the veiled background; the result goes to the screen, and the
// list's children (a list view's header) are repainted over it.
LRESULT PaintListSeeThrough(HWND window, ListKind kind, LPARAM lParam) {
  RECT client;
  ::GetClientRect(window, &client);
  const VeiledBackBuffer veiled(window);
  PAINTSTRUCT paint;
  HDC screen = ::BeginPaint(window, &paint);
  if (veiled) {
    if (kind == ListKind::ListBox) {
      PaintListBoxOver(window, veiled.Get(), client);
    } else {
      PaintWithPreviousProc(window, veiled.Get());
    }
    ::BitBlt(screen, 0, 0, client.right, client.bottom, veiled.Get(), 0, 0, SRCCOPY);
  }
  ::EndPaint(window, &paint);
  InvalidateVisibleChildren(window);
  return ::DefWindowProcW(window, WM_PAINT, 0, lParam);
}

LRESULT OnPaint(HWND window, const ListContext& context, WPARAM wParam, LPARAM lParam) {
  RepaintFrame(context);
  if (TranslucentControls()) {
    switch (const ListKind kind = KindOf(window)) {
      case ListKind::TreeView:
        return PaintTreeSeeThrough(window, lParam);
      case ListKind::ListView:
      case ListKind::ListBox:
        return PaintListSeeThrough(window, kind, lParam);
      default:
        break;
    }
  }
  return PassOn(window, WM_PAINT, wParam, lParam);
}

}  // namespace

// ---- Interface --------------------------------------------------------------------------------

void SkinListControls(int windowNumber, HWND parent) {
  if (Module().controlSkinning == 0) return;
  if (FindRecord(windowNumber) == nullptr) return;
  // Each registration may grow the window list; the record is looked up again for every control.
  auto record = [windowNumber]() -> WindowRecord& { return *FindRecord(windowNumber); };
  ForEachChildOfClass(parent, L"ListBox",
                      [&](HWND child) { Register(windowNumber, record(), child); });
  ForEachChildOfClass(parent, L"ComboBox",
                      [&](HWND child) { RegisterDropDownList(windowNumber, record(), child); });
  ForEachChildOfClass(parent, L"SysListView32",
                      [&](HWND child) { RegisterListView(windowNumber, record(), child); });
  ForEachChildOfClass(parent, L"SysTreeView32",
                      [&](HWND child) { RegisterTreeView(windowNumber, record(), child); });
  ForEachChildOfClass(parent, L"SysIPAddress32",
                      [&](HWND child) { Register(windowNumber, record(), child); });
  ForEachChildOfClass(parent, L"SysDateTimePick32",
                      [&](HWND child) { Register(windowNumber, record(), child); });
}

LRESULT CALLBACK ListSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const ListContext context = LookUp(window);
  if (context.entry == nullptr) return PassOn(window, message, wParam, lParam);
  switch (message) {
    case WM_MOVE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
      if (TranslucentControls()) ::InvalidateRect(window, nullptr, TRUE);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return OnFocusChange(window, context, message, wParam, lParam);
    case WM_PAINT:
      return OnPaint(window, context, wParam, lParam);
    case WM_ERASEBKGND:
      return OnEraseBackground(window, reinterpret_cast<HDC>(wParam), wParam, lParam);
    case WM_NCPAINT:
      return OnNcPaint(window, context, lParam);
    case WM_KEYDOWN:
      return OnKeyDown(window, *context.entry, wParam, lParam);
    case WM_KEYUP:
      return OnKeyUp(window, *context.entry, wParam, lParam);
    case WM_MOUSEMOVE:
      return OnMouseMove(window, context, wParam, lParam);
    case WM_MOUSELEAVE:
      return OnMouseLeave(window, context, wParam, lParam);
    case kListArrowRepaintMessage:
      return OnArrowRepaint(window, context, wParam, lParam);
    default:
      break;
  }
  return PassOn(window, message, wParam, lParam);
}

int FindListRecord(int windowNumber, HWND window) {
  const WindowRecord* record = FindRecord(windowNumber);
  return record ? FindEntry(record->listControls, window) : 0;
}

}  // namespace skin
