// Ten thousand repaints of skinned combo boxes, and as many colour requests of a combo box's edit
// child, leave the count of live GDI objects where it was.
#include <gtest/gtest.h>

#include "skin/controls/combo.h"
#include "skin/controls/edit.h"
#include "tests/skin_controls/edit_test_support.h"
#include "tests/skin_controls/skinned_window_fixture.h"
#include "tests/support/gdi_object_counter.h"

namespace {

using skin_test::SkinnedWindow;

TEST(ComboLeaks, TenThousandRepaintsOfADropDownList) {
  SkinnedWindow window;
  HWND combo = window.AddChild(L"ComboBox", L"", CBS_DROPDOWNLIST, {40, 100, 160, 200});
  ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Item A"));
  ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin_test::PumpPending();
  const int number = skin::FindComboRecord(window.Number(), combo);
  ASSERT_NE(number, 0);
  const int before = test_support::CountLiveGdiObjects();
  for (int round = 0; round < 10000; ++round) {
    skin::PaintComboBox(window.Number(), number,
                        {.hot = (round & 1) != 0, .focused = (round & 2) != 0});
  }
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before);
}

TEST(ComboLeaks, TenThousandColourRequestsOfTheEditChild) {
  SkinnedWindow window;
  HWND combo = window.AddChild(L"ComboBox", L"", CBS_DROPDOWN, {40, 100, 160, 200});
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin_test::PumpPending();
  HWND edit = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
  HDC dc = ::GetDC(edit);
  // The first answer leaves one brush and one bitmap on the edit box: count from there.
  ::SendMessageW(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(edit));
  const int before = test_support::CountLiveGdiObjects();
  for (int round = 0; round < 10000; ++round) {
    ::SendMessageW(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(edit));
  }
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before);
  ::ReleaseDC(edit, dc);
  ::DestroyWindow(combo);
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before - 2) << "the edit box deletes its brush and bitmap";
}

}  // namespace
