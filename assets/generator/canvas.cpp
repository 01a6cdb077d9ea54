#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double SegmentDistance(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
  t = Clamp01(t);
  const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
  return std::sqrt(ex * ex + ey * ey);
}

// Distance to the nearest outline edge, negative inside (even-odd rule over all contours).
double SignedDistance(const Shape& shape, Point p) {
  double nearest = std::numeric_limits<double>::max();
  bool inside = false;
  for (const auto& contour : shape.contours) {
    const std::size_t n = contour.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
      const Point a = contour[i], b = contour[j];
      nearest = std::min(nearest, SegmentDistance(p, a, b));
      if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
        inside = !inside;
      }
    }
  }
  return inside ? -nearest : nearest;
}

struct Bounds {
  double left, top, right, bottom;
};

Bounds BoundsOf(const Shape& shape) {
  Bounds b{1e9, 1e9, -1e9, -1e9};
  for (const auto& contour : shape.contours) {
    for (const Point& p : contour) {
      b.left = std::min(b.left, p.x);
      b.top = std::min(b.top, p.y);
      b.right = std::max(b.right, p.x);
      b.bottom = std::max(b.bottom, p.y);
    }
  }
  return b;
}

}  // namespace

Colour Hex(std::uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, double factor) {
  return {Clamp01(c.r * factor), Clamp01(c.g * factor), Clamp01(c.b * factor)};
}

Shape& Shape::Add(std::vector<Point> contour) {
  contours.push_back(std::move(contour));
  return *this;
}

Shape& Shape::Add(const Shape& other) {
  contours.insert(contours.end(), other.contours.begin(), other.contours.end());
  return *this;
}

Shape Polygon(std::vector<Point> points) { return Shape{}.Add(std::move(points)); }

Shape Rect(double x, double y, double w, double h) {
  return Polygon({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
}

Shape Circle(Point centre, double radius, int segments) {
  return Ellipse(centre, radius, radius, 0, segments);
}

Shape Ellipse(Point centre, double rx, double ry, double angle, int segments) {
  std::vector<Point> points;
  const double c = std::cos(angle), s = std::sin(angle);
  for (int i = 0; i < segments; ++i) {
    const double t = 2 * kPi * i / segments;
    const double x = rx * std::cos(t), y = ry * std::sin(t);
    points.push_back({centre.x + x * c - y * s, centre.y + x * s + y * c});
  }
  return Polygon(std::move(points));
}

Shape Star(Point centre, double radius, double innerRatio) {
  std::vector<Point> points;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? radius : radius * innerRatio;
    const double t = -kPi / 2 + kPi * i / 5;
    points.push_back({centre.x + r * std::cos(t), centre.y + r * std::sin(t)});
  }
  return Polygon(std::move(points));
}

Shape Chevron(double cx, double top, double halfWidth, double drop, double thickness) {
  return Polygon({{cx, top},
                  {cx + halfWidth, top + drop},
                  {cx + halfWidth, top + drop + thickness},
                  {cx, top + thickness},
                  {cx - halfWidth, top + drop + thickness},
                  {cx - halfWidth, top + drop}});
}

Paint Solid(Colour c) {
  return [c](double, double) { return c; };
}

Paint Vertical(Colour top, Colour bottom, double y0, double y1) {
  return [=](double, double y) { return Mix(top, bottom, Clamp01((y - y0) / (y1 - y0))); };
}

Canvas::Canvas(int width, int height, Colour ground)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height), ground) {}

void Canvas::Cover(const Shape& shape, const std::function<double(double)>& coverage,
                   const Paint& paint, double opacity, double margin) {
  const Bounds b = BoundsOf(shape);
  const int x0 = std::max(0, static_cast<int>(std::floor(b.left - margin)));
  const int y0 = std::max(0, static_cast<int>(std::floor(b.top - margin)));
  const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(b.right + margin)));
  const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(b.bottom + margin)));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const Point p{x + 0.5, y + 0.5};
      const double a = coverage(SignedDistance(shape, p)) * opacity;
      if (a <= 0) continue;
      At(x, y) = Mix(At(x, y), paint(p.x, p.y), a);
    }
  }
}

void Canvas::Fill(const Shape& shape, const Paint& paint, double opacity, double grow) {
  Cover(
      shape, [grow](double d) { return Clamp01(0.5 - (d - grow)); }, paint, opacity,
      std::max(0.0, grow) + 1);
}

void Canvas::Band(const Shape& shape, const Paint& paint, double inner, double outer,
                  double opacity) {
  Cover(
      shape,
      [inner, outer](double d) { return Clamp01(0.5 - (d - outer)) * Clamp01(0.5 + (d - inner)); },
      paint, opacity, std::max(0.0, outer) + 1);
}

void Canvas::Emboss(const Shape& shape, Colour metal, double rim) {
  const Bounds b = BoundsOf(shape);
  Fill(shape, Solid(Scale(metal, 0.28)), 0.9, rim);
  Fill(shape, Vertical(Scale(metal, 1.25), Scale(metal, 0.72), b.top, b.bottom));
  Band(shape, Vertical(Scale(metal, 1.6), Scale(metal, 0.9), b.top, b.bottom), -1.0, 0.0, 0.55);
}

std::vector<std::uint8_t> Canvas::ToRgb() const {
  std::vector<std::uint8_t> out;
  out.reserve(pixels_.size() * 3);
  for (const Colour& c : pixels_) {
    for (double v : {c.r, c.g, c.b})
      out.push_back(static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255)));
  }
  return out;
}

RgbaPicture::RgbaPicture(int w, int h)
    : width(w), height(h), bytes(static_cast<std::size_t>(w * h * 4), 0) {}

void RgbaPicture::Set(int x, int y, std::uint32_t rgb, std::uint8_t alpha) {
  std::uint8_t* p = &bytes[static_cast<std::size_t>((y * width + x) * 4)];
  p[0] = static_cast<std::uint8_t>(rgb >> 16);
  p[1] = static_cast<std::uint8_t>(rgb >> 8);
  p[2] = static_cast<std::uint8_t>(rgb);
  p[3] = alpha;
}

std::uint8_t RgbaPicture::Alpha(int x, int y) const {
  return bytes[static_cast<std::size_t>((y * width + x) * 4 + 3)];
}

}  // namespace art
