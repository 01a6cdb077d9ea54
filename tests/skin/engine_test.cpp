// The SkinEngine object: module start, bound entries, copy, the caption-button actions and the
// lifecycle messages, on real windows subclassed with the engine's window procedure.
#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <memory>
#include <vector>

#include "skin/core/module.h"
#include "skin/core/property_keys.h"
#include "skin/core/skin_engine.h"
#include "skin/core/window_props.h"
#include "tests/skin/test_windows.h"

namespace {

using skin_test::LogHas;

// Puts the module's GDI+ token, icon and start settings back as the test found them.
class ModuleStartSaver {
 public:
  ModuleStartSaver() : token_(skin::Module().gdiplusToken) {}
  ~ModuleStartSaver() {
    skin::ShutDownGdiplusOnce();
    skin::Module().gdiplusToken = token_;
    skin::Module().windowIcon.Reset();
    skin::ApplyStartDefaults(skin::Module());
  }

 private:
  ULONG_PTR token_;
};

// A GDI+ token of its own, so that shutting it down leaves the test program's GDI+ running.
ULONG_PTR StartOwnGdiplus() {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  EXPECT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
  return token;
}

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) return {};
  BITMAP bitmap{};
  ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  if (info.hbmMask) ::DeleteObject(info.hbmMask);
  return {bitmap.bmWidth, bitmap.bmHeight};
}

TEST(SkinModuleStart, StartsGdiplusLoadsTheFallbackIconAndSetsTheDefaults) {
  ModuleStartSaver saver;
  skin::ModuleSettings& settings = skin::Module();
  settings.gdiplusToken = 0;
  settings.initialSizePending = 0;
  settings.controlSkinning = 0;
  settings.controlVeilAlpha = 0;
  settings.accentColour = 0x808080;
  settings.trackbarOption = 0;

  skin::StartSkinModule();

  EXPECT_NE(settings.gdiplusToken, 0u);
  ASSERT_TRUE(settings.windowIcon) << "the test program carries only \"DEFAULT_ICON\"";
  const SIZE size = IconSize(settings.windowIcon.Get());
  EXPECT_EQ(size.cx, ::GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(size.cy, ::GetSystemMetrics(SM_CYICON));
  EXPECT_EQ(settings.initialSizePending, 1);
  EXPECT_EQ(settings.controlSkinning, 1);
  EXPECT_EQ(settings.controlVeilAlpha, 160);
  EXPECT_EQ(settings.accentColour, 0xDDCA22u);
  EXPECT_EQ(settings.trackbarOption, 1);
}

TEST(SkinModuleStart, AModuleWithoutEitherIconGivesNone) {
  EXPECT_FALSE(skin::LoadCaptionIcon(::GetModuleHandleW(L"ntdll.dll")));
  EXPECT_TRUE(skin::LoadCaptionIcon(::GetModuleHandleW(nullptr)));
}

TEST(SkinEngine, InitialiseBindsBothEntriesAndTakesTheDefaultBackColour) {
  skin::Module().skinBackColour = 0x123456;
  auto engine = skin::SkinEngine::Create();
  EXPECT_NE(engine->windowProcEntry.Get(), nullptr);
  EXPECT_NE(engine->captionActionEntry.Get(), nullptr);
  EXPECT_EQ(engine->captionActionEntryAddress, engine->captionActionEntry.Get());
  EXPECT_EQ(skin::Module().skinBackColour, ::GetSysColor(COLOR_BTNFACE));

  auto other = skin::SkinEngine::Create();
  EXPECT_NE(other->windowProcEntry.Get(), engine->windowProcEntry.Get());
  EXPECT_NE(other->captionActionEntry.Get(), engine->captionActionEntry.Get());

  engine->Destroy();
  EXPECT_EQ(engine->windowProcEntry.Get(), nullptr);
  EXPECT_EQ(engine->captionActionEntryAddress, nullptr);
}

TEST(SkinEngine, EntriesRunOutWhenEverySlotIsBoundAndComeBackWhenOneIsFreed) {
  std::vector<std::unique_ptr<skin::SkinEngine>> engines;
  while (engines.size() <= skin::kBoundEntrySlots) {
    engines.push_back(skin::SkinEngine::Create());
    if (!engines.back()->windowProcEntry) break;
  }
  ASSERT_FALSE(engines.back()->windowProcEntry) << "a binding beyond the table must be empty";
  EXPECT_FALSE(engines.back()->captionActionEntry);
  EXPECT_LE(engines.size(), skin::kBoundEntrySlots + 1);
  engines.front().reset();
  auto again = skin::SkinEngine::Create();
  EXPECT_TRUE(again->windowProcEntry);
  EXPECT_TRUE(again->captionActionEntry);
}

// A skinned window built by hand: the engine's procedure in front of the test class's.
class SkinnedWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    engine_ = skin::SkinEngine::Create();
    window_ = skin_test::CreateTopWindow(20, 20, 300, 200);
    ASSERT_TRUE(window_);
    windowNumber_ = Skin(window_.Get(), *engine_);
    skin_test::ClearMessageLog();
  }

  static int Skin(HWND window, const skin::SkinEngine& engine) {
    auto previous = reinterpret_cast<LONG_PTR>(engine.windowProcEntry.Get());
    previous = ::SetWindowLongPtrW(window, GWLP_WNDPROC, previous);
    skin::WriteProp(window, skin::prop::Hw_hProc, previous);
    auto record = std::make_unique<skin::WindowRecord>();
    record->hwnd = window;
    record->originalWindowProc = reinterpret_cast<WNDPROC>(previous);
    return skin::AppendWindowRecord(std::move(record));
  }

  skin::WindowRecord& Record() { return *skin::FindRecord(windowNumber_); }

  void AddCaptionButton(skin::CaptionButtonKind kind, skin::ButtonHandler handler = {}) {
    skin::CaptionButton button;
    button.kind = kind;
    button.handler = std::move(handler);
    Record().captionButtons.push_back(std::move(button));
  }

  skin_test::ModuleReset reset_;
  std::unique_ptr<skin::SkinEngine> engine_;
  rt::UniqueWindow window_;
  int windowNumber_ = 0;
};

