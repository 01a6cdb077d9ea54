// 10,000 repaints of each list kind, frame and content, leave the number of live GDI objects where
// it started.
#include <cstdlib>
#include <string>

#include "tests/skin_controls/list_test_support.h"
#include "tests/support/gdi_object_counter.h"

namespace list_test {
namespace {

// A full repaint runs the control's own painting too, which under Wine costs 20 to 80 ms; the
// kinds get a few hundred full repaints each, and the skin's own painters run 10,000 times.
// RANK_ABACUS_LIST_REPAINTS overrides both counts.
int CountOr(int fallback) {
  char value[16] = {};
  if (::GetEnvironmentVariableA("RANK_ABACUS_LIST_REPAINTS", value, sizeof value) > 0)
    return std::atoi(value);
  return fallback;
}
const int kFullRepaints = CountOr(300);
const int kFramePaints = CountOr(10000);

struct LeakCase {
  const char* name;
  const wchar_t* className;
  DWORD style;
  int translucent;
};

class ListLeaks : public ::testing::TestWithParam<LeakCase> {};

HWND ControlToRepaint(ListWindow& list, const LeakCase& c) {
  HWND control = list.Add(c.className, WS_BORDER | c.style, {40, 40, 48, 32});
  if (std::wstring(c.className) == L"ComboBox") {
    ::SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
    return ::FindWindowExW(control, nullptr, L"ComboLBox", nullptr);
  }
  return control;
}

// One full repaint as the system asks for it: frame, background, content. Sent straight to the
// control, so that every repaint runs all of the skin's painting whatever the update region holds.
void RepaintByMessages(HWND control) {
  ::SendMessageW(control, WM_NCPAINT, 1, 0);
  HDC dc = ::GetDC(control);
  ::SendMessageW(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ::ReleaseDC(control, dc);
  ::InvalidateRect(control, nullptr, FALSE);
  ::SendMessageW(control, WM_PAINT, 0, 0);
}

TEST_P(ListLeaks, RepaintsLeaveNoGdiObjects) {
  const LeakCase& c = GetParam();
  ListWindow list({.translucentControls = c.translucent});
  HWND control = ControlToRepaint(list, c);
  ASSERT_NE(control, nullptr);
  list.Skin();
  ASSERT_GE(list.NumberOf(control), 1);
  // Warm up: the first paints create the control's own lasting objects (fonts, brushes).
  for (int i = 0; i < 20; ++i) RepaintByMessages(control);
  const int before = test_support::CountLiveGdiObjects();
  const ULONGLONG start = ::GetTickCount64();
  for (int i = 0; i < kFullRepaints; ++i) {
    // Every other repaint in the hot look, so both border pens are made and dropped.
    list.Entry(control).hot = i & 1;
    RepaintByMessages(control);
  }
  RecordProperty("milliseconds_per_repaint",
                 std::to_string(static_cast<double>(::GetTickCount64() - start) / kFullRepaints));
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before);
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

TEST(ListPainterLeaks, FramesAndVeiledBuffersLeaveNoGdiObjects) {
  ListWindow list;
  HWND box = list.Add(L"ListBox", LBS_NOINTEGRALHEIGHT | WS_BORDER, {40, 40, 48, 32});
  list.Skin();
  const int number = list.NumberOf(box);
  skin::PaintListFrame(list.Window().Number(), number);
  const int before = test_support::CountLiveGdiObjects();
  const ULONGLONG start = ::GetTickCount64();
  for (int i = 0; i < kFramePaints; ++i) {
    skin::PaintListFrame(list.Window().Number(), number,
                         {.hot = (i & 1) == 0, .focused = i % 3 == 0});
    const skin::VeiledBackBuffer veiled(box);
    ASSERT_TRUE(veiled);
  }
  RecordProperty("milliseconds_per_frame",
                 std::to_string(static_cast<double>(::GetTickCount64() - start) / kFramePaints));
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before);
  EXPECT_TRUE(skin::Module().memoryDcList.empty());
}

}  // namespace
}  // namespace list_test
