#pragma once
// CItemWnd: the pop-up list of the account picker CSelectItemWnd. It opens
// below its picker, right-aligned to it and at least as wide, shows at most 12
// rows (a longer list scrolls with a 15-pixel scroll bar) and, when the picker
// allows it, a 40-pixel strip with the "设  置" button under the rows.
// CItemListWnd is the list inside: Enter or a click chooses the current item,
// Esc closes without choosing, Up/Down move.
#include <QColor>
#include <QFrame>
#include <QListWidget>
#include <QString>
#include <vector>

class QPushButton;

namespace cw {

// One picker item: account code, name, the text shown in brackets after the
// name, and the background colour.
struct SelectItem {
  QString code;
  QString name;
  QString bracket;
  QColor colour;
};

class CItemListWnd : public QListWidget {
  Q_OBJECT
 public:
  explicit CItemListWnd(QWidget* parent = nullptr);

 signals:
  void Chosen(int row);
  void Cancelled();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

class CItemWnd : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kMaxRows = 12;
  static constexpr int kScrollBarWidth = 15;
  static constexpr int kSetStripHeight = 40;

  explicit CItemWnd(QWidget* owner);

  // Shows `items` with `selected` current, sized and placed below `owner`.
  void PopUp(QWidget* owner, const std::vector<SelectItem>& items, int selected, bool with_set_button);

  CItemListWnd* List() const { return list_; }
  QPushButton* SetButton() const { return set_button_; }

 signals:
  void Chosen(int index);
  void SetPressed();

 private:
  QRect PlaceBelow(QWidget* owner, QSize size) const;

  CItemListWnd* list_ = nullptr;
  QWidget* set_strip_ = nullptr;
  QPushButton* set_button_ = nullptr;
};

}  // namespace cw
