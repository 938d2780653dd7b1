#include "bookkeeping/booking/search_conditions.h"

#include <cmath>
#include <vector>

#include "base/gbk_text.h"
#include "bookkeeping/booking/booking_texts.h"
#include "calendar/calendar.h"

namespace cw {
namespace {

constexpr double kSameAmount = 0.0000001;
constexpr char kPartSeparator[] = "，";

std::string DescribeAmount(const SearchConditions& c) {
  switch (c.comparison) {
    case AmountComparison::kEqual: return StrFormat("金额等于%.2f", c.amount1);
    case AmountComparison::kGreater: return StrFormat("金额大于%.2f", c.amount1);
    case AmountComparison::kLess: return StrFormat("金额小于%.2f", c.amount1);
    case AmountComparison::kBetween: return StrFormat("金额介于%.2f和%.2f", c.amount1, c.amount2);
  }
  return {};
}

}  // namespace

std::string CheckSearch(const SearchConditions& conditions) {
  if (conditions.text_on && conditions.text.empty()) return booking_texts::kSearchTextMissing;
  return {};
}

std::string DescribeSearch(const SearchConditions& c) {
  std::vector<std::string> parts;
  if (c.text_on) parts.push_back("记账说明中包含“" + c.text + "”");
  if (c.dates_on) parts.push_back("时间从" + IsoDate(c.first_day) + "到" + IsoDate(c.last_day));
  if (c.amount_on) parts.push_back(DescribeAmount(c));
  std::string description;
  for (const std::string& part : parts) {
    if (!description.empty()) description += kPartSeparator;
    description += part;
  }
  return description;
}

bool AmountPasses(const SearchConditions& c, double value) {
  switch (c.comparison) {
    case AmountComparison::kEqual: return std::fabs(value - c.amount1) < kSameAmount;
    case AmountComparison::kGreater: return value > c.amount1;
    case AmountComparison::kLess: return value < c.amount1;
    case AmountComparison::kBetween: return value > c.amount1 && value < c.amount2;
  }
  return false;
}

std::string ContainsPattern(const std::string& text) {
  std::string pattern = "%";
  for (char ch : text) {
    if (ch == '%' || ch == '_' || ch == '\\') pattern += '\\';
    pattern += ch;
  }
  return pattern + "%";
}

}  // namespace cw
