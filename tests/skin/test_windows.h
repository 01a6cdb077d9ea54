// Real windows, patterned memory images and clean module state for the skin's tests.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/win_handles.h"
#include "skin/core/memory_image.h"

namespace skin_test {

// A window class of the tests. Its procedure logs what it receives, answers WM_SYSCOMMAND itself
// (so SC_CLOSE does not destroy the window) and WM_APP with wParam + lParam.
inline constexpr wchar_t kTestClass[] = L"皮肤测试窗口";

struct LoggedMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
};
// Every message the test class's procedure has seen since the last ClearMessageLog.
const std::vector<LoggedMessage>& MessageLog();
void ClearMessageLog();
bool LogHas(HWND window, UINT message, WPARAM wParam);

// Registers the test class (once per process).
void RegisterTestClass();

// A top-level window of the test class without frame: window and client rectangles are equal.
rt::UniqueWindow CreateTopWindow(int x, int y, int width, int height, DWORD style = WS_POPUP,
                                 DWORD exStyle = 0);
// A child window, owned by its parent (destroyed with it).
HWND CreateChild(HWND parent, const wchar_t* className, int x, int y, int width, int height,
                 DWORD style = 0, DWORD exStyle = 0);

// The colour that pattern images hold at (x, y): red = x, green = y, blue fixed.
constexpr COLORREF PatternColour(int x, int y, BYTE blue) { return RGB(x & 0xFF, y & 0xFF, blue); }
// A w x h memory image painted with PatternColour(., ., blue).
skin::MemoryImage MakePatternImage(int width, int height, BYTE blue);
// A w x h memory image of one colour.
skin::MemoryImage MakeSolidImage(int width, int height, COLORREF colour);

COLORREF PixelAt(HDC dc, int x, int y);
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);

// Each colour channel of `actual` within `tolerance` of `expected`.
bool NearColour(COLORREF actual, COLORREF expected, int tolerance);

// Empties the module's window records and scratch DCs when it goes out of scope, and puts the
// settings the tests change back.
class ModuleReset {
 public:
  ModuleReset() = default;
  ModuleReset(const ModuleReset&) = delete;
  ModuleReset& operator=(const ModuleReset&) = delete;
  ~ModuleReset();
};

}  // namespace skin_test
