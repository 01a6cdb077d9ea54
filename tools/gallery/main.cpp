// The skin gallery program. Shows the gallery until the window is closed (Esc); with
// "--screenshot <file>" it saves the window's picture as a PNG and quits instead.
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "skin/core/module.h"
#include "tests/skin_controls/skinned_window_fixture.h"
#include "tools/gallery/gallery.h"

namespace {

// The file named after "--screenshot", empty when none is asked for.
std::wstring ScreenshotPath() {
  int count = 0;
  LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::wstring path;
  for (int i = 1; i + 1 < count; ++i) {
    if (std::wstring(arguments[i]) == L"--screenshot") path = arguments[i + 1];
  }
  ::LocalFree(arguments);
  return path;
}

std::optional<LRESULT> GalleryMessages(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
    ::PostQuitMessage(0);
    return 0;
  }
  return gallery::PaintDrawItem(message, lParam);
}

void PumpFor(DWORD milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  MSG message;
  while (::GetTickCount64() < end) {
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    ::Sleep(10);
  }
}

int RunUntilQuit() {
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                     ICC_INTERNET_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  skin::StartSkinModule();
  int result = 0;
  {
    skin_test::SkinnedWindow window({.width = gallery::kGalleryWidth,
                                     .height = gallery::kGalleryHeight,
                                     .title = L"skin gallery"});
    window.SetHook(&GalleryMessages);
    gallery::BuildGallery(window.Hwnd(), window.Number());
    const std::wstring screenshot = ScreenshotPath();
    if (screenshot.empty()) {
      ::SetForegroundWindow(window.Hwnd());
      result = RunUntilQuit();
    } else {
      PumpFor(1000);
      result = gallery::SaveWindowPicture(window.Hwnd(), screenshot) ? 0 : 1;
    }
  }
  skin::ReleaseModuleData();
  skin::ShutDownGdiplusOnce();
  return result;
}
