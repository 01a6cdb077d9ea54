// Starting the program, finding its window and controls, and acting on them from another process.
#include "running_calculator.h"

#include <vector>

#include "calc/rank_table.h"
#include "message_pump.h"
#include "runtime/gbk.h"

namespace test {
namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr int kExitTimeoutMs = 10000;
constexpr UINT kSendTimeoutMs = 5000;

struct WindowSearch {
  DWORD processId;
  std::wstring caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !::IsWindowVisible(window)) return TRUE;
  wchar_t caption[64] = {};
  ::GetWindowTextW(window, caption, 64);
  if (search->caption != caption) return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindTopWindow(DWORD processId, const std::wstring& caption) {
  WindowSearch search{processId, caption};
  ::EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct ControlSearch {
  int id;
  HWND found = nullptr;
};

BOOL CALLBACK MatchControl(HWND control, LPARAM context) {
  auto* search = reinterpret_cast<ControlSearch*>(context);
  if (::GetDlgCtrlID(control) != search->id) return TRUE;
  search->found = control;
  return FALSE;
}

}  // namespace

std::wstring DriverFolder() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

RunningCalculator::RunningCalculator() {
  std::wstring program = DriverFolder() + RANK_ABACUS_PROGRAM_FROM_DRIVER;
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
    return;
  }
  ::CloseHandle(info.hThread);
  process_.Reset(info.hProcess);
  processId_ = info.dwProcessId;
  const std::wstring caption = rt::GbkToWide("岚石坊---升衔算盘");
  WaitUntil(
      [&] {
        window_ = FindTopWindow(processId_, caption);
        return window_ != nullptr || ::WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0;
      },
      kStartTimeoutMs);
}

RunningCalculator::~RunningCalculator() {
  if (!process_) return;
  if (Close() == -1) ::TerminateProcess(process_.Get(), 99);
}

HWND RunningCalculator::Control(calc::ControlId id) const {
  ControlSearch search{static_cast<int>(id)};
  ::EnumChildWindows(window_, MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring RunningCalculator::Text(calc::ControlId id) const {
  HWND control = Control(id);
  DWORD_PTR length = 0;
  ::SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length);
  std::vector<wchar_t> text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied);
  return std::wstring(text.data(), copied);
}

void RunningCalculator::Type(calc::ControlId id, const std::wstring& text) const {
  ::SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void RunningCalculator::ChooseRank(calc::ControlId list, const char* gbkName) const {
  HWND combo = Control(list);
  const auto rows = calc::RankTable::Rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].name != gbkName) continue;
    ::SendMessageW(combo, CB_SETCURSEL, i, 0);
    ::SendMessageW(::GetParent(combo), WM_COMMAND,
                   MAKEWPARAM(static_cast<int>(list), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    return;
  }
}

void RunningCalculator::Click(calc::ControlId button) const {
  ::SendMessageW(Control(button), BM_CLICK, 0, 0);
}

void RunningCalculator::ClickWithoutWaiting(calc::ControlId button) const {
  ::PostMessageW(Control(button), BM_CLICK, 0, 0);
}

bool RunningCalculator::WaitForText(calc::ControlId id, const std::wstring& text,
                                    int timeoutMs) const {
  return WaitUntil([&] { return Text(id) == text; }, timeoutMs);
}

HWND RunningCalculator::MessageBox() const {
  return FindTopWindow(processId_, rt::GbkToWide("信息："));
}

long RunningCalculator::Close() {
  if (window_ && ::IsWindow(window_)) ::PostMessageW(window_, WM_CLOSE, 0, 0);
  return WaitForExit(kExitTimeoutMs);
}

long RunningCalculator::WaitForExit(int timeoutMs) {
  if (!process_) return -1;
  if (::WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) {
    return -1;
  }
  DWORD code = 0;
  ::GetExitCodeProcess(process_.Get(), &code);
  process_.Reset();
  window_ = nullptr;
  return static_cast<long>(code);
}

}  // namespace test
