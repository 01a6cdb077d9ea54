// The interface pictures: the window's skin background, the caption-button glyphs, the check-box
// faces and the small arrows.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "art.h"

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::uint8_t ToByte(double v) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

std::uint32_t Pack(Colour c) {
  return (std::uint32_t{ToByte(c.r)} << 16) | (std::uint32_t{ToByte(c.g)} << 8) | ToByte(c.b);
}

// ---- skin picture

constexpr int kSkinWidth = 1024, kSkinHeight = 576;

Colour SkyAt(double t) {
  const Colour top = Hex(0x5CC1FC), middle = Hex(0x2E89CD), bottom = Hex(0x01529E);
  return t < 0.5 ? Mix(top, middle, t * 2) : Mix(middle, bottom, (t - 0.5) * 2);
}

// Soft beams fanning down from just above the top centre, strongest near the top.
double RayLight(double x, double y) {
  const double dx = x - kSkinWidth / 2.0, dy = y + 60.0;
  const double angle = std::atan2(dx, dy);
  const double distance = std::sqrt(dx * dx + dy * dy);
  const double beams =
      std::pow(0.5 + 0.5 * std::cos(angle * 14.0 + 0.6 * std::sin(angle * 5.0)), 6.0);
  const double fade = std::exp(-distance / 380.0);
  return beams * fade * 0.16 + std::exp(-distance / 260.0) * 0.07;
}

// ---- caption buttons

constexpr std::uint32_t kGlyph = 0xFFFFFF;
constexpr std::uint32_t kGlyphEdge = 0x1C3A56;
constexpr std::uint8_t kGlyphEdgeAlpha = 0xB4;

// Glyph pixels are set in a mask; the edge is every pixel next to the glyph but not in it.
struct GlyphMask {
  int width, height;
  std::vector<bool> on;
  GlyphMask(int w, int h) : width(w), height(h), on(static_cast<std::size_t>(w * h), false) {}
  void Set(int x, int y, bool value = true) {
    if (x >= 0 && y >= 0 && x < width && y < height)
      on[static_cast<std::size_t>(y * width + x)] = value;
  }
  bool Get(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height &&
           on[static_cast<std::size_t>(y * width + x)];
  }
  void Box(int x, int y, int w, int h, bool value = true) {
    for (int j = y; j < y + h; ++j)
      for (int i = x; i < x + w; ++i) Set(i, j, value);
  }
  void Outline(int x, int y, int w, int h) {
    Box(x, y, w, 1);
    Box(x, y + h - 1, w, 1);
    Box(x, y, 1, h);
    Box(x + w - 1, y, 1, h);
  }
};

void DrawHelp(GlyphMask& m) {
  // speech bubble with a tail at the lower left
  m.Outline(6, 2, 14, 10);
  m.Set(6, 2, false), m.Set(19, 2, false), m.Set(6, 11, false), m.Set(19, 11, false);
  m.Box(8, 12, 2, 1), m.Box(8, 13, 1, 1), m.Box(7, 14, 1, 1);
  m.Set(9, 11, false);
  // a small arrow inside, pointing right
  m.Box(9, 7, 6, 1);
  m.Set(14, 5), m.Set(15, 6), m.Set(16, 7), m.Set(15, 8), m.Set(14, 9);
}

void DrawMainMenu(GlyphMask& m) {
  // a small window with a title bar and lines of text
  m.Outline(5, 2, 13, 11);
  m.Box(5, 3, 13, 1);
  m.Box(7, 6, 7, 1), m.Box(7, 8, 5, 1), m.Box(7, 10, 6, 1);
  // a mouse pointer at its lower right
  const int px = 15, py = 8;
  for (int j = 0; j < 7; ++j) m.Box(px, py + j, std::min(j + 1, 5), 1);
  m.Box(px + 2, py + 7, 2, 1), m.Box(px + 3, py + 8, 2, 1);
  m.Set(px + 4, py + 6, false), m.Set(px + 3, py + 6, false);
}

void DrawMinimise(GlyphMask& m) { m.Box(8, 11, 10, 2); }

void DrawMaximise(GlyphMask& m) {
  m.Outline(8, 4, 10, 9);
  m.Box(8, 5, 10, 1);  // the thicker top edge
}

void DrawRestore(GlyphMask& m) {
  // the back window shows only where the front one does not cover it
  m.Outline(11, 3, 8, 7);
  m.Box(11, 4, 8, 1);
  m.Box(8, 6, 8, 7, false);
  m.Outline(8, 6, 8, 7);
  m.Box(8, 7, 8, 1);
}

void DrawClose(GlyphMask& m) {
  for (int i = 0; i < 9; ++i) {
    m.Box(14 + i, 4 + i, 2, 1);
    m.Box(22 - i, 4 + i, 2, 1);
  }
}

