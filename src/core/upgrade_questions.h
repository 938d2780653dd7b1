#pragma once
// The questions an upgrade of an old data set asks before it begins. The
// desktop program shows its dialogs, the command-line tool takes its options,
// tests script the answers. Until something is installed nothing is answered,
// and a data set that needs answers is not opened.
#include <string>

#include "core/card_conversion.h"

namespace cw {

class UpgradeQuestions {
 public:
  virtual ~UpgradeQuestions() = default;
  // The deposit-interest account that withdrawals converted from fund
  // conversions get as their third line, for the data set named `data_set`
  // ("用户数据库", "演示数据库"). False when not answered.
  virtual bool AskInterestAccount(const std::string& data_set, std::string* code) = 0;
  // Which borrowing accounts are credit cards; `choice` comes preselected by
  // name and holds the answer. False when not answered.
  virtual bool AskCardAccounts(CardChoice* choice) = 0;
};

UpgradeQuestions& CurrentUpgradeQuestions();
// Installs `questions` (not owned; null restores the default) and returns the previous one.
UpgradeQuestions* SetUpgradeQuestions(UpgradeQuestions* questions);

}  // namespace cw
