#include "reports/ui/select_scope.h"

#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "base/prompter.h"

namespace cw {
namespace {

constexpr char kStartAfterEnd[] = "起始月份不能晚于终止月份，请重新输入！";  // string 672

QDate DateOf(int yyyymmdd) { return QDate(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100); }
int YmdOf(const QDate& date) { return date.year() * 10000 + date.month() * 100 + date.day(); }

struct ModeTexts {
  const char* title;
  const char* start;
  const char* end;
};

ModeTexts TextsOf(CSelectScope::Mode mode) {
  switch (mode) {
    case CSelectScope::kYears: return {"选择年份范围", "起始年份", "终止年份"};
    case CSelectScope::kDays: return {"选择日期范围", "起始日期", "终止日期"};
    case CSelectScope::kMonths: break;
  }
  return {"选择月份范围", "起始月份", "终止月份"};
}

}  // namespace

CSelectScope::CSelectScope(Mode mode, std::optional<std::pair<int, int>> range, QWidget* parent)
    : COwnDialog(parent), mode_(mode) {
  const ModeTexts texts = TextsOf(mode);
  setWindowTitle(QString::fromUtf8(texts.title));
  const QDate today = QDate::currentDate();
  const QDate first = range ? DateOf(range->first) : today;
  const QDate last = range ? DateOf(range->second) : today;
  auto* form = new QFormLayout;
  if (mode == kYears) {
    auto year_edit = [this](int year) {
      auto* edit = new QSpinBox(this);
      edit->setRange(1900, 2100);
      edit->setValue(year);
      return edit;
    };
    start_year_ = year_edit(first.year());
    end_year_ = year_edit(last.year());
    form->addRow(QString::fromUtf8(texts.start), start_year_);
    form->addRow(QString::fromUtf8(texts.end), end_year_);
  } else {
    auto date_edit = [this, mode](const QDate& date) {
      auto* edit = new QDateEdit(date, this);
      edit->setDisplayFormat(mode == kMonths ? QStringLiteral("yyyy年M月") : QStringLiteral("yyyy-MM-dd"));
      edit->setCalendarPopup(mode == kDays);
      return edit;
    };
    start_date_ = date_edit(first);
    end_date_ = date_edit(last);
    form->addRow(QString::fromUtf8(texts.start), start_date_);
    form->addRow(QString::fromUtf8(texts.end), end_date_);
  }
  QDialogButtonBox* buttons = OkCancelButtons(this);
  form->addRow(buttons);
  setLayout(form);
}

std::pair<int, int> CSelectScope::Range() const {
  switch (mode_) {
    case kYears: return {start_year_->value() * 10000 + 101, end_year_->value() * 10000 + 101};
    case kMonths: {
      const QDate a = start_date_->date(), b = end_date_->date();
      return {a.year() * 10000 + a.month() * 100 + 1, b.year() * 10000 + b.month() * 100 + 1};
    }
    case kDays: break;
  }
  return {YmdOf(start_date_->date()), YmdOf(end_date_->date())};
}

void CSelectScope::accept() {
  const auto [first, last] = Range();
  if (first > last) {
    CurrentPrompter().Inform(kStartAfterEnd, "操作错误", PromptStyle::Error);
    if (mode_ == kYears) start_year_->setFocus();
    else start_date_->setFocus();
    return;
  }
  COwnDialog::accept();
}

std::optional<std::pair<int, int>> CSelectScope::Ask(QWidget* parent, Mode mode,
                                                     std::optional<std::pair<int, int>> range) {
  CSelectScope dialog(mode, range, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Range();
}

}  // namespace cw
