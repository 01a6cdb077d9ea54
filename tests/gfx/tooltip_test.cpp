// The tooltip control, driven through TooltipWindow and read back with the control's own messages.
#include <gtest/gtest.h>

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>

#include "gfx/tooltip.h"
#include "runtime/gbk.h"

namespace gfx {
namespace {

// A plain top-level window to own the tools; destroyed with the fixture.
class TooltipTest : public testing::Test {
 protected:
  static constexpr const wchar_t* kOwnerClass = L"GfxTooltipTestOwner";

  // A plain window class: hit tests land on it (a static control would let them through).
  static void SetUpTestSuite() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kOwnerClass;
    RegisterClassW(&windowClass);
  }
  static void TearDownTestSuite() { UnregisterClassW(kOwnerClass, GetModuleHandleW(nullptr)); }

  void SetUp() override {
    owner_ = CreateWindowExW(0, kOwnerClass, L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override {
    if (IsWindow(owner_)) DestroyWindow(owner_);
  }

  static TOOLINFOW ToolQuery(HWND owner, UINT_PTR id, WCHAR* text = nullptr) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = owner;
    tool.uId = id;
    tool.lpszText = text;
    return tool;
  }

  // The text of tool `id`, back in GBK.
  rt::Text ToolText(HWND tooltip, UINT_PTR id) {
    WCHAR buffer[128] = {};
    TOOLINFOW tool = ToolQuery(owner_, id, buffer);
    SendMessageW(tooltip, TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&tool));
    return rt::WideToGbk(buffer);
  }

  std::optional<RECT> ToolRect(HWND tooltip, UINT_PTR id) {
    TOOLINFOW tool = ToolQuery(owner_, id);
    if (!SendMessageW(tooltip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) {
      return std::nullopt;
    }
    return tool.rect;
  }

  static int ToolCount(HWND tooltip) {
    return static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
  }

  HWND owner_ = nullptr;
};

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(TooltipTest, CreatesAToolTipControlOwnedByTheOwner) {
  TooltipWindow tip;
  EXPECT_EQ(tip.GetTooltipHandle(), nullptr);
  const HWND control = tip.CreateTooltip(owner_);
  ASSERT_NE(control, nullptr);
  EXPECT_EQ(tip.GetTooltipHandle(), control);
  EXPECT_EQ(tip.GetOwner(), owner_);
  WCHAR className[64] = {};
  GetClassNameW(control, className, 64);
  EXPECT_EQ(lstrcmpiW(className, L"tooltips_class32"), 0);
  EXPECT_EQ(GetWindow(control, GW_OWNER), owner_);
  const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  EXPECT_TRUE(style & TTS_ALWAYSTIP);
  EXPECT_FALSE(style & TTS_BALLOON);

  TooltipWindow balloon;
  ASSERT_NE(balloon.CreateTooltip(owner_, true), nullptr);
  EXPECT_TRUE(GetWindowLongPtrW(balloon.GetTooltipHandle(), GWL_STYLE) & TTS_BALLOON);
}

TEST_F(TooltipTest, ToolsAreAddedUpdatedAndRemovedById) {
  TooltipWindow tip;
  const HWND control = tip.CreateTooltip(owner_);
  ASSERT_NE(control, nullptr);
  struct Tool {
    UINT_PTR id;
    RECT rect;
    const char* text;
  };
  const Tool tools[] = {{1, {200, 0, 226, 18}, "帮助"},
                        {2, {227, 0, 253, 18}, "最小化"},
                        {3, {254, 0, 292, 18}, "关闭"}};
  for (const Tool& t : tools) EXPECT_TRUE(tip.AddTool(t.rect, t.text, t.id));
  EXPECT_EQ(ToolCount(control), 3);
  for (const Tool& t : tools) {
    SCOPED_TRACE(t.id);
    EXPECT_EQ(ToolText(control, t.id), t.text);
    const std::optional<RECT> rect = ToolRect(control, t.id);
    ASSERT_TRUE(rect.has_value());
    EXPECT_TRUE(SameRect(*rect, t.rect));
  }

  tip.SetToolText(2, "还原");
  EXPECT_EQ(ToolText(control, 2), "还原");
  EXPECT_EQ(ToolText(control, 1), "帮助");

  const RECT moved{10, 20, 40, 50};
  tip.SetToolRect(3, moved);
  const std::optional<RECT> rect = ToolRect(control, 3);
  ASSERT_TRUE(rect.has_value());
  EXPECT_TRUE(SameRect(*rect, moved));

  tip.DeleteTool(1);
  EXPECT_EQ(ToolCount(control), 2);
  EXPECT_FALSE(ToolRect(control, 1).has_value());
  EXPECT_EQ(ToolText(control, 2), "还原");
}

TEST_F(TooltipTest, ToolsWatchTheOwnersMouseByThemselves) {
  TooltipWindow tip;
  const HWND control = tip.CreateTooltip(owner_);
  ASSERT_NE(control, nullptr);
  ASSERT_TRUE(tip.AddTool(RECT{0, 0, 300, 200}, "悬停提示", 1));
  TOOLINFOW tool = ToolQuery(owner_, 1);
  ASSERT_TRUE(SendMessageW(control, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_TRUE(tool.uFlags & TTF_SUBCLASS);

  // The mouse rests over the tool: the control, subclassing the owner, shows the tip unaided after
  // its initial delay (one mouse move, then only the message loop; more moves would keep the
  // queue busy and the control's timer from ever firing).
  ShowWindow(owner_, SW_SHOWNORMAL);
  UpdateWindow(owner_);
  POINT inside{150, 100};
  ClientToScreen(owner_, &inside);
  SetCursorPos(inside.x, inside.y);
  PostMessageW(owner_, WM_MOUSEMOVE, 0, MAKELPARAM(150, 100));
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (!IsWindowVisible(control) && GetTickCount64() < deadline) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  EXPECT_TRUE(IsWindowVisible(control));
}

TEST_F(TooltipTest, ColoursAndWidthReachTheControl) {
  TooltipWindow tip;
  const HWND control = tip.CreateTooltip(owner_);
  ASSERT_NE(control, nullptr);
  tip.SetTipBackColour(RGB(10, 20, 30));
  tip.SetTipTextColour(RGB(200, 100, 50));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(control, TTM_GETTIPBKCOLOR, 0, 0)), RGB(10, 20, 30));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(control, TTM_GETTIPTEXTCOLOR, 0, 0)),
            RGB(200, 100, 50));
  EXPECT_EQ(tip.SetMaxTipWidth(250), -1);  // the previous width: none set
  EXPECT_EQ(SendMessageW(control, TTM_GETMAXTIPWIDTH, 0, 0), 250);
  EXPECT_EQ(tip.SetMaxTipWidth(100), 250);
}

