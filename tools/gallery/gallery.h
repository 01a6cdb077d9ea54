// The skin gallery: every control kind that the control skins draw, in several states, on one
// skinned window. The library's demonstration, and a fixture of the tests.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

namespace gallery {

// The controls the gallery puts up, by kind and state.
struct GalleryControls {
  HWND pushButton, disabledPushButton;
  HWND checkedBox, uncheckedBox, disabledBox;
  HWND checkedRadio, uncheckedRadio;
  HWND singleLineEdit, scrollingEdit;
  HWND dropDownCombo, dropDownListCombo;
  HWND listBox, listView, treeView, ipAddress, dateControl;
};

inline constexpr int kGalleryWidth = 680;
inline constexpr int kGalleryHeight = 420;

// Creates the controls on `parent` (the window of window record `windowNumber`) and hands them
// to the control skins in the order that a skinned window uses.
GalleryControls BuildGallery(HWND parent, int windowNumber);

// The answer the gallery's window gives to WM_DRAWITEM: skinned push buttons are owner-drawn.
std::optional<LRESULT> PaintDrawItem(UINT message, LPARAM lParam);

// Saves what `window` shows (its window rectangle, children included) as a PNG file.
bool SaveWindowPicture(HWND window, std::wstring_view path);

}  // namespace gallery
