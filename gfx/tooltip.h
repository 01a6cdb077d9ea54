// A tooltip control that shows a text while the mouse rests over rectangles of one owner window.
//
// The object owns its control: the control is destroyed with the object (or with its owner window,
// which owns it as well, whichever goes first).
#pragma once

#include <windows.h>

#include "runtime/text.h"

namespace gfx {

class TooltipWindow {
 public:
  TooltipWindow() = default;
  TooltipWindow(TooltipWindow&& other) noexcept;
  TooltipWindow& operator=(TooltipWindow&& other) noexcept;
  TooltipWindow(const TooltipWindow&) = delete;
  TooltipWindow& operator=(const TooltipWindow&) = delete;
  ~TooltipWindow() { DestroyControl(); }

  // Creates the control for tools of `owner` (a control made earlier is destroyed first) and gives
  // its handle, or null when it could not be made.
  HWND CreateTooltip(HWND owner, bool balloon = false);
  // A tool over `rect` (owner client coordinates) showing `text` (GBK; the control keeps a copy).
  // The control watches the owner's mouse messages by itself (TTF_SUBCLASS).
  bool AddTool(const RECT& rect, rt::TextView text, UINT_PTR id);
  void DeleteTool(UINT_PTR id);
  void SetToolRect(UINT_PTR id, const RECT& rect);
  void SetToolText(UINT_PTR id, rt::TextView text);

  // Each gives what the control answers (0 without a control).
  LRESULT SetTipBackColour(COLORREF colour);
  LRESULT SetTipTextColour(COLORREF colour);
  LRESULT SetMaxTipWidth(int width);

  HWND GetTooltipHandle() const { return tooltip_; }
  HWND GetOwner() const { return owner_; }

 private:
  void DestroyControl();
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;

  HWND tooltip_ = nullptr;
  HWND owner_ = nullptr;
};

}  // namespace gfx
