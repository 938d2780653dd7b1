#pragma once
// CBudgetHomeInput ("预算设置"): entering or changing an item of the family
// property projection. Choosing a type sets the frequency, the amount kinds
// offered and whether the adjustment group shows. Percentages are typed as
// percent (30 for 30%) and stored as fractions. The dialog stores the item
// itself: "保存新增(&A)" stores and stays open with the amount cleared,
// "保存退出(&O)" (in edit mode "确定(&O)") stores and closes.
#include "budget/property_items.h"
#include <memory>

#include "budget/ui/save_buttons.h"
#include "ui/own_dialog.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace cw {


class CBudgetHomeInput : public COwnDialog {
  Q_OBJECT
 public:
  // A new item when `id` is 0, else the stored item `id`. `today` places the
  // date pickers of a new item.
  CBudgetHomeInput(int id, int today, QWidget* parent = nullptr);

  // The item as the inputs describe it (hidden groups as zero).
  PropertyItem Item() const;

 signals:
  void ItemSaved(int id);

 public slots:
  void accept() override;

 private:
  void Build();
  void Load(const PropertyItem& item);
  void TypeChanged();
  void KindChanged();
  bool Save();
  void SaveAndContinue();
  QWidget* FieldWidget(ItemField field) const;

  int id_;
  QLineEdit* content_ = nullptr;
  QComboBox* type_ = nullptr;
  QCheckBox* has_start_ = nullptr;
  QDateEdit* start_ = nullptr;
  QCheckBox* has_end_ = nullptr;
  QDateEdit* end_ = nullptr;
  QComboBox* frequency_ = nullptr;
  QComboBox* cash_kind_ = nullptr;
  QLabel* cash_label_ = nullptr;
  QLineEdit* cash_ = nullptr;
  QGroupBox* adjustment_ = nullptr;
  QComboBox* increase_frequency_ = nullptr;
  QComboBox* increase_kind_ = nullptr;
  QLabel* increase_label_ = nullptr;
  QLineEdit* increase_ = nullptr;
  std::unique_ptr<SaveButtons> buttons_;
};

}  // namespace cw
