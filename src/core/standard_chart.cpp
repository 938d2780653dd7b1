#include "core/standard_chart.h"

#include <algorithm>
#include <map>

#include "core/ledger_model.h"

namespace cw {

const std::vector<ChartAccount>& StandardChart() {
  // Assets and liabilities take the 1xx and 2xx codes, income and its
  // neighbours 5xx (the roles of 502 and 503 are fixed), spending 6xx.
  static const std::vector<ChartAccount> chart = {
      {"101", "现金", kTypeCash},
      {"102", "银行存款", kTypeBank},
      {"103", "投资", kTypeInvestment},
      {"104", "借出资金", kTypeLent},
      {"201", "借入资金", kTypeBorrowed},
      {"202", "信用卡", kTypeCreditCard},
      {"501", "工作收入", kTypeIncome},
      {kInitialIncomeAccount, "初始收入", kTypeIncome},
      {"503", "财务费用", 0},
      {"50301", "银行手续费", kTypeExpense},
      {kCardInterestAccount, "信用卡利息", kTypeExpense},
      {"504", "理财收入", kTypeIncome},
      {"505", "其他收入", kTypeIncome},
      {"601", "饮食", kTypeExpense},
      {"602", "居家", kTypeExpense},
      {"603", "交通通讯", kTypeExpense},
      {"604", "衣着", kTypeExpense},
      {"605", "医疗保健", kTypeExpense},
      {"606", "教育", kTypeExpense},
      {"607", "休闲娱乐", kTypeExpense},
      {"608", "人情往来", kTypeExpense},
      {"609", "保险", kTypeExpense},
      {"699", "其他支出", kTypeExpense},
  };
  return chart;
}

std::vector<ChartAccount> ExtendChart(const std::vector<ChartAccount>& chart,
                                      const std::vector<ChartAccount>& sub_accounts) {
  std::map<std::string, ChartAccount> by_code;
  for (const auto* part : {&chart, &sub_accounts})
    for (const ChartAccount& account : *part) by_code[account.code] = account;

  for (const auto& [code, account] : by_code) {
    const std::string parent = ParentCode(code);
    auto it = by_code.find(parent);
    if (it != by_code.end()) it->second.type = 0;
  }

  std::vector<ChartAccount> result;
  result.reserve(by_code.size());
  for (auto& entry : by_code) result.push_back(std::move(entry.second));
  return result;
}

}  // namespace cw
