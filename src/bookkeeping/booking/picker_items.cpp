#include "bookkeeping/booking/picker_items.h"

#include <algorithm>

#include "core/item_cache.h"
#include "core/ledger_model.h"

namespace cw {
namespace {

constexpr char kInitialMark[] = "初始";

// Where the accounts whose name contains "初始" go within an income picker.
enum class InitialPlace { kInCodeOrder, kFirst, kLast };

struct PickerRule {
  std::vector<int> types;
  InitialPlace initial = InitialPlace::kInCodeOrder;
  const char* preselect = nullptr;  // name part of the account selected first
};

struct KindPickers {
  int kind;
  PickerRule pickers[kPickerCount];
};

const std::vector<KindPickers>& Rules() {
  static const std::vector<KindPickers> rules = {
      {1, {{{3, 4, 8, 5, 6, 7}}, {{1}, InitialPlace::kFirst}, {}}},
      {2, {{{1}, InitialPlace::kLast}, {{3, 4}}, {}}},
      {3, {{{2}}, {{3, 4, 8}}, {}}},
      {11, {{{2}}, {{8}}, {}}},
      {5, {{{6}}, {{3, 4, 8}}, {}}},
      {6, {{{3, 4}}, {{6}}, {}}},
      {7, {{{3, 4}}, {{7}}, {}}},
      {8, {{{7}}, {{3, 4, 8}}, {}}},
      {9, {{{5}}, {{3, 4, 8}}, {}}},
      {10, {{{5}}, {{3, 4}}, {{1}, InitialPlace::kInCodeOrder, "投资"}}},
      {12, {{{8}}, {{3}}, {}}},
      {13, {{{8}}, {{3, 4}}, {{2}, InitialPlace::kInCodeOrder, "利息"}}},
      {40, {{{3}}, {{4}}, {}}},
      {41, {{{4}}, {{3}}, {{1}, InitialPlace::kInCodeOrder, "利息"}}},
      {42, {{{3}}, {{3}}, {}}},
      {43, {{{4}}, {{4}}, {}}},
  };
  return rules;
}

const PickerRule* RuleOf(int kind, int picker) {
  if (picker < 0 || picker >= kPickerCount) return nullptr;
  for (const KindPickers& k : Rules())
    if (k.kind == kind) return &k.pickers[picker];
  return nullptr;
}

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

bool IsBookingKind(int kind) { return RuleOf(kind, 0) != nullptr; }

const std::vector<int>& PickerTypes(int kind, int picker) {
  static const std::vector<int> none;
  const PickerRule* rule = RuleOf(kind, picker);
  return rule ? rule->types : none;
}

Rgb TypeColour(int type) {
  switch (type) {
    case kTypeIncome: return {215, 235, 255};
    case kTypeExpense: return {255, 255, 210};
    case kTypeCash: return {235, 255, 215};
    case kTypeBank: return {210, 255, 175};
    case kTypeInvestment: return {200, 255, 150};
    case kTypeLent: return {185, 255, 125};
    case kTypeBorrowed:
    case kTypeCreditCard: return {255, 220, 220};
    default: return {255, 255, 255};
  }
}

std::vector<PickerItem> PickerItems(int kind, int picker) {
  const PickerRule* rule = RuleOf(kind, picker);
  if (!rule) return {};
  const std::vector<CItemCache::Entry> chart = CItemCache::Instance().Entries();
  std::vector<PickerItem> items;
  for (int type : rule->types) {
    const std::size_t first = items.size();
    for (const CItemCache::Entry& e : chart)
      if (e.leaf && e.type == type) items.push_back({e.code, e.name, TypeName(type), TypeColour(type)});
    if (rule->initial == InitialPlace::kInCodeOrder) continue;
    const bool first_place = rule->initial == InitialPlace::kFirst;
    std::stable_partition(items.begin() + first, items.end(), [first_place](const PickerItem& item) {
      return Contains(item.name, kInitialMark) == first_place;
    });
  }
  return items;
}

PickerItem PickerItemFor(const std::string& code) {
  CItemCache& chart = CItemCache::Instance();
  const int type = chart.TypeOf(code);
  return {code, chart.NameOf(code), TypeName(type), TypeColour(type)};
}

int SelectionAfterFill(int kind, int picker, const std::vector<PickerItem>& items,
                       const std::string& previous_code) {
  if (items.empty()) return -1;
  auto index_where = [&items](auto&& wanted) {
    auto it = std::find_if(items.begin(), items.end(), wanted);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
  };
  if (!previous_code.empty()) {
    int kept = index_where([&](const PickerItem& item) { return item.code == previous_code; });
    if (kept >= 0) return kept;
  }
  const PickerRule* rule = RuleOf(kind, picker);
  if (rule && rule->preselect) {
    int preselected = index_where([&](const PickerItem& item) { return Contains(item.name, rule->preselect); });
    if (preselected >= 0) return preselected;
  }
  return 0;
}

}  // namespace cw
