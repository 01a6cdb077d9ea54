#include "skin/core/skin_engine.h"

#include <algorithm>

#include "runtime/toolkit.h"
#include "skin/core/module.h"
#include "skin/core/property_keys.h"
#include "skin/core/window_props.h"

namespace skin {

namespace {

LRESULT ForwardToPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto previous = ReadPropHandle<WNDPROC>(window, prop::Hw_hProc);
  if (previous) return ::CallWindowProcW(previous, window, message, wParam, lParam);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

BOOL CALLBACK ReleaseColourObjectsOfOne(HWND control, LPARAM) {
  ReleaseControlColourObjects(control);
  return TRUE;
}

// Children are still alive at WM_DESTROY of their top-level window, and gone by its WM_NCDESTROY:
// their colour objects must be released now or never.
void ReleaseColourObjectsOfDescendants(HWND window) {
  ::EnumChildWindows(window, ReleaseColourObjectsOfOne, 0);
}

LRESULT OnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
  TearDownWindow(window);
  ::KillTimer(window, reinterpret_cast<UINT_PTR>(window));
  auto previous = ReadPropHandle<WNDPROC>(window, prop::Hw_hProc);
  ErasePropW(window, prop::Hw_hProc);
  if (previous) return ::CallWindowProcW(previous, window, WM_NCDESTROY, wParam, lParam);
  return ::DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

template <typename Records>
void WriteOwnerNumber(const Records& records, const wchar_t* key, int number) {
  for (const auto& record : records) {
    if (record.hwnd) WriteProp(record.hwnd, key, number);
  }
}

void WriteNumbers(const WindowRecord& record, int number) {
  WriteProp(record.hwnd, prop::Hw_lbID, number);
  WriteOwnerNumber(record.pushButtons, prop::Hw_FuID, number);
  WriteOwnerNumber(record.editBoxes, prop::Hw_FuID, number);
  WriteOwnerNumber(record.listControls, prop::Hw_FuID, number);
  WriteOwnerNumber(record.trackbars, prop::Hw_FuID, number);
  WriteOwnerNumber(record.progressBars, prop::Hw_FuID, number);
  WriteOwnerNumber(record.comboBoxes, prop::Hw_FuID, number);
  WriteOwnerNumber(record.upDowns, prop::Hw_FuID, number);
  WriteOwnerNumber(record.headers, prop::Hw_FuID, number);
  WriteOwnerNumber(record.groupBoxes, prop::Hw_FuID, number);
  WriteOwnerNumber(record.containerControls, prop::Kj_FuID, number);
}

void RenumberWindows() {
  const auto& records = Module().windowRecords;
  for (std::size_t index = 0; index < records.size(); ++index) {
    WriteNumbers(*records[index], static_cast<int>(index) + 1);
  }
}

void RunHandler(const ButtonHandler& handler) {
  if (handler) handler();
}

void SendSystemCommand(HWND window, WPARAM command) {
  ::SendMessageW(window, WM_SYSCOMMAND, command, 0);
}

}  // namespace

std::unique_ptr<SkinEngine> SkinEngine::Create() {
  auto engine = std::make_unique<SkinEngine>();
  engine->Initialise();
  return engine;
}

void SkinEngine::Initialise() {
  windowProcEntry = WindowProcEntry::Bind(this);
  captionActionEntry = CaptionActionEntry::Bind(this);
  captionActionEntryAddress = captionActionEntry.Get();
  Module().skinBackColour = rt::DefaultBackColour();
}

void SkinEngine::Destroy() {
  ShutDownGdiplusOnce();
  Module().windowIcon.Reset();
  windowProcEntry.Release();
  captionActionEntry.Release();
  captionActionEntryAddress = nullptr;
}

std::unique_ptr<SkinEngine> SkinEngine::Copy() const {
  auto copy = std::make_unique<SkinEngine>();
  copy->borderWidth = borderWidth;
  copy->hotCaptionButton = hotCaptionButton;
  if (windowProcEntry) copy->windowProcEntry = WindowProcEntry::Bind(copy.get());
  if (captionActionEntry) copy->captionActionEntry = CaptionActionEntry::Bind(copy.get());
  copy->captionActionEntryAddress = copy->captionActionEntry.Get();
  return copy;
}

LRESULT SkinEngine::HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_QUIT:
      ShutDownGdiplusOnce();
      break;
    case WM_DESTROY:
      ReleaseColourObjectsOfDescendants(window);
      break;
    case WM_NCDESTROY:
      return OnNcDestroy(window, wParam, lParam);
    default:
      break;
  }
  return ForwardToPrevious(window, message, wParam, lParam);
}

void SkinEngine::RunCaptionButtonAction(int windowNumber, int buttonNumber) {
  WindowRecord* record = FindRecord(windowNumber);
  if (record == nullptr || buttonNumber < 1 ||
      static_cast<std::size_t>(buttonNumber) > record->captionButtons.size()) {
    return;
  }
  const CaptionButton& button = record->captionButtons[static_cast<std::size_t>(buttonNumber) - 1];
  switch (button.kind) {
    case CaptionButtonKind::Close:
      SendSystemCommand(record->hwnd, SC_CLOSE);
      break;
    case CaptionButtonKind::MaximizeRestore:
      record->redrawPending = 1;
      record->minimized = 0;
      if (record->maximized) {
        record->maximized = 0;
        SendSystemCommand(record->hwnd, SC_RESTORE);
      } else {
        record->maximized = 1;
        SendSystemCommand(record->hwnd, SC_MAXIMIZE);
      }
      break;
    case CaptionButtonKind::Minimize:
      record->minimized = 1;
      SendSystemCommand(record->hwnd, SC_MINIMIZE);
      break;
    case CaptionButtonKind::Help:
      RunHandler(record->helpButtonHandler);
      break;
    case CaptionButtonKind::MainMenu:
      RunHandler(record->mainMenuButtonHandler);
      break;
    case CaptionButtonKind::Added:
      RunHandler(button.handler);
      break;
  }
}

void ReleaseControlColourObjects(HWND control) {
  if (auto brush = ReadPropHandle<HGDIOBJ>(control, prop::Kj_dxjb)) ::DeleteObject(brush);
  if (auto bitmap = ReadPropHandle<HGDIOBJ>(control, prop::Kj_wtjb)) ::DeleteObject(bitmap);
  ErasePropW(control, prop::Kj_dxjb);
  ErasePropW(control, prop::Kj_wtjb);
}

void TearDownWindow(HWND window) {
  auto& records = Module().windowRecords;
  auto found = std::find_if(records.begin(), records.end(),
                            [window](const auto& record) { return record->hwnd == window; });
  if (found == records.end()) return;
  for (const EditRecord& edit : (*found)->editBoxes) {
    if (edit.hwnd) ReleaseControlColourObjects(edit.hwnd);
  }
  // The memory images go with the record; the properties that named their bitmaps go too.
  ErasePropW(window, prop::Ck_Ycjdx);
  ErasePropW(window, prop::Ck_wtjbdx);
  ErasePropW(window, prop::Hw_lbID);
  records.erase(found);
  RenumberWindows();
}

}  // namespace skin
