// The records the skin keeps for each skinned top-level window, its caption buttons, its group
// boxes and its skinned controls. Colours are Windows colour values 0x00BBGGRR.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "gfx/gfx_object.h"
#include "gfx/tooltip.h"
#include "runtime/text.h"
#include "skin/core/memory_image.h"

namespace skin {

// A routine the caller hands the skin to run when a caption button is clicked; empty: none.
using ButtonHandler = std::function<void()>;

enum class CaptionButtonKind : int {
  Close = 0,
  MaximizeRestore = 1,
  Minimize = 2,
  MainMenu = 3,
  Help = 4,
  Added = 5,
};

struct CaptionButton {
  int width = 26;  // the close button is 38 wide
  int height = 18;
  rt::ByteSet image;           // PNG with alpha
  rt::ByteSet alternateImage;  // the restore face of the maximise button
  CaptionButtonKind kind = CaptionButtonKind::Added;
  rt::Text captionText;   // the tooltip text
  ButtonHandler handler;  // run by kind Added
  Gdiplus::RectF bounds;  // set when the strip is laid out
};

// A {window, top} pair: a panel docked below its top edge.
struct DockedPanel {
  HWND hwnd = nullptr;
  int top = 0;
};

struct GroupBoxRecord {
  HWND hwnd = nullptr;
  COLORREF backColour = 0;  // 0: no fill, so pure black cannot be a fill
  std::uint8_t fillAlpha = 255;
  int outlineFlag = 0;  // containers that are not group boxes: two rounded outlines
  WNDPROC previousProc = nullptr;
  int fullRepaintPending = 0;
  int isGroupBox = 0;  // class "Button" with style bit 0x4
  int paintMode = 1;   // 0: registered only, so that its children find their background through it
  rt::Text captionFontFamily;
  int captionFontSize = 0;
  int captionFontStyle = 0;
  std::vector<DockedPanel> dockedPanels;
};

// The first two fields of every skinned control's record; each control skin adds its own.
struct ControlRecord {
  HWND hwnd = nullptr;
  WNDPROC previousProc = nullptr;
};

// A push button, check box, radio button or image button. `kind`: 0 push button, 1 image button,
// 3 four-image button, 4 auto radio button, 5 check box.
struct ButtonRecord : ControlRecord {
  int kind = 0;
  std::array<rt::ByteSet, 5> images;  // image buttons: pictures 1, 2, 3 and 5 (the fourth unused)
  int layoutFlag = 0;                 // image buttons: 0 picture above the caption
  rt::Text caption;
  int focused = 0;
  int checked = 0;       // check state at install; the painters ask the control
  HWND owner = nullptr;  // check and radio buttons: the parent they were installed from
  gfx::TooltipWindow tooltip;
  rt::Text fontName;
  int fontSize = 0;  // pixels
  int fontStyle = 0;
};
struct EditRecord : ControlRecord {
  int focused = 0;  // between WM_SETFOCUS and WM_KILLFOCUS
  int hot = 0;      // the frame's default hot state; the hot look itself is painted, not kept
  int pressed = 0;  // between WM_LBUTTONDOWN and WM_LBUTTONUP
};
struct ComboRecord : ControlRecord {
  int focused = 0;  // between WM_SETFOCUS and WM_KILLFOCUS
};
struct TrackbarRecord : ControlRecord {};
struct ProgressRecord : ControlRecord {};
struct ListRecord : ControlRecord {
  int focused = 0;       // between WM_SETFOCUS and WM_KILLFOCUS
  int hot = 0;           // from a mouse move over the control until the mouse leaves it
  int arrowKeyDown = 0;  // an arrow key went down and no key has come up since
};
struct UpDownRecord : ControlRecord {};
struct HeaderRecord : ControlRecord {};
struct ContainerRecord : ControlRecord {};

// One item of the bar along a window's bottom edge.
struct MenuItem {
  rt::Text text;
};

// {caption-button number, step 0..8} of a caption button being lit or dimmed.
struct CaptionFade {
  int button = 0;
  int step = 0;
};

struct WindowRecord {
  HWND hwnd = nullptr;
  int captionHeight = 25;
  int showHelpButton = 0;
  int showMainMenuButton = 0;
  int showMinimizeButton = 0;
  int showMaximizeButton = 0;
  int showCloseButton = 1;
  int showTitle = 1;
  int captionGloss = 0;
  WNDPROC originalWindowProc = nullptr;
  rt::ByteSet windowPicture;  // empty: the skin picture is used
  int pictureMode = 4;
  COLORREF pictureAverageColour = 0;
  std::vector<CaptionButton> captionButtons;  // left to right
  int buttonStripX = 0;
  int buttonStripY = 0;
  int buttonStripWidth = 0;
  int buttonStripHeight = 22;
  int maximized = 0;
  int minimized = 0;
  int minTrackWidth = 200;
  int minTrackHeight = 150;
  int maxTrackWidth = 0;
  int maxTrackHeight = 0;
  int resizable = 1;
  int captionEnabled = 1;
  COLORREF titleColour = 0xFFFFFF;
  COLORREF titleHaloColour = 0x808080;
  rt::Text titleFontName = "宋体";
  int titleFontSize = 12;
  int titleBold = 1;
  int litCaptionButton = 0;
  int hotControlClass = 0;
  HWND hotControlParent = nullptr;
  ButtonHandler helpButtonHandler;
  ButtonHandler mainMenuButtonHandler;
  gfx::TooltipWindow tooltip;  // one tool per caption button

  int menuBarHeight = 0;  // 0: no menu bar
  RECT menuBarRect{};     // {x, y, width, height}
  std::vector<MenuItem> menuItems;
  std::vector<RECT> menuItemRects;  // {x, y, width, height}
  int menuAutoTextColour = 0;
  int menuTextGlow = 0;
  COLORREF menuTextColour = 0;
  COLORREF menuGlowColour = 0xFFFFFF;
  rt::Text menuFontName = "宋体";
  int menuFontSize = 12;

  std::vector<ButtonRecord> pushButtons;
  std::vector<EditRecord> editBoxes;
  std::vector<ListRecord> listControls;
  std::vector<TrackbarRecord> trackbars;
  std::vector<ProgressRecord> progressBars;
  std::vector<ComboRecord> comboBoxes;
  std::vector<UpDownRecord> upDowns;
  std::vector<HeaderRecord> headers;
  std::vector<ContainerRecord> containerControls;

  int redrawPending = 0;
  // The back buffer, the clean caption strip and the clean menu bar, each with the bitmap first
  // selected into its DC and the one that replaced it.
  MemoryImage backBufferDc;
  MemoryImage captionCopyDc;
  MemoryImage menuBarCopyDc;
  int hotControl = 0;
  int controlUnderMouse = 0;
  int tooltipToolCount = 0;
  std::vector<GroupBoxRecord> groupBoxes;
  int skinned = 0;
  std::vector<DockedPanel> dockedPanels;
  int mouseInside = 0;
  CaptionFade fadeIn;
  CaptionFade fadeOut;
  int fadeTimerRunning = 0;
};

}  // namespace skin
