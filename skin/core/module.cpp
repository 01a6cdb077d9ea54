#include "skin/core/module.h"

// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include "runtime/toolkit.h"
#include "skin/core/property_keys.h"
#include "skin/core/window_props.h"

namespace skin {

ModuleSettings& Module() {
  // Never destroyed: the program's exit routine still destroys the engine and releases the records
  // after static objects made later than its registration are gone. ReleaseModuleData empties it.
  static ModuleSettings* const settings = new ModuleSettings;
  return *settings;
}

namespace {

// Loaded unshared, so that the icon is ours to destroy.
HICON LoadOwnIcon(HMODULE module, const wchar_t* name) {
  return static_cast<HICON>(::LoadImageW(module, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
}

ULONG_PTR StartGdiplus() {
  Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback, no suppression
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 0;
  return token;
}

}  // namespace

UniqueIcon LoadCaptionIcon(HMODULE module) {
  HICON icon = LoadOwnIcon(module, MAKEINTRESOURCEW(kCaptionIconId));
  if (icon == nullptr) icon = LoadOwnIcon(module, kCaptionIconName);
  return UniqueIcon(icon);
}

void ApplyStartDefaults(ModuleSettings& settings) {
  settings.initialSizePending = 1;
  settings.controlSkinning = 1;
  settings.controlVeilAlpha = 160;
  settings.accentColour = 0xDDCA22;
  settings.trackbarOption = 1;
}

void StartSkinModule() {
  ModuleSettings& settings = Module();
  settings.gdiplusToken = StartGdiplus();
  settings.windowIcon = LoadCaptionIcon(::GetModuleHandleW(nullptr));
  ApplyStartDefaults(settings);
}

void ShutDownGdiplusOnce() {
  ModuleSettings& settings = Module();
  const ULONG_PTR token = std::exchange(settings.gdiplusToken, 0);
  if (token != 0) Gdiplus::GdiplusShutdown(token);
}

void ReleaseModuleData() {
  ModuleSettings& settings = Module();
  settings.windowRecords.clear();
  settings.memoryDcList.clear();
  settings.skinPicture.clear();
}

WindowRecord* FindRecord(int number) {
  auto& records = Module().windowRecords;
  if (number < 1 || static_cast<std::size_t>(number) > records.size()) return nullptr;
  return records[static_cast<std::size_t>(number) - 1].get();
}

int WindowRecordCount() { return static_cast<int>(Module().windowRecords.size()); }

int AppendWindowRecord(std::unique_ptr<WindowRecord> record) {
  auto& records = Module().windowRecords;
  HWND window = record->hwnd;
  records.push_back(std::move(record));
  const int number = static_cast<int>(records.size());
  WriteProp(window, prop::Hw_lbID, number);
  return number;
}

}  // namespace skin
