// CListWnd driven like a user would: clicks on the header and the body, the
// in-place editor with its keys, and the signals the owner receives.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <set>

#include "controls/grid_painting.h"
#include "controls/list_wnd.h"
#include "grid_test_tables.h"

namespace cw {
namespace {

using testing::KeyOrder;

class ListWndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(700, 400);
    auto* layout = new QHBoxLayout(&window_);
    layout->addWidget(container_);
    layout->addWidget(outside_);
    auto* inner = new QHBoxLayout(container_);
    inner->addWidget(grid_);
    inner->addWidget(beside_);
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }

  // Column -1 is the check-box column.
  void Click(int row, int column, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(grid_->Body(), Qt::LeftButton, modifiers, grid_->CellRect(row, column).center());
  }
  void DoubleClick(int row, int column) {
    QTest::mouseDClick(grid_->Body(), Qt::LeftButton, {}, grid_->CellRect(row, column).center());
  }
  void ClickHeader(int column) {
    QTest::mouseClick(grid_->Header(), Qt::LeftButton, {}, grid_->HeaderSectionRect(column).center());
  }
  void Key(Qt::Key key) { QTest::keyClick(grid_->Editor(), key); }
  // Lets the signals that the grid posts arrive.
  static void Deliver() { QCoreApplication::processEvents(); }

  QWidget window_;
  QWidget* container_ = new QWidget(&window_);
  QLineEdit* outside_ = new QLineEdit(&window_);
  CListWnd* grid_ = new CListWnd(container_);
  QLineEdit* beside_ = new QLineEdit(container_);
};

TEST_F(ListWndTest, HeaderCheckBoxTicksAllAndShiftClickTicksARange) {
  GridModel model = testing::AmountTable({{1, "a", "1"}, {2, "b", "2"}, {3, "c", "3"}, {4, "d", "4"}, {5, "e", "5"}});
  model.ShowCheckColumn(true);
  model.ShowRowNumbers(true);
  for (int row = 0; row < model.RowCount(); ++row) model.SetCheckable(row, row != 2);
  grid_->SetModel(std::move(model));

  ClickHeader(-1);
  EXPECT_TRUE(grid_->Model().AllChecked());
  EXPECT_EQ((std::vector<RowKey>{1, 2, 4, 5}), grid_->CheckedKeys());
  ClickHeader(-1);
  EXPECT_TRUE(grid_->CheckedKeys().empty());

  Click(0, -1);
  Click(3, -1, Qt::ShiftModifier);
  EXPECT_EQ((std::vector<int>{0, 1, 3}), grid_->CheckedRows());
  EXPECT_EQ(-1, grid_->SelectedRow()) << "ticking does not select";

  QSignalSpy selected(grid_, &CListWnd::RowSelected);
  Click(4, -2);  // the row-number column: a plain selecting click
  Deliver();
  ASSERT_EQ(1, selected.count());
  EXPECT_EQ(4, selected.at(0).at(0).toInt());
  EXPECT_EQ(RowKey(5), grid_->SelectedKey());
}

TEST_F(ListWndTest, HeaderClickSortsAndTheSelectionFollows) {
  GridModel model = testing::AmountTable({{1, "甲", "30"}, {2, "乙", "10"}, {3, "丙", "20"}});
  model.EnableSort(0, true);
  grid_->SetModel(std::move(model));
  Click(0, 0);  // selects key 1
  Deliver();

  QSignalSpy selected(grid_, &CListWnd::RowSelected);
  ClickHeader(1);
  EXPECT_EQ("2 3 1", KeyOrder(grid_->Model()));
  EXPECT_EQ(2, grid_->SelectedRow());
  ClickHeader(1);
  EXPECT_EQ("1 3 2", KeyOrder(grid_->Model()));
  Deliver();
  ASSERT_EQ(2, selected.count());
  EXPECT_EQ(2, selected.at(0).at(0).toInt());
  EXPECT_EQ(0, selected.at(1).at(0).toInt());
  EXPECT_EQ(RowKey(1), grid_->SelectedKey());
  EXPECT_EQ("甲", grid_->Model().Cell(0, 0));
}

TEST_F(ListWndTest, ColumnDragStopsAtTwentyPixels) {
  grid_->SetModel(testing::AmountTable({{1, "a", "1"}}));
  QSignalSpy resized(grid_, &CListWnd::ColumnResized);
  const QRect section = grid_->HeaderSectionRect(0);
  const QPoint edge(section.right(), section.center().y());
  QTest::mousePress(grid_->Header(), Qt::LeftButton, {}, edge);
  QTest::mouseMove(grid_->Header(), edge - QPoint(95, 0));
  QTest::mouseRelease(grid_->Header(), Qt::LeftButton, {}, edge - QPoint(95, 0));
  EXPECT_EQ(20, grid_->Model().Column(0).width);
  EXPECT_FALSE(resized.isEmpty());
}

