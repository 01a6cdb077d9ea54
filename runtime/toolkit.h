// The window-toolkit services the calculator is written against: control texts, pictures, timers,
// the message box and a few system values. Thin code over Win32; every text crossing into Windows
// is converted from GBK with code page 936 and handed to the W functions.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/text.h"
#include "runtime/win_handles.h"

namespace rt {

// What the toolkit needs for the life of the program: GDI+ (pictures are decoded with it) and the
// window classes of its own controls. Create one before the first window, on the GUI thread.
class ToolkitSession {
 public:
  ToolkitSession();
  ToolkitSession(const ToolkitSession&) = delete;
  ToolkitSession& operator=(const ToolkitSession&) = delete;
  ~ToolkitSession();

 private:
  ULONG_PTR gdiplusToken_ = 0;
};

// The control's text, or a combo box's current item (empty when none is selected).
Text ReadControlText(HWND control);
// Replaces the control's text. A transparent label also has its parent repaint the area beneath,
// so the old text does not show through.
void WriteControlText(HWND control, TextView text);

// The window class of picture boxes: no border, the system background until a picture is given.
inline constexpr wchar_t kPictureBoxClass[] = L"RtPictureBox";
// Decodes the image file in `picture` (JPEG, PNG, BMP, GIF) and shows it stretched to the whole
// box. An empty or undecodable byte set clears the box. The box owns its bitmap; given the file it
// already shows, it keeps that bitmap.
void SetPicture(HWND pictureBox, ByteView picture);
// The bitmap a picture box shows (still owned by the box), or null.
HBITMAP PictureOf(HWND pictureBox);

// A window timer: ticks arrive as WM_TIMER with its id at the owner window. Stopped (period 0)
// until SetTimerPeriod starts it; killed when the owner goes away.
class Timer {
 public:
  Timer() = default;
  Timer(HWND owner, UINT_PTR id) : owner_(owner), id_(id) {}
  Timer(Timer&& other) noexcept;
  Timer& operator=(Timer&& other) noexcept;
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  UINT_PTR Id() const { return id_; }
  int Period() const { return periodMs_; }

 private:
  friend void SetTimerPeriod(Timer& timer, int periodMs);
  void Stop();

  HWND owner_ = nullptr;
  UINT_PTR id_ = 0;
  int periodMs_ = 0;
};

// 0 or less stops the timer; the period it already has changes nothing (a running timer is not
// restarted); any other period restarts it with that interval.
void SetTimerPeriod(Timer& timer, int periodMs);

// The Win32 handle of a window or control; null when it does not exist (any more).
HWND GetControlHandle(HWND windowOrControl);

// A task-modal box with an OK button, titled "信息："; returns when the user closes it.
void ShowMessage(TextView text);

// The system's default background colour of windows and buttons (0x00BBGGRR).
COLORREF DefaultBackColour();

int ScreenWidth();
int ScreenHeight();

// Controls placed inside a group box send their notifications (WM_COMMAND, WM_CTLCOLOR*) to the
// box; after this call the box hands them on to its parent window, and erases its inside with
// the window's background so that transparent labels in it have something to show through.
void RouteGroupBoxNotifications(HWND groupBox);

// Marks a static control as a transparent label: WriteControlText then repaints what lies beneath.
void MarkTransparentLabel(HWND label);
bool IsTransparentLabel(HWND control);
// The answer to WM_CTLCOLORSTATIC for a transparent label: black text, no background of its own.
LRESULT TransparentLabelColours(HDC dc);

}  // namespace rt