TEST_F(SkinnedWindowTest, UnhandledMessagesReachThePreviousProcedureWithTheirAnswer) {
  EXPECT_EQ(::SendMessageW(window_.Get(), WM_APP, 40, 2), 42);
  EXPECT_TRUE(LogHas(window_.Get(), WM_APP, 40));
}

TEST_F(SkinnedWindowTest, CaptionButtonsActByKindThroughTheBoundEntry) {
  int addedRuns = 0;
  int helpRuns = 0;
  AddCaptionButton(skin::CaptionButtonKind::Added, [&] { ++addedRuns; });
  AddCaptionButton(skin::CaptionButtonKind::Help);
  AddCaptionButton(skin::CaptionButtonKind::Close);
  AddCaptionButton(skin::CaptionButtonKind::Minimize);
  AddCaptionButton(skin::CaptionButtonKind::MaximizeRestore);
  AddCaptionButton(skin::CaptionButtonKind::MainMenu);
  skin::CaptionActionProc action = engine_->captionActionEntryAddress;
  ASSERT_NE(action, nullptr);

  action(windowNumber_, 1);
  EXPECT_EQ(addedRuns, 1);
  action(windowNumber_, 2);  // help without a handler: nothing
  Record().helpButtonHandler = [&] { ++helpRuns; };
  action(windowNumber_, 2);
  EXPECT_EQ(helpRuns, 1);
  action(windowNumber_, 6);  // main menu without a handler: nothing

  struct Case {
    int button;
    WPARAM command;
    int maximized;
    int minimized;
  };
  const Case cases[] = {
      {3, SC_CLOSE, 0, 0},
      {4, SC_MINIMIZE, 0, 1},
      {5, SC_MAXIMIZE, 1, 0},
      {5, SC_RESTORE, 0, 0},
  };
  for (const Case& c : cases) {
    skin_test::ClearMessageLog();
    Record().redrawPending = 0;
    action(windowNumber_, c.button);
    EXPECT_TRUE(LogHas(window_.Get(), WM_SYSCOMMAND, c.command))
        << "button " << c.button << " command 0x" << std::hex << c.command;
    EXPECT_EQ(Record().maximized, c.maximized) << "button " << c.button;
    EXPECT_EQ(Record().minimized, c.minimized) << "button " << c.button;
    if (c.button == 5) {
      EXPECT_EQ(Record().redrawPending, 1);
    }
  }

  skin_test::ClearMessageLog();
  for (int outside : {0, -1, 7}) action(windowNumber_, outside);
  action(windowNumber_ + 1, 1);
  action(0, 1);
  EXPECT_EQ(addedRuns, 1);
  EXPECT_TRUE(skin_test::MessageLog().empty());
}

