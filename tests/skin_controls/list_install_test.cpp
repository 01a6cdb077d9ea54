// SkinListControls: which children get registered, in what order and under which numbers, the
// properties they carry, and that a second install never subclasses a control twice.
#include <string>
#include <vector>

#include "tests/skin_controls/list_test_support.h"

namespace list_test {
namespace {

WNDPROC ProcOf(HWND window) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
}

HWND DropDownListOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ::GetComboBoxInfo(combo, &info);
  return info.hwndList;
}

struct AllKinds {
  HWND listBox, simpleCombo, dropDownCombo, listView, tree, address, date;
};

AllKinds AddAllKinds(ListWindow& list) {
  // Created in the reverse of the install passes, so that numbering by pass is visible.
  AllKinds kinds{};
  kinds.date = list.Add(DATETIMEPICK_CLASSW, WS_BORDER, {10, 10, 120, 24});
  kinds.address = list.Add(WC_IPADDRESSW, WS_BORDER, {10, 40, 140, 24});
  kinds.tree = list.Add(WC_TREEVIEWW, WS_BORDER, {10, 70, 120, 80});
  kinds.listView = list.Add(WC_LISTVIEWW, WS_BORDER | LVS_REPORT, {140, 70, 150, 80});
  kinds.dropDownCombo = list.Add(L"ComboBox", CBS_DROPDOWNLIST, {300, 10, 100, 200});
  kinds.simpleCombo = list.Add(L"ComboBox", CBS_SIMPLE, {300, 60, 100, 100});
  kinds.listBox = list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT | WS_BORDER, {10, 160, 120, 80});
  return kinds;
}

TEST(ListInstall, RegistersEveryKindPassByPass) {
  ListWindow list;
  const AllKinds kinds = AddAllKinds(list);
  list.Skin();
  // Pass order: list boxes, combo-box lists (children of the combo box first: z order of the
  // combo boxes is creation order), list views, trees, IP-address and date controls.
  const HWND simpleList = ::FindWindowExW(kinds.simpleCombo, nullptr, L"ComboLBox", nullptr);
  ASSERT_NE(simpleList, nullptr);
  const std::vector<HWND> expected{kinds.listBox, DropDownListOf(kinds.dropDownCombo),
                                   simpleList,    kinds.listView,
                                   kinds.tree,    kinds.address,
                                   kinds.date};
  ASSERT_EQ(list.Record().listControls.size(), expected.size());
  for (std::size_t index = 0; index < expected.size(); ++index) {
    SCOPED_TRACE("entry " + std::to_string(index + 1));
    HWND control = expected[index];
    const skin::ListRecord& entry = list.Record().listControls[index];
    EXPECT_EQ(entry.hwnd, control);
    EXPECT_EQ(skin::ReadProp(control, skin::prop::Hw_lbID), static_cast<intptr_t>(index) + 1);
    EXPECT_EQ(skin::ReadProp(control, skin::prop::Hw_FuID), list.Window().Number());
    EXPECT_EQ(skin::ReadPropHandle<WNDPROC>(control, skin::prop::Hw_hProc), entry.previousProc);
    EXPECT_NE(entry.previousProc, nullptr);
    EXPECT_EQ(ProcOf(control), &skin::ListSkinProc);
    EXPECT_EQ(entry.focused, 0);
    EXPECT_EQ(entry.hot, 0);
    EXPECT_EQ(entry.arrowKeyDown, 0);
  }
}

TEST(ListInstall, TakesTheFreeFirstEntryThenAppends) {
  ListWindow list;
  list.Record().listControls.resize(1);  // a new record's list holds one free entry
  HWND first = list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT | WS_BORDER, {10, 10, 100, 60});
  list.Skin();
  EXPECT_EQ(list.NumberOf(first), 1);
  ASSERT_EQ(list.Record().listControls.size(), 1u);
  HWND second = list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT | WS_BORDER, {10, 80, 100, 60});
  list.Skin();
  EXPECT_EQ(list.NumberOf(first), 1);
  EXPECT_EQ(list.NumberOf(second), 2);
}

