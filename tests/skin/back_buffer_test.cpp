// What a control finds behind itself: a window record built by hand with a patterned back buffer,
// controls on it, in group boxes with and without fill, and below background providers, checked
// pixel by pixel.
#include <gtest/gtest.h>

#include <memory>

#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/property_keys.h"
#include "skin/core/window_props.h"
#include "tests/skin/test_windows.h"

namespace {

using skin_test::CreateChild;
using skin_test::PatternColour;
using skin_test::PixelAt;

constexpr BYTE kWindowBlue = 0x40;
constexpr BYTE kProviderBlue = 0xA0;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kWhite = 0xFFFFFF;

COLORREF Blend(COLORREF under, COLORREF over, int alpha) {
  auto mix = [alpha](int a, int b) { return (a * (255 - alpha) + b * alpha + 127) / 255; };
  return RGB(mix(GetRValue(under), GetRValue(over)), mix(GetGValue(under), GetGValue(over)),
             mix(GetBValue(under), GetBValue(over)));
}

class ControlBackBufferTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = skin_test::CreateTopWindow(100, 80, 200, 150);
    ASSERT_TRUE(window_);
    auto record = std::make_unique<skin::WindowRecord>();
    record->hwnd = window_.Get();
    record->backBufferDc = skin_test::MakePatternImage(200, 150, kWindowBlue);
    ASSERT_TRUE(record->backBufferDc);
    windowNumber_ = skin::AppendWindowRecord(std::move(record));
  }

  skin::WindowRecord& Record() { return *skin::FindRecord(windowNumber_); }

  HWND AddGroupBox(HWND parent, int x, int y, int width, int height, COLORREF backColour,
                   BYTE fillAlpha, int isGroupBox = 1, int paintMode = 1) {
    HWND box = CreateChild(parent, L"Button", x, y, width, height, BS_GROUPBOX);
    skin::GroupBoxRecord entry;
    entry.hwnd = box;
    entry.backColour = backColour;
    entry.fillAlpha = fillAlpha;
    entry.isGroupBox = isGroupBox;
    entry.paintMode = paintMode;
    Record().groupBoxes.push_back(entry);
    return box;
  }

  // A child window that offers `image` (in its own coordinates) as its background.
  HWND AddProvider(HWND parent, int x, int y, int width, int height, skin::MemoryImage& image) {
    image = skin_test::MakePatternImage(width, height, kProviderBlue);
    HWND provider = CreateChild(parent, skin_test::kTestClass, x, y, width, height);
    skin::WriteProp(provider, skin::prop::Wxk_Zpf, 1);
    skin::WriteProp(provider, skin::prop::Wxk_Cj, reinterpret_cast<std::intptr_t>(image.Dc()));
    return provider;
  }

  HWND Window() const { return window_.Get(); }

  skin_test::ModuleReset reset_;
  rt::UniqueWindow window_;
  int windowNumber_ = 0;
};

struct Probe {
  int x;
  int y;
};
constexpr Probe kCornerProbes[] = {{0, 0}, {29, 19}, {15, 7}, {3, 16}};

// Every probe of `dc` shows `colourAt` of the probe.
template <typename ColourAt>
void ExpectProbes(HDC dc, ColourAt colourAt, const char* what) {
  ASSERT_NE(dc, nullptr) << what;
  for (const Probe& probe : kCornerProbes) {
    EXPECT_EQ(PixelAt(dc, probe.x, probe.y), colourAt(probe.x, probe.y))
        << what << " at (" << probe.x << ", " << probe.y << ")";
  }
}

TEST_F(ControlBackBufferTest, AControlOnTheWindowGetsTheBackBufferBehindIt) {
  HWND control = CreateChild(Window(), skin_test::kTestClass, 10, 20, 30, 20);
  skin::ControlBackBuffer whole(control, RECT{0, 0, 30, 20});
  ExpectProbes(
      whole.Get(), [](int x, int y) { return PatternColour(10 + x, 20 + y, kWindowBlue); },
      "whole control");

  skin::ControlBackBuffer part(control, RECT{5, 3, 25, 13});
  ASSERT_TRUE(part);
  EXPECT_EQ(PixelAt(part.Get(), 0, 0), PatternColour(15, 23, kWindowBlue));
  EXPECT_EQ(PixelAt(part.Get(), 19, 9), PatternColour(34, 32, kWindowBlue));
}

