// empty.exe: empties the working set of the process whose id is the only argument.
//
// It exits with one of the codes of exit_codes.h; every failure also writes one line on standard
// error.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <optional>

#include "exit_codes.h"

namespace {

using working_set::kBadArgument;
using working_set::kCannotOpen;
using working_set::kTrimmed;
using working_set::kTrimRefused;

// Decimal digits only, no sign or spaces, and a value that fits a process id.
std::optional<DWORD> ParseProcessId(const wchar_t* text) {
  if (text == nullptr || *text == L'\0') return std::nullopt;
  unsigned long long value = 0;
  for (const wchar_t* p = text; *p != L'\0'; ++p) {
    if (*p < L'0' || *p > L'9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(*p - L'0');
    if (value > MAXDWORD) return std::nullopt;
  }
  return static_cast<DWORD>(value);
}

struct ProcessHandle {
  HANDLE handle;
  explicit ProcessHandle(HANDLE h) : handle(h) {}
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;
  ~ProcessHandle() {
    if (handle != nullptr) CloseHandle(handle);
  }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::optional<DWORD> id = argc == 2 ? ParseProcessId(argv[1]) : std::nullopt;
  if (!id) {
    std::fputs("usage: empty <process id in decimal>\n", stderr);
    return kBadArgument;
  }
  const ProcessHandle process(
      OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, *id));
  if (process.handle == nullptr) {
    std::fprintf(stderr, "cannot open process %lu (error %lu)\n", static_cast<unsigned long>(*id),
                 static_cast<unsigned long>(GetLastError()));
    return kCannotOpen;
  }
  // (SIZE_T)-1 for both limits removes as many pages as possible from the working set.
  if (!SetProcessWorkingSetSize(process.handle, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1))) {
    std::fprintf(stderr, "process %lu refused the trimming (error %lu)\n",
                 static_cast<unsigned long>(*id), static_cast<unsigned long>(GetLastError()));
    return kTrimRefused;
  }
  return kTrimmed;
}
