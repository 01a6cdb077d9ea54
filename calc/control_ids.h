// Identifiers of the main window's controls (their GetDlgCtrlID) and of its timers (the WM_TIMER
// id). Shared with the programs that drive the window from outside.
#pragma once

#include <cstdint>

namespace calc {

enum class ControlId : int {
  StartupWindow = 0,  // the window itself, as a parent
  分组框1 = 101,
  透明标签1,
  当前军衔_经验列表框,
  当前军衔_图片,
  透明标签3,
  理想军衔_图片,
  透明标签2,
  当前军衔_经验框,
  透明标签4,
  理想军衔_经验框,
  理想军衔_经验列表框,
  分组框2 = 201,
  透明标签5,
  相差经验框,
  分组框3 = 301,
  透明标签6,
  经验单价框,
  按钮1,
  透明标签7,
  收入_支付精确框,
  按钮4,
  透明标签8,
  收入_支付粗略框,
  透明标签9,
  Q币加成框,
  透明标签10,
  收入_支付Q币粗略框,
  透明标签11,
  折合RMB,
  按钮2,
  透明标签12,
  分组框5 = 501,
  透明标签13,
  每小时_N经验,
  透明标签14,
  共需_N小时,
  共需小时,
  分组框4 = 401,
  结果标签,
};

enum class TimerId : std::uintptr_t {
  当前军衔_经验时钟 = 1,
  理想军衔_经验时钟,
  时钟1,
  时钟3,
};

}  // namespace calc
