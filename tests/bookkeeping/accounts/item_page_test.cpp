// The account page offscreen: category bar, tree, keyboard and double click,
// context-menu states, the commands with their dialogs, the move-bookings
// dialog with its pick mode, and the selection dialog's modes.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "accounts_fixture.h"
#include "bookkeeping/accounts/account_texts.h"
#include "bookkeeping/accounts/ui/category_bar.h"
#include "bookkeeping/accounts/ui/item_input_easy.h"
#include "bookkeeping/accounts/ui/item_page.h"
#include "bookkeeping/accounts/ui/item_transfer.h"
#include "bookkeeping/accounts/ui/item_tree_wnd.h"
#include "bookkeeping/accounts/ui/set_item.h"
#include "core/item_cache.h"
#include "support/modal_driver.h"

namespace cw::testing {
namespace {

using namespace account_texts;

class ItemPageTest : public AccountsTest {
 protected:
  void SetUp() override {
    AccountsTest::SetUp();
    UseChart({{"10101", "爸爸", 3},
              {"10102", "妈妈", 3},
              {"1010101", "零钱", 3},
              {"10201", "工商银行", 4},
              {"1020101", "新户", 0},
              {"20201", "招商银行", kTypeCreditCard},
              {"2020101", "金卡", kTypeCreditCard}});
  }

  // The page shown, as a window would.
  std::unique_ptr<CItemPage> Page(int requested_type = kTypeCash) {
    auto page = std::make_unique<CItemPage>(requested_type);
    page->resize(700, 500);
    page->show();
    return page;
  }
  static std::string Selected(const CItemPage& page) {
    const AccountRow* row = page.Tree()->SelectedRow();
    return row ? row->code : "";
  }
  static void ChooseCategory(CItemPage& page, const std::string& code) {
    const auto& categories = page.Categories()->Categories();
    for (std::size_t i = 0; i < categories.size(); ++i)
      if (categories[i].code == code) page.Categories()->Choose(static_cast<int>(i));
  }
  // Clicks the node of `code` in the tree.
  static void Click(CItemTreeWnd& tree, const std::string& code) {
    QTreeWidgetItem* item = tree.ItemOf(code);
    ASSERT_NE(nullptr, item) << code;
    tree.scrollToItem(item);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
  }
  // Answers the next name dialog with `name` and OK.
  static void NameNextAccount(const QString& name, bool* done) {
    OnModal<CItemInputEasy>(
        [name](CItemInputEasy* dialog) {
          dialog->findChild<QLineEdit*>("name")->setText(name);
          dialog->findChild<QPushButton*>("ok")->click();
        },
        done);
  }
};

TEST_F(ItemPageTest, CategoryBarAndTree) {
  auto page = Page(kTypeCreditCard);
  const AccountCategory* current = page->Categories()->Current();
  ASSERT_NE(nullptr, current);
  EXPECT_EQ("202", current->code) << "the first category of the requested type";
  EXPECT_EQ("所有科目", page->Categories()->List()->item(page->Categories()->List()->count() - 1)->text().toStdString());
  EXPECT_EQ("202", Selected(*page)) << "the first root is selected";

  ChooseCategory(*page, "20201");
  CItemTreeWnd& tree = *page->Tree();
  ASSERT_EQ(1, tree.topLevelItemCount());
  EXPECT_EQ("招商银行", tree.topLevelItem(0)->text(0).toStdString());
  EXPECT_EQ("201", tree.SelectedRow()->relative) << "codes relative to the group's parent";

  ChooseCategory(*page, "");
  QTreeWidgetItem* untyped = tree.ItemOf("1020101");
  ASSERT_NE(nullptr, untyped);
  EXPECT_EQ("新户 [科目类型未设置]", untyped->text(0).toStdString());
  EXPECT_EQ(QColor(Qt::red), untyped->foreground(0).color());
  EXPECT_EQ(QTreeWidgetItem::ShowIndicator, tree.ItemOf("10201")->childIndicatorPolicy());
  EXPECT_NE(QTreeWidgetItem::ShowIndicator, tree.ItemOf("10102")->childIndicatorPolicy());
}

TEST_F(ItemPageTest, KeyboardAndDoubleClick) {
  auto page = Page();
  CItemTreeWnd& tree = *page->Tree();
  tree.setFocus();
  ASSERT_EQ("101", Selected(*page));
  QTest::keyClick(&tree, Qt::Key_Right);
  EXPECT_TRUE(tree.ItemOf("101")->isExpanded());
  QTest::keyClick(&tree, Qt::Key_Right);
  EXPECT_EQ("10101", Selected(*page)) << "Right on an expanded node goes to its first child";
  QTest::keyClick(&tree, Qt::Key_Down);
  EXPECT_EQ("10102", Selected(*page)) << "10101 is collapsed";
  QTest::keyClick(&tree, Qt::Key_Left);
  EXPECT_EQ("101", Selected(*page)) << "Left on a leaf goes to its parent";
  QTest::keyClick(&tree, Qt::Key_Left);
  EXPECT_FALSE(tree.ItemOf("101")->isExpanded());

  QTreeWidgetItem* parent = tree.ItemOf("101");
  QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(parent).center());
  EXPECT_TRUE(parent->isExpanded()) << "a double click toggles an account with sub-accounts";

