// The gallery's controls, their contents and states, and saving its picture.
#include "tools/gallery/gallery.h"

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "gfx/image.h"
#include "runtime/gbk.h"
#include "skin/controls/button.h"
#include "skin/controls/edit.h"
#include "skin/controls/list.h"

namespace gallery {

namespace {

std::wstring Wide(rt::TextView text) { return rt::GbkToWide(text); }

HWND Add(HWND parent, const wchar_t* className, rt::TextView text, DWORD style, RECT bounds,
         DWORD exStyle = 0) {
  return ::CreateWindowExW(exStyle, className, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                           bounds.left, bounds.top, bounds.right, bounds.bottom, parent, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
}

void Label(HWND parent, rt::TextView text, int x, int y) {
  Add(parent, L"Static", text, SS_LEFT, {x, y, 180, 18});
}

void Fill(HWND control, UINT addMessage, std::initializer_list<rt::TextView> items) {
  for (rt::TextView item : items) {
    const std::wstring wide = Wide(item);
    ::SendMessageW(control, addMessage, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
}

void AddButtons(HWND parent, GalleryControls& controls) {
  Label(parent, "按钮与选择框", 20, 14);
  controls.pushButton = Add(parent, L"Button", "确定", BS_PUSHBUTTON, {20, 36, 90, 28});
  controls.disabledPushButton =
      Add(parent, L"Button", "已禁用", BS_PUSHBUTTON | WS_DISABLED, {120, 36, 90, 28});
  controls.checkedBox = Add(parent, L"Button", "已勾选", BS_AUTOCHECKBOX, {20, 74, 90, 20});
  controls.uncheckedBox = Add(parent, L"Button", "未勾选", BS_AUTOCHECKBOX, {120, 74, 90, 20});
  controls.disabledBox =
      Add(parent, L"Button", "禁用", BS_AUTOCHECKBOX | WS_DISABLED, {20, 100, 90, 20});
  controls.checkedRadio =
      Add(parent, L"Button", "甲方", BS_AUTORADIOBUTTON | WS_GROUP, {120, 100, 90, 20});
  controls.uncheckedRadio = Add(parent, L"Button", "乙方", BS_AUTORADIOBUTTON, {120, 124, 90, 20});
  ::SendMessageW(controls.checkedBox, BM_SETCHECK, BST_CHECKED, 0);
  ::SendMessageW(controls.disabledBox, BM_SETCHECK, BST_CHECKED, 0);
  ::SendMessageW(controls.checkedRadio, BM_SETCHECK, BST_CHECKED, 0);
}

void AddEdits(HWND parent, GalleryControls& controls) {
  Label(parent, "编辑框", 20, 152);
  controls.singleLineEdit =
      Add(parent, L"Edit", "326725", WS_BORDER | ES_AUTOHSCROLL, {20, 174, 190, 24});
  controls.scrollingEdit =
      Add(parent, L"Edit", "列兵1\r\n列兵2\r\n上等兵1\r\n上等兵2\r\n下士1\r\n下士2\r\n中士1",
          WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL,
          {20, 206, 190, 96});
}

void AddCombos(HWND parent, GalleryControls& controls) {
  Label(parent, "组合框", 20, 312);
  controls.dropDownCombo = Add(parent, L"ComboBox", "", CBS_DROPDOWN, {20, 334, 190, 200});
  Fill(controls.dropDownCombo, CB_ADDSTRING, {"少尉1", "少尉2", "中尉1"});
  ::SendMessageW(controls.dropDownCombo, CB_SETCURSEL, 0, 0);
  controls.dropDownListCombo = Add(parent, L"ComboBox", "", CBS_DROPDOWNLIST, {20, 370, 190, 200});
  Fill(controls.dropDownListCombo, CB_ADDSTRING, {"上尉1", "上尉2", "少校1"});
  ::SendMessageW(controls.dropDownListCombo, CB_SETCURSEL, 1, 0);
}

void AddListBox(HWND parent, GalleryControls& controls) {
  Label(parent, "列表框", 240, 14);
  controls.listBox =
      Add(parent, L"ListBox", "", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
          {240, 36, 190, 130});
  Fill(controls.listBox, LB_ADDSTRING,
       {"列兵1", "列兵2", "上等兵1", "上等兵2", "下士1", "下士2", "中士1", "中士2", "上士1",
        "上士2"});
  ::SendMessageW(controls.listBox, LB_SETCURSEL, 2, 0);
}

void AddListView(HWND parent, GalleryControls& controls) {
  Label(parent, "列表视图", 240, 176);
  controls.listView = Add(parent, WC_LISTVIEWW, "", WS_BORDER | LVS_REPORT, {240, 198, 190, 126});
  int column = 0;
  for (auto [title, width] : {std::pair<rt::TextView, int>{"军衔", 80}, {"经验", 100}}) {
    const std::wstring text = Wide(title);
    LVCOLUMNW entry{};
    entry.mask = LVCF_TEXT | LVCF_WIDTH;
    entry.cx = width;
    entry.pszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(controls.listView, LVM_INSERTCOLUMNW, column++,
                   reinterpret_cast<LPARAM>(&entry));
  }
  int row = 0;
  for (auto [rank, experience] : {std::pair<rt::TextView, rt::TextView>{"列兵1", "0"},
                                  {"列兵2", "1500"},
                                  {"上等兵1", "4500"},
                                  {"少尉1", "326725"}}) {
    const std::wstring rankText = Wide(rank);
    const std::wstring experienceText = Wide(experience);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row++;
    item.pszText = const_cast<wchar_t*>(rankText.c_str());
    const auto index =
        ::SendMessageW(controls.listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iItem = static_cast<int>(index);
    item.iSubItem = 1;
    item.pszText = const_cast<wchar_t*>(experienceText.c_str());
    ::SendMessageW(controls.listView, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
  }
}

HTREEITEM AddTreeItem(HWND tree, HTREEITEM parent, rt::TextView text) {
  const std::wstring wide = Wide(text);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<wchar_t*>(wide.c_str());
  return reinterpret_cast<HTREEITEM>(
      ::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void AddTreeView(HWND parent, GalleryControls& controls) {
  Label(parent, "树视图", 460, 14);
  controls.treeView =
      Add(parent, WC_TREEVIEWW, "", WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT,
          {460, 36, 200, 160});
  struct Branch {
    rt::TextView group, first, second;
  };
  for (const Branch& branch : {Branch{"士兵", "列兵1", "上等兵1"}, Branch{"士官", "下士1", "中士1"},
                               Branch{"尉官", "少尉1", "上尉1"}}) {
    const auto [group, first, second] = branch;
    HTREEITEM node = AddTreeItem(controls.treeView, TVI_ROOT, group);
    AddTreeItem(controls.treeView, node, first);
    AddTreeItem(controls.treeView, node, second);
    if (group != "尉官")
      ::SendMessageW(controls.treeView, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
  }
}

void AddAddressAndDate(HWND parent, GalleryControls& controls) {
  Label(parent, "IP 地址", 460, 208);
  controls.ipAddress = Add(parent, WC_IPADDRESSW, "", WS_BORDER, {460, 230, 200, 24});
  ::SendMessageW(controls.ipAddress, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 10));
  Label(parent, "日期", 460, 266);
  controls.dateControl = Add(parent, DATETIMEPICK_CLASSW, "", WS_BORDER, {460, 288, 200, 24});
  SYSTEMTIME day{};
  day.wYear = 2026;
  day.wMonth = 12;
  day.wDay = 11;
  ::SendMessageW(controls.dateControl, DTM_SETSYSTEMTIME, GDT_VALID,
                 reinterpret_cast<LPARAM>(&day));
}

}  // namespace

GalleryControls BuildGallery(HWND parent, int windowNumber) {
  GalleryControls controls{};
  AddButtons(parent, controls);
  AddEdits(parent, controls);
  AddCombos(parent, controls);
  AddListBox(parent, controls);
  AddListView(parent, controls);
  AddTreeView(parent, controls);
  AddAddressAndDate(parent, controls);
  skin::SkinPushButtons(windowNumber, parent);
  skin::SkinCheckAndRadioButtons(windowNumber, parent);
  skin::SkinEditBoxes(windowNumber, parent);
  skin::SkinListControls(windowNumber, parent);
  ::RedrawWindow(parent, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return controls;
}

std::optional<LRESULT> PaintDrawItem(UINT message, LPARAM lParam) {
  if (message != WM_DRAWITEM) return std::nullopt;
  if (!skin::PaintOwnerDrawnButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
    return std::nullopt;
  return TRUE;
}

bool SaveWindowPicture(HWND window, std::wstring_view path) {
  RECT rect;
  ::GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC source = ::GetWindowDC(window);
  HDC copy = ::CreateCompatibleDC(source);
  HBITMAP bitmap = ::CreateCompatibleBitmap(source, width, height);
  HGDIOBJ previous = ::SelectObject(copy, bitmap);
  ::BitBlt(copy, 0, 0, width, height, source, 0, 0, SRCCOPY);
  ::SelectObject(copy, previous);
  ::DeleteDC(copy);
  ::ReleaseDC(window, source);
  gfx::GfxBitmap picture;
  const bool saved = picture.GdipCreateBitmapFromHBITMAP(bitmap) &&
                     picture.GdipSaveImageToFileW(path, gfx::kPngFormat);
  ::DeleteObject(bitmap);
  return saved;
}

}  // namespace gallery
