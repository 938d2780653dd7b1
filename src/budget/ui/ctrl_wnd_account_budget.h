#pragma once
// CCtrlWndAccountBudget: the budget window, the module of the income budget
// 32960, the expense budget 32961 and the family property budget 32962.
//
// 32960 and 32961 list the budgets of their category (BuildBudgetTable), with
// the actual-data rows when the table's comparison flag is on; 32962 lists the
// projection items and, after "显示财产预算结果" (748) and the end month, the
// projection with its line chart, which carries the user's background of
// window 71. Budgets are entered in CReBudgetInput,
// items in CBudgetHomeInput; the table is built again after every change.
#include <QString>

#include "frame/hm_ctrl_wnd.h"
#include "home/window_background.h"

class QCheckBox;
class QSplitter;

namespace cw {

class CCurveWnd;
class CListWnd;

class CCtrlWndAccountBudget : public CHmCtrlWnd {
  Q_OBJECT
 public:
  // The context menu's commands on the selected row.
  enum Command { kChangeSelected = 32844, kDeleteSelected = 32845 };

  explicit CCtrlWndAccountBudget(const LogonProfile& profile, QWidget* parent = nullptr);
  ~CCtrlWndAccountBudget() override;

  ModuleKind Kind() const override { return ModuleKind::kAccountBudget; }
  bool ShowPage(int page, bool forced, const PageParams* replay) override;
  int CurrentPage() const override { return page_; }
  std::string PageTitle() const override;
  std::optional<PageOutput> CurrentOutput() const override;
  int BackgroundWindow() const override { return kBudgetWindow; }

  bool HandlesCommand(int command) const override;
  bool CommandAvailable(int command) const override;
  void OnCommand(int command) override;

  CListWnd* Grid() const { return grid_; }
  CCurveWnd* Chart() const { return chart_; }
  // The navigation bar's check box: "与实际数据比较" or "显示预算结果详细数据".
  QCheckBox* CheckBox() const { return check_; }
  bool ShowingProjection() const { return projection_end_ != 0; }

 private:
  // Builds the table of the view shown.
  void Load();
  void UpdateNavigation();
  void SaveLayout() const;
  int LayoutTable() const;
  int Category() const;
  void CheckToggled(bool on);

  void NewEntry();
  void ChangeSelected();
  void DeleteSelected();
  void ShowProjection();
  void ShowContextMenu(const QPoint& position);
  // The selected row's key as a number, or 0 after telling the user (238).
  long long SelectedKey();

  int page_ = 0;
  bool compare_[2] = {false, false};  // per table: income, expense
  bool detail_ = false;
  int projection_end_ = 0;  // yyyymm while the projection shows, else 0
  int last_end_ = 0;        // the end chosen last
  CListWnd* grid_ = nullptr;
  CCurveWnd* chart_ = nullptr;
  QSplitter* split_ = nullptr;
  QCheckBox* check_ = nullptr;
  QString navigation_signature_;
};

}  // namespace cw
