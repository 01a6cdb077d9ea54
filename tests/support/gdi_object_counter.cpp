#include "tests/support/gdi_object_counter.h"

#include <windows.h>

#include <cstdint>

namespace test_support {

namespace {

int CountByProbingHandles() {
  int count = 0;
  for (std::uintptr_t value = 1; value <= 0xFFFF; ++value) {
    if (::GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0) ++count;
  }
  return count;
}

}  // namespace

int CountLiveGdiObjects() {
  const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return static_cast<int>(reported);
  return CountByProbingHandles();
}

testing::AssertionResult SameGdiObjectCount(int before, int after) {
  if (before == after) return testing::AssertionSuccess() << after << " live GDI objects";
  return testing::AssertionFailure()
         << "live GDI objects went from " << before << " to " << after << " ("
         << (after - before > 0 ? "+" : "") << after - before << ")";
}

}  // namespace test_support
