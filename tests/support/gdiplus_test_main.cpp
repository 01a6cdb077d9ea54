// A test main that runs the tests between GdiplusStartup and GdiplusShutdown: every GDI+ object
// that a test makes is gone before the shutdown.
// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstdio>

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
