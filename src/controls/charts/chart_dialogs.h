#pragma once
// The chart dialogs: CCurveDialog shows a line chart in a window of its own
// with zoom buttons ("盈余曲线图" of the income-and-expense table, the
// property projection); CPieDialog shows one or two pies (a classification
// row, split into positive and negative amounts).
#include <vector>

#include "controls/charts/chart_data.h"
#include "controls/charts/pie_wnd.h"
#include "ui/own_dialog.h"

namespace cw {

class CCurveWnd;

class CCurveDialog : public COwnDialog {
  Q_OBJECT
 public:
  CCurveDialog(const std::string& title, ChartData data, QWidget* parent = nullptr);
  CCurveWnd* Curve() const { return curve_; }

 private:
  CCurveWnd* curve_;
};

class CPieDialog : public COwnDialog {
  Q_OBJECT
 public:
  CPieDialog(const std::string& title, std::vector<PieChart> pies, QWidget* parent = nullptr);
  CPieWnd* Pie() const { return pie_; }

 private:
  CPieWnd* pie_;
};

}  // namespace cw
