// Fonts, families, collections, string formats, and drawing and measuring GBK text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas.h"
#include "gfx/gfx.h"
#include "runtime/gbk.h"

namespace gfx {
namespace {

using test::Canvas;

constexpr rt::TextView kMissingFamily = "并不存在的字体 Zq";

// How many pixels of the canvas differ from `background`.
int PixelsOtherThan(Canvas& canvas, int width, int height, ARGB background) {
  int count = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) count += canvas.Pixel(x, y) != background ? 1 : 0;
  }
  return count;
}

// The first family of the installed fonts (every Wine prefix has some).
rt::Text SomeInstalledFamilyName() {
  GfxFontCollection installed;
  EXPECT_TRUE(installed.GdipNewInstalledFontCollection());
  std::vector<GfxFontFamily> families;
  EXPECT_GE(installed.GdipGetFontCollectionFamilyList(1, families), 1);
  return families.empty() ? rt::Text{} : families[0].GdipGetFamilyName();
}

TEST(GfxFontCollection, FamilyListWithACountBelowOneGivesNothing) {
  GfxFontCollection installed;
  ASSERT_TRUE(installed.GdipNewInstalledFontCollection());
  for (const int count : {0, -1}) {
    std::vector<GfxFontFamily> families(3);
    lastGdiStatus = Gdiplus::Ok;
    EXPECT_EQ(installed.GdipGetFontCollectionFamilyList(count, families), 0);
    EXPECT_EQ(lastGdiStatus, Gdiplus::InvalidParameter);
    EXPECT_EQ(families.size(), 3u);  // the caller's list is left alone
  }
}

TEST(GfxFontCollection, FamilyListGivesOwnedNamedFamilies) {
  GfxFontCollection installed;
  ASSERT_TRUE(installed.GdipNewInstalledFontCollection());
  const int total = installed.GdipGetFontCollectionFamilyCount();
  ASSERT_GT(total, 0);

  std::vector<GfxFontFamily> families;
  EXPECT_EQ(installed.GdipGetFontCollectionFamilyList(total, families), total);
  ASSERT_EQ(families.size(), static_cast<std::size_t>(total));
  for (const GfxFontFamily& family : families) {
    EXPECT_TRUE(family.HasNativeObject());
    EXPECT_FALSE(family.GdipGetFamilyNameW().empty());
  }
  // Asking for more than there are gives what there is.
  std::vector<GfxFontFamily> more;
  EXPECT_EQ(installed.GdipGetFontCollectionFamilyList(total + 5, more), total);
  families.clear();  // each wrapper releases its own reference; the collection lives on
  EXPECT_EQ(installed.GdipGetFontCollectionFamilyCount(), total);
}

TEST(GfxFontFamily, CreatedByNameGivesThatName) {
  const rt::Text name = SomeInstalledFamilyName();
  ASSERT_FALSE(name.empty());
  GfxFontFamily family;
  ASSERT_TRUE(family.GdipCreateFontFamilyFromName(name));
  EXPECT_EQ(family.GdipGetFamilyName(), name);
  EXPECT_EQ(family.GdipGetFamilyNameW(), rt::GbkToWide(name));
  GfxFontFamily clone;
  ASSERT_TRUE(family.GdipCloneFontFamily(clone));
  EXPECT_TRUE(family.GdipDeleteFontFamily());
  EXPECT_EQ(clone.GdipGetFamilyName(), name);
}

TEST(GfxFontFamily, MissingNameIsReportedAsNotFound) {
  GfxFontFamily family;
  EXPECT_FALSE(family.GdipCreateFontFamilyFromName(kMissingFamily));
  EXPECT_EQ(lastGdiStatus, Gdiplus::FontFamilyNotFound);
  EXPECT_FALSE(family.HasNativeObject());
}

TEST(GfxFontFamily, FallbackIsSansSerifWhenThereIsOne) {
  GfxFontFamily fallback;
  ASSERT_TRUE(fallback.CreateFallbackFamily());
  EXPECT_FALSE(fallback.GdipGetFamilyName().empty());
  GfxFontFamily sansSerif;
  if (sansSerif.GdipGetGenericFontFamilySansSerif()) {
    EXPECT_EQ(fallback.GdipGetFamilyName(), sansSerif.GdipGetFamilyName());
  }
  // Otherwise (Wine without its own fonts has no sans-serif family) the GUI font's family or the
  // first installed one stands in: any named family will do.
}

