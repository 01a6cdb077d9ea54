#include <cstdio>

#include "art.h"

namespace art {
namespace {

std::string BadgeName(int row) {
  char name[32];
  std::snprintf(name, sizeof name, "badges/badge_%03d.jpg", row);
  return name;
}

}  // namespace

std::vector<AssetFile> GenerateAll() {
  std::vector<AssetFile> files;
  for (int row = 1; row <= kBadgeCount; ++row)
    files.push_back({BadgeName(row), EncodeJpeg(DrawBadge(row))});
  files.push_back({"icon.ico", DrawIcon()});
  files.push_back({"skin.png", EncodePng(DrawSkinPicture())});
  const char* const captions[] = {"help", "main_menu", "minimise", "maximise", "restore", "close"};
  for (int i = 0; i < 6; ++i) {
    files.push_back(
        {std::string("caption_") + captions[i] + ".png", EncodePng(DrawCaptionButton(i))});
  }
  files.push_back({"check_empty.png", EncodePng(DrawCheckBox(false))});
  files.push_back({"check_checked.png", EncodePng(DrawCheckBox(true))});
  const char* const arrows[] = {"down", "up", "left", "right"};
  for (int i = 0; i < 4; ++i) {
    files.push_back({std::string("arrow_") + arrows[i] + ".png", EncodePng(DrawArrow(i))});
  }
  return files;
}

}  // namespace art
