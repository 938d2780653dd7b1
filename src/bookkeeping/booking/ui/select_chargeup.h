#pragma once
// CSelectChargeup ("记账数据查找"): the voucher search of an entry page. Three
// conditions, each with a check box: the description contains a text; booked
// between two days; the amount the page shows equal to, above, below or
// between amounts. OK refuses a ticked text condition without a text, runs the
// search and stays open with a message when it finds nothing; otherwise it
// closes and the opener lists FindVouchers(Conditions()).
#include <optional>
#include <vector>

#include "bookkeeping/booking/search_conditions.h"
#include "ui/own_dialog.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

namespace cw {

class CSelectChargeup : public COwnDialog {
  Q_OBJECT
 public:
  // A search over the kinds of entry page `page`.
  explicit CSelectChargeup(int page, QWidget* parent = nullptr);

  // The conditions as the inputs stand.
  SearchConditions Conditions() const;
  // The vouchers the accepted search found, in number order.
  const std::vector<int>& Found() const { return found_; }

  // Asks for the conditions of a search over `page`; nothing when cancelled.
  static std::optional<SearchConditions> AskSearch(QWidget* parent, int page);

 public slots:
  void accept() override;

 private:
  void ShowComparison(int comparison);
  void EnableInputs();

  int page_ = 0;
  std::vector<int> found_;
  QCheckBox* text_on_ = nullptr;
  QLineEdit* text_ = nullptr;
  QCheckBox* dates_on_ = nullptr;
  QDateEdit* first_day_ = nullptr;
  QDateEdit* last_day_ = nullptr;
  QCheckBox* amount_on_ = nullptr;
  QComboBox* comparison_ = nullptr;
  QLabel* amount1_label_ = nullptr;
  QLineEdit* amount1_ = nullptr;
  QLabel* amount2_label_ = nullptr;
  QLineEdit* amount2_ = nullptr;
};

}  // namespace cw
