// Every asset loads from the program's own resources and decodes with GDI+ to its stated size and
// pixel format; the icon group loads at both sizes.
#include <windows.h>
// GDI+ needs the COM declarations first
#include <objidl.h>
// then GDI+ itself
#include <gdiplus.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "assets/asset.h"

namespace {

// An IStream over a copy of the bytes; released with the owner.
class MemoryStream {
 public:
  explicit MemoryStream(rt::ByteView bytes)
      : stream_(SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size()))) {}
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  ~MemoryStream() {
    if (stream_ != nullptr) stream_->Release();
  }
  IStream* Get() const { return stream_; }

 private:
  IStream* stream_;
};

class DecodedBitmap {
 public:
  explicit DecodedBitmap(rt::ByteView bytes) : stream_(bytes) {
    if (stream_.Get() != nullptr)
      Gdiplus::DllExports::GdipCreateBitmapFromStream(stream_.Get(), &bitmap_);
  }
  DecodedBitmap(const DecodedBitmap&) = delete;
  DecodedBitmap& operator=(const DecodedBitmap&) = delete;
  ~DecodedBitmap() {
    if (bitmap_ != nullptr) Gdiplus::DllExports::GdipDisposeImage(bitmap_);
  }
  bool Ok() const { return bitmap_ != nullptr; }
  UINT Width() const {
    UINT w = 0;
    Gdiplus::DllExports::GdipGetImageWidth(bitmap_, &w);
    return w;
  }
  UINT Height() const {
    UINT h = 0;
    Gdiplus::DllExports::GdipGetImageHeight(bitmap_, &h);
    return h;
  }
  Gdiplus::PixelFormat Format() const {
    Gdiplus::PixelFormat f = 0;
    Gdiplus::DllExports::GdipGetImagePixelFormat(bitmap_, &f);
    return f;
  }
  GUID RawFormat() const {
    GUID g{};
    Gdiplus::DllExports::GdipGetImageRawFormat(bitmap_, &g);
    return g;
  }
  Gdiplus::ARGB Pixel(int x, int y) const {
    Gdiplus::ARGB argb = 0;
    Gdiplus::DllExports::GdipBitmapGetPixel(bitmap_, x, y, &argb);
    return argb;
  }

 private:
  MemoryStream stream_;
  Gdiplus::GpBitmap* bitmap_ = nullptr;
};

struct PictureCase {
  std::string name;
  rt::ByteView bytes;
  UINT width, height;
  Gdiplus::PixelFormat format;
  GUID rawFormat;
};

void ExpectPicture(const PictureCase& c) {
  SCOPED_TRACE(c.name);
  ASSERT_FALSE(c.bytes.empty()) << "not in the resources";
  const DecodedBitmap bitmap(c.bytes);
  ASSERT_TRUE(bitmap.Ok()) << "GDI+ cannot decode it";
  EXPECT_EQ(bitmap.Width(), c.width);
  EXPECT_EQ(bitmap.Height(), c.height);
  EXPECT_EQ(bitmap.Format(), c.format);
  EXPECT_TRUE(IsEqualGUID(bitmap.RawFormat(), c.rawFormat));
}

TEST(EmbeddedPictures, EveryBadgeIsA50By50Jpeg) {
  for (int row = 1; row <= Asset::kBadgeCount; ++row) {
    ExpectPicture({"badge " + std::to_string(row), Asset::Badge(row), 50, 50, PixelFormat24bppRGB,
                   Gdiplus::ImageFormatJPEG});
  }
}

TEST(EmbeddedPictures, RowsOutsideTheTableHaveNoBadge) {
  for (int row : {-1, 0, 101, 1000}) EXPECT_TRUE(Asset::Badge(row).empty()) << row;
}

