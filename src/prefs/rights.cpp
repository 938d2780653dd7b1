#include "prefs/rights.h"

#include <cstdint>

#include "prefs/user_texts.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw {
namespace {

enum class Record { kFound, kMissing, kFailed };

// The rights record as stored.
Record ReadRightsRecord(int person_no, Rights* rights) {
  CDBPack rows;
  if (!rows.Open(Database::LoadStatement(547), {person_no})) return Record::kFailed;
  if (rows.IsEnd()) return Record::kMissing;
  rights->voucher = rows.GetBool("Voucher");
  rights->voucher_query = rows.GetBool("VoucherQuery");
  rights->voucher_graph = rows.GetBool("VoucherGraph");
  rights->budget = rows.GetBool("Budget");
  rights->system_set = rows.GetBool("SystemSet");
  return Record::kFound;
}

std::int64_t Flag(bool on) { return on ? 1 : 0; }

}  // namespace

Rights ReadRights(int person_no) {
  Rights rights;
  switch (ReadRightsRecord(person_no, &rights)) {
    case Record::kFound: return rights;
    case Record::kMissing: return Rights::All();
    case Record::kFailed: break;
  }
  // A failed read must not open every module.
  return Rights::None();
}

std::string RightsText(const Rights& rights) {
  if (rights == Rights::All()) return user_texts::kAllRights;
  if (rights == Rights::None()) return user_texts::kNoRights;
  std::string text;
  for (const RightLabel& right : kRightLabels) {
    if (!(rights.*right.member)) continue;
    if (!text.empty()) text += "、";
    text += right.label;
  }
  return text;
}

bool WriteRights(int person_no, const Rights& rights) {
  Transaction tx;
  if (!tx.ok()) return false;
  Rights stored;
  const Record record = ReadRightsRecord(person_no, &stored);
  if (record == Record::kFailed) return false;
  const std::int64_t v = Flag(rights.voucher), q = Flag(rights.voucher_query), g = Flag(rights.voucher_graph),
                     b = Flag(rights.budget), s = Flag(rights.system_set);
  const bool written = record == Record::kFound
                           ? Database::Execute(Database::LoadStatement(550), {v, q, g, b, s, person_no})
                           : Database::Execute(Database::LoadStatement(549), {person_no, v, q, g, b, s});
  return written && tx.Commit();
}

bool Permitted(Need need, const Rights& rights, int level) {
  switch (need) {
    case Need::kNothing: return true;
    case Need::kVoucher: return rights.voucher;
    case Need::kVoucherQuery: return rights.voucher_query;
    case Need::kVoucherGraph: return rights.voucher_graph;
    case Need::kBudget: return rights.budget;
    case Need::kSystemSet: return rights.system_set;
    case Need::kUserAdmin: return rights.system_set && level == 0;
  }
  return false;
}

}  // namespace cw
