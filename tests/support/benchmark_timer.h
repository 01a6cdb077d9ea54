// Timing for the benchmarks that are run by hand under Wine (never assertions in tests).
#pragma once

#include <windows.h>

#include <cstdio>

namespace test_support {

// Average microseconds per call of `call` over `rounds` calls, by the performance counter.
template <typename Call>
double MicrosecondsPerCall(int rounds, Call call) {
  LARGE_INTEGER frequency, start, end;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&start);
  for (int i = 0; i < rounds; ++i) call();
  ::QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
         static_cast<double>(frequency.QuadPart) / rounds;
}

// One line of a benchmark's table: what was timed, and its time per call.
inline void Report(const char* what, double microseconds) {
  std::printf("%-52s %10.1f us\n", what, microseconds);
}

}  // namespace test_support
