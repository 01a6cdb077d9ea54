// Installing the button skin, the buttons' replacement procedure and its message handlers.
#include "skin/controls/button.h"

#include <cmath>
#include <string>

#include "gfx/font.h"
#include "runtime/gbk.h"
#include "runtime/win_handles.h"
#include "skin/controls/edit_subclass.h"
#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/property_keys.h"
#include "skin/core/records.h"
#include "skin/core/window_props.h"

namespace skin {

namespace {

// BS_OWNERDRAW as bits: a button whose style has all of them is already drawn by its owner.
constexpr LONG_PTR kOwnerDrawBits = 0xB;
constexpr char kDefaultFontName[] = "宋体";
constexpr int kDefaultFontSize = 12;

LONG_PTR StyleOf(HWND window) { return ::GetWindowLongPtrW(window, GWL_STYLE); }

bool IsOwnerDrawStyle(LONG_PTR style) { return (style & kOwnerDrawBits) == kOwnerDrawBits; }

rt::Text WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return rt::WideToGbk(text);
}

// The direct children of class "BUTTON", in z order.
template <typename Visit>
void ForEachChildButton(HWND parent, Visit visit) {
  for (HWND child = ::FindWindowExW(parent, nullptr, L"BUTTON", nullptr); child != nullptr;
       child = ::FindWindowExW(parent, child, L"BUTTON", nullptr)) {
    visit(child);
  }
}

// A new record's list starts with one free entry: the first button takes it, later ones append.
// An empty list counts as that free entry not made yet. Gives the entry's 1-based number.
int TakeFreeEntry(WindowRecord& record) {
  auto& list = record.pushButtons;
  if (list.empty()) list.emplace_back();
  if (list.front().hwnd == nullptr) {
    list.front() = ButtonRecord{};
    return 1;
  }
  list.emplace_back();
  return static_cast<int>(list.size());
}

ButtonRecord* EntryAt(WindowRecord& record, int number) {
  if (number < 1 || static_cast<std::size_t>(number) > record.pushButtons.size()) return nullptr;
  return &record.pushButtons[static_cast<std::size_t>(number) - 1];
}

void Subclass(HWND button, int windowNumber, int entryNumber) {
  WriteProp(button, prop::Hw_lbID, entryNumber);
  WriteProp(button, prop::Hw_FuID, windowNumber);
  const LONG_PTR previous =
      ::SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ButtonSkinProc));
  WriteProp(button, prop::Hw_hProc, previous);
  if (ButtonRecord* entry = EntryAt(*FindRecord(windowNumber), entryNumber))
    entry->previousProc = reinterpret_cast<WNDPROC>(previous);
}

// Registers `button` as a new entry of `windowNumber` and gives its number.
int RegisterButton(int windowNumber, HWND button, ButtonKind kind) {
  WindowRecord& record = *FindRecord(windowNumber);
  const int number = TakeFreeEntry(record);
  ButtonRecord& entry = *EntryAt(record, number);
  entry.hwnd = button;
  entry.kind = static_cast<int>(kind);
  entry.caption = WindowText(button);
  return number;
}

void StoreFont(ButtonRecord& entry, const ControlFont& font) {
  entry.fontName = font.familyName;
  entry.fontSize = font.size;
  entry.fontStyle = font.style;
}

void SkinOnePushButton(int windowNumber, HWND button) {
  const LONG_PTR style = StyleOf(button);
  if (IsOwnerDrawStyle(style) || !IsPushButtonStyle(button)) return;
  if (FindButtonRecord(windowNumber, button) != 0) return;
  const int number = RegisterButton(windowNumber, button, ButtonKind::Push);
  Subclass(button, windowNumber, number);
  ::SetWindowLongPtrW(button, GWL_STYLE, style | kOwnerDrawBits);
  ControlFont font = ReadControlFont(button);
  if (font.familyName.empty()) font.familyName = kDefaultFontName;
  if (font.size == 0) font.size = kDefaultFontSize;
  StoreFont(*EntryAt(*FindRecord(windowNumber), number), font);
}

// A button that runs our procedure already (from this or another window's install) must not be
// subclassed again: its saved previous procedure would then be our own.
bool IsSubclassedHere(int windowNumber, HWND button) {
  const auto procedure = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(button, GWLP_WNDPROC));
  return procedure == &ButtonSkinProc || FindButtonRecord(windowNumber, button) != 0;
}

