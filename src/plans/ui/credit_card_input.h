#pragma once
// CCreditCardInput ("信用卡"): the card dialog of the card list and of the
// account page below the top credit-card account. It collects the name, the
// bill day, the repayment rule, the paying account and the booking mode, and
// runs the card checks on OK (message shown, focus on the input concerned).
// Writing is the opener's saver, run after the checks: when it refuses (the
// question whether the parent's bookings move was answered No) the dialog
// stays open on the name.
#include <functional>

#include "plans/card_records.h"
#include "ui/own_dialog.h"

class QComboBox;
class QLineEdit;

namespace cw {

class CCreditCardInput : public COwnDialog {
  Q_OBJECT
 public:
  // A new card (`existing` false) or the card `input` describes.
  CCreditCardInput(bool existing, const CardInput& input, QWidget* parent = nullptr);

  CardInput Input() const;
  void SetSaver(std::function<bool(const CardInput&)> saver) { saver_ = std::move(saver); }

 public slots:
  void accept() override;

 private:
  QLineEdit* name_ = nullptr;
  QComboBox* bill_day_ = nullptr;
  QComboBox* pay_rule_ = nullptr;
  QLineEdit* pay_number_ = nullptr;
  QComboBox* pay_account_ = nullptr;
  QComboBox* pay_mode_ = nullptr;
  std::function<bool(const CardInput&)> saver_;
};

}  // namespace cw
