// Pictures in memory for the asset generator: a floating-point colour canvas that draws
// anti-aliased polygons, and the exact 8-bit RGBA pixel grid that small interface pictures are
// written on pixel by pixel.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace art {

struct Colour {
  double r = 0, g = 0, b = 0;
};

// 0xRRGGBB as written in colour tables.
Colour Hex(std::uint32_t rgb);
Colour Mix(Colour a, Colour b, double t);
Colour Scale(Colour c, double factor);

struct Point {
  double x = 0, y = 0;
};

// Closed contours filled with the even-odd rule, so a contour inside another cuts a hole.
struct Shape {
  std::vector<std::vector<Point>> contours;
  Shape& Add(std::vector<Point> contour);
  Shape& Add(const Shape& other);
};

Shape Polygon(std::vector<Point> points);
Shape Rect(double x, double y, double w, double h);
Shape Circle(Point centre, double radius, int segments = 40);
Shape Ellipse(Point centre, double rx, double ry, double angle, int segments = 32);
// A five-pointed star with its top point up.
Shape Star(Point centre, double radius, double innerRatio = 0.40);
// A chevron pointing up: apex at `top`, arms `halfWidth` wide dropping `drop`, `thickness` high.
Shape Chevron(double cx, double top, double halfWidth, double drop, double thickness);

using Paint = std::function<Colour(double x, double y)>;
Paint Solid(Colour c);
// Top to bottom from `top` at y0 to `bottom` at y1 (clamped outside).
Paint Vertical(Colour top, Colour bottom, double y0, double y1);

// A canvas of opaque colour; pixel centres lie at half-integer positions.
class Canvas {
 public:
  Canvas(int width, int height, Colour ground);
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Fills the shape grown by `grow` pixels (negative shrinks), anti-aliased from the distance of
  // each pixel centre to the outline, blended with `opacity`.
  void Fill(const Shape& shape, const Paint& paint, double opacity = 1.0, double grow = 0.0);
  // Only the band of the shape's outline between `inner` and `outer` pixels from the edge
  // (positive outside).
  void Band(const Shape& shape, const Paint& paint, double inner, double outer,
            double opacity = 1.0);
  // A raised metal look: dark rim, vertical gradient body, a light line along the inner edge.
  void Emboss(const Shape& shape, Colour metal, double rim = 0.8);

  Colour& At(int x, int y) { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  const Colour& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  // Interleaved 8-bit RGB, top row first.
  std::vector<std::uint8_t> ToRgb() const;

 private:
  void Cover(const Shape& shape, const std::function<double(double distance)>& coverage,
             const Paint& paint, double opacity, double margin);

  int width_;
  int height_;
  std::vector<Colour> pixels_;
};

// An exact 8-bit RGBA picture for pixel-by-pixel art (PNG assets).
struct RgbaPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bytes;  // width * height * 4, top row first

  RgbaPicture(int w, int h);
  void Set(int x, int y, std::uint32_t rgb, std::uint8_t alpha);
  std::uint8_t Alpha(int x, int y) const;
};

}  // namespace art
