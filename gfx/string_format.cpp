// GDI+ string formats.
#include "gfx/string_format.h"

#include "gfx/internal.h"

namespace gfx {

using namespace internal;

namespace {

// Makes `format` own a clone of a format that GDI+ shares.
template <typename GetShared>
bool CloneShared(GfxStringFormat& format, GetShared getShared) {
  Gdiplus::GpStringFormat* shared = nullptr;
  if (!KeepStatus(getShared(&shared))) return false;
  Gdiplus::GpStringFormat* clone = nullptr;
  const GpStatus status = flat::GdipCloneStringFormat(shared, &clone);
  format.SetNativeObject(clone);
  return KeepStatus(status);
}

}  // namespace

GfxStringFormat& GfxStringFormat::operator=(GfxStringFormat&& other) noexcept {
  MoveFrom(other);
  return *this;
}

bool GfxStringFormat::GdipDeleteStringFormat() {
  if (!HasNativeObject()) return false;
  return KeepStatus(
      flat::GdipDeleteStringFormat(static_cast<Gdiplus::GpStringFormat*>(ReleaseNative())));
}

bool GfxStringFormat::GdipCreateStringFormat(int flags, LANGID language) {
  Gdiplus::GpStringFormat* format = nullptr;
  const GpStatus status = flat::GdipCreateStringFormat(flags, language, &format);
  SetNativeObject(format);
  return KeepStatus(status);
}

bool GfxStringFormat::GdipStringFormatGetGenericDefault() {
  return CloneShared(*this, [](Gdiplus::GpStringFormat** shared) {
    return flat::GdipStringFormatGetGenericDefault(shared);
  });
}

bool GfxStringFormat::GdipStringFormatGetGenericTypographic() {
  return CloneShared(*this, [](Gdiplus::GpStringFormat** shared) {
    return flat::GdipStringFormatGetGenericTypographic(shared);
  });
}

bool GfxStringFormat::GdipCloneStringFormat(GfxStringFormat& destination) const {
  Gdiplus::GpStringFormat* clone = nullptr;
  const GpStatus status = flat::GdipCloneStringFormat(GetNativeObject(), &clone);
  destination.SetNativeObject(clone);
  return KeepStatus(status);
}

int GfxStringFormat::GdipGetStringFormatFlags() const {
  return GetValue<INT>(
      [&](INT* flags) { return flat::GdipGetStringFormatFlags(GetNativeObject(), flags); });
}

bool GfxStringFormat::GdipSetStringFormatFlags(int flags) {
  return KeepStatus(flat::GdipSetStringFormatFlags(GetNativeObject(), flags));
}

Gdiplus::StringAlignment GfxStringFormat::GdipGetStringFormatAlign() const {
  return GetValue<Gdiplus::StringAlignment>([&](Gdiplus::StringAlignment* align) {
    return flat::GdipGetStringFormatAlign(GetNativeObject(), align);
  });
}

bool GfxStringFormat::GdipSetStringFormatAlign(Gdiplus::StringAlignment align) {
  return KeepStatus(flat::GdipSetStringFormatAlign(GetNativeObject(), align));
}

Gdiplus::StringAlignment GfxStringFormat::GdipGetStringFormatLineAlign() const {
  return GetValue<Gdiplus::StringAlignment>([&](Gdiplus::StringAlignment* align) {
    return flat::GdipGetStringFormatLineAlign(GetNativeObject(), align);
  });
}

bool GfxStringFormat::GdipSetStringFormatLineAlign(Gdiplus::StringAlignment align) {
  return KeepStatus(flat::GdipSetStringFormatLineAlign(GetNativeObject(), align));
}

Gdiplus::StringTrimming GfxStringFormat::GdipGetStringFormatTrimming() const {
  return GetValue<Gdiplus::StringTrimming>([&](Gdiplus::StringTrimming* trimming) {
    return flat::GdipGetStringFormatTrimming(GetNativeObject(), trimming);
  });
}

bool GfxStringFormat::GdipSetStringFormatTrimming(Gdiplus::StringTrimming trimming) {
  return KeepStatus(flat::GdipSetStringFormatTrimming(GetNativeObject(), trimming));
}

bool GfxStringFormat::GdipSetStringFormatHotkeyPrefix(Gdiplus::HotkeyPrefix prefix) {
  return KeepStatus(flat::GdipSetStringFormatHotkeyPrefix(GetNativeObject(), prefix));
}

bool GfxStringFormat::GdipSetStringFormatMeasurableCharacterRanges(
    std::span<const Gdiplus::CharacterRange> ranges) {
  return KeepStatus(flat::GdipSetStringFormatMeasurableCharacterRanges(
      GetNativeObject(), static_cast<INT>(ranges.size()), ranges.data()));
}

int GfxStringFormat::GdipGetStringFormatMeasurableCharacterRangeCount() const {
  return GetValue<INT>([&](INT* count) {
    return flat::GdipGetStringFormatMeasurableCharacterRangeCount(GetNativeObject(), count);
  });
}

}  // namespace gfx
