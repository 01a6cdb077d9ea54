// GDI+ images and bitmaps, the image encoders, and GUIDs written as texts.
//
// An image made from a byte set owns a GfxStream with a copy of the bytes: GDI+ may decode lazily
// from the stream for as long as the image lives, so the stream is closed only after the image is
// disposed.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "gfx/gfx_object.h"
#include "gfx/stream.h"
#include "runtime/text.h"

namespace gfx {

// Format GUIDs as texts (ImageFormatPNG, ImageFormatBMP), as GdipGetImageRawFormat gives them.
inline constexpr rt::TextView kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr rt::TextView kBmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
// Frame dimension of animated images (FrameDimensionTime).
inline constexpr rt::TextView kTimeDimension = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case, 38 characters.
rt::Text GuidToText(const GUID& guid);
// The GUID of such a text; none when the text is not one.
std::optional<GUID> TextToGuid(rt::TextView text);

// One installed image encoder, with its GUIDs as texts and its signatures as byte sets.
struct ImageCodecRecord {
  rt::Text clsid;
  rt::Text formatId;
  rt::Text codecName;
  rt::Text dllName;
  rt::Text formatDescription;
  rt::Text filenameExtension;
  rt::Text mimeType;
  DWORD flags = 0;
  DWORD version = 0;
  DWORD signatureCount = 0;
  DWORD signatureSize = 0;
  rt::ByteSet signaturePattern;
  rt::ByteSet signatureMask;
};

std::vector<ImageCodecRecord> GetImageEncoders();
// The CLSID text of the first encoder whose format text equals `formatGuid` exactly, or empty.
rt::Text FindEncoderClsid(rt::TextView formatGuid);

// One encoder parameter: its GUID text, number of values, value type (EncoderParameterValueType)
// and the values' bytes.
struct EncoderParameterRecord {
  rt::Text guid;
  ULONG numberOfValues = 0;
  ULONG type = 0;
  rt::ByteSet values;
};
using EncoderParameterList = std::vector<EncoderParameterRecord>;

// Bytes per value of an EncoderParameterValueType (0 for an unknown type).
std::size_t EncoderValueSize(ULONG type);

// The GDI+ EncoderParameters block of a parameter list: a count and one EncoderParameter per
// record, pointing into the records' value bytes (the list must outlive the block).
class EncoderParameterBlock {
 public:
  // None when a record's GUID text is no GUID or its bytes are fewer than its count and type
  // say, so that GDI+ never reads past them.
  static std::optional<EncoderParameterBlock> From(const EncoderParameterList& list);
  Gdiplus::EncoderParameters* Get();

 private:
  explicit EncoderParameterBlock(std::size_t count);
  std::vector<std::uint64_t> units_;  // 8-byte units keep the value pointers aligned
};

// The records of a GDI+ block, each with a copy of its values.
EncoderParameterList ParameterListOf(const Gdiplus::EncoderParameters& block);

class GfxGraphics;

class GfxImageBase : public GfxObject {
 public:
  ~GfxImageBase() override { GdipDisposeImage(); }

  Gdiplus::GpImage* GetNativeObject() const {
    return static_cast<Gdiplus::GpImage*>(GfxObject::GetNativeObject());
  }

  // Disposes the image, then closes its stream. False at once, without a GDI+ call, when nothing
  // is held.
  bool GdipDisposeImage();

  // A separate copy of the image, which `destination` (an image or a bitmap) then owns.
  bool GdipCloneImage(GfxImageBase& destination) const;
  // The parameters that the encoder of `formatGuid` accepts; empty when it has none or is unknown.
  EncoderParameterList GdipGetEncoderParameterList(rt::TextView formatGuid) const;
  // Saves with the encoder of `formatGuid` (default BMP); false when no encoder matches.
  bool GdipSaveImageToFile(rt::TextView fileName,
                           std::optional<rt::TextView> formatGuid = std::nullopt,
                           const EncoderParameterList* parameters = nullptr) const;
  bool GdipSaveImageToFileW(std::wstring_view fileName,
                            std::optional<rt::TextView> formatGuid = std::nullopt,
                            const EncoderParameterList* parameters = nullptr) const;
  // The image encoded with the encoder of `formatGuid` (default: the image's own raw format);
  // empty when encoding fails.
  rt::ByteSet GdipSaveImageToStream(std::optional<rt::TextView> formatGuid = std::nullopt,
                                    const EncoderParameterList* parameters = nullptr) const;