  bool opened = false;
  OnModal<CItemInputEasy>(
      [](CItemInputEasy* dialog) {
        EXPECT_EQ("妈妈", dialog->Name());
        dialog->reject();
      },
      &opened);
  QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(tree.ItemOf("10102")).center());
  EXPECT_TRUE(opened) << "a double click on a leaf changes it";
}

TEST_F(ItemPageTest, ContextMenuFollowsTheSelectedNode) {
  auto page = Page();
  QMenu& menu = *page->ContextMenu();
  std::vector<std::string> texts;
  for (QAction* action : menu.actions()) texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
  EXPECT_EQ((std::vector<std::string>{"新增科目(为所选科目的同级科目)(&A)", "新增科目(为所选科目的下级科目)(&C)", "-",
                                      "更改科目(&M)", "-", "删除科目(&D)"}),
            texts);
  struct Case {
    std::string code;
    bool add_sibling, remove;
  } cases[] = {{"101", false, false}, {"10101", true, false}, {"10102", true, true}, {"1010101", true, true}};
  for (const Case& c : cases) {
    ASSERT_TRUE(page->Tree()->SelectCode(c.code));
    page->UpdateContextMenu();
    EXPECT_EQ(c.add_sibling, menu.actions()[0]->isEnabled()) << c.code;
    EXPECT_TRUE(menu.actions()[1]->isEnabled()) << c.code;
    EXPECT_EQ(c.remove, menu.actions()[5]->isEnabled()) << c.code;
  }
}

TEST_F(ItemPageTest, AddChangeAndDeleteUpdateTheTree) {
  auto page = Page();
  ASSERT_TRUE(page->Tree()->SelectCode("10102"));
  bool named = false;
  NameNextAccount("零用", &named);
  ASSERT_TRUE(page->RunCommand(CItemPage::kAddChild));
  ASSERT_TRUE(named);
  EXPECT_EQ("1010201", Selected(*page)) << "the new account is selected";
  ASSERT_NE(nullptr, page->Tree()->SelectedParentRow());
  EXPECT_EQ("", page->Tree()->SelectedParentRow()->type_name) << "its parent shows no type any more";
  EXPECT_TRUE(page->Changed());

  NameNextAccount("零花", &named);
  ASSERT_TRUE(page->RunCommand(CItemPage::kMenuChange));
  EXPECT_EQ("零花", page->Tree()->ItemOf("1010201")->text(0).toStdString());

  ASSERT_TRUE(page->Tree()->SelectCode("101"));
  EXPECT_TRUE(page->RunCommand(CItemPage::kAddSibling));
  EXPECT_EQ(std::vector<std::string>{kSiblingOfTopLevel}, Shown());

  prompter_.answers = {true};
  ASSERT_TRUE(page->Tree()->SelectCode("1010201"));
  ASSERT_TRUE(page->RunCommand(CItemPage::kDelete));
  EXPECT_EQ(nullptr, page->Tree()->ItemOf("1010201"));
  EXPECT_EQ("10102", Selected(*page)) << "no sibling left: the parent";
  EXPECT_EQ("现金", page->Tree()->SelectedRow()->type_name) << "the parent has its type back";
}

TEST_F(ItemPageTest, UntypedLeafGetsItsTypeInTheChangeDialog) {
  auto page = Page();
  ChooseCategory(*page, "");
  ASSERT_TRUE(page->Tree()->SelectCode("1020101"));
  bool done = false;
  OnModal<CItemInputEasy>(
      [](CItemInputEasy* dialog) {
        auto* types = dialog->findChild<QComboBox*>("type");
        ASSERT_NE(nullptr, types);
        types->setCurrentText("银行存款");
        dialog->findChild<QPushButton*>("ok")->click();
      },
      &done);
  page->RunCommand(CItemPage::kChange);
  ASSERT_TRUE(done);
  QTreeWidgetItem* item = page->Tree()->ItemOf("1020101");
  EXPECT_EQ("新户", item->text(0).toStdString());
  EXPECT_NE(QColor(Qt::red), item->foreground(0).color());
  EXPECT_EQ("银行存款", page->Tree()->SelectedRow()->type_name);

  OnModal<CItemInputEasy>(
      [](CItemInputEasy* dialog) {
        EXPECT_EQ(nullptr, dialog->findChild<QComboBox*>("type")) << "a typed leaf has no type list";
        dialog->reject();
      },
      &done);
  page->RunCommand(CItemPage::kChange);
  EXPECT_TRUE(done);
}

