#pragma once
// The category bar left of the account tree: the caption "科目类别" over one
// entry per category, each with its picture.
#include <QWidget>
#include <vector>

#include "bookkeeping/accounts/account_view.h"

class QListWidget;

namespace cw {

class CategoryBar : public QWidget {
  Q_OBJECT
 public:
  explicit CategoryBar(QWidget* parent = nullptr);

  // Shows `categories` with entry `current` chosen, without signalling.
  void SetCategories(std::vector<AccountCategory> categories, std::size_t current);
  const std::vector<AccountCategory>& Categories() const { return categories_; }
  // The chosen entry; null while there is none.
  const AccountCategory* Current() const;
  // Chooses entry `index` as a click does.
  void Choose(int index);
  QListWidget* List() const { return list_; }

 signals:
  void CategoryChosen();

 private:
  QListWidget* list_ = nullptr;
  std::vector<AccountCategory> categories_;
};

}  // namespace cw