// The faint white sheen of a caption button: alpha 0x2C at the top corners rising to 0x50 in the
// middle of the top row, fading towards 0x01 on the bottom row.
std::uint8_t SheenAlpha(int x, int y, int width, int height) {
  const double across = std::sin(kPi * (x + 0.5) / width);
  const double top = 0x2C + (0x50 - 0x2C) * across;
  const double down = static_cast<double>(y) / (height - 1);
  return static_cast<std::uint8_t>(std::lround(1 + (top - 1) * (1 - down) * (1 - down)));
}

// ---- check boxes

constexpr std::uint32_t kCheckInterior[21] = {
    0xDEDFD6, 0xE0E0D8, 0xE2E2DA, 0xE4E4DC, 0xE7E6DF, 0xE9E8E1, 0xEBE9E3,
    0xEDEBE5, 0xF0EDE8, 0xF2EFEA, 0xF4F1EC, 0xF7F3EF, 0xF7F4F0, 0xF8F5F1,
    0xF9F6F3, 0xF9F7F4, 0xFAF8F6, 0xFBF9F7, 0xFCFAF9, 0xFCFBFA, 0xFDFCFC};

constexpr int kCheckMark[][2] = {{9, 3}, {8, 4}, {9, 4}, {3, 5}, {7, 5}, {8, 5}, {9, 5},
                                 {3, 6}, {4, 6}, {6, 6}, {7, 6}, {8, 6}, {3, 7}, {4, 7},
                                 {5, 7}, {6, 7}, {7, 7}, {4, 8}, {5, 8}, {6, 8}, {5, 9}};

}  // namespace

RgbaPicture DrawSkinPicture() {
  RgbaPicture p(kSkinWidth, kSkinHeight);
  for (int y = 0; y < kSkinHeight; ++y) {
    const double t = static_cast<double>(y) / (kSkinHeight - 1);
    for (int x = 0; x < kSkinWidth; ++x) {
      const Colour sky = SkyAt(t);
      const Colour lit = Mix(sky, Hex(0xFFFFFF), RayLight(x + 0.5, y + 0.5));
      // slightly more see-through towards the bottom: alpha 255 at the top, 247 at the bottom
      p.Set(x, y, Pack(lit), static_cast<std::uint8_t>(255 - std::lround(8 * t)));
    }
  }
  return p;
}

RgbaPicture DrawCaptionButton(int glyph) {
  const int width = glyph == 5 ? 38 : 26, height = 18;
  GlyphMask mask(width, height);
  using Drawer = void (*)(GlyphMask&);
  constexpr Drawer kDrawers[] = {DrawHelp,     DrawMainMenu, DrawMinimise,
                                 DrawMaximise, DrawRestore,  DrawClose};
  kDrawers[glyph](mask);
  RgbaPicture p(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bool edge = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) edge = edge || mask.Get(x + dx, y + dy);
      if (mask.Get(x, y)) {
        p.Set(x, y, kGlyph, 0xFF);
      } else if (edge) {
        p.Set(x, y, kGlyphEdge, kGlyphEdgeAlpha);
      } else {
        p.Set(x, y, 0xFFFFFF, SheenAlpha(x, y, width, height));
      }
    }
  }
  return p;
}

RgbaPicture DrawCheckBox(bool checked) {
  RgbaPicture p(13, 13);
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 13; ++x) {
      const bool frame = x == 0 || y == 0 || x == 12 || y == 12;
      if (frame) {
        p.Set(x, y, checked ? 0x185184 : 0x030303, checked ? 0xFF : 230);
      } else {
        p.Set(x, y, kCheckInterior[x + y - 2], 0xFF);
      }
    }
  }
  if (checked) {
    for (const auto& [x, y] : kCheckMark) p.Set(x, y, 0x246E75, 0xFF);
  }
  return p;
}

RgbaPicture DrawArrow(int direction) {
  const bool vertical = direction < 2;
  RgbaPicture p(vertical ? 7 : 4, vertical ? 4 : 7);
  for (int step = 0; step < 4; ++step) {
    // step 0 is the wide end; the tip (one pixel) lies at the pointing side
    const int length = 7 - 2 * step;
    for (int i = 0; i < length; ++i) {
      const int along = step, across = step + i;
      switch (direction) {
        case 0:
          p.Set(across, along, 0x020100, 0xFF);
          break;
        case 1:
          p.Set(across, 3 - along, 0x020100, 0xFF);
          break;
        case 2:
          p.Set(3 - along, across, 0x020100, 0xFF);
          break;
        default:
          p.Set(along, across, 0x020100, 0xFF);
          break;
      }
    }
  }
  return p;
}

}  // namespace art