TEST_F(ControlBackBufferTest, TheSkinnedWindowItselfGetsItsOwnBackBuffer) {
  skin::ControlBackBuffer buffer(Window(), RECT{40, 30, 90, 60});
  ASSERT_TRUE(buffer);
  EXPECT_EQ(PixelAt(buffer.Get(), 0, 0), PatternColour(40, 30, kWindowBlue));
  EXPECT_EQ(PixelAt(buffer.Get(), 49, 29), PatternColour(89, 59, kWindowBlue));
}

TEST_F(ControlBackBufferTest, AControlInAGroupBoxGetsTheBoxFillOverTheWindow) {
  struct Case {
    const char* name;
    COLORREF backColour;
    BYTE alpha;
  };
  const Case cases[] = {
      {"no fill (back colour 0)", 0, 255},
      {"opaque red fill", kRed, 255},
      {"half-transparent red fill", kRed, 128},
      {"fill of alpha 0", kRed, 0},
  };
  for (const Case& c : cases) {
    Record().groupBoxes.clear();
    HWND box = AddGroupBox(Window(), 50, 30, 100, 100, c.backColour, c.alpha);
    HWND label = CreateChild(box, L"Static", 10, 15, 40, 20);
    skin::ControlBackBuffer buffer(label, RECT{0, 0, 30, 20});
    ExpectProbes(
        buffer.Get(),
        [&](int x, int y) {
          const COLORREF behind = PatternColour(60 + x, 45 + y, kWindowBlue);
          return c.backColour == 0 ? behind : Blend(behind, c.backColour, c.alpha);
        },
        c.name);
    ::DestroyWindow(box);
  }
}

TEST_F(ControlBackBufferTest, AFilledGroupBoxOnTheWindowIsFilledRoundedBelowItsCaptionLine) {
  HWND box = AddGroupBox(Window(), 50, 30, 100, 100, kRed, 255, /*isGroupBox=*/1);
  skin::ControlBackBuffer buffer(box, RECT{0, 0, 100, 100});
  ASSERT_TRUE(buffer);
  EXPECT_EQ(PixelAt(buffer.Get(), 50, 2), PatternColour(100, 32, kWindowBlue)) << "above the fill";
  EXPECT_EQ(PixelAt(buffer.Get(), 0, 6), PatternColour(50, 36, kWindowBlue)) << "rounded corner";
  EXPECT_EQ(PixelAt(buffer.Get(), 50, 50), kRed);
  EXPECT_EQ(PixelAt(buffer.Get(), 50, 96), kRed);
}

TEST_F(ControlBackBufferTest, AFilledContainerThatIsNoGroupBoxIsFilledWhole) {
  HWND box = AddGroupBox(Window(), 50, 30, 100, 100, kRed, 255, /*isGroupBox=*/0);
  skin::ControlBackBuffer buffer(box, RECT{0, 0, 100, 100});
  ASSERT_TRUE(buffer);
  EXPECT_EQ(PixelAt(buffer.Get(), 50, 2), kRed);
  EXPECT_EQ(PixelAt(buffer.Get(), 0, 0), kRed);
  EXPECT_EQ(PixelAt(buffer.Get(), 99, 99), kRed);
}

TEST_F(ControlBackBufferTest, AControlBelowAProviderGetsTheProvidersImage) {
  skin::MemoryImage image;
  HWND provider = AddProvider(Window(), 20, 40, 120, 80, image);
  HWND control = CreateChild(provider, skin_test::kTestClass, 5, 6, 30, 20);
  skin::ControlBackBuffer buffer(control, RECT{0, 0, 30, 20});
  ExpectProbes(
      buffer.Get(), [](int x, int y) { return PatternColour(5 + x, 6 + y, kProviderBlue); },
      "below a provider");
}

