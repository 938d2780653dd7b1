#include "plans/ui/list_dialog.h"

#include <QAction>
#include <QToolBar>
#include <QVBoxLayout>

#include "base/prompter.h"
#include "controls/list_wnd.h"
#include "output/ui/print_dialog.h"

namespace cw {

ListDialog::ListDialog(const QString& title, int width, int height, QWidget* parent) : COwnDialog(parent) {
  setWindowTitle(title);
  resize(width, height);
  toolbar_ = new QToolBar(this);
  toolbar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  grid_ = new CListWnd(this);
  grid_->setObjectName("grid");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(toolbar_);
  layout->addWidget(grid_, 1);
}

void ListDialog::AddButton(const QString& text, const QString& tooltip, const QString& name,
                           std::function<void()> run) {
  QAction* action = toolbar_->addAction(text);
  action->setObjectName(name);
  action->setToolTip(tooltip);
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
}

void ListDialog::AddSeparator() { toolbar_->addSeparator(); }

void ListDialog::AddPrintButton() {
  AddButton("打印", "打印表格", "print", [this] {
    const std::string title = windowTitle().toStdString();
    PrintPageOutput(this, {.grid = &grid_->Model(), .title = title, .document_name = title}, CurrentPrompter());
  });
}

std::vector<int> ListDialog::TickedRows() const { return grid_->Model().CheckedRows(); }

int ListDialog::OneTickedRow() const {
  const std::vector<int> rows = TickedRows();
  if (rows.size() == 1) return rows[0];
  CurrentPrompter().Inform("请先从表格中勾选一条记录，再进行操作。", "操作错误", PromptStyle::Error);
  return -1;
}

}  // namespace cw
