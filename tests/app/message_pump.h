// Waiting in tests (times in milliseconds; <chrono> cannot be compiled with the GBK execution
// character set) while the thread's windows keep receiving their messages.
#pragma once

#include <windows.h>

#include <functional>

namespace test {

// Dispatches this thread's messages for `durationMs` milliseconds.
inline void PumpFor(int durationMs) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(durationMs);
  for (ULONGLONG now = ::GetTickCount64(); now < end; now = ::GetTickCount64()) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
}

// Dispatches messages until `done` holds or `timeoutMs` milliseconds pass; tells whether `done`
// held.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  while (!done()) {
    if (::GetTickCount64() >= end) return false;
    PumpFor(10);
  }
  return true;
}

// Polls `done` (for conditions in another process) every 20 ms until it holds or `timeoutMs`
// milliseconds pass.
inline bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  while (!done()) {
    if (::GetTickCount64() >= end) return false;
    ::Sleep(20);
  }
  return true;
}

}  // namespace test