TEST_F(ControlBackBufferTest, AProviderItselfGetsTheWindowOrItsOwnProviderBehindIt) {
  skin::MemoryImage outerImage;
  HWND outer = AddProvider(Window(), 20, 40, 120, 80, outerImage);
  skin::ControlBackBuffer ofOuter(outer, RECT{0, 0, 30, 20});
  ExpectProbes(
      ofOuter.Get(), [](int x, int y) { return PatternColour(20 + x, 40 + y, kWindowBlue); },
      "provider on the window");

  skin::MemoryImage innerImage;
  HWND inner = AddProvider(outer, 10, 12, 60, 40, innerImage);
  skin::WriteProp(inner, skin::prop::Mb_zpf, reinterpret_cast<std::intptr_t>(outer));
  skin::ControlBackBuffer ofInner(inner, RECT{0, 0, 30, 20});
  ExpectProbes(
      ofInner.Get(), [](int x, int y) { return PatternColour(10 + x, 12 + y, kProviderBlue); },
      "provider whose background comes from another provider");
}

TEST_F(ControlBackBufferTest, AGroupBoxBelowAProviderLaysItsFillWhenItIsPainted) {
  struct Case {
    const char* name;
    int paintMode;
    bool filled;
  };
  const Case cases[] = {{"painted group box", 1, true}, {"registered only", 0, false}};
  skin::MemoryImage image;
  HWND provider = AddProvider(Window(), 20, 40, 120, 80, image);
  for (const Case& c : cases) {
    Record().groupBoxes.clear();
    HWND box = AddGroupBox(provider, 30, 20, 60, 50, kRed, 255, 1, c.paintMode);
    skin::WriteProp(box, skin::prop::Mb_zpf, reinterpret_cast<std::intptr_t>(provider));
    HWND control = CreateChild(box, skin_test::kTestClass, 5, 8, 30, 20);
    skin::ControlBackBuffer buffer(control, RECT{0, 0, 30, 20});
    ExpectProbes(
        buffer.Get(),
        [&](int x, int y) {
          return c.filled ? kRed : PatternColour(35 + x, 28 + y, kProviderBlue);
        },
        c.name);
    ::DestroyWindow(box);
  }
}

TEST_F(ControlBackBufferTest, NothingWithoutASkinnedAncestorOrForAnEmptyRectangle) {
  rt::UniqueWindow stranger = skin_test::CreateTopWindow(0, 0, 100, 100);
  HWND child = CreateChild(stranger.Get(), skin_test::kTestClass, 5, 5, 30, 20);
  HWND control = CreateChild(Window(), skin_test::kTestClass, 10, 20, 30, 20);
  EXPECT_EQ(skin::CreateControlBackBuffer(child, RECT{0, 0, 30, 20}), nullptr);
  EXPECT_EQ(skin::CreateControlBackBuffer(stranger.Get(), RECT{0, 0, 30, 20}), nullptr);
  EXPECT_EQ(skin::CreateControlBackBuffer(control, RECT{0, 0, 0, 20}), nullptr);
  EXPECT_EQ(skin::CreateControlBackBuffer(control, RECT{10, 10, 5, 20}), nullptr);
  EXPECT_TRUE(skin::Module().memoryDcList.empty());
}

TEST_F(ControlBackBufferTest, ReleasingADcTwiceDeletesItOnce) {
  HWND control = CreateChild(Window(), skin_test::kTestClass, 10, 20, 30, 20);
  HDC dc = skin::CreateControlBackBuffer(control, RECT{0, 0, 30, 20});
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(skin::Module().memoryDcList.size(), 1u);
  EXPECT_EQ(::GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));

  EXPECT_TRUE(skin::ReleaseControlBackBuffer(dc));
  EXPECT_EQ(::GetObjectType(dc), 0u) << "the DC is deleted";
  EXPECT_TRUE(skin::Module().memoryDcList.empty());
  EXPECT_FALSE(skin::ReleaseControlBackBuffer(dc));
  EXPECT_FALSE(skin::ReleaseControlBackBuffer(nullptr));

  rt::UniqueMemoryDc foreign(::CreateCompatibleDC(nullptr));
  EXPECT_FALSE(skin::ReleaseControlBackBuffer(foreign.Get()));
  EXPECT_EQ(::GetObjectType(foreign.Get()), static_cast<DWORD>(OBJ_MEMDC)) << "left alone";
}