  Gdiplus::ImageType GdipGetImageType() const;
  UINT GdipGetImageWidth() const;
  UINT GdipGetImageHeight() const;
  REAL GdipGetImageHorizontalResolution() const;
  REAL GdipGetImageVerticalResolution() const;
  Gdiplus::PixelFormat GdipGetImagePixelFormat() const;
  // The raw format GUID as text (compare with kPngFormat and friends); empty when it fails.
  rt::Text GdipGetImageRawFormat() const;
  UINT GdipImageGetFrameCount(rt::TextView dimensionGuid) const;
  bool GdipImageSelectActiveFrame(rt::TextView dimensionGuid, UINT index);
  bool GdipImageRotateFlip(Gdiplus::RotateFlipType type);
  // The frame delays (hundredths of a second) of an animated image; none when it has none.
  std::optional<std::vector<std::int32_t>> GetFrameDelays() const;

 protected:
  GfxImageBase() = default;
  GfxImageBase(GfxImageBase&& other) noexcept;
  void MoveImageFrom(GfxImageBase& other) noexcept;
  // Opens the stream over a copy of `bytes`; null when that fails.
  IStream* OpenStream(rt::ByteView bytes);
  void CloseStream() { stream_.Close(); }

 private:
  void DeleteHeld() noexcept override { GdipDisposeImage(); }

  GfxStream stream_;
};

class GfxImage : public GfxImageBase {
 public:
  GfxImage() = default;
  GfxImage(GfxImage&& other) noexcept = default;
  GfxImage& operator=(GfxImage&& other) noexcept;

  bool GdipLoadImageFromFile(rt::TextView fileName, bool icm = false);
  bool GdipLoadImageFromFileW(std::wstring_view fileName, bool icm = false);
  // Decodes an encoded picture (PNG, JPEG, BMP, GIF, ICO...) from a copy of the bytes.
  bool GdipLoadImageFromStream(rt::ByteView bytes, bool icm = false);
};

// What RotateToNewBitmap does beyond turning the picture; everything left out is left undone.
struct RotateOptions {
  std::optional<ARGB> background = std::nullopt;                           // left out: transparent
  std::optional<Gdiplus::InterpolationMode> interpolation = std::nullopt;  // left out: GDI+'s
  std::optional<SIZE> size = std::nullopt;  // left out: RotatedBoundingSize of the source
};

class GfxBitmap : public GfxImageBase {
 public:
  GfxBitmap() = default;
  GfxBitmap(GfxBitmap&& other) noexcept = default;
  GfxBitmap& operator=(GfxBitmap&& other) noexcept;

  Gdiplus::GpBitmap* GetNativeObject() const {
    return static_cast<Gdiplus::GpBitmap*>(GfxObject::GetNativeObject());
  }

  bool GdipCreateBitmapFromFile(rt::TextView fileName, bool icm = false);
  bool GdipCreateBitmapFromFileW(std::wstring_view fileName, bool icm = false);
  bool GdipCreateBitmapFromStream(rt::ByteView bytes, bool icm = false);
  // A new bitmap with pixel memory of its own, cleared to transparent black.
  bool GdipCreateBitmapFromScan0(int width, int height,
                                 Gdiplus::PixelFormat format = PixelFormat32bppARGB);
  // Over the caller's pixels, which must outlive the bitmap.
  bool GdipCreateBitmapFromScan0(int width, int height, int stride, Gdiplus::PixelFormat format,
                                 BYTE* scan0);
  bool GdipCreateBitmapFromGraphics(int width, int height, const GfxGraphics& target);
  bool GdipCreateBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr);
  bool GdipCreateBitmapFromHICON(HICON icon);
  // A new GDI bitmap (the caller owns it) with transparent pixels blended over `background`.
  HBITMAP GdipCreateHBITMAPFromBitmap(ARGB background) const;
  // A new icon (the caller destroys it), or null.
  HICON GdipCreateHICONFromBitmap() const;
  bool GdipCloneBitmapAreaI(int x, int y, int width, int height, Gdiplus::PixelFormat format,
                            GfxBitmap& destination) const;
  ARGB GdipBitmapGetPixel(int x, int y) const;
  bool GdipBitmapSetPixel(int x, int y, ARGB colour);
  bool GdipBitmapSetResolution(REAL dpiX, REAL dpiY);

  // Width and height of the box that holds a width x height picture rotated by `angle` degrees.
  static SIZE RotatedBoundingSize(int width, int height, REAL angle);

  // Draws this bitmap rotated by `angle` degrees about its centre, centred in a new 32 bpp ARGB
  // bitmap that `destination` receives. Nothing is changed when any step fails.
  bool RotateToNewBitmap(REAL angle, GfxBitmap& destination,
                         const RotateOptions& options = {}) const;
};

}  // namespace gfx