void SkinOneCheckOrRadioButton(int windowNumber, HWND parent, HWND button) {
  const bool checkBox = IsCheckBoxStyle(button);
  if (!(checkBox || IsAutoRadioStyle(button)) || IsOwnerDrawStyle(StyleOf(button))) return;
  if (IsSubclassedHere(windowNumber, button)) return;
  const bool checked = ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
  const int number =
      RegisterButton(windowNumber, button, checkBox ? ButtonKind::CheckBox : ButtonKind::AutoRadio);
  ButtonRecord& entry = *EntryAt(*FindRecord(windowNumber), number);
  entry.checked = checked ? 1 : 0;
  entry.owner = parent;
  Subclass(button, windowNumber, number);
  StoreFont(*EntryAt(*FindRecord(windowNumber), number), ReadControlFont(button));
}

bool InstallAllowed(int windowNumber, HWND parent) {
  return Module().controlSkinning != 0 && parent != nullptr && FindRecord(windowNumber) != nullptr;
}

// ---- The replacement procedure ----------------------------------------------------------------

using ButtonContext = ControlContext<ButtonRecord>;

ButtonContext LookUp(HWND window) { return LookUpControl(window, &WindowRecord::pushButtons); }

ButtonKind KindOf(const ButtonRecord& button) { return static_cast<ButtonKind>(button.kind); }

bool IsCheckOrRadio(ButtonKind kind) {
  return kind == ButtonKind::CheckBox || kind == ButtonKind::AutoRadio;
}

LRESULT OnPaint(HWND window, ButtonKind kind) {
  PAINTSTRUCT paint;
  ::BeginPaint(window, &paint);
  if (kind == ButtonKind::CheckBox) {
    PaintCheckBox(window, 0);
  } else {
    PaintRadioButton(window, 0);
  }
  ::EndPaint(window, &paint);
  return ::DefWindowProcW(window, WM_PAINT, 0, 0);
}

LRESULT OnEraseBackground(HWND window, HDC dc) {
  ::SetBkMode(dc, TRANSPARENT);
  return static_cast<LRESULT>(
      ::SetTextColor(dc, static_cast<COLORREF>(ReadProp(window, prop::Kj_Ztys))));
}

bool ChangesCheckState(UINT message, WPARAM wParam) {
  return message == BM_SETCHECK || message == WM_LBUTTONDOWN ||
         (message == WM_KEYDOWN && wParam == VK_SPACE);
}

