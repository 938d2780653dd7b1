#pragma once
// The upper row of a two-row grid header: one title standing over a run of
// columns ("本期发生额" over the two movement columns of a balance table),
// empty cells over the others. It follows the grid's column widths.
#include <QWidget>
#include <optional>

#include "reports/ledgers/ledger_tables.h"

namespace cw {

class CListWnd;

class HeaderSpanBar : public QWidget {
  Q_OBJECT
 public:
  HeaderSpanBar(CListWnd* grid, QWidget* parent = nullptr);
  // None hides the bar.
  void SetSpan(std::optional<HeaderSpan> span);
  const std::optional<HeaderSpan>& Span() const { return span_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CListWnd* grid_;
  std::optional<HeaderSpan> span_;
};

}  // namespace cw
