// The pictures and the program that the executable carries as resources, by name.
//
// Every view points into the module's resource section: valid for the life of the process, never
// freed. An asset that is missing (a module built without the resource script) gives an empty view.
#pragma once

#include "runtime/text.h"

namespace Asset {

inline constexpr int kBadgeCount = 100;

// The badge of rank table row `row` (1 to 100): a 50 x 50 JPEG. Outside 1..100: empty.
rt::ByteView Badge(int row);

// The window background: a 1,024 x 576 PNG with alpha.
rt::ByteView SkinPicture();

// Caption-button glyphs: PNG, 26 x 18 (close: 38 x 18).
enum class CaptionGlyph { Help, MainMenu, Minimise, Maximise, Restore, Close };
rt::ByteView CaptionButtonPicture(CaptionGlyph glyph);

// Check-box faces: 13 x 13 PNG.
rt::ByteView CheckBoxPicture(bool checked);

// Arrows: down and up 7 x 4, left and right 4 x 7 PNG.
enum class Arrow { Down, Up, Left, Right };
rt::ByteView ArrowPicture(Arrow arrow);

// The working-set tool: a Windows console program (.exe).
rt::ByteView WorkingSetTool();

}  // namespace Asset
