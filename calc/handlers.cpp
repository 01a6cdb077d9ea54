// The handlers of the main window's timers and buttons: read the fields, compute, write back.
#include <optional>

#include "calc/badges.h"
#include "calc/rank_table.h"
#include "calc/startup_window.h"

namespace calc {

rt::Text StartupWindow::Read(ControlId id) const { return rt::ReadControlText(Control(id)); }

void StartupWindow::Write(ControlId id, rt::TextView text) {
  rt::WriteControlText(Control(id), text);
}

// Written on every tick, changed or not: typing in the experience field lasts at most a second.
void StartupWindow::RankTimerTick(ControlId list, ControlId experienceField, ControlId pictureBox) {
  const std::optional<RankRow> row = RankTable::Find(Read(list));
  if (!row) return;
  Write(experienceField, row->experience);
  rt::SetPicture(Control(pictureBox), BadgeOf(row->number));
}

void StartupWindow::OnExperienceGapTick() {
  Write(ControlId::相差经验框,
        ExperienceGapText(Read(ControlId::理想军衔_经验框), Read(ControlId::当前军衔_经验框)));
}

void StartupWindow::OnResultTick() {
  Write(ControlId::结果标签,
        ResultSentence(Read(ControlId::收入_支付粗略框), Read(ControlId::收入_支付Q币粗略框)));
}

void StartupWindow::OnRmbPriceClicked() {
  const RmbPriceTexts price =
      ComputeRmbPrice(state_, Read(ControlId::相差经验框), Read(ControlId::经验单价框));
  Write(ControlId::收入_支付粗略框, price.rough);
  Write(ControlId::收入_支付精确框, price.exact);
}

// The message box is task-modal: the timers go on ticking while it waits for the user.
void StartupWindow::OnQcoinPriceClicked() {
  const QcoinPriceTexts price = ComputeQcoinPrice(state_, Read(ControlId::Q币加成框));
  if (price.surchargeMissing) rt::ShowMessage("请输入QB支付加成百分比");
  Write(ControlId::收入_支付Q币粗略框, price.coins);
  Write(ControlId::折合RMB, price.rmbValue);
  rt::SetTimerPeriod(resultTimer_, kTimerPeriodMs);  // a later press changes nothing
}

void StartupWindow::OnLevellingTimeClicked() {
  const LevellingTimeTexts time = ComputeLevellingTime(
      Read(ControlId::每小时_N经验), Read(ControlId::相差经验框),
      Read(ControlId::当前军衔_经验列表框), Read(ControlId::理想军衔_经验列表框));
  Write(ControlId::共需_N小时, time.hours);
  Write(ControlId::共需小时, time.sentence);
}

}  // namespace calc
