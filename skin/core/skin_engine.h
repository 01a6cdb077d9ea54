// The object through which the program skins its windows.
//
// All skinning state is module-wide (skin/core/module.h); the object holds the two bound entries
// through which the platform calls back into it and two small pieces of shared mouse state. It must
// stay where it was created while its entries are bound, so it neither copies nor moves: Copy makes
// a new object with entries of its own.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/core/bound_entry.h"

namespace skin {

class SkinEngine {
 public:
  SkinEngine() = default;
  SkinEngine(const SkinEngine&) = delete;
  SkinEngine& operator=(const SkinEngine&) = delete;
  // Runs Destroy: destroying the object ends GDI+ for the whole module.
  ~SkinEngine() { Destroy(); }

  // A new object, initialised.
  static std::unique_ptr<SkinEngine> Create();

  // Binds both entries to this object and takes the run time's default back colour as the skin's.
  void Initialise();
  // Shuts GDI+ down (once for the module), destroys the caption icon and releases both entries.
  // Skinned windows are not unskinned; they are expected to be gone.
  void Destroy();
  // A new object with the same fields, its entries bound to the new object.
  std::unique_ptr<SkinEngine> Copy() const;

  // Body of windowProcEntry for every skinned top-level window. Handles the lifecycle messages
  // (WM_QUIT shuts GDI+ down once; WM_DESTROY releases the children's colour objects; WM_NCDESTROY
  // tears the window's record down); every other message goes to the previous procedure.
  LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The action behind a click on caption button `buttonNumber` of window `windowNumber`; nothing
  // when either number is out of range.
  void RunCaptionButtonAction(int windowNumber, int buttonNumber);

  // Installed as the window procedure of every skinned top-level window.
  WindowProcEntry windowProcEntry;
  // Width of the skinned window border (SkinWindow sets 3).
  int borderWidth = 0;
  // 1-based caption button the mouse is over or has pressed, 0 for none; shared by all windows.
  int hotCaptionButton = 0;
  CaptionActionEntry captionActionEntry;
  // A caption-button click is acted on only while this is set.
  CaptionActionProc captionActionEntryAddress = nullptr;
};

// Undoes a window's skinning bookkeeping when the window goes away (WM_NCDESTROY): releases its
// edit boxes' colour objects, its memory images and its record, then renumbers the remaining
// windows and their controls. Nothing for a window that is not skinned.
void TearDownWindow(HWND window);

// Deletes the brush and bitmap last handed to `control` for its colours (Kj_dxjb, Kj_wtjb) and
// clears both properties.
void ReleaseControlColourObjects(HWND control);

}  // namespace skin
