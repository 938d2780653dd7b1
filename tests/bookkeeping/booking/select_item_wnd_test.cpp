// The account picker driven by keys, wheel and mouse, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "bookkeeping/booking/ui/select_item_wnd.h"

namespace cw {
namespace {

class SelectItemWndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window_);
    layout->addWidget(picker_);
    layout->addStretch();
    window_.resize(400, 600);
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }
  void Fill(int count) {
    for (int i = 0; i < count; ++i) {
      picker_->AddItem(QString("6%1").arg(i, 2, 10, QChar('0')), QString("账户%1").arg(i), "支出",
                       QColor(255, 255, 210));
    }
    picker_->SelectIndex(0);
  }
  void Wheel(int steps) {
    const QPointF at(picker_->width() / 2.0, picker_->height() / 2.0);
    QWheelEvent event(at, picker_->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(picker_, &event);
  }
  CItemListWnd* List() { return picker_->ListWindow()->List(); }

  QWidget window_;
  CSelectItemWnd* picker_ = new CSelectItemWnd(&window_);
};

TEST_F(SelectItemWndTest, WheelStepsWithoutOpening) {
  Fill(3);
  struct Step {
    int wheel;  // notches, positive = away from the user
    int selected;
  } steps[] = {{-1, 1}, {-1, 2}, {-1, 2}, {1, 1}, {1, 0}, {1, 0}};
  for (const Step& s : steps) {
    Wheel(s.wheel);
    EXPECT_EQ(s.selected, picker_->SelectedIndex());
  }
  EXPECT_FALSE(picker_->IsListShown());
  EXPECT_EQ("账户0", picker_->Name());
}

TEST_F(SelectItemWndTest, DownOpensAndEnterChoosesTheMovedItem) {
  Fill(5);
  picker_->setFocus();
  QTest::keyClick(picker_, Qt::Key_Down);
  ASSERT_TRUE(picker_->IsListShown());
  EXPECT_EQ(0, List()->currentRow());
  QTest::keyClick(List(), Qt::Key_Down);
  QTest::keyClick(List(), Qt::Key_Down);
  QTest::keyClick(List(), Qt::Key_Up);
  EXPECT_EQ(0, picker_->SelectedIndex()) << "moving in the list chooses nothing yet";
  QTest::keyClick(List(), Qt::Key_Return);
  EXPECT_FALSE(picker_->IsListShown());
  EXPECT_EQ(1, picker_->SelectedIndex());
  EXPECT_EQ("601", picker_->Code());
  EXPECT_EQ("账户1", picker_->Name());
  EXPECT_EQ("支出", picker_->Bracket());
  EXPECT_EQ("603", picker_->Code(3));
  EXPECT_EQ("", picker_->Code(5));
}

TEST_F(SelectItemWndTest, EscClosesWithoutChoosing) {
  Fill(5);
  picker_->ShowList();
  QTest::keyClick(List(), Qt::Key_Down);
  QTest::keyClick(List(), Qt::Key_Escape);
  EXPECT_FALSE(picker_->IsListShown());
  EXPECT_EQ(0, picker_->SelectedIndex());
}

TEST_F(SelectItemWndTest, ClickOpensAndAClickOnARowChoosesIt) {
  Fill(5);
  QTest::mouseClick(picker_, Qt::LeftButton, {}, QPoint(10, picker_->height() / 2));
  ASSERT_TRUE(picker_->IsListShown());
  const QRect row = List()->visualItemRect(List()->item(3));
  QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_FALSE(picker_->IsListShown());
  EXPECT_EQ(3, picker_->SelectedIndex());
}

TEST_F(SelectItemWndTest, ListOpensBelowRightAlignedWithAtMostTwelveRows) {
  struct Case {
    int items;
    int rows_shown;
    bool scroll_bar;
  } cases[] = {{3, 3, false}, {12, 12, false}, {20, 12, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.items);
    picker_->Clear();
    Fill(c.items);
    picker_->ShowList();
    CItemWnd* popup = picker_->ListWindow();
    const QRect below = QRect(picker_->mapToGlobal(QPoint(0, 0)), picker_->size());
    EXPECT_EQ(below.right(), popup->geometry().right());
    EXPECT_EQ(below.bottom() + 1, popup->geometry().top());
    EXPECT_GE(popup->width(), picker_->width());
    const int row_height = List()->visualItemRect(List()->item(0)).height();
    EXPECT_EQ(c.rows_shown * row_height, List()->viewport()->height());
    EXPECT_EQ(c.scroll_bar, List()->verticalScrollBar()->isVisible());
    if (c.scroll_bar) {
      EXPECT_EQ(CItemWnd::kScrollBarWidth, List()->verticalScrollBar()->width());
    }
    picker_->HideList();
  }
}

TEST_F(SelectItemWndTest, SetStripOnlyWhenEnabledAndItAsksTheOwner) {
  Fill(2);
  picker_->ShowList();
  EXPECT_FALSE(picker_->ListWindow()->SetButton()->isVisible());
  const int plain_height = picker_->ListWindow()->height();
  picker_->HideList();

  picker_->EnableSetButton(true);
  picker_->ShowList();
  QPushButton* set = picker_->ListWindow()->SetButton();
  ASSERT_TRUE(set->isVisible());
  EXPECT_EQ("设  置", set->text());
  EXPECT_EQ(plain_height + CItemWnd::kSetStripHeight, picker_->ListWindow()->height());
  QSignalSpy requested(picker_, &CSelectItemWnd::SetRequested);
  set->click();
  EXPECT_FALSE(picker_->IsListShown());
  ASSERT_EQ(1, requested.count());
  EXPECT_EQ(picker_, requested.at(0).at(0).value<CSelectItemWnd*>());
}

TEST_F(SelectItemWndTest, SelectByCodeAndClear) {
  Fill(3);
  EXPECT_TRUE(picker_->SelectCode("602"));
  EXPECT_EQ(2, picker_->SelectedIndex());
  EXPECT_FALSE(picker_->SelectCode("699"));
  EXPECT_FALSE(picker_->SelectIndex(3));
  EXPECT_EQ(2, picker_->SelectedIndex()) << "a failed selection keeps the old one";
  picker_->Clear();
  EXPECT_EQ(0, picker_->Count());
  EXPECT_EQ(-1, picker_->SelectedIndex());
  EXPECT_EQ("", picker_->Code());
}

}  // namespace
}  // namespace cw
