// The 100 rank badges: one family of insignia whose grandeur grows with the rank. Enlisted ranks
// wear bronze bars on olive, NCOs gold chevrons on green, officers shoulder boards with stars
// (one stripe for company, two for field officers), generals gold boards with silver stars and a
// laurel frame, the marshal a great star in a wreath. The grade shows as pips under the insignia,
// in rows of four so that it stays countable when the badge is squeezed to 40 x 35.
#include <algorithm>
#include <cmath>

#include "art.h"

namespace art {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct FamilySpan {
  RankFamily family;
  int count;  // rows of the table in this family
  bool graded;
};

// The rank table's order: row 1 is the first grade of the first family.
constexpr FamilySpan kFamilies[] = {
    {RankFamily::Recruit, 2, true},           {RankFamily::Private, 3, false},
    {RankFamily::LancePrivate, 4, true},      {RankFamily::Corporal, 6, true},
    {RankFamily::Sergeant, 6, true},          {RankFamily::SeniorSergeant, 6, true},
    {RankFamily::SecondLieutenant, 8, true},  {RankFamily::FirstLieutenant, 8, true},
    {RankFamily::Captain, 8, true},           {RankFamily::Major, 8, true},
    {RankFamily::LieutenantColonel, 8, true}, {RankFamily::Colonel, 8, true},
    {RankFamily::SeniorColonel, 6, true},     {RankFamily::MajorGeneral, 6, true},
    {RankFamily::LieutenantGeneral, 6, true}, {RankFamily::General, 6, true},
    {RankFamily::Marshal, 1, false},
};

enum class Tier { Enlisted, Nco, CompanyOfficer, FieldOfficer, GeneralOfficer, Marshal };

Tier TierOf(RankFamily f) {
  switch (f) {
    case RankFamily::Recruit:
    case RankFamily::Private:
    case RankFamily::LancePrivate:
      return Tier::Enlisted;
    case RankFamily::Corporal:
    case RankFamily::Sergeant:
    case RankFamily::SeniorSergeant:
      return Tier::Nco;
    case RankFamily::SecondLieutenant:
    case RankFamily::FirstLieutenant:
    case RankFamily::Captain:
      return Tier::CompanyOfficer;
    case RankFamily::Major:
    case RankFamily::LieutenantColonel:
    case RankFamily::Colonel:
    case RankFamily::SeniorColonel:
      return Tier::FieldOfficer;
    case RankFamily::MajorGeneral:
    case RankFamily::LieutenantGeneral:
    case RankFamily::General:
      return Tier::GeneralOfficer;
    case RankFamily::Marshal:
      break;
  }
  return Tier::Marshal;
}

struct TierLook {
  Colour groundTop, groundBottom;
  Colour frame;
  double frameWidth;
  Colour pip;
};

TierLook LookOf(Tier tier) {
  switch (tier) {
    case Tier::Enlisted:
      return {Hex(0x7A8646), Hex(0x3C4520), Hex(0xB07A40), 2.0, Hex(0xC88A48)};
    case Tier::Nco:
      return {Hex(0x3C7048), Hex(0x17341E), Hex(0xC4CCD4), 2.0, Hex(0xE8C050)};
    case Tier::CompanyOfficer:
      return {Hex(0x2E5288), Hex(0x122648), Hex(0xD8B860), 2.5, Hex(0xF0CC58)};
    case Tier::FieldOfficer:
      return {Hex(0x8A2432), Hex(0x3A0A12), Hex(0xE8C458), 3.0, Hex(0xF4D060)};
    case Tier::GeneralOfficer:
      return {Hex(0x262A3A), Hex(0x07080E), Hex(0xF2CC50), 3.5, Hex(0xE8ECF4)};
    case Tier::Marshal:
      break;
  }
  return {Hex(0xC0202A), Hex(0x50060C), Hex(0xFFD850), 4.0, Hex(0xFFD850)};
}

constexpr double kS = kBadgeSize;

void DrawGround(Canvas& c, const TierLook& look) {
  c.Fill(Rect(0, 0, kS, kS), Vertical(look.groundTop, look.groundBottom, 0, kS));
  const Shape frame = Rect(0, 0, kS, kS)
                          .Add(Rect(look.frameWidth, look.frameWidth, kS - 2 * look.frameWidth,
                                    kS - 2 * look.frameWidth)
                                   .contours[0]);
  c.Fill(frame, Vertical(Scale(look.frame, 1.3), Scale(look.frame, 0.6), 0, kS));
  // a dark line inside the frame sets the field off from it
  const double w = look.frameWidth;
  c.Band(Rect(w, w, kS - 2 * w, kS - 2 * w), Solid(Hex(0x000000)), -1.0, 0.0, 0.45);
}

// Rays from the centre of the insignia, for the generals and the marshal.
void DrawRays(Canvas& c, Point centre, int count, Colour colour, double opacity) {
  for (int i = 0; i < count; ++i) {
    const double a = 2 * kPi * i / count, half = kPi / count * 0.45;
    const double r = 40;
    c.Fill(Polygon({centre,
                    {centre.x + r * std::cos(a - half), centre.y + r * std::sin(a - half)},
                    {centre.x + r * std::cos(a + half), centre.y + r * std::sin(a + half)}}),
           Solid(colour), opacity);
  }
}

// Grade pips in rows of four, centred under the insignia.
void DrawPips(Canvas& c, int grade, Colour colour, double bottom) {
  const int rows = (grade + 3) / 4;
  const double pitch = 7.0, radius = 2.5, rowPitch = 6.0;
  for (int row = 0; row < rows; ++row) {
    const int inRow = std::min(4, grade - row * 4);
    const double y = bottom - (rows - 1 - row) * rowPitch - radius;
    const double x0 = kS / 2 - (inRow - 1) * pitch / 2;
    for (int i = 0; i < inRow; ++i) {
      c.Emboss(Circle({x0 + i * pitch, y}, radius, 20), colour, 0.9);
    }
  }
}

void DrawBars(Canvas& c, int bars, double centreY, Colour metal) {
  const double height = 4.0, gap = 3.0;
  const double top = centreY - (bars * height + (bars - 1) * gap) / 2;
  for (int i = 0; i < bars; ++i) {
    c.Emboss(Rect(10, top + i * (height + gap), kS - 20, height), metal);
  }
}

void DrawChevrons(Canvas& c, int chevrons, double top, Colour metal) {
  for (int i = 0; i < chevrons; ++i) {
    c.Emboss(Chevron(kS / 2, top + i * 6.5, 16, 8, 4.2), metal);
  }
}

Shape ShoulderBoard(double top, double height) {
  const double left = 5, right = kS - 5, cy = top + height / 2;
  return Polygon({{left + 7, top},
                  {right - 2, top},
                  {right, top + 2},
                  {right, top + height - 2},
                  {right - 2, top + height},
                  {left + 7, top + height},
                  {left, cy}});
}

// Stars spread over the board between the button and the board's end; more stars are smaller.
void DrawStars(Canvas& c, int stars, double cy, double radius, Colour metal) {
  constexpr double kLeft = 14.5, kRight = 44.5;
  const double pitch =
      stars == 1 ? 0 : std::min(radius * 2.3, (kRight - kLeft - 2 * radius) / (stars - 1));
  const double x0 = (kLeft + kRight) / 2 - (stars - 1) * pitch / 2;
  for (int i = 0; i < stars; ++i) c.Emboss(Star({x0 + i * pitch, cy + 0.6}, radius), metal);
}

void DrawOfficerBoard(Canvas& c, int stars, int stripes, double top, double height) {
  const Shape board = ShoulderBoard(top, height);
  c.Emboss(board, Hex(0x3E5A30), 1.0);
  const Colour gold = Hex(0xE0B848);
  const double cy = top + height / 2;
  for (int i = 0; i < stripes; ++i) {
    const double y = stripes == 1 ? cy - 1.2 : cy - 6 + i * 9.6;
    c.Fill(Rect(10, y, kS - 15.5, 2.4), Vertical(Scale(gold, 1.2), Scale(gold, 0.8), y, y + 2.4));
  }
  c.Emboss(Circle({10.5, cy}, 2.4, 20), gold, 0.7);  // the board's button
  constexpr double kRadius[] = {5.6, 5.4, 4.9, 4.1};
  DrawStars(c, stars, cy, kRadius[stars - 1], Hex(0xF4D468));
}

void DrawGeneralBoard(Canvas& c, int stars, double top, double height) {
  const Shape board = ShoulderBoard(top, height);
  c.Emboss(board, Hex(0xD8A830), 1.0);
  const double cy = top + height / 2;
  // a green pine sprig at the board's point, as on a general's board
  for (int i = 0; i < 3; ++i) {
    c.Fill(Ellipse({9.5 + i * 2.2, cy - 2.2}, 2.6, 1.2, -0.6), Solid(Hex(0x2E6A2A)));
    c.Fill(Ellipse({9.5 + i * 2.2, cy + 2.2}, 2.6, 1.2, 0.6), Solid(Hex(0x2E6A2A)));
  }
  constexpr double kRadius[] = {6.6, 6.2, 5.3};
  DrawStars(c, stars, cy, kRadius[stars - 1], Hex(0xDCE4F0));
  c.Band(board, Solid(Hex(0xFFF0B0)), -1.6, -1.0, 0.5);
}

// A laurel branch along each side of the badge, leaves pointing up.
void DrawLaurel(Canvas& c, Colour leaf, double inset) {
  for (int side = 0; side < 2; ++side) {
    const double dir = side == 0 ? 1 : -1;
    const double x = side == 0 ? inset : kS - inset;
    for (int i = 0; i < 6; ++i) {
      const double y = kS - 8 - i * 6.2;
      const double bend = 1.6 * std::sin(i * 0.5);
      c.Fill(Ellipse({x + dir * (2.2 + bend), y}, 3.2, 1.3, -dir * 1.0, 16),
             Solid(Scale(leaf, 0.45)), 0.8, 0.5);
      c.Fill(Ellipse({x + dir * (2.2 + bend), y}, 3.2, 1.3, -dir * 1.0, 16),
             Vertical(Scale(leaf, 1.25), Scale(leaf, 0.8), y - 2, y + 2));
    }
  }
}

void DrawEnlisted(Canvas& c, const RankStyle& s, const TierLook& look) {
  const Colour bronze = Hex(0xC08040);
  switch (s.family) {
    case RankFamily::Recruit:
      // a plain bronze button: the recruit has no bars yet
      c.Emboss(Circle({kS / 2, 19}, 9, 40), bronze);
      c.Fill(Circle({kS / 2, 19}, 5.5, 40), Solid(Scale(look.groundBottom, 1.3)), 0.8);
      DrawPips(c, s.grade, look.pip, 44);
      break;
    case RankFamily::Private:
      DrawBars(c, s.grade, kS / 2, bronze);
      break;
    default:  // lance private: a chevron over a bar
      DrawChevrons(c, 1, 8, bronze);
      c.Emboss(Rect(12, 23, kS - 24, 3.6), bronze);
      DrawPips(c, s.grade, look.pip, 44);
      break;
  }
}

void DrawMarshal(Canvas& c, const TierLook& look) {
  const Point centre{kS / 2, kS / 2 + 1};
  DrawRays(c, centre, 16, Hex(0xFFD860), 0.28);
  DrawLaurel(c, Hex(0xE8B838), 7.5);
  c.Emboss(Star(centre, 17, 0.42), Hex(0xF8C838), 1.2);
  c.Fill(Star(centre, 8, 0.42), Solid(Hex(0xD01A20)));
  c.Band(Star(centre, 8, 0.42), Solid(Hex(0xFFF0A0)), 0.0, 0.8);
  (void)look;
}

}  // namespace

