// The committed asset files: they regenerate byte for byte from the generator, and their pixels
// and headers are what the program relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "stb_read.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const fs::path kCommitted = ASSET_FILES_DIR;

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<fs::path> RelativeFiles(const fs::path& root) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), root));
  }
  std::sort(files.begin(), files.end());
  return files;
}

struct Rgba {
  std::uint32_t rgb;
  std::uint8_t alpha;
};

// Pixels of a committed PNG that must have an alpha channel.
struct RgbaImage {
  int width = 0, height = 0;
  Bytes pixels;
  Rgba At(int x, int y) const {
    const std::uint8_t* p = &pixels[static_cast<std::size_t>((y * width + x) * 4)];
    return {(std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2], p[3]};
  }
};

RgbaImage LoadPng(const std::string& name) {
  const auto decoded = stb::Decode(ReadFile(kCommitted / name), 4);
  if (!decoded) {
    ADD_FAILURE() << name << " does not decode";
    return {};
  }
  EXPECT_EQ(decoded->componentsInFile, 4) << name << " has no alpha channel";
  return {decoded->width, decoded->height, decoded->pixels};
}

std::string BadgeName(int row) {
  char name[32];
  std::snprintf(name, sizeof name, "badges/badge_%03d.jpg", row);
  return name;
}

// ---- regeneration

TEST(AssetRegeneration, GeneratorWritesExactlyTheCommittedFiles) {
  const fs::path temp =
      fs::temp_directory_path() / ("assets_regenerated_" + std::to_string(::getpid()));
  fs::remove_all(temp);
  const std::string command = std::string(ASSET_GENERATOR) + " " + temp.string();
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  const auto generated = RelativeFiles(temp);
  const auto committed = RelativeFiles(kCommitted);
  EXPECT_EQ(generated, committed) << "the generator and assets/files hold different file names";
  for (const fs::path& name : generated) {
    EXPECT_TRUE(ReadFile(temp / name) == ReadFile(kCommitted / name))
        << name << " differs from the committed file: run the regenerate_assets target";
  }
  fs::remove_all(temp);
}

// ---- check boxes

constexpr std::uint32_t kInterior[21] = {0xDEDFD6, 0xE0E0D8, 0xE2E2DA, 0xE4E4DC, 0xE7E6DF, 0xE9E8E1,
                                         0xEBE9E3, 0xEDEBE5, 0xF0EDE8, 0xF2EFEA, 0xF4F1EC, 0xF7F3EF,
                                         0xF7F4F0, 0xF8F5F1, 0xF9F6F3, 0xF9F7F4, 0xFAF8F6, 0xFBF9F7,
                                         0xFCFAF9, 0xFCFBFA, 0xFDFCFC};

const std::set<std::pair<int, int>> kCheckMark = {
    {9, 3}, {8, 4}, {9, 4}, {3, 5}, {7, 5}, {8, 5}, {9, 5}, {3, 6}, {4, 6}, {6, 6}, {7, 6},
    {8, 6}, {3, 7}, {4, 7}, {5, 7}, {6, 7}, {7, 7}, {4, 8}, {5, 8}, {6, 8}, {5, 9}};

struct CheckBoxCase {
  const char* file;
  bool checked;
  std::uint32_t frameColour;
  std::uint8_t frameAlpha;
};

class CheckBoxPixels : public testing::TestWithParam<CheckBoxCase> {};

TEST_P(CheckBoxPixels, EveryPixelIsFrameInteriorOrCheckMark) {
  const CheckBoxCase& c = GetParam();
  const RgbaImage image = LoadPng(c.file);
  ASSERT_EQ(image.width, 13);
  ASSERT_EQ(image.height, 13);
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 13; ++x) {
      const Rgba p = image.At(x, y);
      const bool frame = x == 0 || y == 0 || x == 12 || y == 12;
      const bool mark = c.checked && kCheckMark.count({x, y}) == 1;
      const std::uint32_t colour = frame ? c.frameColour : mark ? 0x246E75 : kInterior[x + y - 2];
      const std::uint8_t alpha = frame ? c.frameAlpha : 0xFF;
      EXPECT_EQ(p.rgb, colour) << "at " << x << "," << y;
      EXPECT_EQ(p.alpha, alpha) << "at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Faces, CheckBoxPixels,
                         testing::Values(CheckBoxCase{"check_empty.png", false, 0x030303, 230},
                                         CheckBoxCase{"check_checked.png", true, 0x185184, 0xFF}));

// ---- arrows

struct ArrowCase {
  const char* file;
  int width, height;
  // distance of a pixel from the arrow's wide end, and its place across the arrow
  int (*along)(int x, int y);
  int (*across)(int x, int y);
};

class ArrowPixels : public testing::TestWithParam<ArrowCase> {};

