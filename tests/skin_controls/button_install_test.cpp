// Installing the button skin: which buttons are taken, how they are numbered and recorded, what
// is set on them, and that installing twice changes nothing.
#include <gtest/gtest.h>

#include "runtime/gbk.h"
#include "skin/core/property_keys.h"
#include "skin/core/window_props.h"
#include "tests/skin_controls/button_test_support.h"

namespace {

using button_test::ButtonWindow;

WNDPROC ProcedureOf(HWND window) {
  return reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
}
LONG TypeOf(HWND window) { return ::GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK; }

struct StyleCase {
  const char* name;
  DWORD style;
  bool skinned;
  skin::ButtonKind kind;
  LONG typeAfter;  // the button type after both installs
};

const StyleCase kStyleCases[] = {
    {"BS_PUSHBUTTON", BS_PUSHBUTTON, true, skin::ButtonKind::Push, BS_OWNERDRAW},
    {"BS_DEFPUSHBUTTON", BS_DEFPUSHBUTTON, true, skin::ButtonKind::Push, BS_OWNERDRAW},
    {"BS_USERBUTTON", BS_USERBUTTON, true, skin::ButtonKind::Push, BS_OWNERDRAW},
    {"BS_CHECKBOX", BS_CHECKBOX, true, skin::ButtonKind::CheckBox, BS_CHECKBOX},
    {"BS_AUTOCHECKBOX", BS_AUTOCHECKBOX, true, skin::ButtonKind::CheckBox, BS_AUTOCHECKBOX},
    {"BS_PUSHBOX", BS_PUSHBOX, true, skin::ButtonKind::CheckBox, BS_PUSHBOX},
    {"BS_AUTORADIOBUTTON", BS_AUTORADIOBUTTON, true, skin::ButtonKind::AutoRadio,
     BS_AUTORADIOBUTTON},
    {"BS_RADIOBUTTON", BS_RADIOBUTTON, false, skin::ButtonKind::Push, BS_RADIOBUTTON},
    {"BS_3STATE", BS_3STATE, false, skin::ButtonKind::Push, BS_3STATE},
    {"BS_AUTO3STATE", BS_AUTO3STATE, false, skin::ButtonKind::Push, BS_AUTO3STATE},
    {"BS_GROUPBOX", BS_GROUPBOX, false, skin::ButtonKind::Push, BS_GROUPBOX},
    {"BS_OWNERDRAW", BS_OWNERDRAW, false, skin::ButtonKind::Push, BS_OWNERDRAW},
};

TEST(ButtonInstall, TakesEachButtonTypeAsItsStyleBitsSay) {
  for (const StyleCase& c : kStyleCases) {
    SCOPED_TRACE(c.name);
    ButtonWindow window;
    HWND button = window.AddButton(L"b", c.style, {10, 10, 90, 24});
    const WNDPROC before = ProcedureOf(button);
    window.SkinAll();
    const int number = skin::FindButtonRecord(window.Number(), button);
    EXPECT_EQ(TypeOf(button), c.typeAfter);
    if (!c.skinned) {
      EXPECT_EQ(number, 0);
      EXPECT_EQ(ProcedureOf(button), before);
      EXPECT_EQ(skin::ReadProp(button, skin::prop::Hw_lbID), 0);
      continue;
    }
    ASSERT_EQ(number, 1);
    const skin::ButtonRecord& entry = window.Entry(button);
    EXPECT_EQ(entry.kind, static_cast<int>(c.kind));
    EXPECT_EQ(entry.previousProc, before);
    EXPECT_EQ(ProcedureOf(button), &skin::ButtonSkinProc);
    EXPECT_EQ(skin::ReadProp(button, skin::prop::Hw_lbID), 1);
    EXPECT_EQ(skin::ReadProp(button, skin::prop::Hw_FuID), window.Number());
    EXPECT_EQ(skin::ReadPropHandle<WNDPROC>(button, skin::prop::Hw_hProc), before);
  }
}

TEST(ButtonInstall, StyleTestsLookAtSingleBits) {
  struct Case {
    DWORD style;
    bool push, check, radio;
  };
  const Case cases[] = {
      {BS_PUSHBUTTON, true, false, false},   {BS_DEFPUSHBUTTON, true, false, false},
      {BS_CHECKBOX, false, true, false},     {BS_AUTOCHECKBOX, false, true, false},
      {BS_RADIOBUTTON, false, false, false}, {BS_3STATE, false, false, false},
      {BS_AUTO3STATE, false, false, false},  {BS_GROUPBOX, false, false, false},
      {BS_USERBUTTON, true, false, false},   {BS_AUTORADIOBUTTON, false, false, true},
      {BS_PUSHBOX, false, true, false},      {BS_OWNERDRAW, false, true, false},
  };
  ButtonWindow window;
  for (const Case& c : cases) {
    HWND button = window.AddButton(L"", c.style, {0, 0, 10, 10});
    EXPECT_EQ(skin::IsPushButtonStyle(button), c.push) << c.style;
    EXPECT_EQ(skin::IsCheckBoxStyle(button), c.check) << c.style;
    EXPECT_EQ(skin::IsAutoRadioStyle(button), c.radio) << c.style;
  }
}

TEST(ButtonInstall, FirstButtonTakesTheFreeEntryAndLaterOnesAppend) {
  ButtonWindow window;
  window.Record().pushButtons.resize(1);  // a new record's single free entry
  HWND first = window.AddButton(L"1", BS_PUSHBUTTON, {10, 10, 60, 24});
  HWND second = window.AddButton(L"2", BS_AUTOCHECKBOX, {10, 40, 60, 24});
  HWND third = window.AddButton(L"3", BS_PUSHBUTTON, {10, 70, 60, 24});
  window.SkinAll();
  ASSERT_EQ(window.Record().pushButtons.size(), 3u);
  // Push buttons are installed first, in z order; then the check box.
  EXPECT_EQ(skin::FindButtonRecord(window.Number(), first), 1);
  EXPECT_EQ(skin::FindButtonRecord(window.Number(), third), 2);
  EXPECT_EQ(skin::FindButtonRecord(window.Number(), second), 3);
  EXPECT_EQ(skin::ReadProp(second, skin::prop::Hw_lbID), 3);
}

TEST(ButtonInstall, ParentWithoutButtonsLeavesTheListAsItWas) {
  ButtonWindow window;
  window.Record().pushButtons.resize(1);
  window.Window().AddChild(L"Edit", L"text", 0, {10, 10, 80, 20});
  window.SkinAll();
  ASSERT_EQ(window.Record().pushButtons.size(), 1u);
  EXPECT_EQ(window.Record().pushButtons[0].hwnd, nullptr);
}

TEST(ButtonInstall, InstallingTwiceRegistersAndSubclassesEachButtonOnce) {
  ButtonWindow window;
  HWND push = window.AddButton(L"p", BS_PUSHBUTTON, {10, 10, 60, 24});
  HWND check = window.AddButton(L"c", BS_AUTOCHECKBOX, {10, 40, 60, 24});
  HWND radio = window.AddButton(L"r", BS_AUTORADIOBUTTON, {10, 70, 60, 24});
  const WNDPROC original = ProcedureOf(check);
  window.SkinAll();
  window.SkinAll();
  EXPECT_EQ(window.Record().pushButtons.size(), 3u);
  for (HWND button : {push, check, radio}) {
    EXPECT_EQ(ProcedureOf(button), &skin::ButtonSkinProc);
    EXPECT_EQ(skin::ReadPropHandle<WNDPROC>(button, skin::prop::Hw_hProc), original);
    EXPECT_EQ(window.Entry(button).previousProc, original);
  }
  // The button still works: the message reaches the control's own procedure exactly once.
  ::SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(::SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST(ButtonInstall, DoesNothingWhileControlSkinningIsOff) {
  ButtonWindow window(
      {.top = button_test::kBackground, .bottom = button_test::kBackground, .controlSkinning = 0});
  HWND push = window.AddButton(L"p", BS_PUSHBUTTON, {10, 10, 60, 24});
  HWND check = window.AddButton(L"c", BS_AUTOCHECKBOX, {10, 40, 60, 24});
  const WNDPROC before = ProcedureOf(push);
  window.SkinAll();
  skin::Module().controlSkinning = 1;
  EXPECT_TRUE(window.Record().pushButtons.empty());
  EXPECT_EQ(ProcedureOf(push), before);
  EXPECT_EQ(TypeOf(push), BS_PUSHBUTTON);
  EXPECT_EQ(skin::ReadProp(check, skin::prop::Hw_FuID), 0);
}

TEST(ButtonInstall, RecordsCaptionCheckStateOwnerAndFont) {
  ButtonWindow window;
  rt::UniqueFont font(::CreateFontW(-15, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                    0, 0, 0, L"DejaVu Sans"));
  HWND push = window.AddButton(L"计算价格", BS_PUSHBUTTON, {10, 10, 90, 24});
  HWND check = window.AddButton(L"含税", BS_AUTOCHECKBOX, {10, 40, 90, 24});
  HWND radio = window.AddButton(L"按天", BS_AUTORADIOBUTTON, {10, 70, 90, 24});
  for (HWND button : {push, check, radio})
    ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
  ::SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  window.SkinAll();

  const skin::ButtonRecord& pushEntry = window.Entry(push);
  EXPECT_EQ(pushEntry.caption, "计算价格");
  EXPECT_EQ(pushEntry.owner, nullptr);
  EXPECT_EQ(window.Entry(check).checked, 1);
  EXPECT_EQ(window.Entry(radio).checked, 0);
  EXPECT_EQ(window.Entry(check).owner, window.Hwnd());
  EXPECT_EQ(window.Entry(radio).caption, "按天");
  for (HWND button : {push, check, radio}) {
    const skin::ButtonRecord& entry = window.Entry(button);
    EXPECT_EQ(entry.fontName, "DejaVu Sans");
    // Wine maps a cell height to an em size that may be one pixel larger.
    EXPECT_NEAR(entry.fontSize, 15, 1);
    EXPECT_EQ(entry.fontStyle, Gdiplus::FontStyleBold | Gdiplus::FontStyleItalic);
    EXPECT_EQ(entry.focused, 0);
    EXPECT_EQ(entry.tooltip.GetTooltipHandle(), nullptr);
  }
}

TEST(ButtonInstall, ReadControlFontLeavesTheFontHandleAlone) {
  ButtonWindow window;
  rt::UniqueFont font(::CreateFontW(-20, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, DEFAULT_CHARSET, 0,
                                    0, 0, 0, L"DejaVu Sans"));
  HWND button = window.AddButton(L"x", BS_PUSHBUTTON, {0, 0, 50, 30});
  ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
  const skin::ControlFont read = skin::ReadControlFont(button);
  EXPECT_EQ(read.familyName, "DejaVu Sans");
  EXPECT_NEAR(read.size, 20, 1);
  EXPECT_EQ(read.style, Gdiplus::FontStyleUnderline);
  EXPECT_EQ(::GetObjectType(font.Get()), static_cast<DWORD>(OBJ_FONT));
  EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(button, WM_GETFONT, 0, 0)), font.Get());
}

// A push button's font that GDI+ reports no size for is drawn at 12 pixels; a check box keeps 0.
TEST(ButtonInstall, PushButtonsFallBackToTwelvePixelsAndCheckBoxesDoNot) {
  ButtonWindow window;
  HWND push = window.AddButton(L"p", BS_PUSHBUTTON, {10, 10, 60, 24});
  HWND check = window.AddButton(L"c", BS_AUTOCHECKBOX, {10, 40, 60, 24});
  const skin::ControlFont reported = skin::ReadControlFont(push);
  window.SkinAll();
  const skin::ButtonRecord& pushEntry = window.Entry(push);
  const skin::ButtonRecord& checkEntry = window.Entry(check);
  EXPECT_EQ(pushEntry.fontSize, reported.size == 0 ? 12 : reported.size);
  EXPECT_EQ(pushEntry.fontName, reported.familyName.empty() ? "宋体" : reported.familyName);
  EXPECT_EQ(checkEntry.fontSize, reported.size);
  EXPECT_EQ(checkEntry.fontName, reported.familyName);
}

}  // namespace
