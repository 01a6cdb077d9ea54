// Test main for the Win32 tests: the toolkit session (GDI+ and the toolkit's window classes) lives
// around all cases, as it does around the program's message loop.
#include <gtest/gtest.h>

#include "runtime/toolkit.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  rt::ToolkitSession toolkit;
  return RUN_ALL_TESTS();
}