TEST_F(ListWndTest, DoubleClickActivatesRowsAndFoldsGroups) {
  grid_->SetModel(testing::TreeTable({0, 1, 1, 0}));
  QSignalSpy activated(grid_, &CListWnd::RowActivated);
  Click(3, 0);
  DoubleClick(3, 0);
  Deliver();
  ASSERT_EQ(1, activated.count());
  EXPECT_EQ(3, activated.at(0).at(0).toInt());

  auto* view = grid_->findChild<QTableView*>();
  Click(0, 0);
  DoubleClick(0, 0);
  Deliver();
  EXPECT_FALSE(grid_->Model().Row(0).expanded);
  EXPECT_TRUE(view->isRowHidden(1));
  EXPECT_TRUE(view->isRowHidden(2));
  EXPECT_EQ(1, activated.count()) << "a group row is folded, not activated";

  // The expand box itself opens the group again with a single click.
  const QRect cell = grid_->CellRect(0, 0);
  QTest::mouseClick(grid_->Body(), Qt::LeftButton, {}, QPoint(cell.left() + 7, cell.center().y()));
  EXPECT_TRUE(grid_->Model().Row(0).expanded);
  EXPECT_FALSE(view->isRowHidden(1));
}

TEST_F(ListWndTest, ATextWiderThanItsCellEndsInAnEllipsisAndShowsWholeInItsTip) {
  const QString long_text = "【存款利息】一年定期存款到期支取";
  grid_->SetModel(testing::AmountTable({{1, long_text.toStdString(), "1.00"}, {2, "短", "2.00"}}));
  const QFontMetrics metrics(grid_->font());
  const QString shown = FitCellText(metrics, long_text, 94);
  EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
  EXPECT_LE(metrics.horizontalAdvance(shown), 94);
  EXPECT_EQ("短", FitCellText(metrics, "短", 94).toStdString());

  auto tip_over = [this](int row) {
    const QPoint at = grid_->CellRect(row, 0).center();
    QHelpEvent tip(QEvent::ToolTip, at, grid_->Body()->mapToGlobal(at));
    QApplication::sendEvent(grid_->Body(), &tip);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
  };
  EXPECT_EQ("", tip_over(1).toStdString()) << "a text that fits needs no tip";
  EXPECT_EQ(long_text, tip_over(0));
}

// A budget-like grid: the amount column of rows 0, 1 and 3 is editable, and so
// is the name of row 0; an amount must be a number.
class ListWndEditTest : public ListWndTest {
 protected:
  void SetUp() override {
    ListWndTest::SetUp();
    grid_->SetModel(testing::AmountTable({{1, "工资", "0.00"}, {2, "奖金", "0.00"}, {3, "合计", "0.00"},
                                         {4, "利息", "0.00"}}));
    GridCallbacks callbacks;
    callbacks.can_edit = [](int row, int column) { return (column == 1 && row != 2) || (column == 0 && row == 0); };
    callbacks.accept_edit = [](int, int column, const std::string& text) {
      return column == 0 || text.find_first_not_of("0123456789.") == std::string::npos ? 1 : 0;
    };
    grid_->SetCallbacks(callbacks);
    grid_->SetEditorOpened([this](int row, int column, QLineEdit*) { opened_.push_back({row, column}); });
  }
  void Type(const char* text) { QTest::keyClicks(grid_->Editor(), QString::fromUtf8(text)); }

  std::vector<GridCell> opened_;
};

