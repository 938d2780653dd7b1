#include "cli/chart_import.h"

#include <algorithm>
#include <map>

#include "base/gbk_text.h"
#include "cli/cli_error.h"
#include "core/item_cache.h"
#include "core/ledger_model.h"
#include "store/database.h"
#include "store/row_reader.h"

namespace cw::cli {
namespace {

constexpr std::size_t kMaxNameBytes = 50;

struct Known {
  std::string name;
  int type = 0;  // the type a child must have: the stored type of a leaf, else the derived one
  bool leaf = true;
  bool is_new = false;
};

bool NameIsValid(const std::string& name) {
  return !name.empty() && GbkLength(name) <= kMaxNameBytes && name.find_first_of(" []") == std::string::npos;
}

bool HasBookings(const std::string& code) {
  CDBPack rows;
  rows.Open(Database::LoadStatement(321), {code});
  return !rows.IsEnd() && rows.GetLong("NUM") > 0;
}

void Check(const NewAccount& a, const std::map<std::string, Known>& chart) {
  const char* code = a.code.c_str();
  if (!IsValidCode(a.code)) throw BadInput(StrFormat("科目代码“%s”无效：三位数字，每下一级再加两位，最多8级。", code));
  if (CodeLevel(a.code) == 1) throw BadInput(StrFormat("不能新增一级科目“%s”：一级科目是固定的。", code));
  if (!NameIsValid(a.name)) {
    throw BadInput(StrFormat("科目“%s”的名称错误。有效科目名称长度大于0，不得包含空格，“[”、“]”。", code));
  }
  if (a.type < kTypeIncome || a.type > kTypeCreditCard) {
    throw BadInput(StrFormat("科目“%s”的类型 %d 无效，科目类型为1到8。", code, a.type));
  }
  const std::string parent = ParentCode(a.code);
  auto it = chart.find(parent);
  if (it == chart.end()) throw BadInput(StrFormat("科目“%s”的上级科目“%s”不存在。", code, parent.c_str()));
  if (it->second.type != 0 && it->second.type != a.type) {
    throw BadInput(StrFormat("科目“%s”的类型“%s”与上级科目“%s”的类型“%s”不同。", code, TypeName(a.type).c_str(),
                             parent.c_str(), TypeName(it->second.type).c_str()));
  }
  // Bookings on a parent would no longer be on a leaf; the desktop program moves them first.
  if (it->second.leaf && !it->second.is_new && HasBookings(parent)) {
    throw BadInput(StrFormat("上级科目“%s”已经有记账数据，不能为它新增下级科目“%s”。", parent.c_str(), code));
  }
}

}  // namespace

int AddMissingAccounts(std::vector<NewAccount> accounts) {
  // A parent's code sorts before its children's.
  std::stable_sort(accounts.begin(), accounts.end(),
                   [](const NewAccount& a, const NewAccount& b) { return a.code < b.code; });
  std::map<std::string, Known> chart;
  for (const CItemCache::Entry& e : CItemCache::Instance().Entries()) chart[e.code] = {e.name, e.type, e.leaf, false};

  std::vector<const NewAccount*> added;
  std::vector<std::string> new_parents;  // existing leaves that get their first sub-account
  for (std::size_t i = 0; i < accounts.size(); ++i) {
    const NewAccount& a = accounts[i];
    if (i > 0 && accounts[i - 1].code == a.code) {
      throw BadInput(StrFormat("科目代码“%s”重复。", a.code.c_str()));
    }
    if (chart.count(a.code)) continue;
    Check(a, chart);
    Known& parent = chart[ParentCode(a.code)];
    if (parent.leaf && !parent.is_new) new_parents.push_back(ParentCode(a.code));
    parent.leaf = false;
    chart[a.code] = {a.name, a.type, true, true};
    added.push_back(&a);
  }

  bool ok = true;
  for (const NewAccount* a : added) {
    // A new account that itself got children is stored without a type.
    const int stored_type = chart[a->code].leaf ? a->type : 0;
    ok = ok && Database::Execute(Database::LoadStatement(349), {a->code, a->name, stored_type});
  }
  for (const std::string& code : new_parents) {
    ok = ok && Database::Execute(Database::LoadStatement(343), {chart[code].name, 0, code});
  }
  CItemCache::Instance().MarkDirty();
  if (!ok) throw Failed("the accounts were not added");
  return static_cast<int>(added.size());
}

}  // namespace cw::cli
