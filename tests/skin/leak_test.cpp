// The GDI-object counter, and the primitives run ten thousand times without leaking.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "tests/skin/test_windows.h"
#include "tests/support/gdi_object_counter.h"

namespace {

TEST(GdiObjectCounter, SeesObjectsComeAndGo) {
  const int before = test_support::CountLiveGdiObjects();
  std::vector<rt::UniqueBrush> brushes;
  for (int i = 0; i < 50; ++i) brushes.emplace_back(::CreateSolidBrush(RGB(i, 0, 0)));
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before + 50);
  brushes.clear();
  EXPECT_EQ(test_support::CountLiveGdiObjects(), before);
}

TEST(GdiObjectCounter, ALeakMakesTheCheckFail) {
  const int before = test_support::CountLiveGdiObjects();
  HBITMAP leaked = ::CreateBitmap(4, 4, 1, 32, nullptr);  // not deleted on purpose, until checked
  ASSERT_NE(leaked, nullptr);
  const testing::AssertionResult check = test_support::SameGdiObjectCount(before, test_support::CountLiveGdiObjects());
  EXPECT_FALSE(check) << "the leak check must catch one leaked bitmap";
  EXPECT_NE(std::string(check.message()).find("(+1)"), std::string::npos) << check.message();
  ::DeleteObject(leaked);
  EXPECT_TRUE(test_support::SameGdiObjectCount(before, test_support::CountLiveGdiObjects()));
}

constexpr int kCycles = 10'000;

class PrimitiveLeakTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = skin_test::CreateTopWindow(100, 80, 200, 150);
    auto record = std::make_unique<skin::WindowRecord>();
    record->hwnd = window_.Get();
    record->backBufferDc = skin_test::MakePatternImage(200, 150, 0x40);
    skin::AppendWindowRecord(std::move(record));
    box_ = skin_test::CreateChild(window_.Get(), L"Button", 50, 30, 100, 100, BS_GROUPBOX);
    skin::GroupBoxRecord entry;
    entry.hwnd = box_;
    entry.backColour = 0x0000FF;
    entry.fillAlpha = 128;
    skin::FindRecord(1)->groupBoxes.push_back(entry);
    control_ = skin_test::CreateChild(box_, skin_test::kTestClass, 10, 15, 40, 20, WS_VSCROLL,
                                      WS_EX_CLIENTEDGE);
  }

  template <typename Cycle>
  void RunWithoutLeaking(const char* what, Cycle cycle, int cycles = kCycles) {
    cycle();  // the first run may create what GDI+ keeps for the process
    const int before = test_support::CountLiveGdiObjects();
    for (int i = 0; i < cycles; ++i) cycle();
    EXPECT_TRUE(test_support::SameGdiObjectCount(before, test_support::CountLiveGdiObjects())) << what;
    EXPECT_TRUE(skin::Module().memoryDcList.empty()) << what;
  }

  skin_test::ModuleReset reset_;
  rt::UniqueWindow window_;
  HWND box_ = nullptr;
  HWND control_ = nullptr;
};

TEST_F(PrimitiveLeakTest, ControlBackBuffersAreReleasedWhole) {
  RunWithoutLeaking("control back buffer in a filled group box", [this] {
    HDC dc = skin::CreateControlBackBuffer(control_, RECT{0, 0, 40, 20});
    ASSERT_NE(dc, nullptr);
    ASSERT_TRUE(skin::ReleaseControlBackBuffer(dc));
  });
}

TEST_F(PrimitiveLeakTest, VeiledBackgroundsLeaveOnlyTheBitmapTheCallerFrees) {
  RunWithoutLeaking("veiled background", [this] {
    rt::UniqueBitmap bitmap = skin::MakeVeiledBackground(control_);
    ASSERT_TRUE(bitmap);
  });
}

TEST_F(PrimitiveLeakTest, RegisteringADcAgainReplacesItsBitmapWithoutLeaking) {
  RunWithoutLeaking(
      "re-registered memory DC",
      [] {
        HDC dc = ::CreateCompatibleDC(nullptr);
        HBITMAP first = ::CreateBitmap(4, 4, 1, 32, nullptr);
        skin::RegisterMemoryDc(dc, first, ::SelectObject(dc, first));
        HBITMAP second = ::CreateBitmap(4, 4, 1, 32, nullptr);
        ::SelectObject(dc, second);
        skin::RegisterMemoryDc(dc, second, skin::Module().memoryDcList.back().Original());
        ASSERT_EQ(skin::Module().memoryDcList.size(), 1u);
        ASSERT_TRUE(skin::ReleaseControlBackBuffer(dc));
      },
      1'000);
}

}  // namespace