TEST_F(ListWndEditTest, EnterCommitsAndMovesEscDiscards) {
  QSignalSpy accepted(grid_, &CListWnd::EditAccepted);
  Click(0, 1);
  ASSERT_EQ(GridCell({0, 1}), grid_->EditingCell());
  EXPECT_TRUE(grid_->Editor()->isVisible());
  EXPECT_EQ("0.00", grid_->Editor()->selectedText()) << "the editor opens with all text selected";
  EXPECT_EQ(Qt::AlignRight, grid_->Editor()->alignment() & Qt::AlignHorizontal_Mask);

  Type("1200.50");
  Key(Qt::Key_Return);
  EXPECT_EQ("1200.50", grid_->Model().Cell(0, 1));
  ASSERT_EQ(1, accepted.count());
  EXPECT_EQ((QList<QVariant>{0, 1, QString("1200.50")}), accepted.at(0));
  EXPECT_EQ(GridCell({1, 1}), grid_->EditingCell()) << "Enter in the row's last editable cell goes below";

  Type("99");
  Key(Qt::Key_Escape);
  EXPECT_EQ(std::nullopt, grid_->EditingCell());
  EXPECT_FALSE(grid_->Editor()->isVisible());
  EXPECT_EQ("0.00", grid_->Model().Cell(1, 1));
  EXPECT_EQ(1, accepted.count()) << "Esc sends nothing";
  EXPECT_EQ((std::vector<GridCell>{{0, 1}, {1, 1}}), opened_);
}

TEST_F(ListWndEditTest, RefusedTextKeepsTheEditorOpen) {
  QSignalSpy accepted(grid_, &CListWnd::EditAccepted);
  Click(1, 1);
  Type("abc");
  Key(Qt::Key_Tab);
  EXPECT_EQ(GridCell({1, 1}), grid_->EditingCell());
  EXPECT_EQ("abc", grid_->Editor()->selectedText());
  EXPECT_EQ("0.00", grid_->Model().Cell(1, 1));

  // A click elsewhere commits first; refused, it does nothing else.
  Click(3, 0);
  EXPECT_EQ(GridCell({1, 1}), grid_->EditingCell());
  EXPECT_EQ(-1, grid_->SelectedRow());
  EXPECT_EQ(0, accepted.count());

  Type("7");
  Click(3, 0);
  EXPECT_EQ(std::nullopt, grid_->EditingCell());
  EXPECT_EQ("7", grid_->Model().Cell(1, 1));
  EXPECT_EQ(3, grid_->SelectedRow());
  EXPECT_EQ(1, accepted.count());
}

TEST_F(ListWndEditTest, KeysMoveBetweenEditableCells) {
  Click(0, 0);
  Key(Qt::Key_Right);  // all text selected counts as the end
  EXPECT_EQ(GridCell({0, 1}), grid_->EditingCell());
  Key(Qt::Key_Left);
  EXPECT_EQ(GridCell({0, 0}), grid_->EditingCell());
  Key(Qt::Key_End);
  Key(Qt::Key_Left);  // the caret is not at the start: it just moves
  EXPECT_EQ(GridCell({0, 0}), grid_->EditingCell());

  Click(1, 1);
  Key(Qt::Key_Up);
  EXPECT_EQ(GridCell({0, 1}), grid_->EditingCell());
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);  // row 2 is read-only: the editor stays
  EXPECT_EQ(GridCell({1, 1}), grid_->EditingCell());

  // Tab in the last row commits and stays where it is.
  Click(3, 1);
  QSignalSpy accepted(grid_, &CListWnd::EditAccepted);
  Type("5");
  Key(Qt::Key_Tab);
  EXPECT_EQ(GridCell({3, 1}), grid_->EditingCell());
  EXPECT_TRUE(grid_->Editor()->isVisible());
  EXPECT_EQ("5", grid_->Model().Cell(3, 1));
  EXPECT_EQ(1, accepted.count());
}

TEST_F(ListWndEditTest, FocusLeavingForOutsideTheParentIsReported) {
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  QSignalSpy left(grid_, &CListWnd::EditorFocusLeft);
  Click(0, 1);
  ASSERT_TRUE(grid_->Editor()->hasFocus());
  beside_->setFocus();  // still inside the grid's parent
  EXPECT_EQ(0, left.count());

  Click(0, 1);
  ASSERT_TRUE(grid_->Editor()->hasFocus());
  outside_->setFocus();
  EXPECT_EQ(1, left.count());
  EXPECT_EQ(GridCell({0, 1}), grid_->EditingCell()) << "the owner decides whether to commit";
}

TEST(ListWndLifetimeTest, ATopLevelGridClosesCleanly) {
  // Closing the window moves the focus away from the grid: nothing may read
  // the table after it is gone.
  for (bool editing : {false, true}) {
    auto grid = std::make_unique<CListWnd>();
    grid->SetCallbacks({.can_edit = [](int, int) { return true; }});
    grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    grid->SetModel(testing::TreeTable({0, 1, 1, 0}));
    grid->activateWindow();
    grid->setFocus();
    if (editing) {
      ASSERT_TRUE(grid->OpenEditor(0, 0));
    }
    grid.reset();
  }
}

}  // namespace
}  // namespace cw
