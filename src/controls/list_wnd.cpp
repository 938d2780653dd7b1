#include "controls/list_wnd.h"

#include <algorithm>

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "controls/column_chooser.h"
#include "controls/grid_editor.h"
#include "controls/grid_painting.h"
#include "controls/grid_table_model.h"
#include "controls/qt_conversions.h"

namespace cw {

// The body of the grid. It leaves every click and key to CListWnd, which keeps
// selection, ticks and editing in the GridModel instead of Qt's selection.
class GridView : public QTableView {
 public:
  GridView(CListWnd* owner) : QTableView(owner), owner_(owner) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override { owner_->BodyPressed(event); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { owner_->BodyDoubleClicked(event); }
  void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
  void keyPressEvent(QKeyEvent* event) override {
    if (!owner_->BodyKey(event)) QTableView::keyPressEvent(event);
  }

 private:
  CListWnd* owner_;
};

namespace {

QString ColourText(const Rgb& rgb) { return QString("rgb(%1, %2, %3)").arg(rgb.red).arg(rgb.green).arg(rgb.blue); }

}  // namespace

CListWnd::CListWnd(QWidget* parent) : QWidget(parent) {
  table_ = new GridTableModel(model_, callbacks_, colours_, this);
  view_ = new GridView(this);
  header_ = new GridHeader(view_);
  view_->setHorizontalHeader(header_);
  view_->setModel(table_);
  view_->setItemDelegate(new GridDelegate(view_));
  view_->setSelectionMode(QAbstractItemView::NoSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setTabKeyNavigation(false);
  view_->setWordWrap(false);
  view_->setCornerButtonEnabled(false);
  view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  view_->verticalHeader()->hide();
  view_->setFocusPolicy(Qt::StrongFocus);
  header_->setStretchLastSection(false);
  editor_ = new GridEditor(view_->viewport());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  setFocusProxy(view_);

  connect(header_, &QHeaderView::sectionClicked, this, &CListWnd::HeaderClicked);
  connect(header_, &QHeaderView::sectionResized, this, &CListWnd::HeaderResized);
  connect(view_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &CListWnd::PlaceEditor);
  connect(view_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &CListWnd::HeaderMoved);
  connect(header_, &QHeaderView::sectionResized, this, &CListWnd::HeaderMoved);
  connect(header_, &QHeaderView::geometriesChanged, this, &CListWnd::HeaderMoved);
  connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, &CListWnd::PlaceEditor);
  connect(editor_, &GridEditor::MoveKey, this, &CListWnd::EditorMoveKey);
  connect(editor_, &GridEditor::Cancelled, this, &CListWnd::CancelEdit);
  connect(editor_, &GridEditor::OtherKey, this, [this] {
    if (editing_) EnsureRowVisible(editing_->row);
    PlaceEditor();
  });
  connect(qApp, &QApplication::focusChanged, this, &CListWnd::FocusChanged);

  SetColours(colours_);
  Refresh();
}

CListWnd::~CListWnd() {
  // The view and the focus watch read the table, which dies before QWidget's
  // own destructor closes the window and deletes the children: end them first.
  disconnect(qApp, nullptr, this, nullptr);
  editing_.reset();
  delete view_;
  delete table_;
}

// ---- The table

void CListWnd::SetModel(GridModel model) {
  CancelEdit();
  model_ = std::move(model);
  Refresh();
}

void CListWnd::Refresh() {
  CancelEdit();
  applying_layout_ = true;
  table_->Reset();
  ApplyColumns();
  ApplyRowHeight();
  applying_layout_ = false;
  ApplyRowVisibility();
  Repaint();
}

void CListWnd::ApplyColumns() {
  auto fix = [this](int section, int width) {
    if (section < 0) return;
    header_->setSectionResizeMode(section, QHeaderView::Fixed);
    header_->resizeSection(section, width);
  };
  fix(table_->CheckViewColumn(), GridModel::kCheckColumnWidth);
  fix(table_->NumberViewColumn(), GridModel::kRowNumberWidth);
  for (int column = 0; column < model_.ColumnCount(); ++column) {
    const int section = table_->ToViewColumn(column);
    header_->setSectionResizeMode(section, QHeaderView::Interactive);
    header_->resizeSection(section, std::max(GridModel::kMinColumnWidth, model_.Column(column).width));
    view_->setColumnHidden(section, !model_.Column(column).visible);
  }
}

void CListWnd::ApplyRowVisibility() {
  const std::vector<bool> shown = model_.ShownRows();
  for (int row = 0; row < model_.RowCount(); ++row) {
    if (view_->isRowHidden(row) == shown[row]) view_->setRowHidden(row, !shown[row]);
  }
}

void CListWnd::ApplyRowHeight() {
  const int height = row_height_ > 0 ? row_height_ : std::max(20, fontMetrics().height() + 6);
  QHeaderView* rows = view_->verticalHeader();
  rows->setMinimumSectionSize(std::min(height, rows->minimumSectionSize()));
  rows->setDefaultSectionSize(height);
  rows->setSectionResizeMode(QHeaderView::Fixed);
}

void CListWnd::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    ApplyRowHeight();
    editor_->setFont(font());
    PlaceEditor();
  }
  QWidget::changeEvent(event);
}

