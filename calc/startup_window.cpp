// The main window: built from its description, then its messages routed to the handlers.
#include "calc/startup_window.h"

#include <windowsx.h>

#include <string>

#include "calc/rank_table.h"
#include "runtime/gbk.h"

namespace calc {
namespace {

// A drop-down list is only as high as its selection field; the height given at creation is the
// height of the field and the dropped list together.
constexpr int kDroppedListHeight = 300;

DWORD StyleOf(ControlKind kind, bool centred) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case ControlKind::GroupBox:
      // Controls of the window laid over a box stay visible when the box paints.
      return kChild | BS_GROUPBOX | WS_CLIPSIBLINGS;
    case ControlKind::TransparentLabel:
      return kChild | SS_NOPREFIX | SS_CENTERIMAGE | (centred ? SS_CENTER : SS_LEFTNOWORDWRAP);
    case ControlKind::EditBox:
      return kChild | WS_TABSTOP | WS_BORDER | ES_CENTER | ES_AUTOHSCROLL;
    case ControlKind::ComboBox:
      return kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    case ControlKind::PictureBox:
      return kChild;
    case ControlKind::Button:
      return kChild | WS_TABSTOP | BS_PUSHBUTTON;
  }
  return kChild;
}

const wchar_t* ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::GroupBox:
    case ControlKind::Button:
      return L"Button";
    case ControlKind::TransparentLabel:
      return L"Static";
    case ControlKind::EditBox:
      return L"Edit";
    case ControlKind::ComboBox:
      return L"ComboBox";
    case ControlKind::PictureBox:
      return rt::kPictureBoxClass;
  }
  return L"Static";
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  if (::GetClassInfoExW(instance, StartupWindow::kClassName, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = ::LoadIconW(instance, L"DEFAULT_ICON");
  windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = StartupWindow::kClassName;
  ::RegisterClassExW(&windowClass);
}

// Wine sets the item height of a combo box's list only for owner-drawn lists; the list box itself
// takes it from anyone.
void RaiseListItems(HWND combo) {
  const LRESULT itemHeight = ::SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0);
  if (itemHeight <= 0) return;
  if (::SendMessageW(combo, CB_SETITEMHEIGHT, 0, itemHeight + 1) != CB_ERR) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (::GetComboBoxInfo(combo, &info) && info.hwndList) {
    ::SendMessageW(info.hwndList, LB_SETITEMHEIGHT, 0, itemHeight + 1);
  }
}

void SetTopOfSiblings(HWND control, HWND where) {
  ::SetWindowPos(control, where, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

StartupWindow::~StartupWindow() {
  if (window_) ::DestroyWindow(window_);
}

bool StartupWindow::Create() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  RegisterWindowClass(instance, WindowProc);
  const std::wstring caption = rt::GbkToWide(kWindowCaption);
  const int left = (rt::ScreenWidth() - kWindowWidth) / 2;
  const int top = (rt::ScreenHeight() - kWindowHeight) / 2;
  // No caption and no sizing border: the window is drawn edge to edge. WS_MINIMIZEBOX without
  // WS_MAXIMIZEBOX: it can be minimised, never maximised.
  ::CreateWindowExW(0, kClassName, caption.c_str(), WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, left,
                    top, kWindowWidth, kWindowHeight, nullptr, nullptr, instance, this);
  return window_ != nullptr;
}

HWND StartupWindow::Control(ControlId id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

LRESULT CALLBACK StartupWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    // The object travels in the creation parameters; from here on the window finds it itself.
    auto* creating = reinterpret_cast<StartupWindow*>(
        reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    creating->window_ = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
  }
  auto* self = reinterpret_cast<StartupWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = self->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    self->controls_.clear();
  }
  return result;
}

LRESULT StartupWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls();
      OnWindowCreated();
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return OnControlColour(message, reinterpret_cast<HDC>(wParam),
                             reinterpret_cast<HWND>(lParam));
    case WM_NCHITTEST:
      return OnHitTest(lParam);
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(window_, message, wParam, lParam);
  }
}

void StartupWindow::CreateControls() {
  for (const ControlLayout& layout : StartupLayout()) controls_[layout.id] = CreateControl(layout);
  StackControls();
  currentRankTimer_ = rt::Timer(window_, static_cast<UINT_PTR>(TimerId::当前军衔_经验时钟));
  targetRankTimer_ = rt::Timer(window_, static_cast<UINT_PTR>(TimerId::理想军衔_经验时钟));
  gapTimer_ = rt::Timer(window_, static_cast<UINT_PTR>(TimerId::时钟1));
  resultTimer_ = rt::Timer(window_, static_cast<UINT_PTR>(TimerId::时钟3));
}

