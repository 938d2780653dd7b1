#pragma once
// CSelectItemWnd: the account picker of the entry forms. The owner fills it
// with items (code, name, bracket text, colour) and reads the selection back
// when it needs it; choosing sends no notification.
//
// The control shows the selected name in a sunken box with a 15-pixel drop
// button on the right. A click in the box or the Down key opens the pop-up
// list (CItemWnd); the mouse wheel steps the selection up or down without
// opening it. With the "设  置" button enabled the list carries it; pressing it
// closes the list and emits SetRequested, which the owning dialog answers by
// opening account management and refilling the picker.
#include <QWidget>
#include <vector>

#include "bookkeeping/booking/ui/item_wnd.h"

namespace cw {

class CSelectItemWnd : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kDropButtonWidth = 15;

  explicit CSelectItemWnd(QWidget* parent = nullptr);

  void AddItem(const QString& code, const QString& name, const QString& bracket, const QColor& colour);
  // Removes every item; nothing is selected afterwards.
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }
  // False, keeping the selection, for an index outside the list.
  bool SelectIndex(int index);
  // False, keeping the selection, when no item has `code`.
  bool SelectCode(const QString& code);
  void EnableSetButton(bool enable) { set_button_ = enable; }
  bool IsSetButtonEnabled() const { return set_button_; }

  // The selected index, -1 when nothing is selected.
  int SelectedIndex() const { return selected_; }
  // The texts of item `index`; -1 means the selected item. Empty when there is
  // no such item.
  QString Code(int index = -1) const;
  QString Name(int index = -1) const;
  QString Bracket(int index = -1) const;

  void ShowList();
  void HideList();
  bool IsListShown() const;
  // The pop-up list, null until it was first opened.
  CItemWnd* ListWindow() const { return list_; }

  QSize sizeHint() const override;

 signals:
  void SetRequested(cw::CSelectItemWnd* picker);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  const SelectItem* ItemAt(int index) const;

  std::vector<SelectItem> items_;
  int selected_ = -1;
  bool set_button_ = false;
  CItemWnd* list_ = nullptr;
};

}  // namespace cw
