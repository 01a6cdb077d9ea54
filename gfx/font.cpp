// GDI+ fonts, font families and font collections.
#include "gfx/font.h"

#include <cwchar>

#include "gfx/graphics.h"
#include "gfx/internal.h"

namespace gfx {

using namespace internal;

// --- GfxFontFamily ---

GfxFontFamily& GfxFontFamily::operator=(GfxFontFamily&& other) noexcept {
  MoveFrom(other);
  return *this;
}

bool GfxFontFamily::GdipDeleteFontFamily() {
  if (!HasNativeObject()) return false;
  return KeepStatus(
      flat::GdipDeleteFontFamily(static_cast<Gdiplus::GpFontFamily*>(ReleaseNative())));
}

bool GfxFontFamily::GdipCreateFontFamilyFromName(rt::TextView name,
                                                 const GfxFontCollection* collection) {
  return GdipCreateFontFamilyFromNameW(Wide(name), collection);
}

bool GfxFontFamily::GdipCreateFontFamilyFromNameW(std::wstring_view name,
                                                  const GfxFontCollection* collection) {
  const std::wstring terminated(name);
  Gdiplus::GpFontFamily* family = nullptr;
  const GpStatus status = flat::GdipCreateFontFamilyFromName(
      terminated.c_str(), collection != nullptr ? collection->GetNativeObject() : nullptr, &family);
  SetNativeObject(family);
  return KeepStatus(status);
}

bool GfxFontFamily::GdipGetGenericFontFamilySansSerif() {
  Gdiplus::GpFontFamily* family = nullptr;
  const GpStatus status = flat::GdipGetGenericFontFamilySansSerif(&family);
  SetNativeObject(family);
  return KeepStatus(status);
}

bool GfxFontFamily::GdipGetGenericFontFamilySerif() {
  Gdiplus::GpFontFamily* family = nullptr;
  const GpStatus status = flat::GdipGetGenericFontFamilySerif(&family);
  SetNativeObject(family);
  return KeepStatus(status);
}

bool GfxFontFamily::GdipGetGenericFontFamilyMonospace() {
  Gdiplus::GpFontFamily* family = nullptr;
  const GpStatus status = flat::GdipGetGenericFontFamilyMonospace(&family);
  SetNativeObject(family);
  return KeepStatus(status);
}

bool GfxFontFamily::GdipCloneFontFamily(GfxFontFamily& destination) const {
  Gdiplus::GpFontFamily* clone = nullptr;
  const GpStatus status = flat::GdipCloneFontFamily(GetNativeObject(), &clone);
  destination.SetNativeObject(clone);
  return KeepStatus(status);
}

bool GfxFontFamily::CreateFallbackFamily() {
  if (GdipGetGenericFontFamilySansSerif()) return true;
  // A system without the fonts that GDI+ calls sans-serif (a bare Wine prefix): the face that GDI
  // maps the GUI font to, when GDI+ can draw it.
  LOGFONTW guiFont{};
  HDC screen = GetDC(nullptr);
  if (screen != nullptr) {
    GfxFont font;
    const bool made = GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(guiFont), &guiFont) ==
                          sizeof(guiFont) &&
                      font.GdipCreateFontFromLogfontW(screen, guiFont);
    ReleaseDC(nullptr, screen);
    if (made && font.GdipGetFamily(*this)) return true;
  }
  GfxFontCollection installed;
  std::vector<GfxFontFamily> first;
  if (installed.GdipNewInstalledFontCollection() &&
      installed.GdipGetFontCollectionFamilyList(1, first) == 1 && first[0].HasNativeObject()) {
    *this = std::move(first[0]);
    return KeepStatus(Gdiplus::Ok);
  }
  return false;
}

rt::Text GfxFontFamily::GdipGetFamilyName() const { return rt::WideToGbk(GdipGetFamilyNameW()); }

std::wstring GfxFontFamily::GdipGetFamilyNameW() const {
  WCHAR name[LF_FACESIZE] = {};
  if (!KeepStatus(flat::GdipGetFamilyName(GetNativeObject(), name, 0))) return {};
  return std::wstring(name, wcsnlen(name, LF_FACESIZE));
}

bool GfxFontFamily::GdipIsStyleAvailable(int style) const {
  return GetValue<BOOL>([&](BOOL* available) {
           return flat::GdipIsStyleAvailable(GetNativeObject(), style, available);
         }) != FALSE;
}

// --- GfxFontCollection ---

GfxFontCollection& GfxFontCollection::operator=(GfxFontCollection&& other) noexcept {
  MoveFrom(other);
  return *this;
}

bool GfxFontCollection::GdipNewInstalledFontCollection() {
  Gdiplus::GpFontCollection* collection = nullptr;
  const GpStatus status = flat::GdipNewInstalledFontCollection(&collection);
  SetNativeObject(collection);
  return KeepStatus(status);
}

int GfxFontCollection::GdipGetFontCollectionFamilyCount() const {
  return GetValue<INT>(
      [&](INT* count) { return flat::GdipGetFontCollectionFamilyCount(GetNativeObject(), count); });
}

