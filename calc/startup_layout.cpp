// The main window's controls, in the order they are created.
#include "calc/startup_layout.h"

#include <array>

namespace calc {
namespace {

using enum ControlId;
using enum ControlKind;

constexpr std::array kLayout = {
    ControlLayout{分组框1, GroupBox, StartupWindow, 3, 31, 376, 77, "军衔选择 ─岚石坊─ QQ "},
    ControlLayout{透明标签1, TransparentLabel, 分组框1, 8, 21, 56, 16, "当前军衔", 14},
    ControlLayout{当前军衔_经验列表框, ComboBox, 分组框1, 72, 20, 65, 20, ""},
    ControlLayout{当前军衔_图片, PictureBox, 分组框1, 141, 17, 40, 35, ""},
    ControlLayout{透明标签3, TransparentLabel, 分组框1, 195, 21, 64, 16, "理想军衔", 14},
    ControlLayout{理想军衔_图片, PictureBox, 分组框1, 325, 17, 40, 35, ""},
    ControlLayout{透明标签2, TransparentLabel, 分组框1, 10, 52, 64, 16, "所需经验", 14},
    ControlLayout{当前军衔_经验框, EditBox, 分组框1, 71, 53, 104, 16, ""},
    ControlLayout{透明标签4, TransparentLabel, 分组框1, 196, 52, 64, 16, "所需经验", 14},
    ControlLayout{理想军衔_经验框, EditBox, 分组框1, 261, 53, 104, 16, ""},
    ControlLayout{理想军衔_经验列表框, ComboBox, StartupWindow, 263, 49, 61, 20, ""},
    ControlLayout{分组框2, GroupBox, StartupWindow, 3, 116, 376, 48, "相差经验 ─岚石坊─ QQ "},
    ControlLayout{透明标签5, TransparentLabel, 分组框2, 8, 18, 96, 24, "相差经验值为", 16},
    ControlLayout{相差经验框, EditBox, 分组框2, 109, 23, 253, 16, ""},
    ControlLayout{分组框3, GroupBox, StartupWindow, 3, 164, 376, 156, "收入/支付 ─岚石坊─ QQ "},
    ControlLayout{透明标签6, TransparentLabel, 分组框3, 5, 30, 136, 16, "XX元=1万经验/单价", 14},
    ControlLayout{经验单价框, EditBox, 分组框3, 136, 31, 96, 16, ""},
    ControlLayout{按钮1, Button, 分组框3, 238, 24, 119, 24, "算支付/收入（RMB）"},
    ControlLayout{透明标签7, TransparentLabel, 分组框3, 8, 56, 128, 16, "收入/支付 应付金额", 14},
    ControlLayout{收入_支付精确框, EditBox, 分组框3, 136, 56, 96, 16, ""},
    ControlLayout{按钮4, Button, 分组框3, 238, 76, 120, 24, "算代练时长"},
    ControlLayout{透明标签8, TransparentLabel, 分组框3, 7, 81, 128, 16, "收入/支付 实付金额", 14},
    ControlLayout{收入_支付粗略框, EditBox, 分组框3, 136, 80, 96, 16, ""},
    ControlLayout{透明标签9, TransparentLabel, 分组框3, 8, 108, 144, 16,
                  "Q币支付加           百分点", 12},
    ControlLayout{Q币加成框, EditBox, 分组框3, 70, 107, 40, 16, ""},
    ControlLayout{透明标签10, TransparentLabel, 分组框3, 155, 109, 48, 16, "应付QB", 12},
    ControlLayout{收入_支付Q币粗略框, EditBox, 分组框3, 200, 109, 53, 16, ""},
    ControlLayout{透明标签11, TransparentLabel, 分组框3, 258, 108, 56, 16, "折合RMB", 12},
    ControlLayout{折合RMB, EditBox, 分组框3, 312, 108, 56, 16, ""},
    ControlLayout{按钮2, Button, StartupWindow, 241, 214, 120, 24, "算支付/收入（Q B）"},
    ControlLayout{透明标签12, TransparentLabel, StartupWindow, 110, 296, 161, 16,
                  "Q币为每个 0.91 元 的价格", 12, true},
    ControlLayout{分组框5, GroupBox, StartupWindow, 3, 323, 376, 73, "代练时间 ─岚石坊─ QQ "},
    ControlLayout{透明标签13, TransparentLabel, 分组框5, 5, 17, 176, 16,
                  "每小时可刷                万经验", 12},
    ControlLayout{每小时_N经验, EditBox, 分组框5, 71, 17, 56, 16, ""},
    ControlLayout{透明标签14, TransparentLabel, 分组框5, 223, 16, 150, 16,
                  "预计需要                  小时", 12},
    ControlLayout{共需_N小时, EditBox, 分组框5, 275, 17, 64, 16, ""},
    ControlLayout{共需小时, TransparentLabel, 分组框5, 13, 44, 352, 16, "", 14, false, true},
    ControlLayout{分组框4, GroupBox, StartupWindow, 3, 396, 376, 48, "收入/支付 结果 ─岚石坊─ QQ "},
    ControlLayout{结果标签, TransparentLabel, 分组框4, 5, 20, 360, 16, "", 14, false, true},
};

}  // namespace

std::span<const ControlLayout> StartupLayout() { return kLayout; }

rt::TextView ContactNumber() { return RANK_ABACUS_CONTACT; }

rt::Text InitialText(const ControlLayout& layout) {
  if (layout.kind == GroupBox) return rt::ConcatText({layout.text, ContactNumber()});
  return rt::Text(layout.text);
}

FontChoice FontOf(const ControlLayout& layout) {
  switch (layout.kind) {
    case GroupBox:
      return kGroupBoxFont;
    case EditBox:
      return kEditBoxFont;
    case TransparentLabel:
      return {
          .face = kLabelFace, .height = layout.labelFontHeight, .weight = layout.bold ? 700 : 400};
    case ComboBox:
    case PictureBox:
    case Button:
      break;
  }
  return kDefaultFont;
}

}  // namespace calc
