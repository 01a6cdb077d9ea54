// The skin's module-wide state: one set of settings per process, shared by every SkinEngine and
// every skinned window, the array of window records and the scratch memory DCs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/text.h"
#include "runtime/win_handles.h"
#include "skin/core/memory_image.h"
#include "skin/core/records.h"

namespace skin {

inline void DestroyIconHandle(HICON icon) { ::DestroyIcon(icon); }
using UniqueIcon = rt::UniqueHandle<rt::HandleTraits<HICON, DestroyIconHandle>>;

// The caption icon's resources: the integer id tried first, then the named group.
inline constexpr int kCaptionIconId = 129;
inline constexpr wchar_t kCaptionIconName[] = L"DEFAULT_ICON";

struct ModuleSettings {
  ULONG_PTR gdiplusToken = 0;  // 0: GDI+ was not started here, or is already shut down
  UniqueIcon windowIcon;       // drawn in every skinned caption; may be empty
  int initialSizePending = 1;
  int controlSkinning = 1;
  std::uint8_t controlVeilAlpha = 160;
  COLORREF accentColour = 0xDDCA22;
  int trackbarOption = 1;
  COLORREF skinBackColour = 0;
  // Numbered from 1: a window's number is its position here. Owned one by one, so that a record
  // stays where it is while others are removed.
  std::vector<std::unique_ptr<WindowRecord>> windowRecords;
  int translucentControls = 0;
  // Every DC that CreateControlBackBuffer handed out and that has not been released yet.
  std::vector<MemoryImage> memoryDcList;
  int skinPictureMode = 4;
  rt::ByteSet skinPicture;  // PNG
};

ModuleSettings& Module();

// The module's start: GDI+ version 1 is started (its token kept), the caption icon is loaded and
// the settings take their start values. Call once, on the GUI thread, before the first window.
void StartSkinModule();

// The caption icon of `module`: icon resource 129, else the group named "DEFAULT_ICON"; empty when
// neither exists. The icon is the caller's to destroy.
UniqueIcon LoadCaptionIcon(HMODULE module);

// Puts the settings that the module start fixes back to their start values.
void ApplyStartDefaults(ModuleSettings& settings);

// GdiplusShutdown with the module's token, once: the token is forgotten, so the shutdown on WM_QUIT
// and the one of SkinEngine::Destroy never both run.
void ShutDownGdiplusOnce();

// What remains at the program's exit: every window record with everything it owns, the scratch
// DCs and the skin picture.
void ReleaseModuleData();

// The record of window number `number`, or null when the number is outside 1..count.
WindowRecord* FindRecord(int number);
int WindowRecordCount();

// Appends `record` as the last window number and writes that number on its window as Hw_lbID.
int AppendWindowRecord(std::unique_ptr<WindowRecord> record);

}  // namespace skin
