// GDI+ images and bitmaps, encoders and GUID texts.
#include "gfx/image.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "gfx/graphics.h"
#include "gfx/internal.h"

namespace gfx {

using namespace internal;

namespace {

// GDI+ fills variable-length records (codec lists, property items, parameter lists) into a block
// of the size it reports; 8-byte units keep the pointers inside them aligned.
class AlignedBlock {
 public:
  explicit AlignedBlock(std::size_t bytes) : units_((bytes + 7) / 8 + 1) {}
  template <typename T>
  T* As() {
    return reinterpret_cast<T*>(units_.data());
  }

 private:
  std::vector<std::uint64_t> units_;
};

rt::Text TextOf(const WCHAR* wide) {
  return wide != nullptr ? rt::WideToGbk(std::wstring_view(wide)) : rt::Text{};
}

rt::ByteSet BytesOf(const BYTE* bytes, std::size_t length) {
  return bytes != nullptr ? rt::ByteSet(bytes, bytes + length) : rt::ByteSet{};
}

ImageCodecRecord RecordOf(const Gdiplus::ImageCodecInfo& info) {
  const std::size_t signatureBytes = std::size_t{info.SigCount} * info.SigSize;
  return ImageCodecRecord{
      .clsid = GuidToText(info.Clsid),
      .formatId = GuidToText(info.FormatID),
      .codecName = TextOf(info.CodecName),
      .dllName = TextOf(info.DllName),
      .formatDescription = TextOf(info.FormatDescription),
      .filenameExtension = TextOf(info.FilenameExtension),
      .mimeType = TextOf(info.MimeType),
      .flags = info.Flags,
      .version = info.Version,
      .signatureCount = info.SigCount,
      .signatureSize = info.SigSize,
      .signaturePattern = BytesOf(info.SigPattern, signatureBytes),
      .signatureMask = BytesOf(info.SigMask, signatureBytes),
  };
}

// The CLSID of the encoder for a format text; all zero when none matches (GDI+ then refuses).
CLSID EncoderFor(rt::TextView formatGuid) {
  return TextToGuid(FindEncoderClsid(formatGuid)).value_or(CLSID{});
}

}  // namespace

// --- GUID texts and encoders ---

rt::Text GuidToText(const GUID& guid) {
  WCHAR text[40] = {};
  const int length = StringFromGUID2(guid, text, 40);
  if (length <= 1) return {};
  return rt::WideToGbk(std::wstring_view(text, static_cast<std::size_t>(length - 1)));
}

std::optional<GUID> TextToGuid(rt::TextView text) {
  if (text.empty()) return std::nullopt;
  const std::wstring wide = Wide(text);
  GUID guid{};
  if (FAILED(CLSIDFromString(wide.c_str(), &guid))) return std::nullopt;
  return guid;
}

std::vector<ImageCodecRecord> GetImageEncoders() {
  UINT count = 0;
  UINT bytes = 0;
  if (!KeepStatus(flat::GdipGetImageEncodersSize(&count, &bytes)) || count == 0) return {};
  AlignedBlock block(bytes);
  auto* codecs = block.As<Gdiplus::ImageCodecInfo>();
  if (!KeepStatus(flat::GdipGetImageEncoders(count, bytes, codecs))) return {};
  std::vector<ImageCodecRecord> records;
  records.reserve(count);
  for (UINT i = 0; i < count; ++i) records.push_back(RecordOf(codecs[i]));
  return records;
}

rt::Text FindEncoderClsid(rt::TextView formatGuid) {
  for (const ImageCodecRecord& codec : GetImageEncoders()) {
    if (codec.formatId == formatGuid) return codec.clsid;
  }
  return {};
}

std::size_t EncoderValueSize(ULONG type) {
  switch (type) {
    case Gdiplus::EncoderParameterValueTypeByte:
    case Gdiplus::EncoderParameterValueTypeASCII:
    case Gdiplus::EncoderParameterValueTypeUndefined:
      return 1;
    case Gdiplus::EncoderParameterValueTypeShort:
      return 2;
    case Gdiplus::EncoderParameterValueTypeLong:
      return 4;
    case Gdiplus::EncoderParameterValueTypeRational:
    case Gdiplus::EncoderParameterValueTypeLongRange:
      return 8;
    case Gdiplus::EncoderParameterValueTypeRationalRange:
      return 16;
    default:
      return 0;
  }
}

std::optional<EncoderParameterBlock> EncoderParameterBlock::From(const EncoderParameterList& list) {
  EncoderParameterBlock block(list.size());
  Gdiplus::EncoderParameters* parameters = block.Get();
  parameters->Count = static_cast<UINT>(list.size());
  for (std::size_t i = 0; i < list.size(); ++i) {
    const EncoderParameterRecord& record = list[i];
    const std::optional<GUID> guid = TextToGuid(record.guid);
    const std::size_t needed = std::size_t{record.numberOfValues} * EncoderValueSize(record.type);
    if (!guid || record.values.size() < needed) return std::nullopt;
    Gdiplus::EncoderParameter& parameter = parameters->Parameter[i];
    parameter.Guid = *guid;
    parameter.NumberOfValues = record.numberOfValues;
    parameter.Type = record.type;
    parameter.Value = const_cast<std::uint8_t*>(record.values.data());
  }
  return block;
}

EncoderParameterBlock::EncoderParameterBlock(std::size_t count)
    : units_((sizeof(Gdiplus::EncoderParameters) + count * sizeof(Gdiplus::EncoderParameter)) / 8 +
             1) {}

Gdiplus::EncoderParameters* EncoderParameterBlock::Get() {
  return reinterpret_cast<Gdiplus::EncoderParameters*>(units_.data());
}

EncoderParameterList ParameterListOf(const Gdiplus::EncoderParameters& block) {
  EncoderParameterList list;
  list.reserve(block.Count);
  for (UINT i = 0; i < block.Count; ++i) {
    const Gdiplus::EncoderParameter& parameter = block.Parameter[i];
    const std::size_t length =
        std::size_t{parameter.NumberOfValues} * EncoderValueSize(parameter.Type);
    list.push_back(EncoderParameterRecord{
        .guid = GuidToText(parameter.Guid),
        .numberOfValues = parameter.NumberOfValues,
        .type = parameter.Type,
        .values = BytesOf(static_cast<const BYTE*>(parameter.Value), length),
    });
  }
  return list;
}

// --- GfxImageBase ---

GfxImageBase::GfxImageBase(GfxImageBase&& other) noexcept
    : GfxObject(std::move(other)), stream_(std::move(other.stream_)) {}

void GfxImageBase::MoveImageFrom(GfxImageBase& other) noexcept {
  if (this == &other) return;
  MoveFrom(other);  // disposes this image and closes its stream first
  stream_ = std::move(other.stream_);
}

IStream* GfxImageBase::OpenStream(rt::ByteView bytes) { return stream_.OpenFromBytes(bytes); }

bool GfxImageBase::GdipDisposeImage() {
  if (!HasNativeObject()) return false;
  const GpStatus status = flat::GdipDisposeImage(static_cast<Gdiplus::GpImage*>(ReleaseNative()));
  stream_.Close();  // only after the image: GDI+ may read from it until then
  return KeepStatus(status);
}

bool GfxImageBase::GdipCloneImage(GfxImageBase& destination) const {
  Gdiplus::GpImage* clone = nullptr;
  const GpStatus status = flat::GdipCloneImage(GetNativeObject(), &clone);
  destination.SetNativeObject(clone);
  return KeepStatus(status);
}

EncoderParameterList GfxImageBase::GdipGetEncoderParameterList(rt::TextView formatGuid) const {
  const CLSID encoder = EncoderFor(formatGuid);
  UINT bytes = 0;
  if (!KeepStatus(flat::GdipGetEncoderParameterListSize(GetNativeObject(), &encoder, &bytes)) ||
      bytes == 0) {
    return {};
  }
  AlignedBlock block(bytes);
  auto* parameters = block.As<Gdiplus::EncoderParameters>();
  if (!KeepStatus(
          flat::GdipGetEncoderParameterList(GetNativeObject(), &encoder, bytes, parameters))) {
    return {};
  }
  return ParameterListOf(*parameters);
}

bool GfxImageBase::GdipSaveImageToFile(rt::TextView fileName,
                                       std::optional<rt::TextView> formatGuid,
                                       const EncoderParameterList* parameters) const {
  return GdipSaveImageToFileW(Wide(fileName), formatGuid, parameters);
}

bool GfxImageBase::GdipSaveImageToFileW(std::wstring_view fileName,
                                        std::optional<rt::TextView> formatGuid,
                                        const EncoderParameterList* parameters) const {
  const CLSID encoder = EncoderFor(formatGuid.value_or(kBmpFormat));
  std::optional<EncoderParameterBlock> block;
  if (parameters != nullptr) {
    block = EncoderParameterBlock::From(*parameters);
    if (!block) return KeepStatus(Gdiplus::InvalidParameter);
  }
  const std::wstring name(fileName);
  return KeepStatus(flat::GdipSaveImageToFile(GetNativeObject(), name.c_str(), &encoder,
                                              block ? block->Get() : nullptr));
}

rt::ByteSet GfxImageBase::GdipSaveImageToStream(std::optional<rt::TextView> formatGuid,
                                                const EncoderParameterList* parameters) const {
  const rt::Text format = formatGuid ? rt::Text(*formatGuid) : GdipGetImageRawFormat();
  const CLSID encoder = EncoderFor(format);
  std::optional<EncoderParameterBlock> block;
  if (parameters != nullptr) {
    block = EncoderParameterBlock::From(*parameters);
    if (!block) {
      KeepStatus(Gdiplus::InvalidParameter);
      return {};
    }
  }
  GfxStream stream;
  IStream* target = stream.OpenFromBytes({});
  if (target == nullptr) {
    KeepStatus(Gdiplus::OutOfMemory);
    return {};
  }
  if (!KeepStatus(flat::GdipSaveImageToStream(GetNativeObject(), target, &encoder,
                                              block ? block->Get() : nullptr))) {
    return {};
  }
  return stream.Contents();
}

Gdiplus::ImageType GfxImageBase::GdipGetImageType() const {
  return GetValue<Gdiplus::ImageType>(
      [&](Gdiplus::ImageType* type) { return flat::GdipGetImageType(GetNativeObject(), type); });
}

UINT GfxImageBase::GdipGetImageWidth() const {
  return GetValue<UINT>(
      [&](UINT* width) { return flat::GdipGetImageWidth(GetNativeObject(), width); });
}

UINT GfxImageBase::GdipGetImageHeight() const {
  return GetValue<UINT>(
      [&](UINT* height) { return flat::GdipGetImageHeight(GetNativeObject(), height); });
}

REAL GfxImageBase::GdipGetImageHorizontalResolution() const {
  return GetValue<REAL>([&](REAL* resolution) {
    return flat::GdipGetImageHorizontalResolution(GetNativeObject(), resolution);
  });
}

REAL GfxImageBase::GdipGetImageVerticalResolution() const {
  return GetValue<REAL>([&](REAL* resolution) {
    return flat::GdipGetImageVerticalResolution(GetNativeObject(), resolution);
  });
}

Gdiplus::PixelFormat GfxImageBase::GdipGetImagePixelFormat() const {
  return GetValue<Gdiplus::PixelFormat>([&](Gdiplus::PixelFormat* format) {
    return flat::GdipGetImagePixelFormat(GetNativeObject(), format);
  });
}

rt::Text GfxImageBase::GdipGetImageRawFormat() const {
  GUID format{};
  if (!KeepStatus(flat::GdipGetImageRawFormat(GetNativeObject(), &format))) return {};
  return GuidToText(format);
}

UINT GfxImageBase::GdipImageGetFrameCount(rt::TextView dimensionGuid) const {
  const GUID dimension = TextToGuid(dimensionGuid).value_or(GUID{});
  return GetValue<UINT>([&](UINT* count) {
    return flat::GdipImageGetFrameCount(GetNativeObject(), &dimension, count);
  });
}

bool GfxImageBase::GdipImageSelectActiveFrame(rt::TextView dimensionGuid, UINT index) {
  const GUID dimension = TextToGuid(dimensionGuid).value_or(GUID{});
  return KeepStatus(flat::GdipImageSelectActiveFrame(GetNativeObject(), &dimension, index));
}

bool GfxImageBase::GdipImageRotateFlip(Gdiplus::RotateFlipType type) {
  return KeepStatus(flat::GdipImageRotateFlip(GetNativeObject(), type));
}

std::optional<std::vector<std::int32_t>> GfxImageBase::GetFrameDelays() const {
  UINT bytes = 0;
  if (!KeepStatus(
          flat::GdipGetPropertyItemSize(GetNativeObject(), PropertyTagFrameDelay, &bytes)) ||
      bytes < sizeof(Gdiplus::PropertyItem)) {
    return std::nullopt;
  }
  AlignedBlock block(bytes);
  auto* item = block.As<Gdiplus::PropertyItem>();
  if (!KeepStatus(
          flat::GdipGetPropertyItem(GetNativeObject(), PropertyTagFrameDelay, bytes, item)) ||
      item->value == nullptr) {
    return std::nullopt;
  }
  std::vector<std::int32_t> delays(item->length / sizeof(std::int32_t));
  if (!delays.empty())
    std::memcpy(delays.data(), item->value, delays.size() * sizeof(std::int32_t));
  return delays;
}

// --- GfxImage ---

GfxImage& GfxImage::operator=(GfxImage&& other) noexcept {
  MoveImageFrom(other);
  return *this;
}

bool GfxImage::GdipLoadImageFromFile(rt::TextView fileName, bool icm) {
  return GdipLoadImageFromFileW(Wide(fileName), icm);
}

bool GfxImage::GdipLoadImageFromFileW(std::wstring_view fileName, bool icm) {
  GdipDisposeImage();
  const std::wstring name(fileName);
  Gdiplus::GpImage* image = nullptr;
  const GpStatus status = icm ? flat::GdipLoadImageFromFileICM(name.c_str(), &image)
                              : flat::GdipLoadImageFromFile(name.c_str(), &image);
  SetNativeObject(image);
  return KeepStatus(status);
}

bool GfxImage::GdipLoadImageFromStream(rt::ByteView bytes, bool icm) {
  GdipDisposeImage();  // closes the old stream before the new one opens
  IStream* stream = OpenStream(bytes);
  if (stream == nullptr) return KeepStatus(Gdiplus::OutOfMemory);
  Gdiplus::GpImage* image = nullptr;
  const GpStatus status = icm ? flat::GdipLoadImageFromStreamICM(stream, &image)
                              : flat::GdipLoadImageFromStream(stream, &image);
  SetNativeObject(image);
  if (image == nullptr) CloseStream();
  return KeepStatus(status);
}

// --- GfxBitmap ---

GfxBitmap& GfxBitmap::operator=(GfxBitmap&& other) noexcept {
  MoveImageFrom(other);
  return *this;
}

bool GfxBitmap::GdipCreateBitmapFromFile(rt::TextView fileName, bool icm) {
  return GdipCreateBitmapFromFileW(Wide(fileName), icm);
}

bool GfxBitmap::GdipCreateBitmapFromFileW(std::wstring_view fileName, bool icm) {
  GdipDisposeImage();
  const std::wstring name(fileName);
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status = icm ? flat::GdipCreateBitmapFromFileICM(name.c_str(), &bitmap)
                              : flat::GdipCreateBitmapFromFile(name.c_str(), &bitmap);
  SetNativeObject(bitmap);
  return KeepStatus(status);
}

bool GfxBitmap::GdipCreateBitmapFromStream(rt::ByteView bytes, bool icm) {
  GdipDisposeImage();
  IStream* stream = OpenStream(bytes);
  if (stream == nullptr) return KeepStatus(Gdiplus::OutOfMemory);
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status = icm ? flat::GdipCreateBitmapFromStreamICM(stream, &bitmap)
                              : flat::GdipCreateBitmapFromStream(stream, &bitmap);
  SetNativeObject(bitmap);
  if (bitmap == nullptr) CloseStream();
  return KeepStatus(status);
}

bool GfxBitmap::GdipCreateBitmapFromScan0(int width, int height, Gdiplus::PixelFormat format) {
  return GdipCreateBitmapFromScan0(width, height, 0, format, nullptr);
}

bool GfxBitmap::GdipCreateBitmapFromScan0(int width, int height, int stride,
                                          Gdiplus::PixelFormat format, BYTE* scan0) {
  GdipDisposeImage();
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status =
      flat::GdipCreateBitmapFromScan0(width, height, stride, format, scan0, &bitmap);
  SetNativeObject(bitmap);
  return KeepStatus(status);
}

bool GfxBitmap::GdipCreateBitmapFromGraphics(int width, int height, const GfxGraphics& target) {
  GdipDisposeImage();
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status =
      flat::GdipCreateBitmapFromGraphics(width, height, target.GetNativeObject(), &bitmap);
  SetNativeObject(bitmap);
  return KeepStatus(status);
}

bool GfxBitmap::GdipCreateBitmapFromHBITMAP(HBITMAP source, HPALETTE palette) {
  GdipDisposeImage();
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status = flat::GdipCreateBitmapFromHBITMAP(source, palette, &bitmap);
  SetNativeObject(bitmap);
  return KeepStatus(status);
}

bool GfxBitmap::GdipCreateBitmapFromHICON(HICON icon) {
  GdipDisposeImage();
  Gdiplus::GpBitmap* bitmap = nullptr;
  const GpStatus status = flat::GdipCreateBitmapFromHICON(icon, &bitmap);
  SetNativeObject(bitmap);
  return KeepStatus(status);
}

HBITMAP GfxBitmap::GdipCreateHBITMAPFromBitmap(ARGB background) const {
  return GetValue<HBITMAP>([&](HBITMAP* bitmap) {
    return flat::GdipCreateHBITMAPFromBitmap(GetNativeObject(), bitmap, background);
  });
}

HICON GfxBitmap::GdipCreateHICONFromBitmap() const {
  return GetValue<HICON>(
      [&](HICON* icon) { return flat::GdipCreateHICONFromBitmap(GetNativeObject(), icon); });
}

bool GfxBitmap::GdipCloneBitmapAreaI(int x, int y, int width, int height,
                                     Gdiplus::PixelFormat format, GfxBitmap& destination) const {
  Gdiplus::GpBitmap* clone = nullptr;
  const GpStatus status =
      flat::GdipCloneBitmapAreaI(x, y, width, height, format, GetNativeObject(), &clone);
  destination.SetNativeObject(clone);
  return KeepStatus(status);
}

ARGB GfxBitmap::GdipBitmapGetPixel(int x, int y) const {
  return GetValue<ARGB>(
      [&](ARGB* colour) { return flat::GdipBitmapGetPixel(GetNativeObject(), x, y, colour); });
}

bool GfxBitmap::GdipBitmapSetPixel(int x, int y, ARGB colour) {
  return KeepStatus(flat::GdipBitmapSetPixel(GetNativeObject(), x, y, colour));
}

bool GfxBitmap::GdipBitmapSetResolution(REAL dpiX, REAL dpiY) {
  return KeepStatus(flat::GdipBitmapSetResolution(GetNativeObject(), dpiX, dpiY));
}

SIZE GfxBitmap::RotatedBoundingSize(int width, int height, REAL angle) {
  const double theta = static_cast<double>(angle) * 3.1415926535 / 180.0;
  const double cosine = std::cos(theta);
  const double sine = std::sin(theta);
  const double halfW = (width - 1) / 2.0;
  const double halfH = (height - 1) / 2.0;
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  bool first = true;
  for (const double x : {-halfW, halfW}) {
    for (const double y : {-halfH, halfH}) {
      const double rx = x * cosine + y * sine;
      const double ry = -x * sine + y * cosine;
      minX = first ? rx : std::min(minX, rx);
      maxX = first ? rx : std::max(maxX, rx);
      minY = first ? ry : std::min(minY, ry);
      maxY = first ? ry : std::max(maxY, ry);
      first = false;
    }
  }
  // The corners are pixel centres: the box spans one pixel more than their extent. Rounded up,
  // less a little float noise, so that a quarter turn of w x h gives exactly h x w.
  const auto span = [](double extent) { return static_cast<LONG>(std::ceil(extent - 1e-4)) + 1; };
  return SIZE{span(maxX - minX), span(maxY - minY)};
}

bool GfxBitmap::RotateToNewBitmap(REAL angle, GfxBitmap& destination,
                                  const RotateOptions& options) const {
  const int width = static_cast<int>(GdipGetImageWidth());
  const int height = static_cast<int>(GdipGetImageHeight());
  if (width <= 0 || height <= 0) return false;
  const SIZE size = options.size.value_or(RotatedBoundingSize(width, height, angle));
  GfxBitmap rotated;
  if (!rotated.GdipCreateBitmapFromScan0(size.cx, size.cy, PixelFormat32bppARGB)) return false;
  if (!rotated.GdipBitmapSetResolution(GdipGetImageHorizontalResolution(),
                                       GdipGetImageVerticalResolution())) {
    return false;
  }
  {
    GfxGraphics graphics;
    if (!graphics.GdipGetImageGraphicsContext(rotated)) return false;
    if (options.background && !graphics.GdipGraphicsClear(*options.background)) return false;
    if (options.interpolation && !graphics.GdipSetInterpolationMode(*options.interpolation)) {
      return false;
    }
    // Centre the source in the new box, then turn the box about its centre.
    const REAL boxW = static_cast<REAL>(size.cx);
    const REAL boxH = static_cast<REAL>(size.cy);
    const auto append = Gdiplus::MatrixOrderAppend;
    if (!graphics.GdipTranslateWorldTransform((boxW - width) / 2, (boxH - height) / 2, append) ||
        !graphics.RotateAt(angle, Gdiplus::PointF(boxW / 2, boxH / 2), append) ||
        !graphics.GdipDrawImageRectRect(*this, 0, 0, static_cast<REAL>(width),
                                        static_cast<REAL>(height))) {
      return false;
    }
  }
  destination = std::move(rotated);
  return true;
}

}  // namespace gfx
