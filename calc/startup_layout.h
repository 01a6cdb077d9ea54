// What the main window is made of: every control with its kind, parent, place, text and font. The
// window builds itself from this description.
#pragma once

#include <span>

#include "calc/control_ids.h"
#include "runtime/text.h"

namespace calc {

inline constexpr int kWindowWidth = 382;
inline constexpr int kWindowHeight = 449;
inline constexpr char kWindowCaption[] = "岚石坊---升衔算盘";

enum class ControlKind { GroupBox, TransparentLabel, EditBox, ComboBox, PictureBox, Button };

struct FontChoice {
  rt::TextView face;  // GBK face name
  int height = 0;     // pixels, the LOGFONT height negated
  int weight = 400;
  friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

inline constexpr FontChoice kGroupBoxFont{.face = "宋体", .height = 12};
inline constexpr FontChoice kEditBoxFont{.face = "长城特圆体", .height = 12};
// The toolkit's own font, used by combo boxes and buttons.
inline constexpr FontChoice kDefaultFont{.face = "宋体", .height = 12};
inline constexpr rt::TextView kLabelFace = "岭鹤毛笔行书简体";

struct ControlLayout {
  ControlId id;
  ControlKind kind;
  ControlId parent;
  int left, top, width, height;  // relative to the parent's client area
  rt::TextView text;             // group boxes: the caption before the contact number
  int labelFontHeight = 0;       // transparent labels only
  bool bold = false;
  bool centred = false;
};

// Parents come before their children.
std::span<const ControlLayout> StartupLayout();

// The contact number that ends every group-box caption (set when the program is built).
rt::TextView ContactNumber();

// The text a control starts with: a group box's caption with the contact number, else the text of
// its description.
rt::Text InitialText(const ControlLayout& layout);

FontChoice FontOf(const ControlLayout& layout);

}  // namespace calc
