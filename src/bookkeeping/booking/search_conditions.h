#pragma once
// The conditions of a voucher search ("记账数据查找") as one value: what the
// search dialog collects, what FindVouchers (voucher_search.h) runs and what
// the entry window shows above the results.
#include <string>

namespace cw {

enum class AmountComparison { kEqual = 0, kGreater = 1, kLess = 2, kBetween = 3 };

struct SearchConditions {
  int page = 0;  // the entry page whose kinds are searched

  bool text_on = false;  // "记账说明中包含": the description contains `text`
  std::string text;      // matched literally (% _ ' " \ are ordinary characters), ASCII
                         // letters in either case as LIKE does

  bool dates_on = false;  // "记账时间": booked from `first_day` to `last_day`, both included
  int first_day = 0;      // day numbers
  int last_day = 0;

  bool amount_on = false;  // "记账金额": the amount the page shows compares with amount1 (and amount2)
  AmountComparison comparison = AmountComparison::kEqual;
  double amount1 = 0;
  double amount2 = 0;  // upper bound of kBetween
};

// The message that refuses the conditions before anything is searched, empty
// when they can be run: a ticked text condition needs a text.
std::string CheckSearch(const SearchConditions& conditions);

// The description of the ticked conditions, e.g.
// "记账说明中包含“房租”，时间从2024-01-01到2024-03-31，金额大于100.00".
std::string DescribeSearch(const SearchConditions& conditions);

// Whether `value` passes the comparison: equal within 0.0000001, greater,
// less, or strictly between amount1 and amount2.
bool AmountPasses(const SearchConditions& conditions, double value);

// The LIKE pattern (with ESCAPE '\') that finds `text` anywhere in a
// description, every character taken literally.
std::string ContainsPattern(const std::string& text);

}  // namespace cw