TEST_F(SkinnedWindowTest, ACopyHasEntriesOfItsOwnThatOutliveTheOriginal) {
  int runs = 0;
  AddCaptionButton(skin::CaptionButtonKind::Added, [&] { ++runs; });
  engine_->borderWidth = 3;
  engine_->hotCaptionButton = 1;
  std::unique_ptr<skin::SkinEngine> copy = engine_->Copy();
  EXPECT_EQ(copy->borderWidth, 3);
  EXPECT_EQ(copy->hotCaptionButton, 1);
  EXPECT_NE(copy->windowProcEntry.Get(), engine_->windowProcEntry.Get());
  EXPECT_NE(copy->captionActionEntryAddress, engine_->captionActionEntryAddress);

  engine_.reset();
  copy->captionActionEntryAddress(windowNumber_, 1);
  EXPECT_EQ(runs, 1);
  // The window still holds the destroyed engine's procedure: it keeps forwarding, and the record
  // still goes with the window.
  EXPECT_EQ(::SendMessageW(window_.Get(), WM_APP, 1, 2), 3);
  window_.Reset();
  EXPECT_EQ(skin::WindowRecordCount(), 0);
}

TEST_F(SkinnedWindowTest, GdiplusIsShutDownOnceWhetherQuitOrDestroyComesFirst) {
  ModuleStartSaver saver;
  for (bool quitFirst : {true, false}) {
    skin::Module().gdiplusToken = StartOwnGdiplus();
    if (quitFirst) {
      ::SendMessageW(window_.Get(), WM_QUIT, 0, 0);
      EXPECT_EQ(skin::Module().gdiplusToken, 0u) << "shut down on WM_QUIT";
      EXPECT_TRUE(LogHas(window_.Get(), WM_QUIT, 0)) << "and forwarded";
      engine_->Destroy();
    } else {
      engine_->Destroy();
      EXPECT_EQ(skin::Module().gdiplusToken, 0u) << "shut down by Destroy";
      ::SendMessageW(window_.Get(), WM_QUIT, 0, 0);
    }
    EXPECT_EQ(skin::Module().gdiplusToken, 0u);
    engine_ = skin::SkinEngine::Create();
    ::SetWindowLongPtrW(window_.Get(), GWLP_WNDPROC,
                        reinterpret_cast<LONG_PTR>(engine_->windowProcEntry.Get()));
  }
}

TEST_F(SkinnedWindowTest, DestroyReleasesTheCaptionIcon) {
  ModuleStartSaver saver;
  skin::Module().windowIcon = skin::LoadCaptionIcon(::GetModuleHandleW(nullptr));
  ASSERT_TRUE(skin::Module().windowIcon);
  engine_->Destroy();
  EXPECT_FALSE(skin::Module().windowIcon);
}

}  // namespace
