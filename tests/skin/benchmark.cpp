// Times the drawing primitives that every paint of a skinned control runs (run by hand under Wine;
// not a test):
//   BUILD_ROOT=build scripts/with-wine cmake/wine-run
//   build/windows/tests/skin/skin_core_benchmark.exe
#include <cstdio>
#include <memory>

// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include "gfx/brush.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/property_keys.h"
#include "skin/core/window_props.h"
#include "tests/skin/test_windows.h"
#include "tests/support/benchmark_timer.h"

namespace {

using test_support::MicrosecondsPerCall;
using test_support::Report;

void TimeBackBuffer(const char* what, HWND control, const RECT& rect) {
  Report(what, MicrosecondsPerCall(1000, [&] {
           skin::ReleaseControlBackBuffer(skin::CreateControlBackBuffer(control, rect));
         }));
}

void Run() {
  rt::UniqueWindow window = skin_test::CreateTopWindow(100, 80, 400, 300);
  auto record = std::make_unique<skin::WindowRecord>();
  record->hwnd = window.Get();
  record->backBufferDc = skin_test::MakePatternImage(400, 300, 0x40);
  skin::AppendWindowRecord(std::move(record));
  HWND onWindow = skin_test::CreateChild(window.Get(), skin_test::kTestClass, 10, 10, 80, 24);
  HWND box = skin_test::CreateChild(window.Get(), L"Button", 100, 10, 200, 200, BS_GROUPBOX);
  skin::GroupBoxRecord entry;
  entry.hwnd = box;
  entry.backColour = 0x0000FF;
  entry.fillAlpha = 128;
  skin::FindRecord(1)->groupBoxes.push_back(entry);
  HWND inBox = skin_test::CreateChild(box, skin_test::kTestClass, 10, 20, 80, 24);
  skin::MemoryImage providerImage = skin_test::MakePatternImage(120, 80, 0xA0);
  HWND provider = skin_test::CreateChild(window.Get(), skin_test::kTestClass, 10, 220, 120, 80);
  skin::WriteProp(provider, skin::prop::Wxk_Zpf, 1);
  skin::WriteProp(provider, skin::prop::Wxk_Cj,
                  reinterpret_cast<std::intptr_t>(providerImage.Dc()));
  HWND belowProvider = skin_test::CreateChild(provider, skin_test::kTestClass, 5, 5, 80, 24);

  TimeBackBuffer("back buffer 80x24, control on the window", onWindow, RECT{0, 0, 80, 24});
  TimeBackBuffer("back buffer 80x24, in a filled group box", inBox, RECT{0, 0, 80, 24});
  TimeBackBuffer("back buffer 80x24, below a provider", belowProvider, RECT{0, 0, 80, 24});
  TimeBackBuffer("back buffer 200x200, the filled group box itself", box, RECT{0, 0, 200, 200});
  Report("veiled background 80x24", MicrosecondsPerCall(1000, [&] {
           rt::UniqueBitmap bitmap = skin::MakeVeiledBackground(onWindow);
         }));

  gfx::GfxBitmap canvas;
  canvas.GdipCreateBitmapFromScan0(120, 40);
  gfx::GfxGraphics graphics;
  graphics.GdipGetImageGraphicsContext(canvas);
  gfx::GfxSolidBrush brush;
  brush.GdipCreateSolidFill(0xFF22CADD);
  Report("rounded path 120x40, filled", MicrosecondsPerCall(1000, [&] {
           gfx::GfxPath path;
           path.GdipCreatePath();
           skin::AddRoundedRectPath(path, 0, 0, 119, 39, 6);
           graphics.GdipFillPath(brush, path);
         }));
  gfx::GfxPath glowPath;
  glowPath.GdipCreatePath();
  skin::AddTopRoundedPath(glowPath, 2, 2, 100, 30, 6);
  Report("glow of 5 strokes over a top-rounded path",
         MicrosecondsPerCall(1000, [&] { skin::StrokeGlow(graphics, glowPath, 5, 0xFFFFFF, 60); }));
  skin::ReleaseModuleData();
}

}  // namespace

int main() {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 2;
  Run();
  Gdiplus::GdiplusShutdown(token);
  return 0;
}
