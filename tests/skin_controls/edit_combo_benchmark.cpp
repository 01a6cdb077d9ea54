// Times the edit-box and combo-box painters (run by hand under Wine; not a test):
//   BUILD_ROOT=build scripts/with-wine wine
//   build/windows/tests/skin_controls/edit_combo_benchmark.exe
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "assets/asset.h"
#include "gfx/image.h"
#include "skin/controls/combo.h"
#include "skin/controls/edit.h"
#include "skin/core/module.h"
#include "tests/skin_controls/skinned_window_fixture.h"
#include "tests/support/benchmark_timer.h"

namespace {

using test_support::MicrosecondsPerCall;
using test_support::Report;

void TimePainters() {
  skin_test::SkinnedWindow window;
  HWND edit =
      window.AddChild(L"Edit", L"text", ES_AUTOHSCROLL, {40, 100, 200, 24}, WS_EX_CLIENTEDGE);
  HWND list = window.AddChild(L"ComboBox", L"", CBS_DROPDOWNLIST, {40, 140, 160, 200});
  HWND dropDown = window.AddChild(L"ComboBox", L"", CBS_DROPDOWN, {40, 180, 160, 200});
  ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Item A"));
  ::SendMessageW(list, CB_SETCURSEL, 0, 0);
  skin::SkinEditBoxes(window.Number(), window.Hwnd());
  window.Redraw();
  HWND comboEdit = ::FindWindowExW(dropDown, nullptr, L"Edit", nullptr);
  HDC dc = ::GetDC(edit);
  constexpr int kRounds = 300;
  Report("PaintEditFrame (plain)", MicrosecondsPerCall(kRounds, [&] {
           skin::PaintEditFrame(edit, {.focused = false, .hot = false});
         }));
  Report("PaintEditFrame (hot)", MicrosecondsPerCall(kRounds, [&] {
           skin::PaintEditFrame(edit, {.focused = false, .hot = true});
         }));
  Report("PaintEditBackground (into a DC)", MicrosecondsPerCall(kRounds, [&] {
           skin::PaintEditBackground(edit, dc, skin::EditBackgroundTarget::GivenDc);
         }));
  Report("PaintComboBox (drop-down list with text)",
         MicrosecondsPerCall(kRounds, [&] { skin::PaintComboBox(window.Number(), 1); }));
  Report("PaintComboBox (drop-down)",
         MicrosecondsPerCall(kRounds, [&] { skin::PaintComboBox(window.Number(), 2); }));
  Report("WM_CTLCOLOREDIT of a combo box's edit", MicrosecondsPerCall(kRounds, [&] {
           ::SendMessageW(dropDown, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(comboEdit));
         }));
  Report("  of which: decoding the arrow picture", MicrosecondsPerCall(kRounds, [&] {
           gfx::GfxImage arrow;
           arrow.GdipLoadImageFromStream(Asset::ArrowPicture(Asset::Arrow::Down));
         }));
  Report("  of which: a back buffer for the combo box", MicrosecondsPerCall(kRounds, [&] {
           skin::ControlBackBuffer buffer(list, {0, 0, 160, 24});
         }));
  ::ReleaseDC(edit, dc);
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  skin::StartSkinModule();
  if (!skin::Module().gdiplusToken) return 2;
  TimePainters();
  skin::ReleaseModuleData();
  skin::ShutDownGdiplusOnce();
  return 0;
}
