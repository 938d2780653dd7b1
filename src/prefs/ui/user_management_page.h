#pragma once
// The user-management page (33200 "用户管理"): the user table in a grid and the
// commands of its toolbar and context menu. The frame shows this page only to
// an administrator with the right 系统管理 (CanManageUsers).
#include <QWidget>

class QEvent;
class QPoint;

namespace cw {

class CListWnd;

class UserManagementPage : public QWidget {
  Q_OBJECT
 public:
  // The page's command numbers, as the frame's toolbar sends them.
  enum Command {
    kNew = 701,
    kChange = 702,
    kDeleteTicked = 703,
    kSort = 744,
    kChangeSelected = 32844,
    kDeleteSelected = 32845,
  };

  explicit UserManagementPage(QWidget* parent = nullptr);
  // Keeps the column widths and the sort for the user's next visit.
  ~UserManagementPage() override;

  CListWnd* Grid() const { return grid_; }

  bool IsCommandEnabled(int command) const;
  // Runs one of the page's commands; false for a command the page does not have
  // or that is greyed.
  bool RunCommand(int command);

 signals:
  // A user was added or his record changed (name, level, state, rights).
  void UserChanged(int person_no);

 public slots:
  // Builds the table again from the data set.
  void Reload();
  // 701: the user dialog for a new user; the new user's row is added.
  void NewUser();
  // 702, 32844 and a double click: the user dialog for the selected row.
  void ChangeUser();
  // 703: deletes the ticked users.
  void DeleteTicked();
  // 32845: deletes the user of the selected row.
  void DeleteSelected();
  // 744: sorts the table by a column the user picks.
  void SortRows();

 protected:
  // The context menu of the grid's body.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The row whose cells cover `position` in the grid's body, or -1.
  int RowAt(const QPoint& position) const;
  void ShowContextMenu(const QPoint& position);
  void DeleteRows(const std::vector<int>& person_nos, bool ticked);
  // The row's cells from the data set, after the user was added or changed.
  void RefreshRow(int person_no);

  // The table's number for its column layout ("User%d/T200").
  static constexpr int kLayoutTable = 33200;

  CListWnd* grid_ = nullptr;
};

}  // namespace cw
