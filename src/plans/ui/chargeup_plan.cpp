#include "plans/ui/chargeup_plan.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "base/gbk_text.h"
#include "calendar/calendar.h"
#include "core/ledger_model.h"
#include "core/session.h"
#include "plans/occurrence.h"
#include "plans/ui/chargeup_plan_content.h"

namespace cw {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kContentLength = 100;

}  // namespace

CChargeupPlan::CChargeupPlan(int page, int plan_id, QWidget* parent)
    : CChargeUp(page, plan_id ? Mode::kEdit : Mode::kNew, /*plan=*/true, parent), page_(page), plan_id_(plan_id) {
  HideDate();
  std::optional<Plan> plan = plan_id ? ReadPlan(plan_id) : std::nullopt;
  if (plan) {
    LoadBooking(plan->entry);
    BuildSchedule(plan->rule.year, plan->rule.month, plan->rule.day, plan->rule.week);
    mode_->setCurrentIndex(plan->chargeup_type);
    state_->button(plan->state)->setChecked(true);
  } else {
    // A new plan starts on today's day of every month.
    BuildSchedule(0, 0, DateOfSerialDay(Today()).day, 0);
  }
  SetOkEnabled(!plan_id || (plan && CanChangePlan(*plan, LoggedInPerson())));
  SetSaver([this](const Booking& entry) { return Store(entry); });
}

CChargeupPlan::CChargeupPlan(PlanRun& run, QWidget* parent)
    : CChargeUp(PageOfKind(run.entry.kind).page, Mode::kEdit, /*plan=*/true, parent),
      page_(PageOfKind(run.entry.kind).page),
      plan_id_(run.plan_id) {
  HideDate();
  LoadBooking(run.entry);
  BuildSchedule(run.rule.year, run.rule.month, run.rule.day, run.rule.week);
  mode_->setCurrentIndex(run.chargeup_type);
  for (QWidget* w : std::initializer_list<QWidget*>{year_, month_, day_, mode_, state_->button(0), state_->button(1)}) {
    w->setEnabled(false);
  }
  SetSaver([&run](const Booking& entry) {
    run.entry = entry;  // the line flags follow the debit rule again
    return run.plan_id;
  });
}

void CChargeupPlan::BuildSchedule(int year, int month, int day, int week) {
  auto* box = new QGroupBox("预约信息", this);
  auto* grid = new QGridLayout(box);
  year_ = new QComboBox(box);
  year_->setObjectName("year");
  year_->addItem("每年");
  for (int y = kFirstPlanYear; y <= LastPlanYear(Today()); ++y) year_->addItem(Q(StrFormat("%d年", y)));
  year_->setCurrentIndex(year ? year - (kFirstPlanYear - 1) : 0);
  month_ = new QComboBox(box);
  month_->setObjectName("month");
  month_->addItem("每月");
  for (int m = 1; m <= 12; ++m) month_->addItem(Q(StrFormat("%d月", m)));
  month_->setCurrentIndex(month);
  day_ = new QComboBox(box);
  day_->setObjectName("day");
  FillDays(0);
  day_->setCurrentIndex(week ? day_->count() - 7 + week - 1 : day);
  connect(year_, &QComboBox::currentIndexChanged, this, [this] { FillDays(day_->currentIndex()); });
  connect(month_, &QComboBox::currentIndexChanged, this, [this] { FillDays(day_->currentIndex()); });

  mode_ = new QComboBox(box);
  mode_->setObjectName("mode");
  for (int m = 0; m < kPlanModeCount; ++m) mode_->addItem(Q(PlanModeText(m)));
  state_ = new QButtonGroup(box);
  auto* states = new QHBoxLayout;
  for (int s : {kPlanEnabled, kPlanDisabled}) {
    auto* option = new QRadioButton(Q(PlanStateText(s)), box);
    option->setObjectName(s == kPlanEnabled ? "enabled" : "disabled");
    state_->addButton(option, s);
    states->addWidget(option);
  }
  state_->button(kPlanEnabled)->setChecked(true);
  states->addStretch();

  auto* schedule = new QHBoxLayout;
  for (QComboBox* c : {year_, month_, day_}) schedule->addWidget(c);
  grid->addWidget(new QLabel("预约日期：", box), 0, 0, Qt::AlignRight);
  grid->addLayout(schedule, 0, 1);
  grid->addWidget(new QLabel("记账方式：", box), 1, 0, Qt::AlignRight);
  grid->addWidget(mode_, 1, 1);
  grid->addWidget(new QLabel("状    态：", box), 2, 0, Qt::AlignRight);
  grid->addLayout(states, 2, 1);
  auto* insert = new QPushButton("插入匹配字符串(&I)...", box);
  insert->setObjectName("insertMatch");
  insert->setAutoDefault(false);
  connect(insert, &QPushButton::clicked, this, [this] { CChargeupPlanContent::InsertInto(DescriptionEdit(), this); });
  grid->addWidget(insert, 3, 1, Qt::AlignLeft);
  DescriptionEdit()->setMaxLength(kContentLength);
  AddSection(box);
}

void CChargeupPlan::FillDays(int keep_index) {
  const int year = year_->currentIndex() ? year_->currentIndex() + kFirstPlanYear - 1 : 0;
  const int length = PlanDaysInMonth(year, month_->currentIndex());
  // The list is "每日", the days, then the seven weekdays. A weekday entry
  // keeps its weekday; a day is clipped to the new length.
  const int old_length = day_->count() - 8;
  int index = keep_index;
  if (day_->count() > 0 && keep_index > old_length) index = length + (keep_index - old_length);
  else if (keep_index > length) index = length;
  const QSignalBlocker block(day_);
  day_->clear();
  day_->addItem("每日");
  for (int d = 1; d <= length; ++d) day_->addItem(Q(StrFormat("%d日", d)));
  for (int w = 1; w <= 7; ++w) day_->addItem(Q(EveryWeekdayText(w)));
  day_->setCurrentIndex(index);
}

PlanRule CChargeupPlan::Rule() const {
  PlanRule rule;
  rule.year = year_->currentIndex() ? year_->currentIndex() + kFirstPlanYear - 1 : 0;
  rule.month = month_->currentIndex();
  const int length = day_->count() - 8;
  const int index = day_->currentIndex();
  if (index > length) rule.week = index - length;
  else rule.day = index;
  return rule;
}

int CChargeupPlan::Store(const Booking& entry) {
  Plan plan;
  plan.plan_id = plan_id_;
  plan.rule = Rule();
  plan.chargeup_type = mode_->currentIndex();
  plan.state = state_->checkedId();
  plan.entry = entry;
  if (plan_id_ == 0) {
    plan_id_ = InsertPlan(plan, Today());
    return plan_id_;
  }
  return UpdatePlan(plan, Today()) ? plan_id_ : 0;
}

}  // namespace cw
