// Runs the tests of the GDI+ layer between GdiplusStartup and GdiplusShutdown: every wrapper that
// a test makes is gone before the shutdown.
#include <gtest/gtest.h>

#include "gfx/gfx_object.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) {
    std::fprintf(stderr, "GDI+ did not start\n");
    return 2;
  }
  const int result = RUN_ALL_TESTS();
  Gdiplus::GdiplusShutdown(token);
  return result;
}
