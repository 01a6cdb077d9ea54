// 10,000 repaints of every button kind leave the number of live GDI objects where it started.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/skin_controls/button_test_support.h"
#include "tests/support/gdi_object_counter.h"

namespace {

using button_test::ButtonWindow;
namespace state = skin::button_state;

constexpr int kRepaints = 10000;

struct LeakCase {
  const char* name;
  DWORD style;
  skin::ButtonKind kind;
};

TEST(ButtonLeaks, TenThousandRepaintsOfEachKindLeaveNoGdiObjects) {
  const LeakCase cases[] = {
      {"push button", BS_PUSHBUTTON, skin::ButtonKind::Push},
      {"check box", BS_AUTOCHECKBOX, skin::ButtonKind::CheckBox},
      {"radio button", BS_AUTORADIOBUTTON, skin::ButtonKind::AutoRadio},
      {"image button", BS_PUSHBUTTON, skin::ButtonKind::Image},
      {"four-image button", BS_PUSHBUTTON, skin::ButtonKind::FourImage},
  };
  ButtonWindow window;
  rt::UniqueFont font(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    0, 0, 0, 0, L"DejaVu Sans"));
  for (const LeakCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND button = window.AddButton(L"按钮", c.style, {10, 10, 60, 40});
    ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    window.SkinAll();
    skin::ButtonRecord& entry = window.MutableEntry(button);
    entry.kind = static_cast<int>(c.kind);
    entry.images[0] = button_test::SolidPng(16, 16, RGB(0xFF, 0, 0));
    ::SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
    skin::RepaintButtonNow(button, 0, false);  // first-use allocations happen before counting

    const int before = test_support::CountLiveGdiObjects();
    const UINT states[] = {0, state::kHot, state::kFocused, state::kPressed, state::kDisabled};
    const ULONGLONG start = ::GetTickCount64();
    for (int i = 0; i < kRepaints; ++i) skin::RepaintButtonNow(button, states[i % 5], i % 2 == 0);
    const double spent = static_cast<double>(::GetTickCount64() - start);
    std::printf("%s: %.2f ms per repaint\n", c.name, spent / kRepaints);
    EXPECT_EQ(test_support::CountLiveGdiObjects(), before);
    EXPECT_TRUE(skin::Module().memoryDcList.empty());
    ::DestroyWindow(button);
  }
}

}  // namespace
