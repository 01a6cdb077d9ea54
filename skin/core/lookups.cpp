// Lookups from a window to its skinned top-level window and group box, rectangles between
// windows, and tests on window classes and styles.
#include <string>

#include "runtime/gbk.h"
#include "skin/core/module.h"
#include "skin/core/primitives.h"
#include "skin/core/property_keys.h"
#include "skin/core/window_props.h"

namespace skin {

namespace {

RECT WindowRectOf(HWND window) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  return rect;
}

RECT OffsetBy(RECT rect, POINT origin) {
  ::OffsetRect(&rect, -origin.x, -origin.y);
  return rect;
}

POINT OriginOf(HWND window) {
  const RECT rect = WindowRectOf(window);
  return {rect.left, rect.top};
}

// floor(value / 2), also for negative values.
int HalfRoundedDown(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

bool IsProvider(HWND window) { return ReadProp(window, prop::Wxk_Zpf) == 1; }

const GroupBoxRecord* GroupBoxAt(int windowNumber, int groupBoxNumber) {
  const WindowRecord* record = FindRecord(windowNumber);
  if (record == nullptr || groupBoxNumber < 1 ||
      static_cast<std::size_t>(groupBoxNumber) > record->groupBoxes.size()) {
    return nullptr;
  }
  return &record->groupBoxes[static_cast<std::size_t>(groupBoxNumber) - 1];
}

// The window number and group-box number of `window` when it is a skinned group box of any window.
std::pair<int, int> FindGroupBoxAnywhere(HWND window) {
  for (int number = 1; number <= WindowRecordCount(); ++number) {
    if (int box = FindGroupBoxNumber(number, window)) return {number, box};
  }
  return {0, 0};
}

}  // namespace

int FindWindowNumber(HWND window) {
  if (window == nullptr) return 0;
  const auto& records = Module().windowRecords;
  for (std::size_t index = 0; index < records.size(); ++index) {
    if (records[index]->hwnd == window) return static_cast<int>(index) + 1;
  }
  return 0;
}

int FindOwnerWindowNumber(HWND window) {
  for (HWND parent = ::GetParent(window); parent != nullptr; parent = ::GetParent(parent)) {
    if (int number = FindWindowNumber(parent)) return number;
  }
  return 0;
}

int FindGroupBoxNumber(int windowNumber, HWND window) {
  const WindowRecord* record = FindRecord(windowNumber);
  if (record == nullptr || window == nullptr) return 0;
  for (std::size_t index = 0; index < record->groupBoxes.size(); ++index) {
    if (record->groupBoxes[index].hwnd == window) return static_cast<int>(index) + 1;
  }
  return 0;
}

int FindPaintedGroupBoxAncestor(int windowNumber, HWND control, HWND stop) {
  for (HWND parent = ::GetParent(control); parent != nullptr && parent != stop;
       parent = ::GetParent(parent)) {
    const int box = FindGroupBoxNumber(windowNumber, parent);
    if (box != 0 && GroupBoxAt(windowNumber, box)->paintMode != 0) return box;
  }
  return 0;
}

ControlHost LocateControlHost(HWND control, bool useProviders) {
  ControlHost host;
  if (useProviders && IsProvider(control)) {
    host.provider = control;
    return host;
  }
  if (int number = FindWindowNumber(control)) {
    host.windowNumber = number;
    host.foundTopLevel = true;
    return host;
  }
  for (HWND parent = ::GetParent(control); parent != nullptr; parent = ::GetParent(parent)) {
    if (useProviders && IsProvider(parent)) {
      host.provider = parent;
      return host;
    }
    if (int number = FindWindowNumber(parent)) {
      host.windowNumber = number;
      host.foundTopLevel = true;
      return host;
    }
    const auto [number, box] = FindGroupBoxAnywhere(parent);
    if (box != 0) {
      HWND groupProvider = ReadPropHandle<HWND>(parent, prop::Mb_zpf);
      if (useProviders && groupProvider != nullptr) {
        host.provider = groupProvider;
      } else {
        host.windowNumber = number;
        host.groupBoxNumber = box;
      }
      return host;
    }
  }
  return host;
}

RECT RectRelativeTo(HWND a, HWND b) { return OffsetBy(WindowRectOf(b), OriginOf(a)); }

RECT RectRelativeToRoot(HWND window) {
  return OffsetBy(WindowRectOf(window), OriginOf(::GetAncestor(window, GA_ROOT)));
}

RECT RectRelativeToSkinnedWindow(HWND control) {
  if (FindWindowNumber(control) != 0) return RECT{};
  const WindowRecord* record = FindRecord(FindOwnerWindowNumber(control));
  if (record == nullptr) return RECT{};
  return RectRelativeTo(record->hwnd, control);
}

RECT ClientRectInWindow(HWND control) {
  const RECT window = WindowRectOf(control);
  RECT client{};
  ::GetClientRect(control, &client);
  const LONG style = ::GetWindowLongW(control, GWL_STYLE);
  const int horizontalBar = (style & WS_HSCROLL) ? ::GetSystemMetrics(SM_CYHSCROLL) : 0;
  const int verticalBar = (style & WS_VSCROLL) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0;
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int left = HalfRoundedDown(width - client.right - verticalBar);
  const int top = HalfRoundedDown(height - client.bottom - horizontalBar);
  return RECT{left, top, left + client.right, top + client.bottom};
}

rt::Text GetClassNameText(HWND window) {
  wchar_t name[256] = {};
  const int length = ::GetClassNameW(window, name, 256);
  if (length <= 0) return {};
  return rt::WideToGbk(std::wstring_view(name, static_cast<std::size_t>(length)));
}

bool IsOwnerDrawListBox(HWND window) {
  wchar_t name[256] = {};
  if (::GetClassNameW(window, name, 256) <= 0 || ::lstrcmpiW(name, L"ListBox") != 0) return false;
  const LONG style = ::GetWindowLongW(window, GWL_STYLE);
  return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool IsAutoRadioStyle(HWND window) {
  const LONG style = ::GetWindowLongW(window, GWL_STYLE);
  return (style & 0x9) == 0x9 && (style & 0x6) == 0;
}

}  // namespace skin
