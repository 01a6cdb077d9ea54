// The button painters, probed pixel by pixel in an off-screen target: each probe sits where the
// drawing rules alone decide the colour (corners outside the outline, the face below the gloss, the
// gloss, the outline, the radio dot, the check mark, the picture of an image button).
#include <gtest/gtest.h>

#include "skin/core/property_keys.h"
#include "skin/core/window_props.h"
#include "tests/skin_controls/button_test_support.h"

namespace {

using button_test::Between;
using button_test::ButtonWindow;
using button_test::kBackground;
using button_test::Over;
using button_test::Target;
namespace state = skin::button_state;

constexpr int kWidth = 80;
constexpr int kHeight = 30;
constexpr COLORREF kAccent = 0xDDCA22;

std::uint32_t Accent(int alpha) {
  return skin::ToArgb(kAccent, static_cast<std::uint8_t>(alpha), true);
}

// ---- Push buttons -----------------------------------------------------------------------------

class PushButtonPaint : public testing::Test {
 protected:
  PushButtonPaint() {
    button_ = window_.AddButton(L"", BS_PUSHBUTTON, {20, 20, kWidth, kHeight});
    window_.SkinAll();
  }
  Target Paint(UINT bits) {
    Target target(kWidth, kHeight);
    skin::PaintPushButton(button_, target.Dc(), bits, {0, 0, kWidth, kHeight});
    return target;
  }
  // The face at row y below the gloss: the white veil and the grey gradient over the background.
  static COLORREF Face(int y) {
    const double t = static_cast<double>(y) / (kHeight - 1);
    return Over(Over(kBackground, 0x78FFFFFF), Between(0x00FFFFFF, 0x3C808080, t));
  }
  ButtonWindow window_;
  HWND button_ = nullptr;
};

TEST_F(PushButtonPaint, CornersOutsideTheOutlineShowTheBackground) {
  // The focus glow reaches past the outline, so the focused corner is not probed.
  for (UINT bits : {0u, state::kHot, state::kPressed}) {
    const Target target = Paint(bits);
    EXPECT_EQ(target.Pixel(0, 0), kBackground) << bits;
    EXPECT_EQ(target.Pixel(kWidth - 1, kHeight - 1), kBackground) << bits;
  }
}

TEST_F(PushButtonPaint, FaceBelowTheGlossFollowsTheStateLayers) {
  const int y = 22;
  const int x = kWidth / 2;
  const double t = static_cast<double>(y) / (kHeight - 1);
  const COLORREF normal = Face(y);
  EXPECT_COLOUR_NEAR(Paint(0).Pixel(x, y), normal, 4);
  EXPECT_COLOUR_NEAR(Paint(state::kFocused).Pixel(x, y), normal, 4);
  const COLORREF hot = Over(normal, Between(Accent(60), Accent(10), t));
  EXPECT_COLOUR_NEAR(Paint(state::kHot).Pixel(x, y), hot, 4);
  const double inner = (y - 2.0) / (kHeight - 4);
  const COLORREF pressed = Over(normal, Between(Accent(60), 0x64FFFFFF, inner));
  EXPECT_COLOUR_NEAR(Paint(state::kPressed | state::kFocused).Pixel(x, y), pressed, 4);
}

TEST_F(PushButtonPaint, GlossLightensTheUpperHalf) {
  const int y = 6;
  const COLORREF gloss = Over(Face(y), Between(0x32FFFFFF, 0x0AFFFFFF, y / (kHeight / 2.0)));
  EXPECT_COLOUR_NEAR(Paint(0).Pixel(kWidth / 2, y), gloss, 4);
}

TEST_F(PushButtonPaint, OutlineTellsNormalHotAndFocusedApart) {
  const int y = 20;
  const COLORREF normal = Paint(0).Pixel(0, y);
  const COLORREF hot = Paint(state::kHot).Pixel(0, y);
  const COLORREF focused = Paint(state::kFocused).Pixel(0, y);
  // The hot outline is the accent colour itself.
  EXPECT_COLOUR_NEAR(hot, kAccent, 2);
  // The normal outline darkens the face with black at alpha 120; the focus glow is cyan.
  EXPECT_COLOUR_NEAR(normal, Over(Paint(0).Pixel(1, y), 0x78000000), 24);
  EXPECT_GT(skin_test::BlueOf(focused), skin_test::BlueOf(normal) + 15);
}

TEST_F(PushButtonPaint, DisabledIsSilverWithAShadedFace) {
  const Target target = Paint(state::kDisabled | state::kHot | state::kPressed);
  EXPECT_EQ(target.Pixel(0, 0), RGB(0xC0, 0xC0, 0xC0));
  const int y = 24;
  const double t = (static_cast<double>(y) / kHeight - 0.6) / 0.4;
  EXPECT_COLOUR_NEAR(target.Pixel(kWidth / 2, y),
                     Over(RGB(0xC0, 0xC0, 0xC0), Between(0x0A000000, 0x32FFFFFF, t)), 4);
}

TEST_F(PushButtonPaint, AccentColourComesFromTheModuleAtDrawingTime) {
  skin::Module().accentColour = RGB(0xFF, 0x40, 0x00);
  const COLORREF hot = Paint(state::kHot).Pixel(0, 20);
  skin::Module().accentColour = kAccent;
  EXPECT_COLOUR_NEAR(hot, RGB(0xFF, 0x40, 0x00), 2);
}

// ---- Captions ---------------------------------------------------------------------------------

int CountRed(const Target& target, RECT area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF c = target.Pixel(x, y);
      if (skin_test::RedOf(c) > 200 && skin_test::GreenOf(c) < 80 && skin_test::BlueOf(c) < 80)
        ++count;
    }
  }
  return count;
}

