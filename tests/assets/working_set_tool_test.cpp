// The embedded working-set tool, written out and run as the skin runs it: its three outcomes give
// distinct exit codes, and each failure says why in one line on standard error.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "assets/asset.h"
#include "tools/working_set/exit_codes.h"

namespace {

struct OwnedHandle {
  HANDLE handle = nullptr;
  OwnedHandle() = default;
  explicit OwnedHandle(HANDLE h) : handle(h) {}
  OwnedHandle(OwnedHandle&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&&) = delete;
  ~OwnedHandle() {
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};

// The tool's bytes in a file of their own for the whole test program.
class ToolFile : public testing::Environment {
 public:
  static const std::wstring& Path() { return path_; }

  void SetUp() override {
    wchar_t folder[MAX_PATH], file[MAX_PATH];
    ASSERT_NE(GetTempPathW(MAX_PATH, folder), 0u);
    ASSERT_NE(GetTempFileNameW(folder, L"ws", 0, file), 0u);
    path_ = std::wstring(file) + L".exe";
    DeleteFileW(file);
    const rt::ByteView tool = Asset::WorkingSetTool();
    ASSERT_FALSE(tool.empty());
    const OwnedHandle out(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_NE(out.handle, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ASSERT_TRUE(
        WriteFile(out.handle, tool.data(), static_cast<DWORD>(tool.size()), &written, nullptr));
    ASSERT_EQ(written, tool.size());
  }
  void TearDown() override { DeleteFileW(path_.c_str()); }

 private:
  static inline std::wstring path_;
};

const auto* const kToolFile = testing::AddGlobalTestEnvironment(new ToolFile);

struct Outcome {
  DWORD exitCode = 0xFFFFFFFF;
  std::string standardError;
};

struct Started {
  OwnedHandle process;
  DWORD id = 0;
};

// Starts the tool with `arguments` (after its own name), hidden, with the given creation flags.
Started StartTool(const std::wstring& arguments, DWORD flags, HANDLE standardError) {
  std::wstring command = L"\"" + ToolFile::Path() + L"\"" + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = standardError;
  startup.hStdError = standardError;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(ToolFile::Path().c_str(), command.data(), nullptr, nullptr, TRUE,
                      flags | CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info)) {
    ADD_FAILURE() << "the tool did not start, error " << GetLastError();
    return {};
  }
  CloseHandle(info.hThread);
  return {OwnedHandle(info.hProcess), info.dwProcessId};
}

Outcome RunTool(const std::wstring& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
  const OwnedHandle reader(readEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  OwnedHandle writer(writeEnd);
  const Started tool = StartTool(arguments, 0, writeEnd);
  // only the tool may hold the write end now, so the reads below end when it exits
  { const OwnedHandle closing(std::move(writer)); }
  if (tool.process.handle == nullptr) return {};
  Outcome outcome;
  char buffer[256];
  DWORD got = 0;
  while (ReadFile(reader.handle, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    outcome.standardError.append(buffer, got);
  }
  WaitForSingleObject(tool.process.handle, 10000);
  GetExitCodeProcess(tool.process.handle, &outcome.exitCode);
  return outcome;
}

int LineCount(const std::string& text) {
  int lines = 0;
  for (char c : text) lines += c == '\n';
  return lines;
}

// A second copy of the tool, held suspended: a live process other than the test's own.
struct SuspendedTool {
  Started started = StartTool(L" 0", CREATE_SUSPENDED, GetStdHandle(STD_ERROR_HANDLE));
  ~SuspendedTool() {
    if (started.process.handle != nullptr) {
      TerminateProcess(started.process.handle, 0);
      WaitForSingleObject(started.process.handle, 10000);
    }
  }
};

TEST(WorkingSetTool, EmptiesTheWorkingSetOfALiveProcess) {
  const Outcome own = RunTool(L" " + std::to_wstring(GetCurrentProcessId()));
  EXPECT_EQ(own.exitCode, static_cast<DWORD>(working_set::kTrimmed)) << own.standardError;
  EXPECT_EQ(own.standardError, "");

  const SuspendedTool other;
  ASSERT_NE(other.started.id, 0u);
  const Outcome sibling = RunTool(L" " + std::to_wstring(other.started.id));
  EXPECT_EQ(sibling.exitCode, static_cast<DWORD>(working_set::kTrimmed)) << sibling.standardError;
  EXPECT_EQ(sibling.standardError, "");
}

TEST(WorkingSetTool, MissingOrMalformedArgumentIsRefusedWithOneLine) {
  const std::wstring cases[] = {L"",      L" \"\"",        L" 12a", L" -5", L" +7",
                                L" 0x10", L" 99999999999", L" 1 2", L" 4.0"};
  for (const std::wstring& arguments : cases) {
    const Outcome outcome = RunTool(arguments);
    SCOPED_TRACE(std::string(arguments.begin(), arguments.end()));
    EXPECT_EQ(outcome.exitCode, static_cast<DWORD>(working_set::kBadArgument));
    EXPECT_EQ(LineCount(outcome.standardError), 1) << outcome.standardError;
    EXPECT_EQ(outcome.standardError.back(), '\n');
  }
}

// An ended process cannot serve here: Wine hands its id to the next process at once, which may be
// the tool itself. The highest id a process could have and the idle process's 0 are never ours.
TEST(WorkingSetTool, AProcessItCannotOpenIsReportedWithOneLine) {
  for (const wchar_t* id : {L" 4294967292", L" 0"}) {
    SCOPED_TRACE(std::string(id, id + std::wcslen(id)));
    const Outcome outcome = RunTool(id);
    EXPECT_EQ(outcome.exitCode, static_cast<DWORD>(working_set::kCannotOpen));
    EXPECT_EQ(LineCount(outcome.standardError), 1) << outcome.standardError;
  }
}

TEST(WorkingSetTool, ExitCodesAreDistinct) {
  const int codes[] = {working_set::kTrimmed, working_set::kBadArgument, working_set::kCannotOpen,
                       working_set::kTrimRefused};
  for (std::size_t a = 0; a < std::size(codes); ++a)
    for (std::size_t b = a + 1; b < std::size(codes); ++b) EXPECT_NE(codes[a], codes[b]);
}

}  // namespace
