#include "core/schema_upgrade.h"

#include <cmath>
#include <functional>
#include <map>

#include "base/gbk_text.h"
#include "base/prompter.h"
#include "core/backup_copies.h"
#include "core/card_conversion.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "core/schema_version.h"
#include "core/upgrade_questions.h"
#include "store/database.h"
#include "store/layout_steps.h"
#include "store/row_reader.h"

namespace cw {
namespace {

constexpr double kTolerance = 1e-7;
// The kind of older versions' fund conversion, split into 40-43 by version 2.0.
constexpr int kKindFundConversion = 4;
constexpr int kLastVoucher = 999912999;

// The chart as the upgrade sees it inside its transaction.
struct Chart {
  std::map<std::string, int> types;  // leaves only
  bool all_leaves_typed = true;

  int TypeOf(const std::string& code) const {
    auto it = types.find(code);
    return it == types.end() ? 0 : it->second;
  }
};

bool ReadChart(Chart* chart) {
  CDBPack rows;
  if (!rows.Open(Database::LoadStatement(290, ""))) return false;
  for (; !rows.IsEnd(); rows.MoveNext()) {
    if (rows.GetLong("NUM") != 1) continue;
    int type = rows.GetByte("ItemType");
    chart->types[rows.GetText("Item_No")] = type;
    if (type == 0) chart->all_leaves_typed = false;
  }
  return true;
}

struct StoredLine {
  std::string content;
  std::string item;
  double cash = 0;
};

// A voucher or a scheduled booking with its lines by line number.
struct StoredRecord {
  int number = 0;
  std::map<int, StoredLine> lines;

