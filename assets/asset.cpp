// The Asset API over the executable's own resources. Each asset is an RCDATA resource named after
// it (BADGE_1 ... BADGE_100, SKIN_PICTURE, CAPTION_CLOSE, ...); resource memory stays mapped for
// the life of the process, so views into it need no owner.
#include "assets/asset.h"

#include <windows.h>

#include <string>

namespace Asset {
namespace {

rt::ByteView LoadNamed(const std::wstring& name) {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC found = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (found == nullptr) return {};
  const HGLOBAL loaded = LoadResource(module, found);
  if (loaded == nullptr) return {};
  const void* data = LockResource(loaded);
  const DWORD size = SizeofResource(module, found);
  if (data == nullptr || size == 0) return {};
  return {static_cast<const std::uint8_t*>(data), size};
}

}  // namespace

rt::ByteView Badge(int row) {
  if (row < 1 || row > kBadgeCount) return {};
  return LoadNamed(L"BADGE_" + std::to_wstring(row));
}

rt::ByteView SkinPicture() { return LoadNamed(L"SKIN_PICTURE"); }

rt::ByteView CaptionButtonPicture(CaptionGlyph glyph) {
  switch (glyph) {
    case CaptionGlyph::Help:
      return LoadNamed(L"CAPTION_HELP");
    case CaptionGlyph::MainMenu:
      return LoadNamed(L"CAPTION_MAIN_MENU");
    case CaptionGlyph::Minimise:
      return LoadNamed(L"CAPTION_MINIMISE");
    case CaptionGlyph::Maximise:
      return LoadNamed(L"CAPTION_MAXIMISE");
    case CaptionGlyph::Restore:
      return LoadNamed(L"CAPTION_RESTORE");
    case CaptionGlyph::Close:
      return LoadNamed(L"CAPTION_CLOSE");
  }
  return {};
}

rt::ByteView CheckBoxPicture(bool checked) {
  return LoadNamed(checked ? L"CHECK_CHECKED" : L"CHECK_EMPTY");
}

rt::ByteView ArrowPicture(Arrow arrow) {
  switch (arrow) {
    case Arrow::Down:
      return LoadNamed(L"ARROW_DOWN");
    case Arrow::Up:
      return LoadNamed(L"ARROW_UP");
    case Arrow::Left:
      return LoadNamed(L"ARROW_LEFT");
    case Arrow::Right:
      return LoadNamed(L"ARROW_RIGHT");
  }
  return {};
}

rt::ByteView WorkingSetTool() { return LoadNamed(L"WORKING_SET_TOOL"); }

}  // namespace Asset
