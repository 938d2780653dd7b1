#pragma once
// The date and amount inputs of the booking and search dialogs.
#include <QDate>

class QDateEdit;
class QLineEdit;
class QWidget;

namespace cw {

// Day numbers (days since 1899-12-30) and QDate.
QDate QDateOfSerialDay(int serial);
int SerialDayOfQDate(const QDate& date);

// A date input showing "yyyy-MM-dd" with a calendar pop-up.
QDateEdit* NewDateEdit(QWidget* parent);
int SerialDayOf(const QDateEdit* edit);
void SetSerialDay(QDateEdit* edit, int serial);

// An amount input: digits with at most two decimals and no sign, so that
// amounts above the largest one the checks accept can still be typed (and
// refused with their message).
QLineEdit* NewAmountEdit(QWidget* parent);
// The amount typed; 0 for an empty input.
double AmountOf(const QLineEdit* edit);
// Shows an amount with two decimals.
void SetAmount(QLineEdit* edit, double amount);

}  // namespace cw