  const StoredLine& Line(int n) const {
    static const StoredLine none;
    auto it = lines.find(n);
    return it == lines.end() ? none : it->second;
  }
  bool HasLine(int n) const { return lines.count(n) > 0; }
};

// The vouchers (or scheduled bookings) of one kind. False when the read failed.
bool ReadRecords(bool plans, int kind, std::vector<StoredRecord>* records) {
  const std::string condition = "Input_Type=" + std::to_string(kind);
  CDBPack rows;
  bool ok = plans ? rows.Open(Database::LoadStatement(678, condition))
                  : rows.Open(Database::LoadStatement(960, condition), {0, kLastVoucher});
  if (!ok) return false;
  const char* key = plans ? "PlanID" : "Voucher_No";
  for (; !rows.IsEnd(); rows.MoveNext()) {
    int number = rows.GetLong(key);
    if (records->empty() || records->back().number != number) records->push_back({number, {}});
    records->back().lines[rows.GetShort("Line_No")] = {rows.GetText("Content"), rows.GetText("Item_No"),
                                                        rows.GetDouble("Cash")};
  }
  return true;
}

bool SetKind(bool plans, int number, int kind) {
  return Database::Execute(Database::LoadStatement(plans ? 714 : 715), {kind, number});
}

// Appends line 2 to a record that has two lines; a record that already has
// its third line keeps it.
bool AddThirdLine(bool plans, const StoredRecord& record, const std::string& item, bool debit) {
  if (record.HasLine(2)) return true;
  return Database::Execute(Database::LoadStatement(plans ? 686 : 264),
                           {record.number, 2, record.Line(0).content, item, 0.0, debit ? 1 : 0});
}

bool CountWithdrawals(const Chart& chart, int* count) {
  for (bool plans : {false, true}) {
    std::vector<StoredRecord> records;
    if (!ReadRecords(plans, kKindFundConversion, &records)) return false;
    for (const StoredRecord& r : records) {
      if (FundConversionKind(chart.TypeOf(r.Line(0).item), chart.TypeOf(r.Line(1).item)) == kKindWithdrawal) ++*count;
    }
  }
  return true;
}

// ---- the steps ---------------------------------------------------------------

bool SplitFundConversions(const UpgradeAnswers& answers) {
  Chart chart;
  if (!ReadChart(&chart)) return false;
  for (bool plans : {false, true}) {
    std::vector<StoredRecord> records;
    if (!ReadRecords(plans, kKindFundConversion, &records)) return false;
    for (const StoredRecord& r : records) {
      int kind = FundConversionKind(chart.TypeOf(r.Line(0).item), chart.TypeOf(r.Line(1).item));
      if (kind == kKindFundConversion) continue;
      if (!SetKind(plans, r.number, kind)) return false;
      if (kind == kKindWithdrawal && !AddThirdLine(plans, r, answers.interest_account, false)) return false;
    }
  }
  return true;
}

// The first income leaf: from the first income account in code order, down
// through the accounts below it.
bool FirstIncomeLeaf(std::string* code) {
  CDBPack rows;
  if (!rows.Open(Database::LoadStatement(419), {kTypeIncome})) return false;
  for (; !rows.IsEnd(); rows.MoveNext()) {
    std::string next = rows.GetText("Item_No");
    if (!code->empty() && next.compare(0, code->size(), *code) != 0) break;
    *code = next;
  }
  return true;
}

bool AddInvestmentGainLines(const UpgradeAnswers&) {
  std::string gain_account;
  if (!FirstIncomeLeaf(&gain_account)) return false;
  std::vector<StoredRecord> records;
  if (!ReadRecords(false, kKindSale, &records)) return false;
  for (const StoredRecord& r : records) {
    if (std::fabs(r.Line(0).cash - r.Line(1).cash) >= kTolerance) continue;
    if (!AddThirdLine(false, r, gain_account, true)) return false;
  }
  return true;
}

bool ConvertCardReturns(const UpgradeAnswers& answers) { return ConvertToCardAccounts(answers.card_accounts); }

struct Step {
  std::string what;
  std::function<bool()> run;
};

std::vector<Step> StepsOf(const UpgradePlan& plan, const UpgradeAnswers& answers) {
  // The schema statements of the steps below 1.1, 2.0, 2.15, 3.1 and 3.2 are
  // part of this program's layout from the start; only the conversions of
  // stored data remain, in version order.
  std::vector<Step> steps;
  if (plan.fund_split) steps.push_back({"2.0 资金转换细分", [&] { return SplitFundConversions(answers); }});
  if (plan.investment_line) steps.push_back({"2.1 收回投资增加第三行", [&] { return AddInvestmentGainLines(answers); }});
  if (plan.card_conversion) steps.push_back({"2.1 信用卡科目转换", [&] { return ConvertCardReturns(answers); }});
  if (plan.layout < CurrentLayoutLevel()) {
    std::string what;
    for (const LayoutStep& step : LayoutSteps()) {
      if (step.level > plan.layout) what += (what.empty() ? "" : "、") + step.what;
    }
    steps.push_back({what, [&] { return ApplyLayoutSteps(plan.layout); }});
  }
  return steps;
}

std::string DataSetName() {
  return Database::CurrentDatabase() == Database::kDemoData ? "演示数据库" : "用户数据库";
}

}  // namespace

int FundConversionKind(int type0, int type1) {
  if (type0 == kTypeBank && type1 == kTypeCash) return kKindDeposit;
  if (type0 == kTypeCash && type1 == kTypeBank) return kKindWithdrawal;
  if (type0 == kTypeCash && type1 == kTypeCash) return 42;  // cash between people
  if (type0 == kTypeBank && type1 == kTypeBank) return 43;  // bank transfer
  return kKindFundConversion;
}

bool UpgradePlan::HasWork() const { return raise_version || layout < CurrentLayoutLevel(); }

UpgradePlan PlanUpgrade(double program_version) {
  UpgradePlan plan;
  CDBPack rows;
  rows.Open(Database::LoadStatement(383));
  if (rows.IsEnd()) return plan;
  plan.has_version_row = true;
  plan.stored = rows.GetLong("Ver_DB");
  rows.Close();
  plan.layout = LayoutLevel();
  const double stored = DecodeVersion(plan.stored);
  plan.newer = stored - kTolerance > program_version;
  plan.raise_version = program_version > stored + kTolerance;
  if (!plan.raise_version) return plan;

  Chart chart;
  ReadChart(&chart);
  plan.fund_split = stored + kTolerance < 2.0 && chart.all_leaves_typed;
  plan.investment_line = stored + kTolerance < 2.1;
  plan.card_conversion = plan.investment_line && chart.all_leaves_typed;
  int withdrawals = 0;
  plan.ask_interest_account = plan.fund_split && CountWithdrawals(chart, &withdrawals) && withdrawals > 0;
  if (plan.card_conversion) {
    CardChoice choice = PreselectCards();
    plan.ask_card_accounts = !choice.borrowing.empty() || !choice.cards.empty();
  }
  return plan;
}

bool AskUpgradeQuestions(const UpgradePlan& plan, UpgradeAnswers* answers) {
  UpgradeQuestions& questions = CurrentUpgradeQuestions();
  if (plan.ask_interest_account && !questions.AskInterestAccount(DataSetName(), &answers->interest_account)) {
    return false;
  }
  if (plan.ask_card_accounts) {
    CardChoice choice = PreselectCards();
    if (!questions.AskCardAccounts(&choice)) return false;
    for (const AccountRef& card : choice.cards) answers->card_accounts.push_back(card.code);
  }
  return true;
}

bool RunUpgrade(const UpgradePlan& plan, const UpgradeAnswers& answers, double program_version) {
  std::string label = StrFormat("before_upgrade_%.2f", DecodeVersion(plan.stored));
  if (!plan.raise_version) label += StrFormat("_layout%d", plan.layout);
  std::string error;
  if (WriteSafetyCopy(label, &error).empty()) {
    CurrentPrompter().Inform(StrFormat("数据库升级前无法保存备份，没有升级。\n\n错误信息:%s。", error.c_str()), "提示",
                             PromptStyle::Error);
    return false;
  }
  bool done = true;
  std::string failed_step;
  {
    Transaction tx;
    for (const Step& step : StepsOf(plan, answers)) {
      if (!tx.ok() || !step.run() || !tx.ok()) {
        failed_step = step.what;
        break;
      }
    }
    if (failed_step.empty() && plan.raise_version) {
      if (!Database::Execute(Database::LoadStatement(398), {EncodeVersion(program_version)})) {
        failed_step = "保存数据库版本";
      }
    }
    if (!failed_step.empty()) tx.Fail();
    done = failed_step.empty() && tx.Commit();
    if (!done && failed_step.empty()) failed_step = "提交";
  }
  CItemCache::Instance().MarkDirty();
  if (!done) {
    CurrentPrompter().Inform(
        StrFormat("数据库升级失败：“%s”一步出错。\n\n所有升级改动已撤销，数据库保持原样，没有打开。", failed_step.c_str()),
        "提示", PromptStyle::Error);
  }
  return done;
}

}  // namespace cw