TEST(ListInstall, SecondInstallNeverSubclassesTwice) {
  ListWindow list;
  const AllKinds kinds = AddAllKinds(list);
  list.Skin();
  std::vector<WNDPROC> previous;
  for (const skin::ListRecord& entry : list.Record().listControls)
    previous.push_back(entry.previousProc);
  list.Skin();
  ASSERT_EQ(list.Record().listControls.size(), previous.size());
  for (std::size_t index = 0; index < previous.size(); ++index) {
    const skin::ListRecord& entry = list.Record().listControls[index];
    EXPECT_EQ(entry.previousProc, previous[index]);
    EXPECT_NE(skin::ReadPropHandle<WNDPROC>(entry.hwnd, skin::prop::Hw_hProc), &skin::ListSkinProc)
        << "a control whose previous procedure is the skin's would call itself forever";
  }
  // The controls still work through the one subclassing.
  ::SendMessageW(kinds.listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
  EXPECT_EQ(::SendMessageW(kinds.listBox, LB_GETCOUNT, 0, 0), 1);
}

TEST(ListInstall, LeavesOwnerDrawnListsAlone) {
  ListWindow list;
  HWND ownerCombo =
      list.Add(L"ComboBox", CBS_SIMPLE | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, {10, 10, 100, 100});
  HWND ownerView =
      list.Add(WC_LISTVIEWW, WS_BORDER | LVS_REPORT | LVS_OWNERDRAWFIXED, {120, 10, 100, 100});
  list.Skin();
  HWND ownerList = ::FindWindowExW(ownerCombo, nullptr, L"ComboLBox", nullptr);
  ASSERT_NE(ownerList, nullptr);
  EXPECT_NE(::GetWindowLongPtrW(ownerList, GWL_STYLE) & LBS_OWNERDRAWFIXED, 0);
  EXPECT_EQ(list.NumberOf(ownerList), 0);
  EXPECT_EQ(list.NumberOf(ownerView), 0);
  EXPECT_NE(ProcOf(ownerView), &skin::ListSkinProc);
}

TEST(ListInstall, TranslucentControlsGetNoBackgroundColour) {
  ListWindow list;
  HWND view = list.Add(WC_LISTVIEWW, WS_BORDER | LVS_REPORT, {10, 10, 120, 80});
  HWND tree = list.Add(WC_TREEVIEWW, WS_BORDER, {140, 10, 120, 80});
  list.Skin();
  EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(view, LVM_GETTEXTBKCOLOR, 0, 0)), CLR_NONE);
  EXPECT_EQ(static_cast<COLORREF>(::SendMessageW(tree, TVM_GETBKCOLOR, 0, 0)),
            RGB(0xFF, 0x00, 0xFF));
}

TEST(ListInstall, OpaqueControlsKeepTheirColours) {
  ListWindow list({.translucentControls = 0});
  HWND view = list.Add(WC_LISTVIEWW, WS_BORDER | LVS_REPORT, {10, 10, 120, 80});
  HWND tree = list.Add(WC_TREEVIEWW, WS_BORDER, {140, 10, 120, 80});
  const auto viewColour = ::SendMessageW(view, LVM_GETTEXTBKCOLOR, 0, 0);
  const auto treeColour = ::SendMessageW(tree, TVM_GETBKCOLOR, 0, 0);
  list.Skin();
  EXPECT_EQ(::SendMessageW(view, LVM_GETTEXTBKCOLOR, 0, 0), viewColour);
  EXPECT_EQ(::SendMessageW(tree, TVM_GETBKCOLOR, 0, 0), treeColour);
  EXPECT_EQ(list.NumberOf(view), 1);
  EXPECT_EQ(list.NumberOf(tree), 2);
}

TEST(ListInstall, NothingWhileControlSkinningIsOff) {
  ListWindow list({.controlSkinning = 0});
  HWND box = list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT | WS_BORDER, {10, 10, 100, 60});
  list.Skin();
  EXPECT_TRUE(list.Record().listControls.empty());
  EXPECT_EQ(skin::ReadProp(box, skin::prop::Hw_lbID), 0);
}

TEST(ListInstall, OtherClassesAreNotTouched) {
  ListWindow list;
  HWND edit = list.Add(L"Edit", WS_BORDER, {10, 10, 100, 24});
  HWND button = list.Add(L"Button", BS_PUSHBUTTON, {10, 40, 100, 24});
  list.Skin();
  EXPECT_TRUE(list.Record().listControls.empty());
  EXPECT_NE(ProcOf(edit), &skin::ListSkinProc);
  EXPECT_NE(ProcOf(button), &skin::ListSkinProc);
}

TEST(HasBorderStyle, BorderOrOneOfTheEdges) {
  struct Case {
    DWORD style;
    DWORD exStyle;
    bool expected;
  };
  const Case cases[] = {
      {WS_BORDER, 0, true},
      {0, 0, false},
      {0, WS_EX_WINDOWEDGE, true},
      {0, WS_EX_CLIENTEDGE, true},
      {0, WS_EX_OVERLAPPEDWINDOW, true},
      {0, WS_EX_DLGMODALFRAME, true},
      {0, WS_EX_STATICEDGE, false},
      {0, WS_EX_TRANSPARENT, false},
  };
  ListWindow list;
  int judged = 0;
  for (const Case& c : cases) {
    HWND box = list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT | c.style, {10, 10, 100, 60}, c.exStyle);
    const auto held = static_cast<DWORD>(::GetWindowLongPtrW(box, GWL_EXSTYLE));
    // The system drops WS_EX_WINDOWEDGE from some child windows: judge only what the window holds.
    if (held == c.exStyle) {
      ++judged;
      EXPECT_EQ(skin::HasBorderStyle(box), c.expected)
          << "style " << std::hex << c.style << " extended " << held;
    }
    ::DestroyWindow(box);
  }
  EXPECT_GE(judged, 5);
}

}  // namespace
}  // namespace list_test
