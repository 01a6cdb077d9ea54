// The skin gallery under test: every control kind is put up and handed to its skin, the picture
// shows the skins' looks at probed points, and the window's picture is saved under the build
// folder for a person to look at.
#include <string>

#include "skin/controls/button.h"
#include "skin/controls/combo.h"
#include "skin/controls/edit.h"
#include "tests/app/message_pump.h"
#include "tests/skin_controls/list_test_support.h"
#include "tools/gallery/gallery.h"

namespace {

using list_test::ColourIs;
using skin_test::Blend;
using skin_test::SkinnedWindow;

class Gallery : public ::testing::Test {
 protected:
  Gallery() : window_({.width = gallery::kGalleryWidth, .height = gallery::kGalleryHeight}) {
    window_.SetHook([](HWND, UINT message, WPARAM, LPARAM lParam) {
      return gallery::PaintDrawItem(message, lParam);
    });
    controls_ = gallery::BuildGallery(window_.Hwnd(), window_.Number());
    test::PumpFor(300);
  }

  COLORREF BackgroundBehind(HWND control, int y) const {
    RECT rect;
    ::GetWindowRect(control, &rect);
    POINT origin{rect.left, rect.top};
    ::ScreenToClient(window_.Hwnd(), &origin);
    return window_.BackgroundAt(origin.y + y);
  }

  SkinnedWindow window_;
  gallery::GalleryControls controls_{};
};

TEST_F(Gallery, EveryControlIsInItsSkinsList) {
  const int number = window_.Number();
  for (HWND button : {controls_.pushButton, controls_.disabledPushButton, controls_.checkedBox,
                      controls_.uncheckedBox, controls_.disabledBox, controls_.checkedRadio,
                      controls_.uncheckedRadio}) {
    EXPECT_GE(skin::FindButtonRecord(number, button), 1);
  }
  for (HWND edit : {controls_.singleLineEdit, controls_.scrollingEdit})
    EXPECT_GE(skin::FindEditRecord(number, edit), 1);
  for (HWND combo : {controls_.dropDownCombo, controls_.dropDownListCombo})
    EXPECT_GE(skin::FindComboRecord(number, combo), 1);
  for (HWND list : {controls_.listBox, controls_.listView, controls_.treeView, controls_.ipAddress,
                    controls_.dateControl}) {
    EXPECT_GE(skin::FindListRecord(number, list), 1);
  }
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetComboBoxInfo(controls_.dropDownListCombo, &info));
  EXPECT_GE(skin::FindListRecord(number, info.hwndList), 1) << "its drop-down list";
}

TEST_F(Gallery, ListFramesAndBackgroundsShowTheSkin) {
  int framed = 0;
  for (HWND list : {controls_.listBox, controls_.listView, controls_.treeView, controls_.ipAddress,
                    controls_.dateControl}) {
    // Wine's IP-address control drops WS_BORDER when it is made: it then gets no frame.
    if (!skin::HasBorderStyle(list)) continue;
    ++framed;
    RECT rect;
    ::GetWindowRect(list, &rect);
    const int y = (rect.bottom - rect.top) / 2;
    const COLORREF ring = Blend(BackgroundBehind(list, y), list_test::kWhite, 160);
    EXPECT_TRUE(ColourIs(skin_test::WindowPixel(list, 0, y), Blend(ring, list_test::kBlack, 90)))
        << skin::GetClassNameText(list);
  }
  EXPECT_GE(framed, 4);
  // Below the tree's last item the window background shows through the veil.
  RECT tree;
  ::GetWindowRect(controls_.treeView, &tree);
  const int bottom = tree.bottom - tree.top - 8;
  EXPECT_TRUE(ColourIs(skin_test::WindowPixel(controls_.treeView, 150, bottom),
                       Blend(BackgroundBehind(controls_.treeView, bottom), list_test::kWhite, 160),
                       6));
}

TEST_F(Gallery, SavesItsPicture) {
  window_.Redraw();
  test::PumpFor(300);
  const std::string path = RANK_ABACUS_GALLERY_PICTURE;
  const std::wstring widePath(path.begin(), path.end());
  ::DeleteFileW(widePath.c_str());
  ASSERT_TRUE(gallery::SaveWindowPicture(window_.Hwnd(), widePath));
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(::GetFileAttributesExW(widePath.c_str(), GetFileExInfoStandard, &data));
  EXPECT_GT(data.nFileSizeLow, 10000u) << "a picture of the whole gallery";
}

}  // namespace