TEST_P(ArrowPixels, OpaqueNearBlackTriangleOnTransparent) {
  const ArrowCase& c = GetParam();
  const RgbaImage image = LoadPng(c.file);
  ASSERT_EQ(image.width, c.width);
  ASSERT_EQ(image.height, c.height);
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const int step = c.along(x, y), place = c.across(x, y);
      // row `step` from the wide end holds 7 - 2 * step pixels, centred
      const bool inside = place >= step && place <= 6 - step;
      const Rgba p = image.At(x, y);
      if (inside) {
        EXPECT_EQ(p.alpha, 0xFF) << "at " << x << "," << y;
        EXPECT_LE(p.rgb >> 16, 0x03u) << "at " << x << "," << y;
        EXPECT_LE((p.rgb >> 8) & 0xFF, 0x01u) << "at " << x << "," << y;
        EXPECT_EQ(p.rgb & 0xFF, 0x00u) << "at " << x << "," << y;
      } else {
        EXPECT_EQ(p.alpha, 0) << "at " << x << "," << y;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ArrowPixels,
    testing::Values(ArrowCase{"arrow_down.png", 7, 4, [](int, int y) { return y; },
                              [](int x, int) { return x; }},
                    ArrowCase{"arrow_up.png", 7, 4, [](int, int y) { return 3 - y; },
                              [](int x, int) { return x; }},
                    ArrowCase{"arrow_left.png", 4, 7, [](int x, int) { return 3 - x; },
                              [](int, int y) { return y; }},
                    ArrowCase{"arrow_right.png", 4, 7, [](int x, int) { return x; },
                              [](int, int y) { return y; }}));

// ---- caption buttons

struct CaptionCase {
  const char* file;
  int width;
};

class CaptionButtonPicture : public testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionButtonPicture, WhiteGlyphWithDarkerEdgeOnAFadingSheen) {
  const CaptionCase& c = GetParam();
  const RgbaImage image = LoadPng(c.file);
  ASSERT_EQ(image.width, c.width);
  ASSERT_EQ(image.height, 18);
  auto isGlyph = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return false;
    const Rgba p = image.At(x, y);
    return p.rgb == 0xFFFFFF && p.alpha == 0xFF;
  };
  int glyphPixels = 0;
  for (int y = 0; y < 18; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgba p = image.At(x, y);
      if (isGlyph(x, y)) {
        ++glyphPixels;
        continue;
      }
      bool besideGlyph = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) besideGlyph = besideGlyph || isGlyph(x + dx, y + dy);
      if (besideGlyph) {
        // the edge is darker than the glyph and clearly visible
        EXPECT_LT(p.rgb & 0xFF, 0x80u) << c.file << " edge at " << x << "," << y;
        EXPECT_GE(p.alpha, 0x80) << c.file << " edge at " << x << "," << y;
      } else {
        EXPECT_EQ(p.rgb, 0xFFFFFFu) << c.file << " sheen at " << x << "," << y;
        if (y == 0) {
          EXPECT_GE(p.alpha, 0x2C) << c.file << " top row at " << x;
          EXPECT_LE(p.alpha, 0x50) << c.file << " top row at " << x;
        } else if (y == 17) {
          EXPECT_EQ(p.alpha, 0x01) << c.file << " bottom row at " << x;
        } else {
          EXPECT_LE(p.alpha, image.At(x, y - 1).alpha)
              << c.file << " sheen grows at " << x << "," << y;
        }
      }
    }
  }
  EXPECT_GE(glyphPixels, 10) << c.file << " has next to no glyph";
}

INSTANTIATE_TEST_SUITE_P(Buttons, CaptionButtonPicture,
                         testing::Values(CaptionCase{"caption_help.png", 26},
                                         CaptionCase{"caption_main_menu.png", 26},
                                         CaptionCase{"caption_minimise.png", 26},
                                         CaptionCase{"caption_maximise.png", 26},
                                         CaptionCase{"caption_restore.png", 26},
                                         CaptionCase{"caption_close.png", 38}));

TEST(CaptionButtonPictures, AllSixGlyphsDiffer) {
  std::set<Bytes> seen;
  for (const char* name : {"caption_help.png", "caption_main_menu.png", "caption_minimise.png",
                           "caption_maximise.png", "caption_restore.png", "caption_close.png"}) {
    EXPECT_TRUE(seen.insert(LoadPng(name).pixels).second) << name;
  }
}

// ---- skin picture

TEST(SkinPicture, SkyGradientWithAlphaFrom247To255) {
  const RgbaImage image = LoadPng("skin.png");
  ASSERT_EQ(image.width, 1024);
  ASSERT_EQ(image.height, 576);
  std::uint8_t lowest = 255;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) lowest = std::min(lowest, image.At(x, y).alpha);
  EXPECT_GE(lowest, 247);

  // away from the rays the gradient's stops show nearly unchanged
  struct Stop {
    int y;
    std::uint32_t rgb;
  };
  for (const Stop& stop : {Stop{0, 0x5CC1FC}, Stop{287, 0x2E89CD}, Stop{575, 0x01529E}}) {
    const std::uint32_t got = image.At(0, stop.y).rgb;
    for (int shift : {16, 8, 0}) {
      const int a = static_cast<int>((got >> shift) & 0xFF),
                b = static_cast<int>((stop.rgb >> shift) & 0xFF);
      EXPECT_NEAR(a, b, 12) << "row " << stop.y << " channel shift " << shift;
    }
  }
  // the rays make the top centre lighter than the top corners
  const Rgba centre = image.At(512, 40), corner = image.At(0, 40);
  EXPECT_GT(centre.rgb & 0xFF00, corner.rgb & 0xFF00);
}

