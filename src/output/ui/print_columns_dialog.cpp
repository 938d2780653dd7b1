#include "output/ui/print_columns_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace cw {
namespace {

constexpr int kBoxWidth = 130;
constexpr int kBoxPitch = 25;
// The boxes run down in columns of this many; a wide table makes the dialog wider.
constexpr int kBoxesPerColumn = 16;

}  // namespace

CPrintColumnsDialog::CPrintColumnsDialog(std::vector<PrintColumn> columns, Prompter& prompter, QWidget* parent)
    : COwnDialog(parent), columns_(std::move(columns)), prompter_(prompter) {
  setWindowTitle("打印格式");
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(0);
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    auto* box = new QCheckBox(QString::fromStdString(columns_[i].title), this);
    box->setChecked(columns_[i].printed);
    box->setFixedSize(kBoxWidth, kBoxPitch);
    const int index = static_cast<int>(i);
    grid->addWidget(box, index % kBoxesPerColumn, index / kBoxesPerColumn);
    boxes_.push_back(box);
  }

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton("确定(&O)", QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton("取消(&C)", QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CPrintColumnsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::vector<PrintColumn> CPrintColumnsDialog::Columns() const {
  std::vector<PrintColumn> columns = columns_;
  for (std::size_t i = 0; i < columns.size(); ++i) columns[i].printed = boxes_[i]->isChecked();
  return columns;
}

void CPrintColumnsDialog::accept() {
  if (!AnyColumnPrinted(Columns())) {
    prompter_.Inform(kNoPrintColumn);
    return;
  }
  COwnDialog::accept();
}

}  // namespace cw
