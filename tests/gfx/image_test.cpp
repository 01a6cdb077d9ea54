// Images and bitmaps: decoding from byte sets, encoding, drawing, rotating, encoders and GUIDs.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "canvas.h"
#include "gfx/gfx.h"
#include "runtime/gbk.h"

namespace gfx {
namespace {

using test::Canvas;
using test::kOpaqueBlue;
using test::kOpaqueGreen;
using test::kOpaqueRed;
using test::kOpaqueWhite;
using test::kOpaqueYellow;

rt::ByteSet PngOf(const GfxImageBase& image) {
  rt::ByteSet png = image.GdipSaveImageToStream(kPngFormat);
  EXPECT_EQ(lastGdiStatus, Gdiplus::Ok);
  return png;
}

bool StartsLikePng(const rt::ByteSet& bytes) {
  static const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  return bytes.size() > sizeof(signature) &&
         std::equal(std::begin(signature), std::end(signature), bytes.begin());
}

TEST(GfxImage, PngRoundTripThroughAByteSet) {
  GfxBitmap source = test::QuadrantBitmap(6, 4);
  const rt::ByteSet png = PngOf(source);
  ASSERT_TRUE(StartsLikePng(png));

  GfxImage image;
  ASSERT_TRUE(image.GdipLoadImageFromStream(png));
  EXPECT_EQ(image.GdipGetImageWidth(), 6u);
  EXPECT_EQ(image.GdipGetImageHeight(), 4u);
  EXPECT_EQ(image.GdipGetImageRawFormat(), kPngFormat);

  // Saved again in its own format (the default), then decoded as a bitmap: the same pixels.
  const rt::ByteSet again = image.GdipSaveImageToStream();
  ASSERT_TRUE(StartsLikePng(again));
  GfxBitmap decoded;
  ASSERT_TRUE(decoded.GdipCreateBitmapFromStream(again));
  for (const auto& [x, y] : {std::pair{0, 0}, {5, 0}, {0, 3}, {5, 3}, {2, 1}, {3, 2}}) {
    EXPECT_EQ(decoded.GdipBitmapGetPixel(x, y), source.GdipBitmapGetPixel(x, y)) << x << "," << y;
  }
}

TEST(GfxImage, ImageFromBytesOutlivesTheCallersBytes) {
  GfxImage image;
  {
    rt::ByteSet png = PngOf(test::QuadrantBitmap(8, 8));
    ASSERT_TRUE(image.GdipLoadImageFromStream(png));
    std::fill(png.begin(), png.end(), 0);  // the image must not depend on these
  }
  GfxImage moved = std::move(image);
  EXPECT_FALSE(image.HasNativeObject());
  Canvas canvas(8, 8);
  ASSERT_TRUE(canvas.graphics.GdipDrawImageRectRect(moved, 0, 0, 8, 8));
  EXPECT_EQ(canvas.Pixel(1, 1), kOpaqueRed);
  EXPECT_EQ(canvas.Pixel(6, 6), kOpaqueYellow);
}

TEST(GfxImage, CloneOutlivesTheOriginal) {
  GfxBitmap clone;
  {
    GfxImage original;
    ASSERT_TRUE(original.GdipLoadImageFromStream(PngOf(test::QuadrantBitmap(4, 4))));
    ASSERT_TRUE(original.GdipCloneImage(clone));
    EXPECT_NE(clone.GfxObject::GetNativeObject(), original.GfxObject::GetNativeObject());
  }
  EXPECT_EQ(clone.GdipGetImageWidth(), 4u);
  Canvas canvas(4, 4);
  ASSERT_TRUE(canvas.graphics.GdipDrawImageRectRect(clone, 0, 0, 4, 4));
  EXPECT_EQ(canvas.Pixel(0, 0), kOpaqueRed);
  EXPECT_EQ(canvas.Pixel(3, 3), kOpaqueYellow);
}

TEST(GfxImage, UndecodableBytesFailAndLeaveNoImage) {
  const rt::ByteSet garbage = {1, 2, 3, 4, 5, 6, 7, 8};
  GfxImage image;
  EXPECT_FALSE(image.GdipLoadImageFromStream(garbage));
  EXPECT_NE(lastGdiStatus, Gdiplus::Ok);
  EXPECT_FALSE(image.HasNativeObject());
  GfxBitmap bitmap;
  EXPECT_FALSE(bitmap.GdipCreateBitmapFromStream({}));
  EXPECT_FALSE(bitmap.HasNativeObject());
}

TEST(GfxImage, SavingWithoutAnEncoderForTheFormatGivesNothing) {
  GfxBitmap memory;
  ASSERT_TRUE(memory.GdipCreateBitmapFromScan0(2, 2));  // raw format MemoryBMP: no encoder
  EXPECT_TRUE(memory.GdipSaveImageToStream().empty());
  EXPECT_NE(lastGdiStatus, Gdiplus::Ok);
  EXPECT_TRUE(memory.GdipSaveImageToStream("{00000000-0000-0000-0000-000000000000}").empty());
}

TEST(GfxImage, WholeImageDrawnIntoADestinationRectangle) {
  GfxBitmap source = test::QuadrantBitmap(2, 2);
  Canvas canvas(40, 40, kOpaqueWhite);
  ASSERT_TRUE(canvas.graphics.GdipDrawImageRectRect(source, 10, 10, 20, 20));
  struct Probe {
    int x, y;
    ARGB colour;
  };
  const Probe probes[] = {
      {11, 11, kOpaqueRed}, {28, 11, kOpaqueGreen}, {11, 28, kOpaqueBlue}, {28, 28, kOpaqueYellow},
      {5, 5, kOpaqueWhite}, {35, 35, kOpaqueWhite}, {9, 20, kOpaqueWhite}, {30, 20, kOpaqueWhite},
  };
  for (const Probe& p : probes) EXPECT_EQ(canvas.Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST(GfxImage, ExplicitSourceRectangleDrawsOnlyThatPart) {
  GfxBitmap source = test::QuadrantBitmap(2, 2);
  Canvas canvas(20, 20, kOpaqueWhite);
  ASSERT_TRUE(canvas.graphics.GdipDrawImageRectRect(source, Gdiplus::RectF(0, 0, 10, 10),
                                                    Gdiplus::RectF(1, 0, 1, 1)));
  EXPECT_EQ(canvas.Pixel(1, 1), kOpaqueGreen);
  EXPECT_EQ(canvas.Pixel(8, 8), kOpaqueGreen);
  EXPECT_EQ(canvas.Pixel(15, 15), kOpaqueWhite);
}

TEST(GfxImage, DrawImageAtItsOwnSize) {
  GfxBitmap source = test::QuadrantBitmap(4, 4);
  Canvas canvas(10, 10, kOpaqueWhite);
  ASSERT_TRUE(canvas.graphics.GdipDrawImage(source, 3, 3));
  EXPECT_EQ(canvas.Pixel(3, 3), kOpaqueRed);
  EXPECT_EQ(canvas.Pixel(6, 6), kOpaqueYellow);
  EXPECT_EQ(canvas.Pixel(7, 7), kOpaqueWhite);
  EXPECT_EQ(canvas.Pixel(2, 2), kOpaqueWhite);
}

TEST(GfxImage, RotateFlipMirrorsTheImage) {
  GfxBitmap bitmap = test::QuadrantBitmap(4, 4);
  ASSERT_TRUE(bitmap.GdipImageRotateFlip(Gdiplus::RotateNoneFlipX));
  EXPECT_EQ(bitmap.GdipBitmapGetPixel(0, 0), kOpaqueGreen);
  EXPECT_EQ(bitmap.GdipBitmapGetPixel(3, 3), kOpaqueBlue);
}

TEST(GfxBitmap, GdiBitmapCarriesThePixels) {
  GfxBitmap bitmap = test::QuadrantBitmap(4, 4);
  HBITMAP gdi = bitmap.GdipCreateHBITMAPFromBitmap(0);
  ASSERT_NE(gdi, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, gdi);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 3, 3), RGB(255, 255, 0));
  SelectObject(dc, previous);
  DeleteDC(dc);

  GfxBitmap back;
  ASSERT_TRUE(back.GdipCreateBitmapFromHBITMAP(gdi));
  EXPECT_EQ(back.GdipBitmapGetPixel(3, 0), kOpaqueGreen);
  DeleteObject(gdi);

  HICON icon = bitmap.GdipCreateHICONFromBitmap();
  ASSERT_NE(icon, nullptr);
  GfxBitmap fromIcon;
  ASSERT_TRUE(fromIcon.GdipCreateBitmapFromHICON(icon));
  EXPECT_EQ(fromIcon.GdipGetImageWidth(), 4u);
  EXPECT_EQ(fromIcon.GdipBitmapGetPixel(0, 3), kOpaqueBlue);
  DestroyIcon(icon);

  GfxBitmap area;
  ASSERT_TRUE(bitmap.GdipCloneBitmapAreaI(2, 2, 2, 2, PixelFormat32bppARGB, area));
  EXPECT_EQ(area.GdipBitmapGetPixel(0, 0), kOpaqueYellow);
}

TEST(GfxBitmap, RotatedBoundingSizes) {
  struct Case {
    int width, height;
    REAL angle;
    LONG expectedWidth, expectedHeight;
  };
  // Corners at pixel centres +-(w-1)/2, +-(h-1)/2; the box is their extent rounded up plus one.
  const Case cases[] = {
      {10, 4, 0, 10, 4},
      {10, 4, 90, 4, 10},
      {10, 4, 180, 10, 4},
      {10, 4, -90, 4, 10},
      {3, 3, 45, 4, 4},        // extent 2*sqrt(2) = 2.83
      {100, 50, 30, 112, 93},  // 2*(49.5 cos30 + 24.5 sin30) = 110.24; 2*(49.5 sin30 + 24.5 cos30)
                               // = 91.94
      {1, 1, 33, 1, 1},
  };
  for (const Case& c : cases) {
    const SIZE size = GfxBitmap::RotatedBoundingSize(c.width, c.height, c.angle);
    EXPECT_EQ(size.cx, c.expectedWidth) << c.width << "x" << c.height << " by " << c.angle;
    EXPECT_EQ(size.cy, c.expectedHeight) << c.width << "x" << c.height << " by " << c.angle;
  }
}

TEST(GfxBitmap, RotateAQuarterTurnClockwise) {
  GfxBitmap source = test::QuadrantBitmap(30, 20);
  GfxBitmap rotated;
  ASSERT_TRUE(source.RotateToNewBitmap(
      90, rotated, {.interpolation = Gdiplus::InterpolationModeNearestNeighbor}));
  ASSERT_EQ(rotated.GdipGetImageWidth(), 20u);
  ASSERT_EQ(rotated.GdipGetImageHeight(), 30u);
  // The left edge becomes the top edge: bottom-left goes to top-left, top-left to top-right.
  EXPECT_EQ(rotated.GdipBitmapGetPixel(5, 7), kOpaqueBlue);
  EXPECT_EQ(rotated.GdipBitmapGetPixel(15, 7), kOpaqueRed);
  EXPECT_EQ(rotated.GdipBitmapGetPixel(15, 22), kOpaqueGreen);
  EXPECT_EQ(rotated.GdipBitmapGetPixel(5, 22), kOpaqueYellow);
}

TEST(GfxBitmap, RotateWithBackgroundAndGivenSize) {
  GfxBitmap source = test::QuadrantBitmap(20, 20);
  GfxBitmap plain;
  ASSERT_TRUE(source.RotateToNewBitmap(45, plain));
  const SIZE box = GfxBitmap::RotatedBoundingSize(20, 20, 45);
  EXPECT_EQ(plain.GdipGetImageWidth(), static_cast<UINT>(box.cx));
  EXPECT_EQ(plain.GdipBitmapGetPixel(0, 0) >> 24, 0u);  // a corner outside the turned square

  GfxBitmap filled;
  ASSERT_TRUE(source.RotateToNewBitmap(45, filled, {.background = kOpaqueWhite}));
  EXPECT_EQ(filled.GdipBitmapGetPixel(0, 0), kOpaqueWhite);
  EXPECT_EQ(filled.GdipBitmapGetPixel(box.cx / 2, 5), kOpaqueRed) << "the top corner was top left";

  GfxBitmap sized;
  ASSERT_TRUE(source.RotateToNewBitmap(0, sized, {.size = SIZE{40, 30}}));
  EXPECT_EQ(sized.GdipGetImageWidth(), 40u);
  EXPECT_EQ(sized.GdipGetImageHeight(), 30u);
  EXPECT_EQ(sized.GdipBitmapGetPixel(10 + 2, 5 + 2), kOpaqueRed);  // centred: offset (10, 5)
  EXPECT_EQ(sized.GdipBitmapGetPixel(5, 5) >> 24, 0u);
}

TEST(GfxBitmap, RotatingNothingLeavesTheDestinationAlone) {
  GfxBitmap empty;
  GfxBitmap destination = test::QuadrantBitmap(2, 2);
  EXPECT_FALSE(empty.RotateToNewBitmap(90, destination));
  EXPECT_EQ(destination.GdipBitmapGetPixel(0, 0), kOpaqueRed);
}

TEST(GfxEncoders, PngEncoderIsFoundByItsFormat) {
  const rt::Text clsid = FindEncoderClsid(kPngFormat);
  ASSERT_EQ(clsid.size(), 38u);
  EXPECT_EQ(clsid.front(), '{');
  EXPECT_EQ(clsid.back(), '}');
  bool listed = false;
  for (const ImageCodecRecord& codec : GetImageEncoders()) {
    EXPECT_EQ(codec.formatId.size(), 38u);
    if (codec.clsid == clsid) {
      listed = true;
      EXPECT_EQ(codec.formatId, kPngFormat);
      EXPECT_EQ(codec.mimeType, "image/png");
      EXPECT_EQ(codec.signaturePattern.size(),
                std::size_t{codec.signatureCount} * codec.signatureSize);
    }
  }
  EXPECT_TRUE(listed);
  EXPECT_TRUE(FindEncoderClsid("{12345678-1234-1234-1234-123456789ABC}").empty());
  EXPECT_TRUE(FindEncoderClsid(rt::Text(kPngFormat).substr(1)).empty());  // exact text only
}

TEST(GfxEncoders, GuidTextRoundTrip) {
  const std::optional<GUID> png = TextToGuid(kPngFormat);
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(GuidToText(*png), kPngFormat);
  EXPECT_EQ(png->Data1, 0xB96B3CAFu);
  for (const rt::TextView bad : {rt::TextView{}, rt::TextView{"png"}, rt::TextView{"{B96B3CAF}"}}) {
    EXPECT_FALSE(TextToGuid(bad).has_value()) << bad;
  }
}

TEST(GfxEncoders, ParameterValuesMustCoverTheirCount) {
  GfxBitmap bitmap = test::QuadrantBitmap(4, 4);
  const rt::TextView jpeg = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
  const rt::TextView quality = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";
  // Two long values promised, four bytes given: refused before GDI+ could read past them.
  const EncoderParameterList tooShort = {
      {std::string(quality), 2, Gdiplus::EncoderParameterValueTypeLong, {80, 0, 0, 0}}};
  EXPECT_TRUE(bitmap.GdipSaveImageToStream(jpeg, &tooShort).empty());
  EXPECT_EQ(lastGdiStatus, Gdiplus::InvalidParameter);
  const EncoderParameterList badGuid = {
      {"quality", 1, Gdiplus::EncoderParameterValueTypeLong, {80, 0, 0, 0}}};
  EXPECT_TRUE(bitmap.GdipSaveImageToStream(jpeg, &badGuid).empty());

  const EncoderParameterList good = {
      {std::string(quality), 1, Gdiplus::EncoderParameterValueTypeLong, {80, 0, 0, 0}}};
  const rt::ByteSet encoded = bitmap.GdipSaveImageToStream(jpeg, &good);
  ASSERT_GE(encoded.size(), 2u);
  EXPECT_EQ(encoded[0], 0xFF);  // JPEG start-of-image
  EXPECT_EQ(encoded[1], 0xD8);
}

TEST(GfxEncoders, ParameterListsSurviveTheGdiplusBlock) {
  const EncoderParameterList list = {
      {"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}",
       1,
       Gdiplus::EncoderParameterValueTypeLong,
       {75, 0, 0, 0}},
      {"{E09D739D-CCD4-44EE-8EBA-3FBF8BE4FC58}",
       2,
       Gdiplus::EncoderParameterValueTypeShort,
       {1, 0, 2, 0}},
      {"{8D0EB2D1-A58E-4EA8-AA14-108074B7B6F9}", 1, Gdiplus::EncoderParameterValueTypeRationalRange,
       rt::ByteSet(16, 7)},
  };
  std::optional<EncoderParameterBlock> block = EncoderParameterBlock::From(list);
  ASSERT_TRUE(block.has_value());
  ASSERT_EQ(block->Get()->Count, 3u);
  EXPECT_EQ(block->Get()->Parameter[1].Value, list[1].values.data());  // no copy: points into it
  const EncoderParameterList back = ParameterListOf(*block->Get());
  ASSERT_EQ(back.size(), list.size());
  for (std::size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(back[i].guid, list[i].guid);
    EXPECT_EQ(back[i].numberOfValues, list[i].numberOfValues);
    EXPECT_EQ(back[i].type, list[i].type);
    EXPECT_EQ(back[i].values, list[i].values);
  }
  EXPECT_TRUE(EncoderParameterBlock::From({}).has_value());
  EXPECT_EQ(EncoderParameterBlock::From({})->Get()->Count, 0u);
}

TEST(GfxEncoders, ParameterListOfTheJpegEncoder) {
  GfxBitmap bitmap = test::QuadrantBitmap(4, 4);
  const EncoderParameterList list =
      bitmap.GdipGetEncoderParameterList("{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}");
  if (lastGdiStatus == Gdiplus::NotImplemented) {
    GTEST_SKIP() << "this GDI+ (Wine) does not list encoder parameters";
  }
  ASSERT_EQ(lastGdiStatus, Gdiplus::Ok);
  ASSERT_FALSE(list.empty());
  for (const EncoderParameterRecord& parameter : list) {
    EXPECT_TRUE(TextToGuid(parameter.guid).has_value()) << parameter.guid;
    EXPECT_EQ(parameter.values.size(),
              std::size_t{parameter.numberOfValues} * EncoderValueSize(parameter.type));
  }
}

TEST(GfxEncoders, ValueSizesByType) {
  struct Case {
    ULONG type;
    std::size_t size;
  };
  const Case cases[] = {{Gdiplus::EncoderParameterValueTypeByte, 1},
                        {Gdiplus::EncoderParameterValueTypeASCII, 1},
                        {Gdiplus::EncoderParameterValueTypeShort, 2},
                        {Gdiplus::EncoderParameterValueTypeLong, 4},
                        {Gdiplus::EncoderParameterValueTypeRational, 8},
                        {Gdiplus::EncoderParameterValueTypeLongRange, 8},
                        {Gdiplus::EncoderParameterValueTypeUndefined, 1},
                        {Gdiplus::EncoderParameterValueTypeRationalRange, 16},
                        {99, 0}};
  for (const Case& c : cases) EXPECT_EQ(EncoderValueSize(c.type), c.size) << c.type;
}

TEST(GfxImage, FileNamesAreGbkTexts) {
  WCHAR folder[MAX_PATH] = {};
  ASSERT_GT(GetTempPathW(MAX_PATH, folder), 0u);
  const rt::Text name = rt::ConcatText({rt::WideToGbk(folder), "军衔图片.png"});
  GfxBitmap bitmap = test::QuadrantBitmap(4, 4);
  ASSERT_TRUE(bitmap.GdipSaveImageToFile(name, kPngFormat));
  // The file carries the Chinese name on disk: found by its UTF-16 name.
  const std::wstring wide = rt::GbkToWide(name);
  EXPECT_NE(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);
  {
    GfxImage image;
    ASSERT_TRUE(image.GdipLoadImageFromFile(name));
    EXPECT_EQ(image.GdipGetImageRawFormat(), kPngFormat);
    GfxBitmap again;
    ASSERT_TRUE(again.GdipCreateBitmapFromFileW(wide));
    EXPECT_EQ(again.GdipBitmapGetPixel(3, 3), kOpaqueYellow);
  }
  EXPECT_TRUE(DeleteFileW(wide.c_str()));
  // Without a format the file is a BMP.
  ASSERT_TRUE(bitmap.GdipSaveImageToFile(name));
  {
    GfxImage image;
    ASSERT_TRUE(image.GdipLoadImageFromFile(name));
    EXPECT_EQ(image.GdipGetImageRawFormat(), kBmpFormat);
  }
  EXPECT_TRUE(DeleteFileW(wide.c_str()));
}

// A two-frame 1 x 1 GIF whose frames last 10 and 25 hundredths of a second.
rt::ByteSet TwoFrameGif() {
  rt::ByteSet gif = {
      'G',  'I', 'F', '8', '9', 'a', 1,    0,    1,   0,
      0x80, 0,   0,   0,   0,   0,   0xFF, 0xFF, 0xFF};  // header, screen, two-colour table
  const auto frame = [&gif](std::uint8_t delay) {
    const rt::ByteSet control = {0x21, 0xF9, 4, 0, delay, 0, 0, 0};
    // Image of 1 x 1 pixel; LZW codes clear, 0, end at 3 bits each: 0x44 0x01.
    const rt::ByteSet image = {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0};
    gif.insert(gif.end(), control.begin(), control.end());
    gif.insert(gif.end(), image.begin(), image.end());
  };
  frame(10);
  frame(25);
  gif.push_back(0x3B);
  return gif;
}

TEST(GfxImage, FrameDelaysOfAnAnimatedImage) {
  GfxImage gif;
  ASSERT_TRUE(gif.GdipLoadImageFromStream(TwoFrameGif()));
  EXPECT_EQ(gif.GdipImageGetFrameCount(kTimeDimension), 2u);
  EXPECT_TRUE(gif.GdipImageSelectActiveFrame(kTimeDimension, 1));
  const std::optional<std::vector<std::int32_t>> delays = gif.GetFrameDelays();
  ASSERT_TRUE(delays.has_value());
  EXPECT_EQ(*delays, (std::vector<std::int32_t>{10, 25}));

  GfxImage png;
  ASSERT_TRUE(png.GdipLoadImageFromStream(PngOf(test::QuadrantBitmap(2, 2))));
  EXPECT_FALSE(png.GetFrameDelays().has_value());
}

}  // namespace
}  // namespace gfx