// The control changes (and may draw) its check state itself; our look goes over it right after.
LRESULT OnCheckStateChange(HWND window, ButtonKind kind, UINT message, WPARAM wParam,
                           LPARAM lParam) {
  PassOn(window, message, wParam, lParam);
  if (kind == ButtonKind::AutoRadio) {
    PaintRadioButton(window, button_state::kPressed);
  } else {
    PaintCheckBox(window, 0);
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

void OnMouseMove(HWND window, const ButtonContext& context) {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
  ::TrackMouseEvent(&track);
  WindowRecord& record = *context.window;
  record.controlUnderMouse = context.number;
  if (record.hotControl != context.number || record.hotControlClass != kButtonHotClass) {
    RepaintButtonNow(window, 0, true);
    // The painter may have run a nested message loop; look the record up again.
    if (WindowRecord* again = LookUp(window).window) {
      again->hotControl = context.number;
      again->hotControlClass = kButtonHotClass;
    }
  }
}

void OnMouseLeave(HWND window, const ButtonContext& context) {
  context.window->hotControl = 0;
  RepaintButtonNow(window, context.entry->focused ? button_state::kFocused : 0, false);
}

void OnSetText(ButtonRecord& button, LPARAM lParam) {
  const auto* text = reinterpret_cast<const wchar_t*>(lParam);
  button.caption = text ? rt::WideToGbk(text) : rt::Text{};
}

}  // namespace

// ---- Style tests ------------------------------------------------------------------------------

bool IsPushButtonStyle(HWND window) {
  const LONG_PTR style = StyleOf(window);
  return (style & 0x2) == 0 && (style & 0x9) != 0x9 && (style & 0x4) == 0;
}

bool IsCheckBoxStyle(HWND window) {
  const LONG_PTR style = StyleOf(window);
  return (style & 0x2) != 0 && (style & 0x4) == 0;
}

// ---- Installing -------------------------------------------------------------------------------

int FindButtonRecord(int windowNumber, HWND window) {
  const WindowRecord* record = FindRecord(windowNumber);
  if (record == nullptr || window == nullptr) return 0;
  for (std::size_t index = 0; index < record->pushButtons.size(); ++index) {
    if (record->pushButtons[index].hwnd == window) return static_cast<int>(index) + 1;
  }
  return 0;
}

void SkinPushButtons(int windowNumber, HWND parent) {
  if (!InstallAllowed(windowNumber, parent)) return;
  ForEachChildButton(parent,
                     [windowNumber](HWND button) { SkinOnePushButton(windowNumber, button); });
}

void SkinCheckAndRadioButtons(int windowNumber, HWND parent) {
  if (!InstallAllowed(windowNumber, parent)) return;
  ForEachChildButton(parent, [windowNumber, parent](HWND button) {
    SkinOneCheckOrRadioButton(windowNumber, parent, button);
  });
}

ControlFont ReadControlFont(HWND control) {
  ControlFont result;
  const auto handle = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
  rt::ScopedWindowDc dc(control);
  gfx::GfxFont font;
  const bool made = handle ? font.CreateFontFromDcAndHandle(dc.Get(), handle)
                           : font.GdipCreateFontFromDC(dc.Get());
  if (!made) return result;
  result.size = static_cast<int>(std::lround(font.GdipGetFontSize()));
  result.style = font.GdipGetFontStyle();
  gfx::GfxFontFamily family;
  if (font.GdipGetFamily(family)) result.familyName = family.GdipGetFamilyName();
  return result;
}

// ---- Painting at once -------------------------------------------------------------------------

void RepaintButtonNow(HWND window, UINT state, bool hot) {
  const ButtonContext context = LookUp(window);
  if (context.entry == nullptr) return;
  const ButtonKind kind = KindOf(*context.entry);
  if (hot) state |= button_state::kHot;
  rt::ScopedWindowDc dc(window);
  RECT client{};
  ::GetClientRect(window, &client);
  switch (kind) {
    case ButtonKind::Push:
      PaintPushButton(window, dc.Get(), state, client);
      break;
    case ButtonKind::Image:
      PaintImageButton(window, dc.Get(), state, client);
      break;
    case ButtonKind::FourImage:
      PaintFourImageButton(window, dc.Get(), state, client);
      break;
    case ButtonKind::AutoRadio:
      PaintRadioButton(window, state);
      break;
    case ButtonKind::CheckBox:
      PaintCheckBox(window, state);
      break;
  }
}

bool PaintOwnerDrawnButton(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_BUTTON) return false;
  const ButtonContext context = LookUp(item.hwndItem);
  if (context.entry == nullptr) return false;
  switch (KindOf(*context.entry)) {
    case ButtonKind::Push:
      PaintPushButton(item.hwndItem, item.hDC, item.itemState, item.rcItem);
      return true;
    case ButtonKind::Image:
      PaintImageButton(item.hwndItem, item.hDC, item.itemState, item.rcItem);
      return true;
    case ButtonKind::FourImage:
      PaintFourImageButton(item.hwndItem, item.hDC, item.itemState, item.rcItem);
      return true;
    default:
      return false;
  }
}

// ---- The procedure ----------------------------------------------------------------------------

LRESULT CALLBACK ButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const ButtonContext context = LookUp(window);
  // A button whose numbers no longer lead to its record (a property overwritten by others) keeps
  // working with its previous procedure, unskinned.
  if (context.entry == nullptr) return PassOn(window, message, wParam, lParam);
  const ButtonKind kind = KindOf(*context.entry);
  switch (message) {
    case WM_MOVE:
      ::InvalidateRect(window, nullptr, TRUE);
      break;
    case WM_SETFOCUS:
      context.entry->focused = 1;
      break;
    case WM_KILLFOCUS:
      context.entry->focused = 0;
      break;
    case WM_SETTEXT:
      OnSetText(*context.entry, lParam);
      break;
    case WM_PAINT:
      if (IsCheckOrRadio(kind)) return OnPaint(window, kind);
      break;
    case WM_ERASEBKGND:
      return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_NCPAINT:
      return 1;
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_KEYDOWN:
      if (IsCheckOrRadio(kind) && ChangesCheckState(message, wParam))
        return OnCheckStateChange(window, kind, message, wParam, lParam);
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(window, context);
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave(window, context);
      break;
    case WM_LBUTTONUP:
      context.window->hotControl = 0;
      break;
    case WM_LBUTTONDBLCLK:
      return 0;  // a double click gives no second click
    default:
      break;
  }
  return PassOn(window, message, wParam, lParam);
}

}  // namespace skin
