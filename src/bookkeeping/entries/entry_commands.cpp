#include "bookkeeping/entries/entry_commands.h"

#include <algorithm>
#include <optional>
#include <set>

#include "bookkeeping/entries/entry_keys.h"
#include "bookkeeping/entries/entry_texts.h"
#include "core/session.h"
#include "core/voucher_engine.h"

namespace cw {
namespace {

using namespace entry_texts;

// Passes each text on to the prompter the first time only.
class OnceMessages {
 public:
  explicit OnceMessages(Prompter& prompter) : prompter_(prompter) {}
  void Inform(const std::string& text, const std::string& caption = "提示",
              PromptStyle style = PromptStyle::Information) {
    if (shown_.insert(text).second) prompter_.Inform(text, caption, style);
  }

 private:
  Prompter& prompter_;
  std::set<std::string> shown_;
};

void ExplainGenerated(const GridModel& table, int row, OnceMessages& messages) {
  if (const char* why = GeneratedExplanation(table.Cell(row, EntryLayout::kDescription))) messages.Inform(why);
}

void RefuseStatistics(OnceMessages& messages) {
  messages.Inform(kStatisticsRow, kInputErrorCaption, PromptStyle::Error);
}

}  // namespace

const char* GeneratedExplanation(const std::string& description) {
  if (description.find(kGainMark) != std::string::npos) return kGeneratedGain;
  if (description.find(kDepositInterestMark) != std::string::npos) return kGeneratedDepositInterest;
  if (description.find(kCardInterestMark) != std::string::npos) return kGeneratedCardInterest;
  return nullptr;
}

int VoucherToChange(const GridModel& table, int row, Prompter& prompter) {
  if (row < 0 || row >= table.RowCount()) {
    prompter.Inform(kNoRowSelected, kInputErrorCaption);
    return 0;
  }
  OnceMessages messages(prompter);
  const EntryKey key = ParseEntryKey(table.Key(row));
  switch (key.kind) {
    case EntryKey::kGenerated: ExplainGenerated(table, row, messages); return 0;
    case EntryKey::kStatistics: RefuseStatistics(messages); return 0;
    case EntryKey::kVoucher:
    case EntryKey::kInitial: return key.voucher;
  }
  return 0;
}

int DeleteEntryRows(EntryTable& page, GridModel& table, const std::vector<int>& rows, Prompter& prompter) {
  if (rows.empty()) {
    prompter.Inform(kNoRowSelected, kInputErrorCaption);
    return 0;
  }
  if (!prompter.Ask(kDeleteQuestion, kDeleteCaption)) return 0;
  OnceMessages messages(prompter);
  // Vouchers are taken from the last row up: deleting one renumbers only the
  // later vouchers of its month, which have been dealt with by then.
  std::vector<int> numbers;
  std::vector<int> ordered = rows;
  std::sort(ordered.rbegin(), ordered.rend());
  for (int row : ordered) {
    if (row < 0 || row >= table.RowCount()) continue;
    const EntryKey key = ParseEntryKey(table.Key(row));
    if (key.kind == EntryKey::kGenerated) {
      ExplainGenerated(table, row, messages);
    } else if (key.IsStatistics()) {
      RefuseStatistics(messages);
    } else if (key.HasVoucher()) {
      numbers.push_back(key.voucher);
    }
  }
  std::sort(numbers.rbegin(), numbers.rend());
  int deleted = 0;
  for (int number : numbers) {
    const std::optional<Booking> voucher = ReadVoucher(number);
    if (!voucher) continue;
    if (!CanEdit(*voucher)) {
      messages.Inform(kCannotDelete, kInputErrorCaption);
      continue;
    }
    if (!DeleteVoucher(number)) break;  // the data store has said why
    page.ApplyDelete(table, number);
    ++deleted;
  }
  return deleted;
}

int AuditEntryRows(const EntryTable& page, GridModel& table, const std::vector<int>& rows, bool on, RowSource source,
                   Prompter& prompter) {
  if (rows.empty()) {
    if (source == RowSource::kTicked)
      prompter.Inform(kNoRowTicked);
    else
      prompter.Inform(kNoRowSelected, kInputErrorCaption);
    return 0;
  }
  OnceMessages messages(prompter);
  const int me = LoggedInPerson();
  int changed = 0;
  for (int row : rows) {
    if (row < 0 || row >= table.RowCount()) continue;
    const EntryKey key = ParseEntryKey(table.Key(row));
    if (key.kind == EntryKey::kGenerated) {
      ExplainGenerated(table, row, messages);
      continue;
    }
    if (!key.HasVoucher()) continue;
    const std::optional<Booking> voucher = ReadVoucher(key.voucher);
    if (!voucher) continue;
    const char* refusal = nullptr;
    if (on) {
      if (voucher->person_no == me)
        refusal = kAuditByOthers;
      else if (voucher->checker_no > 0)
        refusal = kAlreadyAudited;
    } else {
      if (voucher->checker_no <= 0)
        refusal = kNotAudited;
      else if (voucher->checker_no != me)
        refusal = kOnlyAuditorCancels;
    }
    if (refusal) {
      messages.Inform(refusal);
      continue;
    }
    if (!SetAudit(key.voucher, on)) break;  // the data store has said why
    page.ApplyAudit(table, key.voucher, on ? me : 0);
    ++changed;
  }
  return changed;
}

}  // namespace cw