void CListWnd::Repaint() {
  view_->viewport()->update();
  header_->viewport()->update();
}

// ---- Selection and ticks

void CListWnd::SelectRow(int row) {
  model_.SelectRow(row);
  EnsureRowVisible(model_.SelectedRow());
  Repaint();
}

void CListWnd::EnsureRowVisible(int row) {
  if (row < 0 || row >= model_.RowCount()) return;
  // Keep the horizontal position: only the row has to come into view.
  const int left_column = std::max(0, view_->columnAt(0));
  view_->scrollTo(table_->index(row, left_column));
}

void CListWnd::PostRowSelected(int row) {
  QMetaObject::invokeMethod(this, [this, row] { emit RowSelected(row); }, Qt::QueuedConnection);
}

void CListWnd::PostRowActivated(int row) {
  QMetaObject::invokeMethod(this, [this, row] { emit RowActivated(row); }, Qt::QueuedConnection);
}

// ---- Sorting and columns

void CListWnd::SortNow() {
  if (!CommitEdit()) return;
  const bool moved = model_.Sort();
  ApplyRowVisibility();
  Repaint();
  if (moved && model_.SelectedRow() >= 0) PostRowSelected(model_.SelectedRow());
}

bool CListWnd::ChooseColumns() {
  if (!CommitEdit()) return false;
  CColumnChooser chooser(model_.Columns(), this);
  if (chooser.exec() != QDialog::Accepted) return false;
  chooser.Choice().ApplyTo(model_);
  Refresh();
  return true;
}

// ---- Look

void CListWnd::SetColours(const GridColours& colours) {
  colours_ = colours;
  header_->SetColours(colours_);
  view_->setStyleSheet(QString("QTableView { gridline-color: %1; background-color: %2; }")
                           .arg(ColourText(colours_.grid_lines), ColourText(colours_.body)));
  Repaint();
}

void CListWnd::SetRowHeight(int pixels) {
  row_height_ = std::max(0, pixels);
  ApplyRowHeight();
  PlaceEditor();
}

// ---- Editing

void CListWnd::SetEditorOpened(std::function<void(int row, int column, QLineEdit* editor)> opened) {
  editor_opened_ = std::move(opened);
}

QLineEdit* CListWnd::Editor() const { return editor_; }

bool CListWnd::OpenEditor(int row, int column) {
  if (!CommitEdit()) return false;
  if (!CanEditCell(model_, callbacks_, {row, column})) return false;
  editing_ = GridCell{row, column};
  EnsureRowVisible(row);
  view_->scrollTo(table_->index(row, table_->ToViewColumn(column)));
  PlaceEditor();
  editor_->setFont(font());
  editor_->setAlignment(ToQtAlignment(model_.Column(column).align));
  editor_->setText(QString::fromStdString(model_.Cell(row, column)));
  editor_->show();
  editor_->selectAll();
  editor_->setFocus();
  if (editor_opened_) editor_opened_(row, column, editor_);
  return true;
}

void CListWnd::PlaceEditor() {
  if (!editing_) return;
  editor_->setGeometry(CellRect(editing_->row, editing_->column));
}

bool CListWnd::CommitEdit() {
  if (!editing_) return true;
  if (committing_) return false;
  const GridCell cell = *editing_;
  const std::string text = editor_->text().toStdString();
  committing_ = true;
  const bool accepted = AcceptEdit(model_, callbacks_, cell, text);
  committing_ = false;
  if (!accepted) {
    editor_->selectAll();
    editor_->setFocus();
    return false;
  }
  editing_.reset();
  const bool had_focus = editor_->hasFocus();
  editor_->hide();
  if (had_focus) view_->setFocus();
  Repaint();
  emit EditAccepted(cell.row, cell.column, QString::fromStdString(text));
  return true;
}

void CListWnd::CancelEdit() {
  if (!editing_) return;
  editing_.reset();
  const bool had_focus = editor_->hasFocus();
  editor_->hide();
  if (had_focus) view_->setFocus();
  Repaint();
}

void CListWnd::EditorMoveKey(EditKey key) {
  if (!editing_) return;
  const GridCell from = *editing_;
  // Arrow keys with nowhere to go leave the editor as it is; Tab and Enter
  // always commit.
  if (key != EditKey::TabOrEnter && !EditMoveTarget(model_, callbacks_, from, key)) return;
  if (!CommitEdit()) return;
  // Worked out again: the owner may have changed the table on EditAccepted.
  const GridCell to = EditMoveTarget(model_, callbacks_, from, key).value_or(from);
  OpenEditor(to.row, to.column);
}

