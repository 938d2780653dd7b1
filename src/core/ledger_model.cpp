#include "core/ledger_model.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>

#include "base/gbk_text.h"

namespace cw {
namespace {

// ---- Tables -------------------------------------------------------------------

struct KindInfo {
  int code;
  const char* name;
  int page;   // entry page whose booking dialog creates the kind
  int lines;  // voucher lines
  // Own captions of the booking-form fields 0-5 (nullptr: the form's default).
  std::array<const char*, 6> captions;
};

// Rows of one page appear in the order the booking dialog offers them: the
// position among the page's rows is the kind's offset.
constexpr KindInfo kKinds[] = {
    {1, "初始财产、负债", 32907, 2, {"初始类型", "收入类型"}},
    {2, "收入", 32900, 2, {"收入类型", "资金转入"}},
    {3, "支出", 32900, 2, {"支出类型", "资金来源"}},
    {5, "借出", 32904, 2, {"资金借给", "资金来源"}},
    {6, "收回", 32904, 2, {"资金转入", "资金来源"}},
    {7, "借入", 32905, 2, {"资金转入", "资金借自"}},
    {8, "返还", 32905, 2, {"资金还给", "资金来源"}},
    {9, "投资", 32906, 2, {"投资项目", "资金来源"}},
    {10, "收回投资", 32906, 3, {"投资项目", "资金转入", "收益类型", "本金金额", "售出总额"}},
    {11, "购物", 32908, 2, {"支出类型", "资金来源"}},
    {12, "取现", 32908, 2, {"信 用 卡", "资金转入"}},
    {13, "还款", 32908, 3, {"信 用 卡", "资金来源", "利    息", "欠款金额", "利息金额"}},
    {40, "存款", 32901, 2, {"现金类别", "银行账户", nullptr, nullptr, nullptr, "存款类型"}},
    {41, "取款", 32901, 3, {"银行账户", "现金转入", "利息转入", "取款金额", "利息金额"}},
    {42, "现金往来", 32902, 2, {"现金转入", "现金来源"}},
    {43, "银行转账", 32903, 2, {"资金转入", "资金来源"}},
};

struct PageInfo {
  int id;
  int page_class;
  const char* title;
  int kind_slot;  // booking-dialog setting slot of an entry page, else 0
};

constexpr int kClassEntry = 1;
constexpr int kClassDetail = 3;
constexpr int kClassBalance = 4;

// Every page except the detail and balance pages, which follow the account
// types (see kLedgerTypes).
constexpr PageInfo kPages[] = {
    {32900, kClassEntry, "收入支出记账", 2},
    {32901, kClassEntry, "存款取款记账", 7},
    {32902, kClassEntry, "现金往来记账", 8},
    {32903, kClassEntry, "银行转账记账", 9},
    {32904, kClassEntry, "借出资金记账", 4},
    {32905, kClassEntry, "借入资金记账", 5},
    {32906, kClassEntry, "投资记账", 6},
    {32907, kClassEntry, "初始财产、负债录入", 1},
    {32908, kClassEntry, "信用卡记账", 10},
    // Its caption on screen is built from the searched page's title.
    {32999, 2, "查找结果", 0},
    {32920, 5, "收入支出表", 0},
    {32921, 6, "收入分类表", 0},
    {32922, 6, "支出分类表", 0},
    {32950, 7, "财产负债表", 0},
    {32960, 8, "收入预算", 0},
    {32961, 8, "支出预算", 0},
    {32962, 9, "家庭财产预算", 0},
};

// Account type of the detail page 32930 + i and the balance page 32940 + i.
constexpr int kLedgerTypes[] = {kTypeIncome, kTypeExpense, kTypeInvestment, kTypeBorrowed,
                                kTypeLent,   kTypeCash,    kTypeBank,       kTypeCreditCard};
constexpr int kFirstDetailPage = 32930;
constexpr int kFirstBalancePage = 32940;
constexpr int kLedgerPageCount = static_cast<int>(std::size(kLedgerTypes));

// Index = ItemType; type 0 (not set) has no name.
constexpr const char* kTypeNames[] = {
    "", "收入", "支出", "现金", "银行存款", "投资", "借出资金", "借入资金", "信用卡",
};
constexpr int kTypeCount = static_cast<int>(std::size(kTypeNames));

struct DepositType {
  const char* name;
  int code;
};

constexpr DepositType kDeposits[] = {
    {"活期存款", 0},    {"三个月定期", 3},  {"半年定期", 6},     {"一年定期", 12},
    {"二年定期", 24},   {"三年定期", 36},   {"五年定期", 60},    {"定活两便", 1000},
    {"存本取息", 1001}, {"零存整取", 1002}, {"其他类型", 10000},
};

// Index = frequency code; code 0 has no name.
constexpr const char* kFrequencyNames[] = {
    "", "每日", "每周", "每两周", "每月", "每季度", "每年", "单次",
};

// ---- Lookups ------------------------------------------------------------------

const KindInfo* FindKind(int kind) {
  for (const KindInfo& info : kKinds)
    if (info.code == kind) return &info;
  return nullptr;
}

const PageInfo* FindPage(int page) {
  for (const PageInfo& info : kPages)
    if (info.id == page) return &info;
  return nullptr;
}

bool IsEntryPage(int page) {
  const PageInfo* info = FindPage(page);
  return info && info->page_class == kClassEntry;
}

// Position of a detail or balance page in kLedgerTypes, or -1.
int LedgerIndex(int page) {
  for (int first : {kFirstDetailPage, kFirstBalancePage})
    if (page >= first && page < first + kLedgerPageCount) return page - first;
  return -1;
}

bool IsOneOf(int type, std::initializer_list<int> types) {
  return std::find(types.begin(), types.end(), type) != types.end();
}

void AppendKind(std::string& condition, int kind) {
  condition += StrFormat(condition.empty() ? "Input_Type=%d" : " OR Input_Type=%d", kind);
}

}  // namespace

// ---- Entry kinds ----------------------------------------------------------------

int LineCount(int kind) {
  const KindInfo* info = FindKind(kind);
  return info ? info->lines : 2;
}

std::string KindName(int kind) {
  const KindInfo* info = FindKind(kind);
  return info ? info->name : "";
}

int KindStored(int kind) { return kind == kKindPurchaseByCard ? kKindExpense : kind; }

int KindShownOnPage(int kind, int page) {
  return kind == kKindExpense && page == kPageCreditCard ? kKindPurchaseByCard : kind;
}

std::vector<int> PageKinds(int page) {
  std::vector<int> kinds;
  for (const KindInfo& info : kKinds)
    if (info.page == page) kinds.push_back(info.code);
  return kinds;
}

int PageBaseKind(int page) {
  std::vector<int> kinds = PageKinds(page);
  return kinds.empty() ? 0 : kinds.front();
}

PageKind PageOfKind(int kind) {
  const KindInfo* info = FindKind(kind);
  if (!info) return {};
  int offset = 0;
  for (const KindInfo* row = kKinds; row != info; ++row)
    if (row->page == info->page) ++offset;
  return {info->page, offset};
}

std::string KindFilter(int page, bool with_initial, bool plans_only) {
  if (!IsEntryPage(page)) return "";
  std::string condition;
  for (int kind : PageKinds(page))
    if (kind != kKindPurchaseByCard) AppendKind(condition, kind);  // never stored as 11
  if (!plans_only) {
    // Voucher lists also show the vouchers whose extra lines belong to the page.
    if (page == kPageIncomeExpense)
      for (int kind : {10, 41, 13}) AppendKind(condition, kind);
    if (page == kPageCreditCard) AppendKind(condition, kKindExpense);
  }
  return with_initial ? "Input_Type=1 OR (" + condition + ")" : condition;
}

// ---- Debit rule ------------------------------------------------------------------

bool IsDebitFor(int kind, int type, int flag) {
  switch (kind) {
    case 1: return IsOneOf(type, {kTypeCash, kTypeBank, kTypeInvestment, kTypeLent});
    case 2: return IsOneOf(type, {kTypeCash, kTypeBank});
    case 3: return type == kTypeExpense;
    case 5: return type == kTypeLent;
    case 6: return IsOneOf(type, {kTypeCash, kTypeBank});
    case 7: return IsOneOf(type, {kTypeCash, kTypeBank});
    case 8: return type == kTypeBorrowed;
    case 9: return type == kTypeInvestment;
    case 10: return IsOneOf(type, {kTypeCash, kTypeBank});
    case 12: return type >= kTypeCash && type <= kTypeBorrowed;
    case 13: return IsOneOf(type, {kTypeCreditCard, kTypeExpense});
    case 40: return type == kTypeBank;
    case 41: return type == kTypeCash;
    case 42:
    case 43: return flag == 0;
    default: return false;
  }
}

// ---- Account types -----------------------------------------------------------------

std::string TypeName(int type) { return type > 0 && type < kTypeCount ? kTypeNames[type] : ""; }

int TypeCode(std::string_view name) {
  for (int type = 1; type < kTypeCount; ++type)
    if (name == kTypeNames[type]) return type;
  return 0;
}

bool IsPropertyType(int type) { return type >= kTypeCash && type <= kTypeCreditCard; }

// ---- Pages --------------------------------------------------------------------------

int PageOfType(int type, bool detail) {
  const int* found = std::find(std::begin(kLedgerTypes), std::end(kLedgerTypes), type);
  if (found == std::end(kLedgerTypes)) return 0;
  return (detail ? kFirstDetailPage : kFirstBalancePage) +
         static_cast<int>(found - std::begin(kLedgerTypes));
}

int TypeOfPage(int page) {
  int index = LedgerIndex(page);
  return index < 0 ? 0 : kLedgerTypes[index];
}

int PageClass(int page) {
  if (const PageInfo* info = FindPage(page)) return info->page_class;
  if (LedgerIndex(page) < 0) return 0;
  return page < kFirstBalancePage ? kClassDetail : kClassBalance;
}

std::string PageTitle(int page) {
  if (const PageInfo* info = FindPage(page)) return info->title;
  // The ledger titles are the account type's name plus the table's word.
  switch (PageClass(page)) {
    case kClassDetail: return TypeName(TypeOfPage(page)) + "明细表";
    case kClassBalance: return TypeName(TypeOfPage(page)) + "余额表";
    default: return "";
  }
}

// ---- Deposit types ------------------------------------------------------------------

int DepositCount() { return static_cast<int>(std::size(kDeposits)); }

std::string DepositName(int index) {
  return index >= 0 && index < DepositCount() ? kDeposits[index].name : "";
}

int DepositCodeAt(int index) {
  return index >= 0 && index < DepositCount() ? kDeposits[index].code : -1;
}

int DepositIndex(int code) {
  for (int index = 0; index < DepositCount(); ++index)
    if (kDeposits[index].code == code) return index;
  return -1;
}

// ---- Frequencies ----------------------------------------------------------------------

std::string FrequencyName(int code) {
  return code > 0 && code < static_cast<int>(std::size(kFrequencyNames)) ? kFrequencyNames[code]
                                                                         : "";
}

// ---- Booking form -----------------------------------------------------------------------

std::string FieldCaption(int kind, int field) {
  if (field < 0 || field >= kBookingFieldCount) return "";
  const KindInfo* info = FindKind(kind);
  const char* own =
      info && field < static_cast<int>(info->captions.size()) ? info->captions[field] : nullptr;
  std::string caption;
  if (own)
    caption = own;
  else if (field == kFieldAmount1)
    caption = "金    额";
  else if (field == kFieldDescription)
    caption = "说    明";
  return caption + "：";
}

int KindSlot(int page) {
  const PageInfo* info = FindPage(page);
  return info ? info->kind_slot : 0;
}

std::string KindSettingName(int page, bool plans) {
  int slot = KindSlot(page);
  if (slot == 0) return "";
  return StrFormat("%s%d", plans ? "AccountInputPlan" : "AccountInput", slot);
}

int AcceptedKindOffset(int page, int stored) {
  // Only an offset that names one of the page's kinds is taken over.
  int kinds = static_cast<int>(PageKinds(page).size());
  return stored >= 0 && stored < kinds ? stored : 0;
}

// ---- Voucher numbers -------------------------------------------------------------------

int VoucherYear(int number) { return number / 100000; }
int VoucherMonth(int number) { return number / 1000 % 100; }
int VoucherSequence(int number) { return number % 1000; }
int FirstNumberOfNextMonth(int number) { return number / 1000 * 1000 + 1000; }
int MonthFirstNumber(int year, int month) { return year * 100000 + month * 1000 + 1; }
int MonthLastNumber(int year, int month) {
  return MonthFirstNumber(year, month) - 1 + kMaxVouchersPerMonth;
}
int LastNumberBeforeYear(int year) { return MonthLastNumber(year - 1, 12); }

// ---- Account codes ----------------------------------------------------------------------

std::string ParentCode(std::string_view code) {
  return code.size() <= 3 ? "" : std::string(code.substr(0, code.size() - 2));
}

int CodeLevel(std::string_view code) {
  return IsValidCode(code) ? static_cast<int>(code.size() - 1) / 2 : 0;
}

bool IsValidCode(std::string_view code) {
  const std::size_t length = code.size();
  if (length < 3 || length > 3 + 2 * (kMaxLevels - 1) || length % 2 == 0) return false;
  return std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string ChildCode(std::string_view parent, int n) {
  return StrFormat("%.*s%02d", static_cast<int>(parent.size()), parent.data(), n);
}

}  // namespace cw
