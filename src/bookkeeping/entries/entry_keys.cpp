#include "bookkeeping/entries/entry_keys.h"

#include <cstdlib>

namespace cw {
namespace {

constexpr long long kLastStatisticsKey = 299999;

int ToNumber(const std::string& text) { return static_cast<int>(std::strtoll(text.c_str(), nullptr, 10)); }

}  // namespace

EntryKey ParseEntryKey(const RowKey& row_key) {
  EntryKey key;
  const std::string text = row_key.Text();
  if (const std::size_t comma = text.find(','); comma != std::string::npos) {
    key.kind = EntryKey::kInitial;
    key.voucher = ToNumber(text.substr(0, comma));
    const std::size_t second = text.find(',', comma + 1);
    key.account = text.substr(comma + 1, second == std::string::npos ? std::string::npos : second - comma - 1);
    key.edited = second != std::string::npos;
    return key;
  }
  const long long number = std::strtoll(text.c_str(), nullptr, 10);
  key.voucher = static_cast<int>(number);
  if (number < 0) {
    key.kind = EntryKey::kGenerated;
    key.voucher = static_cast<int>(-number);
  } else if (number > kLastStatisticsKey) {
    key.kind = EntryKey::kVoucher;
  }
  return key;
}

RowKey EntryKeyOf(const EntryKey& key) {
  switch (key.kind) {
    case EntryKey::kVoucher: return VoucherRowKey(key.voucher);
    case EntryKey::kGenerated: return GeneratedRowKey(key.voucher);
    case EntryKey::kInitial: return InitialRowKey(key.voucher, key.account, key.edited);
    case EntryKey::kStatistics: break;
  }
  return RowKey(std::to_string(key.voucher));
}

RowKey VoucherRowKey(int number) { return RowKey(std::to_string(number)); }
RowKey GeneratedRowKey(int number) { return RowKey("-" + std::to_string(number)); }

RowKey InitialRowKey(int number, const std::string& account, bool edited) {
  return RowKey((number > 0 ? std::to_string(number) : std::string()) + "," + account + (edited ? ",1" : ""));
}

RowKey ShiftedKey(const RowKey& row_key, int after, bool up) {
  EntryKey key = ParseEntryKey(row_key);
  if (!key.HasVoucher() || key.voucher <= after || key.voucher / 1000 != after / 1000) return row_key;
  key.voucher += up ? 1 : -1;
  return EntryKeyOf(key);
}

void ShiftKeys(GridModel& table, int after, bool up) {
  for (int row = 0; row < table.RowCount(); ++row) {
    RowKey shifted = ShiftedKey(table.Key(row), after, up);
    if (!(shifted == table.Key(row))) table.SetKey(row, std::move(shifted));
  }
}

std::vector<int> RowsOfVoucher(const GridModel& table, int number) {
  std::vector<int> rows;
  for (int row = 0; row < table.RowCount(); ++row) {
    const EntryKey key = ParseEntryKey(table.Key(row));
    if (key.HasVoucher() && key.voucher == number) rows.push_back(row);
  }
  return rows;
}

}  // namespace cw