void CListWnd::FocusChanged(QWidget* old_widget, QWidget* now) {
  if (!editing_ || committing_ || old_widget != editor_ || now == nullptr) return;
  QWidget* scope = parentWidget() ? parentWidget() : this;
  if (now == scope || scope->isAncestorOf(now)) return;
  emit EditorFocusLeft();
}

// ---- Mouse and keys

void CListWnd::BodyPressed(QMouseEvent* event) {
  if (!CommitEdit()) return;
  view_->setFocus(Qt::MouseFocusReason);
  const QModelIndex index = view_->indexAt(event->position().toPoint());
  if (!index.isValid()) return;
  const int row = index.row();
  const int column = table_->ToTableColumn(index.column());
  if (event->button() == Qt::LeftButton) {
    if (column >= 0 && OpenEditor(row, column)) return;
    if (model_.IsGroupRow(row) && column >= 0 && column == table_->TreeColumn()) {
      // A little more than the box itself, so that the small target is easy to hit.
      const QRect box = GridGeometry::ExpandBox(view_->visualRect(index), model_.Row(row).level).adjusted(-2, -2, 2, 2);
      if (box.contains(event->position().toPoint())) {
        model_.ToggleExpanded(row);
        ApplyRowVisibility();
        Repaint();
        return;
      }
    }
    if (index.column() == table_->CheckViewColumn() && model_.Row(row).checkable) {
      model_.ClickCheckBox(row, event->modifiers() & Qt::ShiftModifier);
      Repaint();
      return;
    }
  }
  model_.ClickRow(row);
  Repaint();
  PostRowSelected(row);
}

void CListWnd::BodyDoubleClicked(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QModelIndex index = view_->indexAt(event->position().toPoint());
  if (!index.isValid() || index.row() != model_.SelectedRow()) return;
  if (model_.IsGroupRow(index.row())) {
    model_.ToggleExpanded(index.row());
    ApplyRowVisibility();
    Repaint();
  } else {
    PostRowActivated(index.row());
  }
}

bool CListWnd::BodyKey(QKeyEvent* event) {
  const int selected = model_.SelectedRow();
  int target = -1;
  switch (event->key()) {
    case Qt::Key_Up:
      target = selected < 0 ? model_.NextShownRow(-1, +1) : model_.NextShownRow(selected, -1);
      break;
    case Qt::Key_Down:
      target = model_.NextShownRow(selected, +1);
      break;
    case Qt::Key_Home:
      target = model_.NextShownRow(-1, +1);
      break;
    case Qt::Key_End:
      target = model_.NextShownRow(model_.RowCount(), -1);
      break;
    default:
      return false;
  }
  if (target >= 0) {
    model_.ClickRow(target);
    EnsureRowVisible(target);
    Repaint();
    PostRowSelected(target);
  }
  return true;
}

void CListWnd::HeaderClicked(int section) {
  if (!CommitEdit()) return;
  if (section == table_->CheckViewColumn()) {
    model_.ClickHeaderCheck();
    Repaint();
    return;
  }
  const int column = table_->ToTableColumn(section);
  if (column < 0 || !model_.SortEnabled()) return;
  const bool moved = model_.ClickSortHeader(column);
  ApplyRowVisibility();
  Repaint();
  if (moved && model_.SelectedRow() >= 0) {
    EnsureRowVisible(model_.SelectedRow());
    PostRowSelected(model_.SelectedRow());
  }
}

void CListWnd::HeaderResized(int section, int old_size, int new_size) {
  const int column = table_->ToTableColumn(section);
  // Hiding a section also "resizes" it, to 0: only the user's drags count.
  if (applying_layout_ || column < 0 || new_size <= 0) return;
  model_.ResizeColumnBy(column, new_size - model_.Column(column).width);
  PlaceEditor();
  emit ColumnResized(column, model_.Column(column).width);
}

// ---- Geometry

QRect CListWnd::CellRect(int row, int column) const {
  const int section = column == -1   ? table_->CheckViewColumn()
                      : column == -2 ? table_->NumberViewColumn()
                                     : table_->ToViewColumn(column);
  return view_->visualRect(table_->index(row, section));
}

QWidget* CListWnd::Body() const { return view_->viewport(); }

QWidget* CListWnd::Header() const { return header_->viewport(); }

QRect CListWnd::HeaderSectionRect(int column) const {
  const int section = column == -1   ? table_->CheckViewColumn()
                      : column == -2 ? table_->NumberViewColumn()
                                     : table_->ToViewColumn(column);
  return QRect(header_->sectionViewportPosition(section), 0, header_->sectionSize(section), header_->height());
}

}  // namespace cw