TEST_F(TooltipTest, WithoutAControlNothingHappens) {
  TooltipWindow tip;
  EXPECT_FALSE(tip.AddTool(RECT{0, 0, 5, 5}, "x", 1));
  tip.SetToolText(1, "y");
  tip.SetToolRect(1, RECT{0, 0, 1, 1});
  tip.DeleteTool(1);
  EXPECT_EQ(tip.SetTipBackColour(RGB(1, 2, 3)), 0);
  EXPECT_EQ(tip.SetMaxTipWidth(10), 0);
  EXPECT_EQ(tip.GetTooltipHandle(), nullptr);
}

TEST_F(TooltipTest, ControlLivesAsLongAsItsObject) {
  HWND first = nullptr;
  {
    TooltipWindow tip;
    first = tip.CreateTooltip(owner_);
    ASSERT_TRUE(IsWindow(first));
    const HWND second = tip.CreateTooltip(owner_);  // replaces the first
    EXPECT_FALSE(IsWindow(first));
    ASSERT_TRUE(IsWindow(second));

    TooltipWindow moved = std::move(tip);
    EXPECT_EQ(tip.GetTooltipHandle(), nullptr);
    EXPECT_EQ(moved.GetTooltipHandle(), second);
    EXPECT_TRUE(moved.AddTool(RECT{0, 0, 10, 10}, "移动后", 7));
    EXPECT_EQ(ToolCount(second), 1);
    first = second;
  }
  EXPECT_FALSE(IsWindow(first));
}

TEST_F(TooltipTest, OwnerGoingFirstTakesTheControlAlong) {
  TooltipWindow tip;
  const HWND control = tip.CreateTooltip(owner_);
  ASSERT_TRUE(IsWindow(control));
  DestroyWindow(owner_);
  EXPECT_FALSE(IsWindow(control));
  // The object's destructor then finds nothing left to destroy.
}

}  // namespace
}  // namespace gfx