TEST(ButtonCaption, DrawnInTheTextColourWhereEachPainterPutsIt) {
  ButtonWindow window;
  rt::UniqueFont font(::CreateFontW(-14, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                    0, 0, 0, L"DejaVu Sans"));
  HWND push = window.AddButton(L"WWW", BS_PUSHBUTTON, {10, 10, 100, 30});
  HWND check = window.AddButton(L"WWW", BS_AUTOCHECKBOX, {10, 50, 100, 21});
  HWND radio = window.AddButton(L"WWW", BS_AUTORADIOBUTTON, {10, 80, 100, 21});
  for (HWND button : {push, check, radio}) {
    ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    skin::WriteProp(button, skin::prop::Kj_Ztys, RGB(0xFF, 0, 0));
  }
  window.SkinAll();
  Target pushTarget(100, 30);
  skin::PaintPushButton(push, pushTarget.Dc(), 0, {0, 0, 100, 30});
  // Centred: nothing at the sides, text in the middle.
  EXPECT_GT(CountRed(pushTarget, {30, 0, 70, 30}), 10);
  EXPECT_EQ(CountRed(pushTarget, {0, 0, 20, 30}) + CountRed(pushTarget, {80, 0, 100, 30}), 0);

  // Check and radio captions start right of their box.
  for (HWND button : {check, radio}) {
    // Both painters draw on the control's own DC.
    if (button == radio) {
      skin::PaintRadioButton(button, 0);
    } else {
      skin::PaintCheckBox(button, 0);
    }
    rt::ScopedWindowDc screen(button);
    Target copy(100, 21);
    ::BitBlt(copy.Dc(), 0, 0, 100, 21, screen.Get(), 0, 0, SRCCOPY);
    EXPECT_GT(CountRed(copy, {17, 0, 60, 21}), 10);
    EXPECT_EQ(CountRed(copy, {0, 0, 16, 21}), 0);
  }

  // A new text replaces the caption; an empty one draws nothing.
  ::SetWindowTextW(push, L"");
  Target empty(100, 30);
  skin::PaintPushButton(push, empty.Dc(), 0, {0, 0, 100, 30});
  EXPECT_EQ(CountRed(empty, {0, 0, 100, 30}), 0);
}

// ---- Check boxes and radio buttons ------------------------------------------------------------

// The client area of `button` as its painter left it on screen.
Target Capture(HWND button, int width, int height) {
  Target copy(width, height);
  rt::ScopedWindowDc screen(button);
  ::BitBlt(copy.Dc(), 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY);
  return copy;
}

