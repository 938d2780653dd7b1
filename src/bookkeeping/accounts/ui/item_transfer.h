#pragma once
// CItemTransfer: the move-bookings dialog ("记账数据转移"), modeless. Its
// fields "从：" and "到：" each have a search button: the dialog hides and asks
// its owner (PickRequested) to let the user choose a leaf, which comes back
// through Picked() or Unpicked(), and the dialog shows again. Opened from the
// account page the fields are read-only and hold picked accounts only, shown
// by their full path names; an owner may open it with editable fields, where
// typed codes are used. OK runs the move with all its checks; when it is done
// the dialog closes.
#include <string>

#include "ui/own_dialog.h"

class QLineEdit;
class QToolButton;

namespace cw {

class CItemTransfer : public COwnDialog {
  Q_OBJECT
 public:
  enum Field { kFrom, kTo };

  explicit CItemTransfer(bool editable, QWidget* parent = nullptr);

  // The account picked for the field whose search button was pressed.
  void Picked(const std::string& code);
  // The pick was cancelled: the dialog shows again unchanged.
  void Unpicked();
  // The code a field stands for: the picked account, or in editable fields
  // the text typed after the last pick.
  std::string Code(Field field) const;
  QLineEdit* Edit(Field field) const { return edits_[field]; }
  QToolButton* SearchButton(Field field) const { return search_[field]; }

 signals:
  void PickRequested();

 public slots:
  void accept() override;

 private:
  void StartPick(Field field);

  bool editable_;
  Field picking_ = kFrom;
  QLineEdit* edits_[2] = {};
  QToolButton* search_[2] = {};
  std::string picked_[2];
  QString shown_[2];  // the path shown for picked_[i]
};

}  // namespace cw
