#include "bookkeeping/booking/ui/form_inputs.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "calendar/calendar.h"

namespace cw {

QDate QDateOfSerialDay(int serial) {
  const Ymd ymd = DateOfSerialDay(serial);
  return QDate(ymd.year, ymd.month, ymd.day);
}

int SerialDayOfQDate(const QDate& date) { return SerialDay(date.year(), date.month(), date.day()); }

QDateEdit* NewDateEdit(QWidget* parent) {
  auto* edit = new QDateEdit(parent);
  edit->setDisplayFormat("yyyy-MM-dd");
  edit->setCalendarPopup(true);
  return edit;
}

int SerialDayOf(const QDateEdit* edit) { return SerialDayOfQDate(edit->date()); }

void SetSerialDay(QDateEdit* edit, int serial) { edit->setDate(QDateOfSerialDay(serial)); }

QLineEdit* NewAmountEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(R"(\d{0,15}(\.\d{0,2})?)"), edit));
  edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return edit;
}

double AmountOf(const QLineEdit* edit) { return edit->text().toDouble(); }

void SetAmount(QLineEdit* edit, double amount) { edit->setText(QString::number(amount, 'f', 2)); }

}  // namespace cw
