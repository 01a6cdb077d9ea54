// Ten thousand repaints of a skinned edit box leave the count of live GDI objects where it was.
#include <gtest/gtest.h>

#include "skin/controls/edit.h"
#include "tests/skin_controls/edit_test_support.h"
#include "tests/skin_controls/skinned_window_fixture.h"
#include "tests/support/gdi_object_counter.h"

namespace {

using skin_test::SkinnedWindow;

TEST(EditLeaks, TenThousandRepaintsThroughTheProcedure) {
  SkinnedWindow window;
  HWND edit =
      window.AddChild(L"Edit", L"text", ES_AUTOHSCROLL, {40, 100, 200, 24}, WS_EX_CLIENTEDGE);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin_test::PumpPending();
  HDC dc = ::GetDC(edit);
  const int before = test_support::CountLiveGdiObjects();
  for (int round = 0; round < 10000; ++round) {
    ::SendMessageW(edit, WM_NCPAINT, 1, 0);                                // the frame ring
    ::SendMessageW(edit, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);  // the background
    if (round % 2 == 0) {
      ::SendMessageW(edit, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));  // the hot frame
    } else {
      ::SendMessageW(edit, WM_MOUSELEAVE, 0, 0);
    }
  }
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before);
  ::ReleaseDC(edit, dc);
}

TEST(EditLeaks, FullRepaintsWithScrollBarsAndTheirRegion) {
  SkinnedWindow window;
  HWND edit = window.AddChild(L"Edit", L"text", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL,
                              {40, 100, 200, 80}, WS_EX_CLIENTEDGE);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  skin_test::PumpPending();
  const int before = test_support::CountLiveGdiObjects();
  // Wine draws scroll bars slowly (tens of milliseconds each): fewer rounds of the whole path.
  for (int round = 0; round < 300; ++round) {
    ::RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  }
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before);
}

}  // namespace
