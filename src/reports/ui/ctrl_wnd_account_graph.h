#pragma once
// CCtrlWndAccountGraph ("图表统计"): the module of the statistics pages: the
// balance sheet 32950 with its two pies, the income-and-expense table 32920
// with its bar chart, and the classification tables 32921/32922 with their
// curves. Table and chart stand side by side or one above the other, as the
// user chose in the navigation bar (the frame keeps the choice). The charts
// carry the user's background of window 61.
//
// A drill-down or a new range is shown through the frame, so that the
// history holds every range the user looked at.
#include <memory>

#include "frame/hm_ctrl_wnd.h"
#include "home/window_background.h"
#include "reports/statistics/statistics_page.h"
#include "reports/ui/statistics_dialogs.h"

class QSplitter;
class QStackedWidget;

namespace cw {

class CListWnd;
class CPieWnd;
class CRectWnd;
class CCurveWnd;
struct StatisticsChoices;

class CCtrlWndAccountGraph : public CHmCtrlWnd {
  Q_OBJECT
 public:
  CCtrlWndAccountGraph(const LogonProfile& profile, QWidget* parent = nullptr,
                       StatisticsDialogs dialogs = StandardStatisticsDialogs());
  ~CCtrlWndAccountGraph() override;

  ModuleKind Kind() const override { return ModuleKind::kAccountGraph; }
  bool ShowPage(int page, bool forced, const PageParams* replay) override;
  int CurrentPage() const override { return page_.Command(); }
  std::string PageTitle() const override;
  std::string CaptionText() const override;
  PageParams CurrentParams() const override;
  int BackgroundWindow() const override { return kStatisticsWindow; }
  std::optional<PageOutput> CurrentOutput() const override;

  bool HandlesCommand(int command) const override;
  bool CommandAvailable(int command) const override;
  void OnCommand(int command) override;

  // What the window shows.
  CListWnd* Grid() const { return grid_; }
  CRectWnd* Bars() const { return bars_; }
  CCurveWnd* Curve() const { return curve_; }
  CPieWnd* Pies() const { return pies_; }
  QSplitter* Splitter() const { return splitter_; }
  const StatisticsPage& Page() const { return page_; }
  const StatisticsChoices& Choices() const { return *choices_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The months of a table, or the day of the balance sheet.
  std::string PeriodLine() const;
  void Load();
  void UpdateNavigation();
  void ApplyLayout(bool stacked);
  void SaveLayout() const;
  // Asks the frame to show the current table again (a pending range waits).
  void ShowAgain();

  void ChangeRange();
  void ChoosePeriod(int period);
  void DrillDown();
  void ShowRowPies();
  void ShowSurplusCurve();
  void ShowContextMenu(const QPoint& position);

  StatisticsDialogs dialogs_;
  StatisticsPage page_;
  bool stacked_ = false;
  bool split_pending_ = false;  // the split waits for the splitter's first size
  CListWnd* grid_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QStackedWidget* charts_ = nullptr;
  CRectWnd* bars_ = nullptr;
  CCurveWnd* curve_ = nullptr;
  CPieWnd* pies_ = nullptr;
  std::unique_ptr<StatisticsChoices> choices_;
};

}  // namespace cw
