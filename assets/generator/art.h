// The asset generator's pictures: each function draws one asset and returns its file bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace art {

using Bytes = std::vector<std::uint8_t>;

inline constexpr int kBadgeCount = 100;
inline constexpr int kBadgeSize = 50;

// The family a rank belongs to, lowest first; the grade (1 to 8, or 0 for ranks without grades)
// is drawn as pips under the insignia.
enum class RankFamily {
  Recruit,         // 列兵
  Private,         // 三等兵, 二等兵, 一等兵 (their level 1 to 3 stands in the grade)
  LancePrivate,    // 上等兵
  Corporal,        // 下士
  Sergeant,        // 中士
  SeniorSergeant,  // 上士
  SecondLieutenant,
  FirstLieutenant,
  Captain,  // 少尉, 中尉, 上尉
  Major,
  LieutenantColonel,
  Colonel,
  SeniorColonel,  // 少校, 中校, 上校, 大校
  MajorGeneral,
  LieutenantGeneral,
  General,  // 少将, 中将, 上将
  Marshal,  // 元帅
};

struct RankStyle {
  RankFamily family;
  int grade;
};

// The family and grade of rank table row `row` (1 to 100).
RankStyle RankStyleOf(int row);

Canvas DrawBadge(int row);
RgbaPicture DrawSkinPicture();
RgbaPicture DrawCaptionButton(
    int glyph);  // 0 help, 1 main menu, 2 minimise, 3 maximise, 4 restore, 5 close
RgbaPicture DrawCheckBox(bool checked);
RgbaPicture DrawArrow(int direction);  // 0 down, 1 up, 2 left, 3 right

Bytes EncodeJpeg(const Canvas& canvas);
Bytes EncodePng(const RgbaPicture& picture);
// The window icon: a .ico with a 32 x 32 and a 16 x 16 image of 24 bits per pixel, with AND masks.
Bytes DrawIcon();

struct AssetFile {
  std::string name;  // path relative to the asset folder
  Bytes bytes;
};

// Every asset in a fixed order.
std::vector<AssetFile> GenerateAll();

}  // namespace art
