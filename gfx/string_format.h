// GDI+ string formats: alignment, trimming and measurable ranges of drawn text.
#pragma once

#include <span>

#include "gfx/gfx_object.h"

namespace gfx {

class GfxStringFormat : public GfxObject {
 public:
  GfxStringFormat() = default;
  GfxStringFormat(GfxStringFormat&& other) noexcept = default;
  GfxStringFormat& operator=(GfxStringFormat&& other) noexcept;
  ~GfxStringFormat() override { GdipDeleteStringFormat(); }

  Gdiplus::GpStringFormat* GetNativeObject() const {
    return static_cast<Gdiplus::GpStringFormat*>(GfxObject::GetNativeObject());
  }

  // False at once, without a GDI+ call, when nothing is held.
  bool GdipDeleteStringFormat();
  bool GdipCreateStringFormat(int flags = 0, LANGID language = 0);
  // The generic formats are shared by GDI+; the wrapper takes its own clone of them, so that it can
  // delete what it holds like any other format.
  bool GdipStringFormatGetGenericDefault();
  bool GdipStringFormatGetGenericTypographic();
  bool GdipCloneStringFormat(GfxStringFormat& destination) const;

  int GdipGetStringFormatFlags() const;
  bool GdipSetStringFormatFlags(int flags);
  Gdiplus::StringAlignment GdipGetStringFormatAlign() const;
  bool GdipSetStringFormatAlign(Gdiplus::StringAlignment align);
  Gdiplus::StringAlignment GdipGetStringFormatLineAlign() const;
  bool GdipSetStringFormatLineAlign(Gdiplus::StringAlignment align);
  Gdiplus::StringTrimming GdipGetStringFormatTrimming() const;
  bool GdipSetStringFormatTrimming(Gdiplus::StringTrimming trimming);
  bool GdipSetStringFormatHotkeyPrefix(Gdiplus::HotkeyPrefix prefix);
  bool GdipSetStringFormatMeasurableCharacterRanges(
      std::span<const Gdiplus::CharacterRange> ranges);
  int GdipGetStringFormatMeasurableCharacterRangeCount() const;

 private:
  void DeleteHeld() noexcept override { GdipDeleteStringFormat(); }
};

}  // namespace gfx