TEST(GfxFont, MissingFamilyFallsBackAndStillDraws) {
  GfxFont font;
  ASSERT_TRUE(font.GdipCreateFont(kMissingFamily, 20, Gdiplus::FontStyleBold, Gdiplus::UnitPixel));
  GfxFontFamily used;
  ASSERT_TRUE(font.GdipGetFamily(used));
  GfxFontFamily fallback;
  ASSERT_TRUE(fallback.CreateFallbackFamily());
  EXPECT_EQ(used.GdipGetFamilyName(), fallback.GdipGetFamilyName());
  EXPECT_EQ(font.GdipGetFontSize(), 20.0f);
  EXPECT_EQ(font.GdipGetFontStyle(), Gdiplus::FontStyleBold);
  EXPECT_EQ(font.GdipGetFontUnit(), Gdiplus::UnitPixel);

  Canvas canvas(80, 30, test::kOpaqueWhite);
  GfxSolidBrush black;
  ASSERT_TRUE(black.GdipCreateSolidFill(test::kOpaqueBlack));
  ASSERT_TRUE(canvas.graphics.GdipDrawString("Ab", font, black, Gdiplus::RectF(0, 0, 80, 30)));
  EXPECT_GT(PixelsOtherThan(canvas, 80, 30, test::kOpaqueWhite), 20);
}

TEST(GfxFont, FromAFamilyObjectAndClone) {
  GfxFontFamily family;
  ASSERT_TRUE(family.GdipCreateFontFamilyFromName(SomeInstalledFamilyName()));
  EXPECT_TRUE(family.GdipIsStyleAvailable(Gdiplus::FontStyleRegular));
  GfxFont font;
  ASSERT_TRUE(font.GdipCreateFont(family, 15, Gdiplus::FontStyleItalic));
  EXPECT_EQ(font.GdipGetFontUnit(), Gdiplus::UnitWorld);
  GfxFont clone;
  ASSERT_TRUE(font.GdipCloneFont(clone));
  EXPECT_TRUE(font.GdipDeleteFont());
  EXPECT_EQ(clone.GdipGetFontSize(), 15.0f);
  EXPECT_EQ(clone.GdipGetFontStyle(), Gdiplus::FontStyleItalic);
}

// A memory DC with a GDI font of an installed family selected into it.
struct DcWithFont {
  explicit DcWithFont(const std::wstring& face) {
    dc = CreateCompatibleDC(nullptr);
    font =
        CreateFontW(-24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
    previous = SelectObject(dc, font);
  }
  ~DcWithFont() {
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
  }
  HDC dc = nullptr;
  HFONT font = nullptr;
  HGDIOBJ previous = nullptr;
};

TEST(GfxFont, FromADeviceContextAndAFontHandle) {
  const rt::Text name = SomeInstalledFamilyName();
  ASSERT_FALSE(name.empty());
  DcWithFont gdi(rt::GbkToWide(name));
  ASSERT_NE(gdi.font, nullptr);

  struct Case {
    const char* what;
    std::optional<HFONT> handle;
  };
  // The handle's font; without a handle, or with a handle that is no font, the DC's own (the same
  // font, selected above).
  const Case cases[] = {{"font handle", gdi.font},
                        {"no handle", std::nullopt},
                        {"not a font", reinterpret_cast<HFONT>(GetStockObject(BLACK_BRUSH))}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GfxFont font;
    ASSERT_TRUE(font.CreateFontFromDcAndHandle(gdi.dc, c.handle));
    GfxFontFamily family;
    ASSERT_TRUE(font.GdipGetFamily(family));
    EXPECT_EQ(family.GdipGetFamilyName(), name);
    EXPECT_EQ(font.GdipGetFontStyle() & Gdiplus::FontStyleBold, Gdiplus::FontStyleBold);
    EXPECT_GT(font.GdipGetFontSize(), 0.0f);
  }
}

TEST(GfxFont, BitmapFacesKeepTheirSizeAndStyleInTheFallbackFamily) {
  // "System" and the GUI font may be bitmap faces, which GDI+ refuses; the font must still come.
  DcWithFont system(L"System");
  ASSERT_NE(system.font, nullptr);
  for (const HFONT handle : {system.font, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))}) {
    GfxFont font;
    ASSERT_TRUE(font.CreateFontFromDcAndHandle(system.dc, handle));
    EXPECT_GT(font.GdipGetFontSize(), 0.0f);
    GfxFontFamily family;
    ASSERT_TRUE(font.GdipGetFamily(family));
    EXPECT_FALSE(family.GdipGetFamilyNameW().empty());
  }
  GfxFont bold;
  ASSERT_TRUE(bold.CreateFontFromDcAndHandle(system.dc, system.font));
  EXPECT_EQ(bold.GdipGetFontStyle() & Gdiplus::FontStyleBold, Gdiplus::FontStyleBold);
}

