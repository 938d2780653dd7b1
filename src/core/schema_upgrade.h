#pragma once
// Bringing a data set written by an older version of the program up to date.
//
// Two numbers say how old a file is. Its version row (Ver_DB) names the
// conversions of vouchers and scheduled bookings whose entry kinds were split or
// extended by later versions; its layout level (PRAGMA user_version) names the
// program's own changes to tables (store/layout_steps.h). The questions are
// asked before anything changes; then a safety copy is saved in the Backup
// folder and every step runs in one transaction: a failing step rolls all of
// them back, the file stays as it was and is not used. The version and the
// layout level are raised only when every step succeeded.
#include <string>
#include <vector>

namespace cw {

struct UpgradePlan {
  bool has_version_row = false;
  int stored = 0;                      // Ver_DB
  int layout = 0;                      // the file's layout level
  bool newer = false;                  // written by a newer program: refused
  bool raise_version = false;          // older than the program
  bool fund_split = false;             // below 2.0, and every leaf account has a type
  bool investment_line = false;        // below 2.1
  bool card_conversion = false;        // below 2.1, and every leaf account has a type
  bool ask_interest_account = false;   // some fund conversion becomes a withdrawal
  bool ask_card_accounts = false;      // there are borrowing accounts to choose from

  bool HasWork() const;
  bool NeedsAnswers() const { return ask_interest_account || ask_card_accounts; }
};

// What opening the open data set with a program of `program_version` takes.
UpgradePlan PlanUpgrade(double program_version);

struct UpgradeAnswers {
  std::string interest_account;            // the deposit-interest account (may be empty)
  std::vector<std::string> card_accounts;  // borrowing accounts that become credit cards
};

// Asks what the plan needs through CurrentUpgradeQuestions(). False when a
// question was not answered.
bool AskUpgradeQuestions(const UpgradePlan& plan, UpgradeAnswers* answers);

// Saves the safety copy and runs the plan in one transaction. False when the
// copy could not be saved or a step failed (message naming the step shown);
// the data set is then unchanged.
bool RunUpgrade(const UpgradePlan& plan, const UpgradeAnswers& answers, double program_version);

// The kind a fund conversion (kind 4) becomes by the types of the accounts of
// its line 0 and line 1: 40 deposit, 41 withdrawal, 42 cash between people,
// 43 bank transfer; 4 for any other pair.
int FundConversionKind(int type0, int type1);

}  // namespace cw
