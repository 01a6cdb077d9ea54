// Runs the resource tests between GdiplusStartup and GdiplusShutdown: every picture they decode is
// disposed of before the shutdown.
#include <windows.h>
// GDI+ needs the COM declarations first
#include <objidl.h>
// then GDI+ itself
#include <gdiplus.h>

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
