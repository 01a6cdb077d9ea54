// GDI+ fonts, font families and font collections. Names cross the boundary as GBK (code page 936)
// texts, with UTF-16 twins.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/gfx_object.h"
#include "runtime/text.h"

namespace gfx {

class GfxFontCollection;
class GfxGraphics;

// Owns its family: the family is deleted with the wrapper (a generic family too: GDI+ counts
// references to families, so deleting one we were handed is what balances it).
class GfxFontFamily : public GfxObject {
 public:
  GfxFontFamily() = default;
  GfxFontFamily(GfxFontFamily&& other) noexcept = default;
  GfxFontFamily& operator=(GfxFontFamily&& other) noexcept;
  ~GfxFontFamily() override { GdipDeleteFontFamily(); }

  Gdiplus::GpFontFamily* GetNativeObject() const {
    return static_cast<Gdiplus::GpFontFamily*>(GfxObject::GetNativeObject());
  }

  // False at once, without a GDI+ call, when nothing is held.
  bool GdipDeleteFontFamily();
  // The family of that name among the installed fonts, or in `collection` when one is given.
  // Fails with FontFamilyNotFound when there is none (no fallback here: see GfxFont).
  bool GdipCreateFontFamilyFromName(rt::TextView name,
                                    const GfxFontCollection* collection = nullptr);
  bool GdipCreateFontFamilyFromNameW(std::wstring_view name,
                                     const GfxFontCollection* collection = nullptr);
  bool GdipGetGenericFontFamilySansSerif();
  bool GdipGetGenericFontFamilySerif();
  bool GdipGetGenericFontFamilyMonospace();
  bool GdipCloneFontFamily(GfxFontFamily& destination) const;
  // The family that stands in for a missing one, so that text is never left undrawn: the generic
  // sans-serif family, else the family of the system's GUI font, else the first installed family.
  bool CreateFallbackFamily();

  // The family's name in the neutral language; empty when the call fails.
  rt::Text GdipGetFamilyName() const;
  std::wstring GdipGetFamilyNameW() const;
  bool GdipIsStyleAvailable(int style) const;

 private:
  void DeleteHeld() noexcept override { GdipDeleteFontFamily(); }
};

// Borrows a collection that GDI+ owns (such as the installed fonts): never deletes it.
class GfxFontCollection : public GfxObject {
 public:
  GfxFontCollection() = default;
  GfxFontCollection(GfxFontCollection&& other) noexcept = default;
  GfxFontCollection& operator=(GfxFontCollection&& other) noexcept;

  Gdiplus::GpFontCollection* GetNativeObject() const {
    return static_cast<Gdiplus::GpFontCollection*>(GfxObject::GetNativeObject());
  }

  // Borrows the collection of the fonts installed in the system.
  bool GdipNewInstalledFontCollection();
  int GdipGetFontCollectionFamilyCount() const;
  // Replaces `families` with up to `count` families of the collection and gives the number found.
  // A count below 1 records InvalidParameter and gives 0 without asking GDI+.
  int GdipGetFontCollectionFamilyList(int count, std::vector<GfxFontFamily>& families) const;

 private:
  void DeleteHeld() noexcept override { ReleaseNative(); }
};

class GfxFont : public GfxObject {
 public:
  GfxFont() = default;
  GfxFont(GfxFont&& other) noexcept = default;
  GfxFont& operator=(GfxFont&& other) noexcept;
  ~GfxFont() override { GdipDeleteFont(); }

  Gdiplus::GpFont* GetNativeObject() const {
    return static_cast<Gdiplus::GpFont*>(GfxObject::GetNativeObject());
  }

  // False at once, without a GDI+ call, when nothing is held.
  bool GdipDeleteFont();
  bool GdipCreateFont(const GfxFontFamily& family, REAL emSize, int style,
                      Gdiplus::Unit unit = Gdiplus::UnitWorld);
  // From an installed family's name. A name that is not installed falls back to
  // GfxFontFamily::CreateFallbackFamily, so text is never left undrawn; the result is
  // GdipCreateFont's status.
  bool GdipCreateFont(rt::TextView familyName, REAL emSize, int style,
                      Gdiplus::Unit unit = Gdiplus::UnitWorld);
  bool GdipCreateFontW(std::wstring_view familyName, REAL emSize, int style,
                       Gdiplus::Unit unit = Gdiplus::UnitWorld);
  // The font selected into the device context.
  bool GdipCreateFontFromDC(HDC dc);
  // The font of a font handle as the device context sees it; a face that GDI+ cannot draw (a
  // bitmap font) keeps its size and style in GfxFontFamily::CreateFallbackFamily. The DC's own font
  // when no handle is given, the handle is not a font, or all else fails.
  bool CreateFontFromDcAndHandle(HDC dc, std::optional<HFONT> font = std::nullopt);
  bool GdipCreateFontFromLogfontW(HDC dc, const LOGFONTW& logFont);
  bool GdipCloneFont(GfxFont& destination) const;

  // Gives the font's family into `family`, which then owns a reference of its own.
  bool GdipGetFamily(GfxFontFamily& family) const;
  int GdipGetFontStyle() const;
  REAL GdipGetFontSize() const;
  Gdiplus::Unit GdipGetFontUnit() const;
  std::optional<LOGFONTW> GdipGetLogFontW(const GfxGraphics& graphics) const;

 private:
  void DeleteHeld() noexcept override { GdipDeleteFont(); }
};

}  // namespace gfx