int GfxFontCollection::GdipGetFontCollectionFamilyList(int count,
                                                       std::vector<GfxFontFamily>& families) const {
  if (count < 1) {
    KeepStatus(Gdiplus::InvalidParameter);
    return 0;
  }
  std::vector<Gdiplus::GpFontFamily*> handles(static_cast<std::size_t>(count), nullptr);
  INT found = 0;
  if (!KeepStatus(flat::GdipGetFontCollectionFamilyList(GetNativeObject(), count, handles.data(),
                                                        &found))) {
    return 0;
  }
  // The listed families stay the collection's: each wrapper owns a clone (a reference) of its own.
  std::vector<GfxFontFamily> owned(static_cast<std::size_t>(count));
  for (int i = 0; i < found && i < count; ++i) {
    Gdiplus::GpFontFamily* clone = nullptr;
    if (flat::GdipCloneFontFamily(handles[static_cast<std::size_t>(i)], &clone) == Gdiplus::Ok) {
      owned[static_cast<std::size_t>(i)].SetNativeObject(clone);
    }
  }
  families = std::move(owned);
  KeepStatus(Gdiplus::Ok);
  return found;
}

// --- GfxFont ---

GfxFont& GfxFont::operator=(GfxFont&& other) noexcept {
  MoveFrom(other);
  return *this;
}

bool GfxFont::GdipDeleteFont() {
  if (!HasNativeObject()) return false;
  return KeepStatus(flat::GdipDeleteFont(static_cast<Gdiplus::GpFont*>(ReleaseNative())));
}

bool GfxFont::GdipCreateFont(const GfxFontFamily& family, REAL emSize, int style,
                             Gdiplus::Unit unit) {
  Gdiplus::GpFont* font = nullptr;
  const GpStatus status =
      flat::GdipCreateFont(family.GetNativeObject(), emSize, style, unit, &font);
  SetNativeObject(font);
  return KeepStatus(status);
}

bool GfxFont::GdipCreateFont(rt::TextView familyName, REAL emSize, int style, Gdiplus::Unit unit) {
  return GdipCreateFontW(Wide(familyName), emSize, style, unit);
}

bool GfxFont::GdipCreateFontW(std::wstring_view familyName, REAL emSize, int style,
                              Gdiplus::Unit unit) {
  GfxFontFamily family;
  if (!family.GdipCreateFontFamilyFromNameW(familyName)) family.CreateFallbackFamily();
  return GdipCreateFont(family, emSize, style, unit);
}

bool GfxFont::GdipCreateFontFromDC(HDC dc) {
  Gdiplus::GpFont* font = nullptr;
  const GpStatus status = flat::GdipCreateFontFromDC(dc, &font);
  SetNativeObject(font);
  return KeepStatus(status);
}

bool GfxFont::CreateFontFromDcAndHandle(HDC dc, std::optional<HFONT> font) {
  LOGFONTW logFont{};
  // The W form keeps the face name in UTF-16; the A form would pass it through the ANSI code page.
  if (font && *font != nullptr && GetObjectW(*font, sizeof(logFont), &logFont) == sizeof(logFont)) {
    if (GdipCreateFontFromLogfontW(dc, logFont)) return true;
    // GDI+ draws no bitmap faces (such as the GUI font of a bare Wine): the same size, weight and
    // style in the fallback family.
    GfxFontFamily fallback;
    if (fallback.CreateFallbackFamily()) {
      const std::wstring face = fallback.GdipGetFamilyNameW();
      logFont.lfFaceName[face.copy(logFont.lfFaceName, LF_FACESIZE - 1)] = L'\0';
      if (GdipCreateFontFromLogfontW(dc, logFont)) return true;
    }
  }
  return GdipCreateFontFromDC(dc);
}

bool GfxFont::GdipCreateFontFromLogfontW(HDC dc, const LOGFONTW& logFont) {
  Gdiplus::GpFont* font = nullptr;
  const GpStatus status = flat::GdipCreateFontFromLogfontW(dc, &logFont, &font);
  SetNativeObject(font);
  return KeepStatus(status);
}

bool GfxFont::GdipCloneFont(GfxFont& destination) const {
  Gdiplus::GpFont* clone = nullptr;
  const GpStatus status = flat::GdipCloneFont(GetNativeObject(), &clone);
  destination.SetNativeObject(clone);
  return KeepStatus(status);
}

bool GfxFont::GdipGetFamily(GfxFontFamily& family) const {
  Gdiplus::GpFontFamily* handle = nullptr;
  const GpStatus status = flat::GdipGetFamily(GetNativeObject(), &handle);
  family.SetNativeObject(handle);
  return KeepStatus(status);
}

int GfxFont::GdipGetFontStyle() const {
  return GetValue<INT>(
      [&](INT* style) { return flat::GdipGetFontStyle(GetNativeObject(), style); });
}

REAL GfxFont::GdipGetFontSize() const {
  return GetValue<REAL>([&](REAL* size) { return flat::GdipGetFontSize(GetNativeObject(), size); });
}

Gdiplus::Unit GfxFont::GdipGetFontUnit() const {
  return GetValue<Gdiplus::Unit>(
      [&](Gdiplus::Unit* unit) { return flat::GdipGetFontUnit(GetNativeObject(), unit); });
}

std::optional<LOGFONTW> GfxFont::GdipGetLogFontW(const GfxGraphics& graphics) const {
  LOGFONTW logFont{};
  if (!KeepStatus(flat::GdipGetLogFontW(GetNativeObject(), graphics.GetNativeObject(), &logFont))) {
    return std::nullopt;
  }
  return logFont;
}

}  // namespace gfx