TEST(GfxStringFormat, SettingsReadBack) {
  GfxStringFormat format;
  ASSERT_TRUE(format.GdipCreateStringFormat(Gdiplus::StringFormatFlagsNoWrap, 0));
  EXPECT_EQ(format.GdipGetStringFormatFlags(), Gdiplus::StringFormatFlagsNoWrap);
  ASSERT_TRUE(format.GdipSetStringFormatAlign(Gdiplus::StringAlignmentCenter));
  ASSERT_TRUE(format.GdipSetStringFormatLineAlign(Gdiplus::StringAlignmentFar));
  ASSERT_TRUE(format.GdipSetStringFormatTrimming(Gdiplus::StringTrimmingEllipsisCharacter));
  EXPECT_EQ(format.GdipGetStringFormatAlign(), Gdiplus::StringAlignmentCenter);
  EXPECT_EQ(format.GdipGetStringFormatLineAlign(), Gdiplus::StringAlignmentFar);
  EXPECT_EQ(format.GdipGetStringFormatTrimming(), Gdiplus::StringTrimmingEllipsisCharacter);

  GfxStringFormat clone;
  ASSERT_TRUE(format.GdipCloneStringFormat(clone));
  EXPECT_EQ(clone.GdipGetStringFormatAlign(), Gdiplus::StringAlignmentCenter);
}

TEST(GfxStringFormat, GenericFormatsAreOwnedCopies) {
  for (const bool typographic : {false, true}) {
    SCOPED_TRACE(typographic);
    GfxStringFormat format;
    ASSERT_TRUE(typographic ? format.GdipStringFormatGetGenericTypographic()
                            : format.GdipStringFormatGetGenericDefault());
    ASSERT_TRUE(format.GdipSetStringFormatAlign(Gdiplus::StringAlignmentFar));
    // Changing the copy leaves the shared format as it was.
    GfxStringFormat fresh;
    ASSERT_TRUE(typographic ? fresh.GdipStringFormatGetGenericTypographic()
                            : fresh.GdipStringFormatGetGenericDefault());
    EXPECT_EQ(fresh.GdipGetStringFormatAlign(), Gdiplus::StringAlignmentNear);
    EXPECT_TRUE(format.GdipDeleteStringFormat());
  }
}

TEST(GfxText, CentredTextLandsInTheMiddle) {
  GfxFont font;
  ASSERT_TRUE(font.GdipCreateFont(SomeInstalledFamilyName(), 16, 0, Gdiplus::UnitPixel));
  GfxStringFormat centred;
  ASSERT_TRUE(centred.GdipCreateStringFormat(0, 0));
  ASSERT_TRUE(centred.GdipSetStringFormatAlign(Gdiplus::StringAlignmentCenter));
  ASSERT_TRUE(centred.GdipSetStringFormatLineAlign(Gdiplus::StringAlignmentCenter));
  GfxSolidBrush black;
  ASSERT_TRUE(black.GdipCreateSolidFill(test::kOpaqueBlack));
  Canvas canvas(120, 40, test::kOpaqueWhite);
  ASSERT_TRUE(
      canvas.graphics.GdipDrawString("I", font, black, Gdiplus::RectF(0, 0, 120, 40), &centred));
  // Ink only in the middle third of the width.
  int left = 0, middle = 0, right = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      if (canvas.Pixel(x, y) == test::kOpaqueWhite) continue;
      (x < 40 ? left : x < 80 ? middle : right) += 1;
    }
  }
  EXPECT_EQ(left, 0);
  EXPECT_GT(middle, 0);
  EXPECT_EQ(right, 0);
}

TEST(GfxText, MeasuredWidthGrowsWithTheText) {
  GfxFont font;
  ASSERT_TRUE(font.GdipCreateFont(SomeInstalledFamilyName(), 14, 0, Gdiplus::UnitPixel));
  Canvas canvas(4, 4);
  Gdiplus::RectF shortBox, longBox, chineseBox;
  const Gdiplus::RectF unbounded(0, 0, 0, 0);
  ASSERT_TRUE(canvas.graphics.GdipMeasureString("12", font, unbounded, nullptr, shortBox));
  ASSERT_TRUE(canvas.graphics.GdipMeasureString("12345678", font, unbounded, nullptr, longBox));
  ASSERT_TRUE(canvas.graphics.GdipMeasureString("少尉", font, unbounded, nullptr, chineseBox));
  EXPECT_GT(shortBox.Width, 0);
  EXPECT_GT(longBox.Width, shortBox.Width * 2);
  EXPECT_GT(chineseBox.Width, 0);
  Gdiplus::RectF wideBox;
  ASSERT_TRUE(canvas.graphics.GdipMeasureStringW(L"12", font, unbounded, nullptr, wideBox));
  EXPECT_FLOAT_EQ(wideBox.Width, shortBox.Width);
}