HWND StartupWindow::CreateControl(const ControlLayout& layout) {
  HWND parent = layout.parent == ControlId::StartupWindow ? window_ : Control(layout.parent);
  const std::wstring text = rt::GbkToWide(InitialText(layout));
  const int height =
      layout.kind == ControlKind::ComboBox ? layout.height + kDroppedListHeight : layout.height;
  HWND control =
      ::CreateWindowExW(0, ClassOf(layout.kind), text.c_str(), StyleOf(layout.kind, layout.centred),
                        layout.left, layout.top, layout.width, height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)),
                        ::GetModuleHandleW(nullptr), nullptr);
  if (!control) return nullptr;
  if (layout.kind != ControlKind::PictureBox) {
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(FontOf(layout))), FALSE);
  }
  switch (layout.kind) {
    case ControlKind::GroupBox:
      rt::RouteGroupBoxNotifications(control);
      break;
    case ControlKind::TransparentLabel:
      rt::MarkTransparentLabel(control);
      break;
    case ControlKind::EditBox:
      ::SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // 0: as long as the edit control allows
      break;
    case ControlKind::ComboBox:
      FillRankList(control);
      FitComboHeight(control, layout.height);
      break;
    case ControlKind::PictureBox:
    case ControlKind::Button:
      break;
  }
  return control;
}

HFONT StartupWindow::FontFor(const FontChoice& font) {
  for (const auto& [choice, handle] : fonts_) {
    if (choice == font) return handle.Get();
  }
  // GB2312_CHARSET lets the font mapper substitute a Chinese face when the named one is missing.
  const std::wstring face = rt::GbkToWide(font.face);
  rt::UniqueFont created(::CreateFontW(-font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                                       GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
  HFONT handle = created.Get();
  fonts_.emplace_back(font, std::move(created));
  return handle;
}

void StartupWindow::FillRankList(HWND list) {
  for (const RankRow& row : RankTable::Rows()) {
    const std::wstring name = rt::GbkToWide(row.name);
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  ::SendMessageW(list, CB_SETCURSEL, 0, 0);
}

// The selection field is sized so that the closed list has the height of its description; the
// items of the dropped list are one pixel taller than the default.
void StartupWindow::FitComboHeight(HWND combo, int height) {
  RaiseListItems(combo);
  // The field height read back is not the one last set (borders differ between versions), so the
  // field is adjusted by what the closed list still measures too high or too low.
  LRESULT field = ::SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int attempt = 0; attempt < 3 && field > 0; ++attempt) {
    RECT closed;
    ::GetWindowRect(combo, &closed);
    const int excess = static_cast<int>(closed.bottom - closed.top) - height;
    if (excess == 0 || field - excess <= 0) return;
    field -= excess;
    ::SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  }
}

// Window-level controls that lie over a group box go above it; labels go below the edit boxes that
// sit in their gaps, so clicks reach the boxes.
void StartupWindow::StackControls() {
  for (const ControlLayout& layout : StartupLayout()) {
    HWND control = Control(layout.id);
    if (layout.parent == ControlId::StartupWindow && layout.kind != ControlKind::GroupBox) {
      SetTopOfSiblings(control, HWND_TOP);
    } else if (layout.kind == ControlKind::TransparentLabel) {
      SetTopOfSiblings(control, HWND_BOTTOM);
    }
  }
}

void StartupWindow::OnWindowCreated() {
  rt::SetTimerPeriod(currentRankTimer_, kTimerPeriodMs);
  rt::SetTimerPeriod(targetRankTimer_, kTimerPeriodMs);
  rt::SetTimerPeriod(gapTimer_, kTimerPeriodMs);
  // ------------------------------------------------------------------------------------------
  // The skin takes the window over here, before it is first painted: SetSkin,
  // SetControlSkinOptions, SkinWindow(window_) and SkinGroupBox for 分组框1 to 分组框5.
  // ------------------------------------------------------------------------------------------
}

void StartupWindow::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (static_cast<ControlId>(id)) {
    case ControlId::按钮1:
      OnRmbPriceClicked();
      break;
    case ControlId::按钮2:
      OnQcoinPriceClicked();
      break;
    case ControlId::按钮4:
      OnLevellingTimeClicked();
      break;
    default:
      break;
  }
}

void StartupWindow::OnTimer(UINT_PTR id) {
  switch (static_cast<TimerId>(id)) {
    case TimerId::当前军衔_经验时钟:
      RankTimerTick(ControlId::当前军衔_经验列表框, ControlId::当前军衔_经验框,
                    ControlId::当前军衔_图片);
      break;
    case TimerId::理想军衔_经验时钟:
      RankTimerTick(ControlId::理想军衔_经验列表框, ControlId::理想军衔_经验框,
                    ControlId::理想军衔_图片);
      break;
    case TimerId::时钟1:
      OnExperienceGapTick();
      break;
    case TimerId::时钟3:
      OnResultTick();
      break;
  }
}

LRESULT StartupWindow::OnControlColour(UINT message, HDC dc, HWND control) {
  if (message == WM_CTLCOLORSTATIC) {
    if (rt::IsTransparentLabel(control)) return rt::TransparentLabelColours(dc);
    ::SetBkColor(dc, rt::DefaultBackColour());
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
  }
  // Edit boxes and the lists: black on white.
  ::SetTextColor(dc, RGB(0, 0, 0));
  ::SetBkColor(dc, RGB(0xFF, 0xFF, 0xFF));
  return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
}

// Until the skin draws a caption, the window is moved by dragging any empty part of it.
LRESULT StartupWindow::OnHitTest(LPARAM lParam) {
  const LRESULT hit = ::DefWindowProcW(window_, WM_NCHITTEST, 0, lParam);
  return hit == HTCLIENT ? HTCAPTION : hit;
}

}  // namespace calc