TEST(EmbeddedPictures, InterfacePicturesArePngsWithAlpha) {
  using Asset::Arrow;
  using Asset::CaptionGlyph;
  const PictureCase cases[] = {
      {"skin", Asset::SkinPicture(), 1024, 576, PixelFormat32bppARGB, Gdiplus::ImageFormatPNG},
      {"help", Asset::CaptionButtonPicture(CaptionGlyph::Help), 26, 18, PixelFormat32bppARGB,
       Gdiplus::ImageFormatPNG},
      {"main menu", Asset::CaptionButtonPicture(CaptionGlyph::MainMenu), 26, 18,
       PixelFormat32bppARGB, Gdiplus::ImageFormatPNG},
      {"minimise", Asset::CaptionButtonPicture(CaptionGlyph::Minimise), 26, 18,
       PixelFormat32bppARGB, Gdiplus::ImageFormatPNG},
      {"maximise", Asset::CaptionButtonPicture(CaptionGlyph::Maximise), 26, 18,
       PixelFormat32bppARGB, Gdiplus::ImageFormatPNG},
      {"restore", Asset::CaptionButtonPicture(CaptionGlyph::Restore), 26, 18, PixelFormat32bppARGB,
       Gdiplus::ImageFormatPNG},
      {"close", Asset::CaptionButtonPicture(CaptionGlyph::Close), 38, 18, PixelFormat32bppARGB,
       Gdiplus::ImageFormatPNG},
      {"check box", Asset::CheckBoxPicture(false), 13, 13, PixelFormat32bppARGB,
       Gdiplus::ImageFormatPNG},
      {"checked box", Asset::CheckBoxPicture(true), 13, 13, PixelFormat32bppARGB,
       Gdiplus::ImageFormatPNG},
      {"down", Asset::ArrowPicture(Arrow::Down), 7, 4, PixelFormat32bppARGB,
       Gdiplus::ImageFormatPNG},
      {"up", Asset::ArrowPicture(Arrow::Up), 7, 4, PixelFormat32bppARGB, Gdiplus::ImageFormatPNG},
      {"left", Asset::ArrowPicture(Arrow::Left), 4, 7, PixelFormat32bppARGB,
       Gdiplus::ImageFormatPNG},
      {"right", Asset::ArrowPicture(Arrow::Right), 4, 7, PixelFormat32bppARGB,
       Gdiplus::ImageFormatPNG},
  };
  for (const PictureCase& c : cases) ExpectPicture(c);
}

TEST(EmbeddedPictures, CheckBoxPixelsSurviveGdiPlusDecoding) {
  const DecodedBitmap empty(Asset::CheckBoxPicture(false)), checked(Asset::CheckBoxPicture(true));
  ASSERT_TRUE(empty.Ok() && checked.Ok());
  EXPECT_EQ(empty.Pixel(0, 0), 0xE6030303u);    // frame at alpha 230
  EXPECT_EQ(empty.Pixel(1, 1), 0xFFDEDFD6u);    // first interior colour
  EXPECT_EQ(empty.Pixel(11, 11), 0xFFFDFCFCu);  // last interior colour
  EXPECT_EQ(checked.Pixel(12, 6), 0xFF185184u);
  EXPECT_EQ(checked.Pixel(5, 9), 0xFF246E75u);  // tip of the check mark
  EXPECT_EQ(checked.Pixel(9, 9), empty.Pixel(9, 9));
}

TEST(EmbeddedIcon, DefaultIconGroupHasBothSizes) {
  const HMODULE module = GetModuleHandleW(nullptr);
  for (int size : {32, 16}) {
    SCOPED_TRACE(size);
    const HICON icon = static_cast<HICON>(
        LoadImageW(module, L"DEFAULT_ICON", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    ASSERT_NE(info.hbmColor, nullptr);
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  // the caption icon is looked up as resource 129 first; the program has none
  EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(129), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */),
            nullptr);
  EXPECT_EQ(LoadIconW(module, MAKEINTRESOURCEW(129)), nullptr);
}

TEST(EmbeddedTool, IsAWindowsProgram) {
  const rt::ByteView tool = Asset::WorkingSetTool();
  ASSERT_GT(tool.size(), 64u);
  EXPECT_EQ(tool[0], 'M');
  EXPECT_EQ(tool[1], 'Z');
}

}  // namespace