TEST(GfxText, CharacterRangesMeasureIntoRegions) {
  GfxFont font;
  ASSERT_TRUE(font.GdipCreateFont(SomeInstalledFamilyName(), 20, 0, Gdiplus::UnitPixel));
  GfxStringFormat format;
  ASSERT_TRUE(format.GdipCreateStringFormat(0, 0));
  const Gdiplus::CharacterRange ranges[] = {{0, 2}, {2, 2}};
  ASSERT_TRUE(format.GdipSetStringFormatMeasurableCharacterRanges(ranges));
  EXPECT_EQ(format.GdipGetStringFormatMeasurableCharacterRangeCount(), 2);
  Canvas canvas(4, 4);
  const Gdiplus::RectF layout(0, 0, 400, 50);

  std::vector<GfxRegion> regions(1);
  EXPECT_FALSE(
      canvas.graphics.GdipMeasureCharacterRanges("AAWW", font, layout, format, 0, regions));
  EXPECT_EQ(regions.size(), 1u);  // untouched

  ASSERT_TRUE(canvas.graphics.GdipMeasureCharacterRanges("AAWW", font, layout, format, 2, regions));
  ASSERT_EQ(regions.size(), 2u);
  const Gdiplus::RectF first = regions[0].GdipGetRegionBounds(canvas.graphics);
  const Gdiplus::RectF second = regions[1].GdipGetRegionBounds(canvas.graphics);
  EXPECT_GT(first.Width, 0);
  EXPECT_GT(second.Width, 0);
  EXPECT_LE(first.X + first.Width, second.X + 0.5f);  // "AA" before "WW"
}

TEST(GfxRegion, CombineAndHitTest) {
  Canvas canvas(30, 30);
  GfxRegion region;
  ASSERT_TRUE(region.GdipCreateRegionRect(Gdiplus::RectF(0, 0, 20, 20)));
  ASSERT_TRUE(
      region.GdipCombineRegionRect(Gdiplus::RectF(10, 10, 20, 20), Gdiplus::CombineModeIntersect));
  EXPECT_TRUE(region.GdipIsVisibleRegionPoint(15, 15));
  EXPECT_FALSE(region.GdipIsVisibleRegionPoint(5, 5));
  const Gdiplus::RectF bounds = region.GdipGetRegionBounds(canvas.graphics);
  EXPECT_FLOAT_EQ(bounds.X, 10);
  EXPECT_FLOAT_EQ(bounds.Width, 10);
  GfxRegion clone;
  ASSERT_TRUE(region.GdipCloneRegion(clone));
  EXPECT_TRUE(clone.GdipIsEqualRegion(region, canvas.graphics));
  ASSERT_TRUE(clone.GdipSetEmpty());
  EXPECT_TRUE(clone.GdipIsEmptyRegion(canvas.graphics));
  EXPECT_FALSE(region.GdipIsEmptyRegion(canvas.graphics));

  GfxSolidBrush brush;
  ASSERT_TRUE(brush.GdipCreateSolidFill(test::kOpaqueRed));
  ASSERT_TRUE(canvas.graphics.GdipFillRegion(brush, region));
  EXPECT_EQ(canvas.Pixel(15, 15), test::kOpaqueRed);
  EXPECT_EQ(canvas.Pixel(5, 5), 0u);

  HRGN gdi = region.GdipGetRegionHRgn(canvas.graphics);
  ASSERT_NE(gdi, nullptr);
  EXPECT_TRUE(PtInRegion(gdi, 15, 15));
  EXPECT_FALSE(PtInRegion(gdi, 5, 5));
  GfxRegion fromGdi;
  ASSERT_TRUE(fromGdi.GdipCreateRegionHrgn(gdi));
  EXPECT_TRUE(fromGdi.GdipIsVisibleRegionPoint(12, 12));
  DeleteObject(gdi);
}

}  // namespace
}  // namespace gfx