class CheckPaint : public testing::Test {
 protected:
  static constexpr int kBoxTop = (21 - 13) / 2;  // the box's top row in a 21-pixel button
  CheckPaint() {
    check_ = window_.AddButton(L"", BS_AUTOCHECKBOX, {10, 10, 100, 21});
    radio_ = window_.AddButton(L"", BS_AUTORADIOBUTTON, {10, 40, 100, 21});
    window_.SkinAll();
    window_.Window().Redraw();
  }
  Target PaintCheck(bool checked, UINT bits) {
    ::SendMessageW(check_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    skin::PaintCheckBox(check_, bits);
    return Capture(check_, 100, 21);
  }
  Target PaintRadio(bool checked, UINT bits) {
    ::SendMessageW(radio_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    skin::PaintRadioButton(radio_, bits);
    return Capture(radio_, 100, 21);
  }
  ButtonWindow window_;
  HWND check_ = nullptr;
  HWND radio_ = nullptr;
};

TEST_F(CheckPaint, EmptyBoxHasItsFrameAndDiagonalGradient) {
  const Target box = PaintCheck(false, 0);
  EXPECT_COLOUR_NEAR(box.Pixel(0, kBoxTop + 6), Over(kBackground, 0xE6030303), 2);
  EXPECT_EQ(box.Pixel(2, kBoxTop + 2), RGB(0xE2, 0xE2, 0xDA));    // x + y = 4
  EXPECT_EQ(box.Pixel(9, kBoxTop + 3), RGB(0xF4, 0xF1, 0xEC));    // x + y = 12
  EXPECT_EQ(box.Pixel(11, kBoxTop + 11), RGB(0xFD, 0xFC, 0xFC));  // x + y = 22
  EXPECT_EQ(box.Pixel(20, kBoxTop + 6), kBackground);             // right of the box
  EXPECT_EQ(box.Pixel(5, kBoxTop - 1), kBackground);              // above it
}

TEST_F(CheckPaint, CheckedBoxShowsTheMarkAndTheBlueFrame) {
  const Target box = PaintCheck(true, 0);
  EXPECT_EQ(box.Pixel(0, kBoxTop + 6), RGB(0x18, 0x51, 0x84));
  for (POINT mark : {POINT{9, 3}, POINT{3, 5}, POINT{5, 9}, POINT{6, 7}})
    EXPECT_EQ(box.Pixel(mark.x, kBoxTop + mark.y), RGB(0x24, 0x6E, 0x75))
        << mark.x << "," << mark.y;
  EXPECT_EQ(box.Pixel(2, kBoxTop + 2), RGB(0xE2, 0xE2, 0xDA));
}

TEST_F(CheckPaint, HotBoxIsTintedWithTheAccentAndPressOrFocusChangeNothing) {
  const Target hot = PaintCheck(false, state::kHot);
  // The tint runs from (3, (H - 12) / 2 + 1) to (11, (H - 12) / 2 + 12) over the box's (5, 5).
  const double t = ((5 - 3) * 8 + (kBoxTop + 5 - (21 - 12) / 2.0 - 1) * 11) / (64.0 + 121.0);
  EXPECT_COLOUR_NEAR(hot.Pixel(5, kBoxTop + 5),
                     Over(RGB(0xF0, 0xED, 0xE8), Between(Accent(100), 0, t)), 4);
  const Target plain = PaintCheck(false, 0);
  const Target pressed = PaintCheck(false, state::kPressed | state::kFocused);
  for (int x : {0, 5, 12, 30})
    EXPECT_EQ(pressed.Pixel(x, kBoxTop + 5), plain.Pixel(x, kBoxTop + 5)) << x;
}

TEST_F(CheckPaint, RadioRingFaceAndDot) {
  const Target plain = PaintRadio(false, 0);
  const Target checked = PaintRadio(true, 0);
  const double y = (21 - 12) / 2.0;  // 4.5: the ring's top
  const int row = 10;                // through the dot's centre (8, y + 6)
  // Outside the ring: background; the ring's left edge at x = 2 is dark.
  EXPECT_EQ(plain.Pixel(0, row), kBackground);
  EXPECT_LT(skin_test::RedOf(plain.Pixel(2, row)), skin_test::RedOf(kBackground));
  // The face at the dot's centre: white shaded by the diagonal black gradient.
  const double t = ((8 - 3) * 7 + (row - (y + 1)) * 10) / 149.0;
  const COLORREF face = Over(RGB(255, 255, 255), Between(0x64000000, 0, t));
  EXPECT_COLOUR_NEAR(plain.Pixel(8, row), face, 4);
  // Checked: the dot runs from a veiled white centre to opaque teal (0x008080) at its rim: teal
  // hue throughout, deeper towards the rim.
  const COLORREF centre = checked.Pixel(8, row);
  const COLORREF rim = checked.Pixel(6, row);
  for (COLORREF dot : {centre, rim}) {
    EXPECT_NEAR(skin_test::GreenOf(dot), skin_test::BlueOf(dot), 2);
    EXPECT_GT(skin_test::GreenOf(dot), skin_test::RedOf(dot) + 10);
    EXPECT_LT(skin_test::RedOf(dot), skin_test::RedOf(face));
  }
  EXPECT_LT(skin_test::RedOf(rim), skin_test::RedOf(centre));
  EXPECT_EQ(checked.Pixel(40, row), plain.Pixel(40, row));
}

TEST_F(CheckPaint, HotRadioIsTintedAndPressChangesNothing) {
  const Target plain = PaintRadio(false, 0);
  const Target hot = PaintRadio(false, state::kHot);
  const Target pressed = PaintRadio(false, state::kPressed | state::kFocused);
  const int y = (21 - 12) / 2;
  const COLORREF tinted = hot.Pixel(6, y + 5);
  EXPECT_LT(skin_test::RedOf(tinted), skin_test::RedOf(plain.Pixel(6, y + 5)) - 10);
  for (int x : {3, 8, 12}) EXPECT_EQ(pressed.Pixel(x, y + 6), plain.Pixel(x, y + 6)) << x;
}

// ---- Image buttons ----------------------------------------------------------------------------

constexpr COLORREF kRed = RGB(0xFF, 0, 0);
constexpr COLORREF kGreen = RGB(0, 0xFF, 0);
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);

class ImageButtonPaint : public testing::Test {
 protected:
  ImageButtonPaint() {
    button_ = window_.AddButton(L"", BS_PUSHBUTTON, {20, 20, 40, 40});
    window_.SkinAll();
  }
  skin::ButtonRecord& Entry() { return window_.MutableEntry(button_); }
  void MakeFourImage(bool withStatePictures) {
    Entry().kind = static_cast<int>(skin::ButtonKind::FourImage);
    Entry().images[0] = button_test::SolidPng(20, 20, kRed);
    if (!withStatePictures) return;
    Entry().images[1] = button_test::SolidPng(20, 20, kGreen);
    Entry().images[2] = button_test::SolidPng(20, 20, kBlue);
    Entry().images[4] = button_test::SolidPng(20, 20, kGrey);
  }
  Target Paint(UINT bits, RECT rect = {0, 0, 40, 40}) {
    Target target(rect.right, rect.bottom);
    skin::RepaintButtonNow(button_, bits, false);  // the kind's painter on the control's own DC
    if (Entry().kind == static_cast<int>(skin::ButtonKind::FourImage)) {
      skin::PaintFourImageButton(button_, target.Dc(), bits, rect);
    } else {
      skin::PaintImageButton(button_, target.Dc(), bits, rect);
    }
    return target;
  }
  ButtonWindow window_;
  HWND button_ = nullptr;
};

TEST_F(ImageButtonPaint, FourImageButtonShowsThePictureOfEachState) {
  MakeFourImage(true);
  struct Case {
    UINT bits;
    COLORREF colour;
  };
  for (const Case& c : {Case{0, kRed}, Case{state::kHot, kGreen}, Case{state::kPressed, kBlue},
                        Case{state::kDisabled | state::kHot, kGrey}, Case{state::kFocused, kRed}}) {
    const Target target = Paint(c.bits);
    EXPECT_EQ(target.Pixel(3, 3), c.colour) << c.bits;
    EXPECT_EQ(target.Pixel(20, 20), c.colour) << c.bits;
    EXPECT_EQ(target.Pixel(1, 12), kBackground) << c.bits;
    EXPECT_EQ(target.Pixel(30, 30), kBackground) << c.bits;
  }
}

TEST_F(ImageButtonPaint, FourImageButtonDrawsPlatesUnderPictureOneForMissingPictures) {
  MakeFourImage(false);
  const int mid = 12;
  EXPECT_EQ(Paint(0).Pixel(1, mid), kBackground);
  const double t = mid / 22.0;
  const COLORREF disabled = Over(kBackground, Between(0x3CFFFFFF, 0x64000000, t));
  const COLORREF hot = Over(kBackground, Between(0x78FFFFFF, Accent(100), mid / 23.0));
  const COLORREF pressed = Over(kBackground, Between(0x3C000000, 0x64FFFFFF, mid / 23.0));
  EXPECT_COLOUR_NEAR(Paint(state::kDisabled).Pixel(1, mid), disabled, 4);
  EXPECT_COLOUR_NEAR(Paint(state::kHot).Pixel(1, mid), hot, 4);
  EXPECT_COLOUR_NEAR(Paint(state::kPressed).Pixel(1, mid), pressed, 4);
  for (UINT bits : {state::kDisabled, state::kHot, state::kPressed})
    EXPECT_EQ(Paint(bits).Pixel(10, 10), kRed) << bits;
}

TEST_F(ImageButtonPaint, ImageButtonPlatesFollowHotFocusAndDisabled) {
  Entry().kind = static_cast<int>(skin::ButtonKind::Image);
  Entry().layoutFlag = 1;  // no picture, no caption: only the plates
  const int x = 20;
  const int y = 20;
  EXPECT_EQ(Paint(0).Pixel(x, y), kBackground);
  EXPECT_EQ(Paint(state::kPressed).Pixel(x, y), kBackground);  // a press has no plate of its own
  const COLORREF focus = Over(kBackground, Between(0x3CFFFFFF, 0x32FFFFFF, (y - 3.0) / 37));
  EXPECT_COLOUR_NEAR(Paint(state::kFocused).Pixel(x, y), focus, 4);
  EXPECT_COLOUR_NEAR(Paint(state::kFocused | state::kPressed).Pixel(x, y), focus, 4);
  const COLORREF hot = Over(Over(kBackground, Between(0x32FFFFFF, 0x28FFFFFF, (y - 1.0) / 35)),
                            Between(0x3CFFFFFF, 0x32FFFFFF, (y - 3.0) / 37));
  EXPECT_COLOUR_NEAR(Paint(state::kHot).Pixel(x, y), hot, 4);
  const COLORREF disabled =
      Over(kBackground, Between(skin::ToArgb(kGrey, 50, true), 0x00FFFFFF, (y - 1.0) / 39));
  EXPECT_COLOUR_NEAR(Paint(state::kDisabled | state::kHot).Pixel(x, y), disabled, 4);
}

TEST_F(ImageButtonPaint, ImageButtonLaysThePictureOutByTheLayoutFlag) {
  Entry().kind = static_cast<int>(skin::ButtonKind::Image);
  Entry().images[0] = button_test::SolidPng(8, 8, kRed);
  Entry().fontName = "DejaVu Sans";
  Entry().fontSize = 12;
  // Flag 0: P = trunc((40 - 12 - 2) * 0.8) = 20 at ((40 - 20) / 2, 2).
  Entry().layoutFlag = 0;
  Target above = Paint(0);
  // (Probes keep clear of the edges, which the scaling blends with what lies around.)
  EXPECT_EQ(above.Pixel(13, 5), kRed);
  EXPECT_EQ(above.Pixel(26, 18), kRed);
  EXPECT_EQ(above.Pixel(9, 10), kBackground);
  // Flag 1 with a caption: P = 32 at (3, 4); without: centred at (4, 4).
  Entry().layoutFlag = 1;
  Entry().caption = "x";
  Target beside = Paint(0);
  EXPECT_EQ(beside.Pixel(6, 7), kRed);
  EXPECT_EQ(beside.Pixel(2, 20), kBackground);
  Entry().caption.clear();
  Target centred = Paint(0);
  EXPECT_EQ(centred.Pixel(7, 7), kRed);
  EXPECT_EQ(centred.Pixel(3, 20), kBackground);
  // A font as tall as the button leaves no room for the picture.
  Entry().layoutFlag = 0;
  Entry().fontSize = 40;
  Target none = Paint(0);
  for (int x : {5, 20, 35}) EXPECT_NE(none.Pixel(x, 10), kRed) << x;
}

}  // namespace