TEST_F(ControlBackBufferTest, ReleasingOneDcLeavesTheOthersListedInOrder) {
  HWND control = CreateChild(Window(), skin_test::kTestClass, 10, 20, 30, 20);
  HDC first = skin::CreateControlBackBuffer(control, RECT{0, 0, 30, 20});
  HDC second = skin::CreateControlBackBuffer(control, RECT{0, 0, 10, 10});
  HDC third = skin::CreateControlBackBuffer(control, RECT{0, 0, 5, 5});
  ASSERT_TRUE(first && second && third);
  EXPECT_TRUE(skin::ReleaseControlBackBuffer(second));
  const auto& list = skin::Module().memoryDcList;
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].Dc(), first);
  EXPECT_EQ(list[1].Dc(), third);
  EXPECT_EQ(PixelAt(third, 0, 0), PatternColour(10, 20, kWindowBlue)) << "still usable";
  EXPECT_TRUE(skin::ReleaseControlBackBuffer(first));
  EXPECT_TRUE(skin::ReleaseControlBackBuffer(third));
}

TEST_F(ControlBackBufferTest, CopyDcToBitmapKeepsTheImageAndReleasesTheDc) {
  HWND control = CreateChild(Window(), skin_test::kTestClass, 10, 20, 30, 20);
  HDC dc = skin::CreateControlBackBuffer(control, RECT{0, 0, 30, 20});
  ASSERT_NE(dc, nullptr);
  rt::UniqueBitmap bitmap = skin::CopyDcToBitmap(dc, 30, 20);
  ASSERT_TRUE(bitmap);
  EXPECT_TRUE(skin::Module().memoryDcList.empty());
  EXPECT_FALSE(skin::ReleaseControlBackBuffer(dc));
  BITMAP info{};
  ASSERT_NE(::GetObjectW(bitmap.Get(), sizeof(info), &info), 0);
  EXPECT_EQ(info.bmWidth, 30);
  EXPECT_EQ(info.bmHeight, 20);
  EXPECT_EQ(skin_test::BitmapPixel(bitmap.Get(), 29, 19), PatternColour(39, 39, kWindowBlue));
}

TEST_F(ControlBackBufferTest, TheVeiledBackgroundIsTheClientAreaUnderAWhiteVeil) {
  struct Case {
    BYTE veilAlpha;
  };
  const Case cases[] = {{0}, {160}, {255}};
  // A sunken edge of 2 pixels: the client area starts at (12, 22) of the window.
  HWND control = CreateChild(Window(), skin_test::kTestClass, 10, 20, 34, 24, 0, WS_EX_CLIENTEDGE);
  for (const Case& c : cases) {
    skin::Module().controlVeilAlpha = c.veilAlpha;
    rt::UniqueBitmap bitmap = skin::MakeVeiledBackground(control);
    ASSERT_TRUE(bitmap) << "veil " << int{c.veilAlpha};
    BITMAP info{};
    ASSERT_NE(::GetObjectW(bitmap.Get(), sizeof(info), &info), 0);
    EXPECT_EQ(info.bmWidth, 30);
    EXPECT_EQ(info.bmHeight, 20);
    for (const Probe& probe : kCornerProbes) {
      const COLORREF behind = PatternColour(12 + probe.x, 22 + probe.y, kWindowBlue);
      EXPECT_TRUE(skin_test::NearColour(skin_test::BitmapPixel(bitmap.Get(), probe.x, probe.y),
                                        Blend(behind, kWhite, c.veilAlpha), 2))
          << "veil " << int{c.veilAlpha} << " at (" << probe.x << ", " << probe.y << ")";
    }
    EXPECT_TRUE(skin::Module().memoryDcList.empty());
  }
}