TEST_F(ItemPageTest, MoveDialogBorrowsTheTree) {
  BookExpense("601", "10102");
  auto page = Page();
  page->RunCommand(CItemPage::kMoveData);
  QPointer<CItemTransfer> dialog = page->Transfer();
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(dialog->Edit(CItemTransfer::kFrom)->isReadOnly());

  dialog->SearchButton(CItemTransfer::kFrom)->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(page->Tree()->PickMode());
  QTest::keyClick(page->Tree(), Qt::Key_Escape);
  EXPECT_TRUE(dialog->isVisible()) << "Esc gives up the pick";
  EXPECT_EQ("", dialog->Edit(CItemTransfer::kFrom)->text().toStdString());

  const struct {
    CItemTransfer::Field field;
    std::string code, path;
  } picks[] = {{CItemTransfer::kFrom, "10102", "现金\\妈妈\\"}, {CItemTransfer::kTo, "1010101", "现金\\爸爸\\零钱\\"}};
  for (const auto& pick : picks) {
    dialog->SearchButton(pick.field)->click();
    page->Tree()->SelectCode(ParentCode(pick.code));
    Click(*page->Tree(), ParentCode(pick.code));
    EXPECT_TRUE(page->Tree()->PickMode()) << "a node with sub-accounts is not picked";
    Click(*page->Tree(), pick.code);
    EXPECT_TRUE(dialog->isVisible());
    QLineEdit* edit = dialog->Edit(pick.field);
    EXPECT_EQ(pick.path, edit->text().toStdString());
    EXPECT_EQ(edit->text().size(), edit->cursorPosition());
    EXPECT_EQ(pick.code, dialog->Code(pick.field));
  }

  page->RunCommand(CItemPage::kMoveData);
  EXPECT_EQ(dialog.data(), page->Transfer()) << "one dialog per page";

  prompter_.answers = {true, false};
  dialog->findChild<QPushButton*>("ok")->click();
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(dialog) << "closed when done";
  EXPECT_EQ((Refs{0, 0, 0, 0}), RefsOf("10102"));
  EXPECT_EQ((Refs{1, 0, 0, 0}), RefsOf("1010101"));
}

TEST_F(ItemPageTest, SelectionDialogModes) {
  CSetItem manage(SelectMode::kManage, kTypeCreditCard);
  EXPECT_EQ("记账科目管理", manage.windowTitle().toStdString());
  EXPECT_EQ(nullptr, manage.findChild<QPushButton*>("ok"));
  std::vector<std::string> tools;
  for (QAction* action : manage.findChild<QToolBar*>("manageToolbar")->actions())
    tools.push_back(action->isSeparator() ? "-" : action->text().toStdString());
  EXPECT_EQ((std::vector<std::string>{"新增下级科目", "新增同级科目", "更改", "删除", "-", "退出"}), tools);
  EXPECT_EQ("202", manage.Page()->Categories()->Current()->code);
  EXPECT_FALSE(manage.Changed());

  CSetItem leaf_only(SelectMode::kChooseLeaf);
  EXPECT_EQ("选择科目", leaf_only.windowTitle().toStdString());
  leaf_only.show();
  ASSERT_TRUE(leaf_only.Page()->Tree()->SelectCode("10101"));
  leaf_only.findChild<QPushButton*>("ok")->click();
  EXPECT_TRUE(leaf_only.isVisible());
  EXPECT_EQ(std::vector<std::string>{kChooseALeaf}, Shown());
  ASSERT_TRUE(leaf_only.Page()->Tree()->SelectCode("1010101"));
  leaf_only.findChild<QPushButton*>("ok")->click();
  EXPECT_EQ(QDialog::Accepted, leaf_only.result());
  EXPECT_EQ("1010101", leaf_only.SelectedCode());
  EXPECT_EQ("现金\\爸爸\\零钱\\", leaf_only.SelectedPath());

  CSetItem any(SelectMode::kChoose);
  any.show();
  ASSERT_TRUE(any.Page()->Tree()->SelectCode("10101"));
  any.findChild<QPushButton*>("ok")->click();
  EXPECT_EQ(QDialog::Accepted, any.result());
  EXPECT_EQ("10101", any.SelectedCode());
}

}  // namespace
}  // namespace cw::testing
