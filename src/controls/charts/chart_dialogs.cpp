#include "controls/charts/chart_dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/charts/curve_wnd.h"

namespace cw {
namespace {

// The chart above, the row of `buttons` below it ending in "关闭(&C)", the default button.
void LayOut(COwnDialog* dialog, QWidget* chart, QHBoxLayout* buttons) {
  auto* close = new QPushButton(QStringLiteral("关闭(&C)"), dialog);
  QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::accept);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(chart, 1);
  layout->addLayout(buttons);
  close->setDefault(true);
}

}  // namespace

CCurveDialog::CCurveDialog(const std::string& title, ChartData data, QWidget* parent)
    : COwnDialog(parent), curve_(new CCurveWnd(this)) {
  setWindowTitle(QString::fromStdString(title));
  curve_->SetData(std::move(data));
  auto* zoom_in = new QPushButton(QStringLiteral("放大(&I)"), this);
  auto* zoom_out = new QPushButton(QStringLiteral("缩小(&U)"), this);
  auto* zoom = new QLabel(QStringLiteral("100%"), this);
  connect(zoom_in, &QPushButton::clicked, curve_, &CCurveWnd::ZoomIn);
  connect(zoom_out, &QPushButton::clicked, curve_, &CCurveWnd::ZoomOut);
  connect(curve_, &CCurveWnd::ZoomChanged, zoom, [zoom](int z) { zoom->setText(QStringLiteral("%1%").arg(z)); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(zoom_in);
  buttons->addWidget(zoom_out);
  buttons->addWidget(zoom);
  LayOut(this, curve_, buttons);
  resize(760, 480);
}

CPieDialog::CPieDialog(const std::string& title, std::vector<PieChart> pies, QWidget* parent)
    : COwnDialog(parent), pie_(new CPieWnd(this)) {
  setWindowTitle(QString::fromStdString(title));
  const bool two = pies.size() > 1;
  pie_->SetPies(std::move(pies));
  LayOut(this, pie_, new QHBoxLayout);
  resize(two ? 960 : 620, 440);
}

}  // namespace cw
