#pragma once
// The questions of an upgrade of an old data set, asked with the desktop's
// dialogs before the upgrade begins: CDBUpgrade "数据库升级 - 用户数据库/演示数据库"
// for the deposit-interest account, CConvertCreditCard for the credit cards.
#include "core/upgrade_questions.h"
#include "ui/own_dialog.h"

class QComboBox;

namespace cw {

class CDBUpgrade : public COwnDialog {
  Q_OBJECT
 public:
  // `data_set`: "用户数据库" or "演示数据库".
  explicit CDBUpgrade(const std::string& data_set, QWidget* parent = nullptr);

  // The picked deposit-interest account; empty when the chart has none.
  std::string Account() const;

  // The question must be answered: Esc does not close the dialog.
  void reject() override {}

 private:
  // Lists the income accounts again, keeping the choice when it still exists.
  void Refill();

  QComboBox* accounts_;
};

// Answers the upgrade's questions with the dialogs above; installed by the
// desktop program for its lifetime.
class DesktopUpgradeQuestions final : public UpgradeQuestions {
 public:
  bool AskInterestAccount(const std::string& data_set, std::string* code) override;
  bool AskCardAccounts(CardChoice* choice) override;
};

}  // namespace cw
