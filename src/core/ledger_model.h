#pragma once
// The ledger's code tables and the small pure functions over them: entry kinds
// (Input_Type), account types (ItemType), the debit rule, deposit types,
// frequencies, page identifiers, the booking dialog's remembered kind, voucher
// numbers and account codes. No database access; every function is total and
// answers an empty text, 0 or -1 for codes outside its table.
#include <string>
#include <string_view>
#include <vector>

namespace cw {

// ---- Entry kinds (Input_Type) ---------------------------------------------

// Kind 11 ("购物", a purchase with a credit card) exists only in the booking
// dialog of the credit-card page; it is written as kind 3.
inline constexpr int kKindPurchaseByCard = 11;
inline constexpr int kKindInitial = 1;
inline constexpr int kKindExpense = 3;
inline constexpr int kKindSale = 10;        // an investment sold: the third line is the gain or loss
inline constexpr int kKindRepayment = 13;   // a card repaid: the third line is the interest
inline constexpr int kKindDeposit = 40;
inline constexpr int kKindWithdrawal = 41;  // the third line is the interest

// Number of voucher lines: 3 for kinds 10, 13 and 41, else 2.
int LineCount(int kind);
// Name shown in lists and dialogs; empty for an unassigned code.
std::string KindName(int kind);

// The kind written to the database for a kind chosen in the booking dialog
// (11 -> 3, others unchanged).
int KindStored(int kind);
// The kind a stored voucher shows as when it is opened on `page`: a kind-3
// voucher opened on the credit-card page 32908 is a purchase (11).
int KindShownOnPage(int kind, int page);

// The kinds the booking dialog offers on an entry page, in offset order
// (32908: 11, 12, 13); empty for any other page.
std::vector<int> PageKinds(int page);
// The first kind of an entry page (offset 0), 0 for any other page.
int PageBaseKind(int page);

struct PageKind {
  int page = 0;    // entry page, 0 for an unassigned kind
  int offset = 0;  // position of the kind among PageKinds(page)
};
// Inverse of PageKinds: kind 3 -> {32900, 1}. A purchase reaches page 32908
// only as kind 11 (pass KindShownOnPage(kind, 32908) for a stored kind 3).
PageKind PageOfKind(int kind);

// Condition on Input_Type for the statements that list a page's vouchers
// (plans_only false) or plans (plans_only true), e.g.
// "Input_Type=2 OR Input_Type=3". Voucher lists of two pages take more kinds,
// appended after the page's own kinds in this order:
//   32900: 10, 41, 13  (their gain, interest and interest-expense lines are
//                       income and expense)
//   32908: 3           (purchases paid by card)
// With with_initial the condition becomes "Input_Type=1 OR (" condition ")".
// Empty for a page that is not an entry page.
std::string KindFilter(int page, bool with_initial, bool plans_only);

// ---- Debit rule -------------------------------------------------------------

// Whether a line of a voucher of `kind` on an account of `type` is a debit.
// Kinds 42 and 43 do not look at the type: `flag` 0 is the debit line. Pass the
// stored kind (KindStored): kind 11 and unassigned kinds are never a debit.
bool IsDebitFor(int kind, int type, int flag);

// ---- Account types (ItemType) -----------------------------------------------

inline constexpr int kTypeIncome = 1;
inline constexpr int kTypeExpense = 2;
inline constexpr int kTypeCash = 3;
inline constexpr int kTypeBank = 4;
inline constexpr int kTypeInvestment = 5;
inline constexpr int kTypeLent = 6;
inline constexpr int kTypeBorrowed = 7;
inline constexpr int kTypeCreditCard = 8;

// Name of an account type 1-8; empty for 0 (not set) and any other code.
std::string TypeName(int type);
// Code of a type name, comparing the whole name; 0 for any other text.
int TypeCode(std::string_view name);
// Types 3 to 8 make up the family's property (assets and liabilities).
bool IsPropertyType(int type);

// ---- Page identifiers -------------------------------------------------------

inline constexpr int kPageIncomeExpense = 32900;  // first entry page
inline constexpr int kPageInitial = 32907;
inline constexpr int kPageCreditCard = 32908;  // last entry page
inline constexpr int kPageSearchResult = 32999;

// The detail ledger (detail true, 32930...) or balance table (32940...) page of
// an account type 1-8; 0 for any other type.
int PageOfType(int type, bool detail);
// The account type of a detail or balance page; 0 for any other page.
int TypeOfPage(int page);
// Page class: 1 entry, 2 search result, 3 detail, 4 balance, 5 income and
// expense, 6 classified statistics, 7 balance sheet, 8 budgets, 9 property
// budget; 0 for an unknown identifier.
int PageClass(int page);
// Title of a page; empty for an unknown identifier.
std::string PageTitle(int page);

// ---- Deposit types (DepositCode) --------------------------------------------

// Forms and lists show the list index; the database stores the code (for a
// fixed-term deposit the term in months).
int DepositCount();
std::string DepositName(int index);  // empty outside the list
int DepositCodeAt(int index);        // -1 outside the list
int DepositIndex(int code);          // -1 for a code not in the list

// ---- Frequencies (budget fields) --------------------------------------------

// Name of a frequency code 1-7; empty for any other code.
std::string FrequencyName(int code);

// ---- Booking form -----------------------------------------------------------

// The seven captioned fields of the booking form.
enum BookingField {
  kFieldAccount1 = 0,
  kFieldAccount2 = 1,
  kFieldAccount3 = 2,
  kFieldAmount1 = 3,
  kFieldAmount2 = 4,
  kFieldDepositType = 5,
  kFieldDescription = 6,
};
inline constexpr int kBookingFieldCount = 7;

// Caption of a booking-form field for a kind, with "：" appended: the kind's
// own caption, else "金    额" (amount 1) or "说    明" (description), else
// just "：". Empty for a field number outside 0-6.
std::string FieldCaption(int kind, int field);

// The booking dialog remembers the last kind offset chosen per entry page in
// a per-user setting named by the page's slot (32900 -> 2 ... 32908 -> 10).
int KindSlot(int page);  // 0 for a page that is not an entry page
// "AccountInput<slot>" for vouchers, "AccountInputPlan<slot>" for plans; empty
// for a page that is not an entry page.
std::string KindSettingName(int page, bool plans);
// The offset to preselect from a stored setting: the stored value when it
// names one of the page's kinds (0-1, 0-2 on 32908, only 0 on the one-kind
// pages 32902, 32903, 32907), else 0.
int AcceptedKindOffset(int page, int stored);

// ---- Voucher numbers --------------------------------------------------------

// Voucher_No = year * 100000 + month * 1000 + sequence (1-999 in date order
// within the month). Voucher numbers are int everywhere: the largest,
// 999912999, fits in 32 bits.
inline constexpr int kAllVouchersFirst = 0;
inline constexpr int kAllVouchersLast = 999912999;
inline constexpr int kMaxVouchersPerMonth = 999;

int VoucherYear(int number);
int VoucherMonth(int number);
int VoucherSequence(int number);
// Sequence 0 of the following month: above every number of the month of
// `number` and below every number of later months. After December this is
// month 13 of the same year, which still sorts below the next year's January.
int FirstNumberOfNextMonth(int number);
// The range of numbers of month `month` of year `year`.
int MonthFirstNumber(int year, int month);
int MonthLastNumber(int year, int month);
// The last possible number before year `year` (December of year - 1,
// sequence 999).
int LastNumberBeforeYear(int year);

// ---- Account codes (Item_No) ------------------------------------------------

// A top-level code has 3 digits; each level below adds 2 digits ("01"-"99").
inline constexpr int kMaxLevels = 8;
// Income account used as the counter-account of initial assets.
inline constexpr char kInitialIncomeAccount[] = "502";
// Account written on the interest line of an automatic card repayment; it can
// never be deleted.
inline constexpr char kCardInterestAccount[] = "50399";

// The parent of a code: its first length - 2 characters; empty for a
// top-level code (length 3 or less).
std::string ParentCode(std::string_view code);
// 1 for a 3-digit code, one more per further 2 digits; 0 for an invalid code.
int CodeLevel(std::string_view code);
// Digits only, 3 + 2k characters with k 0 to kMaxLevels - 1.
bool IsValidCode(std::string_view code);
// Code of the n-th sub-account of `parent` (n 1-99): parent followed by two
// digits.
std::string ChildCode(std::string_view parent, int n);

}  // namespace cw