TEST_F(ControlBackBufferTest, NoVeiledBackgroundWithoutAnythingBehind) {
  rt::UniqueWindow stranger = skin_test::CreateTopWindow(0, 0, 100, 100);
  HWND child = CreateChild(stranger.Get(), skin_test::kTestClass, 5, 5, 30, 20);
  EXPECT_FALSE(skin::MakeVeiledBackground(child));
}

TEST_F(ControlBackBufferTest, LookupsFollowTheHostChain) {
  skin::MemoryImage image;
  HWND box = AddGroupBox(Window(), 50, 30, 100, 100, kRed, 255);
  HWND inBox = CreateChild(box, skin_test::kTestClass, 10, 15, 40, 20);
  HWND deep = CreateChild(inBox, skin_test::kTestClass, 2, 2, 10, 10);
  HWND provider = AddProvider(Window(), 5, 5, 40, 20, image);
  HWND onWindow = CreateChild(Window(), skin_test::kTestClass, 10, 20, 30, 20);

  EXPECT_EQ(skin::FindWindowNumber(Window()), windowNumber_);
  EXPECT_EQ(skin::FindWindowNumber(box), 0);
  EXPECT_EQ(skin::FindOwnerWindowNumber(deep), windowNumber_);
  EXPECT_EQ(skin::FindOwnerWindowNumber(Window()), 0);
  EXPECT_EQ(skin::FindGroupBoxNumber(windowNumber_, box), 1);
  EXPECT_EQ(skin::FindGroupBoxNumber(windowNumber_, inBox), 0);
  EXPECT_EQ(skin::FindGroupBoxNumber(windowNumber_ + 1, box), 0);
  EXPECT_EQ(skin::FindPaintedGroupBoxAncestor(windowNumber_, deep, nullptr), 1);
  EXPECT_EQ(skin::FindPaintedGroupBoxAncestor(windowNumber_, deep, box), 0) << "stops at box";

  struct Case {
    const char* name;
    HWND control;
    bool useProviders;
    skin::ControlHost expected;
  };
  const Case cases[] = {
      {"the window", Window(), true, {true, windowNumber_, 0, nullptr}},
      {"on the window", onWindow, true, {true, windowNumber_, 0, nullptr}},
      {"in a group box", deep, true, {false, windowNumber_, 1, nullptr}},
      {"the group box", box, true, {true, windowNumber_, 0, nullptr}},
      {"a provider", provider, true, {false, 0, 0, provider}},
      {"a provider, providers off", provider, false, {true, windowNumber_, 0, nullptr}},
  };
  for (const Case& c : cases) {
    const skin::ControlHost host = skin::LocateControlHost(c.control, c.useProviders);
    EXPECT_EQ(host.foundTopLevel, c.expected.foundTopLevel) << c.name;
    EXPECT_EQ(host.windowNumber, c.expected.windowNumber) << c.name;
    EXPECT_EQ(host.groupBoxNumber, c.expected.groupBoxNumber) << c.name;
    EXPECT_EQ(host.provider, c.expected.provider) << c.name;
  }

  const RECT toWindow = skin::RectRelativeToSkinnedWindow(deep);
  EXPECT_EQ(toWindow.left, 62);
  EXPECT_EQ(toWindow.top, 47);
  EXPECT_EQ(toWindow.right, 72);
  EXPECT_EQ(toWindow.bottom, 57);
  const RECT toRoot = skin::RectRelativeToRoot(deep);
  EXPECT_EQ(toRoot.left, 62);
  EXPECT_EQ(toRoot.top, 47);
  const RECT toBox = skin::RectRelativeTo(box, deep);
  EXPECT_EQ(toBox.left, 12);
  EXPECT_EQ(toBox.top, 17);
  const RECT self = skin::RectRelativeToSkinnedWindow(Window());
  EXPECT_EQ(self.left | self.top | self.right | self.bottom, 0);
}

}  // namespace