// ---- badges

TEST(Badges, BaselineJfifJpegsOf50By50WithThreeComponents) {
  for (int row = 1; row <= 100; ++row) {
    const Bytes file = ReadFile(kCommitted / BadgeName(row));
    ASSERT_GT(file.size(), 20u) << row;
    EXPECT_EQ(file[0], 0xFF);
    EXPECT_EQ(file[1], 0xD8) << row << ": no start of image";
    EXPECT_EQ(std::string(file.begin() + 6, file.begin() + 11), std::string("JFIF\0", 5)) << row;
    // walk the markers up to the frame header
    std::size_t at = 2;
    bool baselineFrame = false;
    while (at + 9 < file.size() && file[at] == 0xFF) {
      const std::uint8_t marker = file[at + 1];
      const std::size_t length = (file[at + 2] << 8) | file[at + 3];
      if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
        ADD_FAILURE() << row << ": frame marker " << std::hex << int{marker} << " is not baseline";
        break;
      }
      if (marker == 0xC0) {
        baselineFrame = true;
        EXPECT_EQ(file[at + 4], 8) << row << ": sample precision";
        EXPECT_EQ((file[at + 5] << 8) | file[at + 6], 50) << row << ": height";
        EXPECT_EQ((file[at + 7] << 8) | file[at + 8], 50) << row << ": width";
        EXPECT_EQ(file[at + 9], 3) << row << ": components";
        break;
      }
      at += 2 + length;
    }
    EXPECT_TRUE(baselineFrame) << row;
    const auto decoded = stb::Decode(file, 3);
    ASSERT_TRUE(decoded) << row;
    EXPECT_EQ(decoded->width, 50);
    EXPECT_EQ(decoded->height, 50);
  }
}

TEST(Badges, AllHundredLookDifferent) {
  std::vector<Bytes> pixels;
  for (int row = 1; row <= 100; ++row)
    pixels.push_back(stb::Decode(ReadFile(kCommitted / BadgeName(row)), 3)->pixels);
  for (std::size_t a = 0; a < pixels.size(); ++a) {
    for (std::size_t b = a + 1; b < pixels.size(); ++b) {
      // count clearly different pixels, not JPEG noise
      int differing = 0;
      for (std::size_t i = 0; i + 2 < pixels[a].size(); i += 3) {
        int d = 0;
        for (int k = 0; k < 3; ++k) d += std::abs(pixels[a][i + k] - pixels[b][i + k]);
        differing += d > 60;
      }
      EXPECT_GE(differing, 12) << "badges " << a + 1 << " and " << b + 1 << " look alike";
    }
  }
}

// ---- icon

std::uint32_t Le(const Bytes& b, std::size_t at, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

TEST(Icon, ThirtyTwoAndSixteenPixelImagesOf24BitsWithMasks) {
  const Bytes ico = ReadFile(kCommitted / "icon.ico");
  ASSERT_GE(ico.size(), 6u + 2 * 16);
  EXPECT_EQ(Le(ico, 0, 2), 0u);
  EXPECT_EQ(Le(ico, 2, 2), 1u) << "type icon";
  ASSERT_EQ(Le(ico, 4, 2), 2u) << "two images";
  const int sizes[] = {32, 16};
  for (int i = 0; i < 2; ++i) {
    const std::size_t entry = 6 + 16 * static_cast<std::size_t>(i);
    const int n = sizes[i];
    EXPECT_EQ(ico[entry], n);
    EXPECT_EQ(ico[entry + 1], n);
    EXPECT_EQ(Le(ico, entry + 6, 2), 24u);
    const std::uint32_t bytes = Le(ico, entry + 8, 4), offset = Le(ico, entry + 12, 4);
    ASSERT_LE(offset + bytes, ico.size());
    EXPECT_EQ(Le(ico, offset, 4), 40u) << "BITMAPINFOHEADER";
    EXPECT_EQ(Le(ico, offset + 4, 4), static_cast<std::uint32_t>(n));
    EXPECT_EQ(Le(ico, offset + 8, 4), static_cast<std::uint32_t>(2 * n)) << "colour and mask rows";
    EXPECT_EQ(Le(ico, offset + 14, 2), 24u);
    const std::uint32_t colourRow = (24 * n + 31) / 32 * 4, maskRow = (n + 31) / 32 * 4;
    EXPECT_EQ(bytes, 40 + (colourRow + maskRow) * n);
    // the mask leaves the corners transparent and the middle opaque (rows are stored bottom-up)
    const std::size_t mask = offset + 40 + colourRow * n;
    EXPECT_TRUE(ico[mask] & 0x80) << "bottom-left corner";
    const std::size_t middleRow = mask + maskRow * static_cast<std::size_t>(n / 2);
    EXPECT_FALSE(ico[middleRow + static_cast<std::size_t>(n / 16)] & (0x80 >> (n / 2 % 8)))
        << "middle";
  }
}

}  // namespace