RankStyle RankStyleOf(int row) {
  int first = 1;
  for (const FamilySpan& span : kFamilies) {
    if (row < first + span.count) {
      // the three private ranks have no grade; their level (1 to 3) decides the bars
      const bool counted = span.graded || span.family == RankFamily::Private;
      return {span.family, counted ? row - first + 1 : 0};
    }
    first += span.count;
  }
  return {RankFamily::Marshal, 0};
}

Canvas DrawBadge(int row) {
  const RankStyle s = RankStyleOf(row);
  const Tier tier = TierOf(s.family);
  const TierLook look = LookOf(tier);
  Canvas c(kBadgeSize, kBadgeSize, look.groundBottom);
  DrawGround(c, look);
  const int step = static_cast<int>(s.family);
  switch (tier) {
    case Tier::Enlisted:
      DrawEnlisted(c, s, look);
      break;
    case Tier::Nco:
      DrawChevrons(c, step - static_cast<int>(RankFamily::Corporal) + 1, 6, Hex(0xE8BE48));
      DrawPips(c, s.grade, Hex(0xD8DEE6), 45);
      break;
    case Tier::CompanyOfficer:
      DrawOfficerBoard(c, step - static_cast<int>(RankFamily::SecondLieutenant) + 1, 1, 6, 20);
      DrawPips(c, s.grade, look.pip, 45);
      break;
    case Tier::FieldOfficer:
      DrawOfficerBoard(c, step - static_cast<int>(RankFamily::Major) + 1, 2, 6, 20);
      DrawPips(c, s.grade, look.pip, 45);
      break;
    case Tier::GeneralOfficer:
      DrawRays(c, {kS / 2, 16}, 12, Hex(0xF0D070), 0.12);
      DrawGeneralBoard(c, step - static_cast<int>(RankFamily::MajorGeneral) + 1, 6, 20);
      DrawPips(c, s.grade, look.pip, 45);
      break;
    case Tier::Marshal:
      DrawMarshal(c, look);
      break;
  }
  return c;
}

}  // namespace art
