// Window teardown: closing one of two skinned windows removes its record, renumbers the other
// window and its controls, and frees every GDI object the closed window's bookkeeping held.
#include <gtest/gtest.h>

#include <memory>

#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/property_keys.h"
#include "skin/core/skin_engine.h"
#include "skin/core/window_props.h"
#include "tests/support/gdi_object_counter.h"
#include "tests/skin/test_windows.h"

namespace {

using skin::ReadProp;
using skin_test::CreateChild;

// A control's record as its control skin registers it.
template <typename Record>
Record RecordOf(HWND control) {
  Record record;
  record.hwnd = control;
  return record;
}

// One skinned window with a control of several kinds, as the control skins would register them.
struct SkinnedWindow {
  rt::UniqueWindow window;
  HWND button = nullptr;
  HWND edit = nullptr;
  HWND combo = nullptr;
  HWND header = nullptr;
  HWND groupBox = nullptr;
  HWND container = nullptr;
};

class TeardownTest : public testing::Test {
 protected:
  void SetUp() override { engine_ = skin::SkinEngine::Create(); }

  SkinnedWindow MakeSkinnedWindow(int x) {
    SkinnedWindow made;
    made.window = skin_test::CreateTopWindow(x, 30, 240, 180);
    HWND window = made.window.Get();
    made.button = CreateChild(window, L"Button", 5, 5, 60, 24);
    made.edit = CreateChild(window, L"Edit", 5, 35, 60, 20);
    made.combo = CreateChild(window, L"ComboBox", 5, 60, 60, 80, CBS_DROPDOWNLIST);
    made.header = CreateChild(window, skin_test::kTestClass, 5, 90, 60, 20);
    made.groupBox = CreateChild(window, L"Button", 80, 5, 120, 100, BS_GROUPBOX);
    made.container = CreateChild(window, skin_test::kTestClass, 80, 110, 120, 40);

    auto previous = ::SetWindowLongPtrW(window, GWLP_WNDPROC,
                                        reinterpret_cast<LONG_PTR>(engine_->windowProcEntry.Get()));
    skin::WriteProp(window, skin::prop::Hw_hProc, previous);
    auto record = std::make_unique<skin::WindowRecord>();
    record->hwnd = window;
    record->pushButtons.push_back(RecordOf<skin::ButtonRecord>(made.button));
    record->editBoxes.push_back(RecordOf<skin::EditRecord>(made.edit));
    record->comboBoxes.push_back(RecordOf<skin::ComboRecord>(made.combo));
    record->headers.push_back(RecordOf<skin::HeaderRecord>(made.header));
    skin::GroupBoxRecord box;
    box.hwnd = made.groupBox;
    record->groupBoxes.push_back(box);
    record->containerControls.push_back(RecordOf<skin::ContainerRecord>(made.container));
    record->backBufferDc = skin_test::MakePatternImage(240, 180, 0x40);
    record->captionCopyDc = skin_test::MakePatternImage(240, 30, 0x40);
    const int number = skin::AppendWindowRecord(std::move(record));
    for (HWND control : {made.button, made.edit, made.combo, made.header, made.groupBox}) {
      skin::WriteProp(control, skin::prop::Hw_FuID, number);
    }
    skin::WriteProp(made.container, skin::prop::Kj_FuID, number);
    return made;
  }

  skin_test::ModuleReset reset_;
  std::unique_ptr<skin::SkinEngine> engine_;
};

TEST_F(TeardownTest, ClosingTheFirstWindowRenumbersTheSecondAndItsControls) {
  SkinnedWindow first = MakeSkinnedWindow(10);
  SkinnedWindow second = MakeSkinnedWindow(300);
  ASSERT_EQ(skin::WindowRecordCount(), 2);
  EXPECT_EQ(ReadProp(second.window.Get(), skin::prop::Hw_lbID), 2);
  EXPECT_EQ(ReadProp(second.edit, skin::prop::Hw_FuID), 2);

  HWND closed = first.window.Get();
  skin_test::ClearMessageLog();
  first.window.Reset();

  EXPECT_TRUE(skin_test::LogHas(closed, WM_NCDESTROY, 0)) << "forwarded to the old procedure";
  ASSERT_EQ(skin::WindowRecordCount(), 1);
  EXPECT_EQ(skin::FindRecord(1)->hwnd, second.window.Get());
  EXPECT_EQ(skin::FindWindowNumber(second.window.Get()), 1);
  EXPECT_EQ(ReadProp(second.window.Get(), skin::prop::Hw_lbID), 1);
  for (HWND control : {second.button, second.edit, second.combo, second.header, second.groupBox}) {
    EXPECT_EQ(ReadProp(control, skin::prop::Hw_FuID), 1) << skin::GetClassNameText(control);
  }
  EXPECT_EQ(ReadProp(second.container, skin::prop::Kj_FuID), 1);

  second.window.Reset();
  EXPECT_EQ(skin::WindowRecordCount(), 0);
}

TEST_F(TeardownTest, ClosingTheLastWindowLeavesTheFirstAlone) {
  SkinnedWindow first = MakeSkinnedWindow(10);
  SkinnedWindow second = MakeSkinnedWindow(300);
  second.window.Reset();
  ASSERT_EQ(skin::WindowRecordCount(), 1);
  EXPECT_EQ(skin::FindRecord(1)->hwnd, first.window.Get());
  EXPECT_EQ(ReadProp(first.window.Get(), skin::prop::Hw_lbID), 1);
  EXPECT_EQ(ReadProp(first.button, skin::prop::Hw_FuID), 1);
}

TEST_F(TeardownTest, AWindowThatIsNotSkinnedChangesNothing) {
  SkinnedWindow first = MakeSkinnedWindow(10);
  rt::UniqueWindow stranger = skin_test::CreateTopWindow(0, 0, 50, 50);
  skin::TearDownWindow(stranger.Get());
  skin::TearDownWindow(nullptr);
  ASSERT_EQ(skin::WindowRecordCount(), 1);
  EXPECT_EQ(ReadProp(first.window.Get(), skin::prop::Hw_lbID), 1);
}

TEST_F(TeardownTest, ClosingAWindowFreesItsImagesAndItsControlsColourObjects) {
  const int before = test_support::CountLiveGdiObjects();
  {
    SkinnedWindow skinned = MakeSkinnedWindow(10);
    // The colours last handed to an edit box and to a plain label, as the control-colour
    // handling leaves them.
    HWND label = CreateChild(skinned.window.Get(), L"Static", 5, 120, 60, 20);
    for (HWND control : {skinned.edit, label}) {
      HBITMAP bitmap = ::CreateBitmap(8, 8, 1, 32, nullptr);
      skin::WriteProp(control, skin::prop::Kj_wtjb, reinterpret_cast<std::intptr_t>(bitmap));
      skin::WriteProp(control, skin::prop::Kj_dxjb,
                      reinterpret_cast<std::intptr_t>(::CreatePatternBrush(bitmap)));
    }
    EXPECT_GT(test_support::CountLiveGdiObjects(), before);
  }
  EXPECT_EQ(skin::WindowRecordCount(), 0);
  EXPECT_TRUE(test_support::SameGdiObjectCount(before, test_support::CountLiveGdiObjects()));
}

}  // namespace
