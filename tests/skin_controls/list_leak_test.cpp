// 10,000 repaints of each list kind, frame and content, leave the number of live GDI objects where
// it started.
#include <string>

#include "tests/skin_controls/list_test_support.h"

namespace list_test {
namespace {

constexpr int kRepaints = 10000;

struct LeakCase {
  const char* name;
  const wchar_t* className;
  DWORD style;
  int translucent;
};

class ListLeaks : public ::testing::TestWithParam<LeakCase> {};

HWND ControlToRepaint(ListWindow& list, const LeakCase& c) {
  HWND control = list.Add(c.className, WS_BORDER | c.style, {40, 40, 200, 120});
  if (std::wstring(c.className) == L"ComboBox") {
    ::SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
    return ::FindWindowExW(control, nullptr, L"ComboLBox", nullptr);
  }
  if (std::wstring(c.className) == L"ListBox")
    ::SendMessageW(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
  return control;
}

TEST_P(ListLeaks, RepaintsLeaveNoGdiObjects) {
  const LeakCase& c = GetParam();
  ListWindow list({.translucentControls = c.translucent});
  HWND control = ControlToRepaint(list, c);
  ASSERT_NE(control, nullptr);
  list.Skin();
  ASSERT_GE(list.NumberOf(control), 1);
  // Warm up: the first paints create the control's own lasting objects (fonts, brushes).
  for (int i = 0; i < 20; ++i) ListWindow::Repaint(control);
  const int before = skin_test::CountGdiObjects();
  const int number = list.NumberOf(control);
  for (int i = 0; i < kRepaints; ++i) {
    ListWindow::Repaint(control);
    skin::PaintListFrame(list.Window().Number(), number, {.hot = (i & 1) == 0});
  }
  EXPECT_EQ(skin_test::CountGdiObjects(), before);
  EXPECT_TRUE(skin::Module().memoryDcList.empty()) << "every back buffer was released";
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ListLeaks,
    ::testing::Values(LeakCase{"list_box", L"ListBox", WS_VSCROLL, 1},
                      LeakCase{"list_box_opaque", L"ListBox", LBS_NOINTEGRALHEIGHT, 0},
                      LeakCase{"drop_down_list", L"ComboBox", CBS_SIMPLE, 1},
                      LeakCase{"list_view", WC_LISTVIEWW, LVS_REPORT, 1},
                      LeakCase{"tree_view", WC_TREEVIEWW, 0, 1},
                      LeakCase{"ip_address", WC_IPADDRESSW, 0, 1},
                      LeakCase{"date", DATETIMEPICK_CLASSW, 0, 1}),
    [](const ::testing::TestParamInfo<LeakCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace list_test
