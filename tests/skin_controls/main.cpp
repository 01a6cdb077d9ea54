// Runs the control-skin tests inside the skin module's life: the module start brings GDI+ up, and
// the module's records and GDI+ are gone again before the program ends.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/core/module.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                     ICC_INTERNET_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  skin::StartSkinModule();
  if (!skin::Module().gdiplusToken) {
    std::fprintf(stderr, "GDI+ did not start\n");
    return 2;
  }
  const int result = RUN_ALL_TESTS();
  skin::ReleaseModuleData();
  skin::ShutDownGdiplusOnce();
  return result;
}
