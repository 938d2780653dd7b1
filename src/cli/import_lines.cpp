#include "cli/import_lines.h"

#include <algorithm>
#include <limits>

#include <nlohmann/json.hpp>

#include "cli/cli_error.h"
#include "cli/value_parsing.h"
#include "core/ledger_model.h"

namespace cw::cli {
namespace {

using Json = nlohmann::json;

Json ParseObject(std::string_view line) {
  Json object = Json::parse(line, nullptr, false);
  if (object.is_discarded()) throw BadInput("not a JSON object");
  if (!object.is_object()) throw BadInput("not a JSON object");
  return object;
}

// Unknown keys are refused: a misspelt "conten" must not vanish silently.
void OnlyKeys(const Json& object, std::initializer_list<std::string_view> keys, std::string_view what) {
  for (const auto& item : object.items()) {
    if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) {
      throw BadInput("unknown key \"" + item.key() + "\" in " + std::string(what));
    }
  }
}

const Json& Member(const Json& object, const char* key, std::string_view what) {
  auto it = object.find(key);
  if (it == object.end()) throw BadInput(std::string(what) + " lacks \"" + key + "\"");
  return *it;
}

std::string Text(const Json& object, const char* key, std::string_view what) {
  const Json& value = Member(object, key, what);
  if (!value.is_string()) throw BadInput(std::string("\"") + key + "\" must be text");
  return value.get<std::string>();
}

int Whole(const Json& object, const char* key, std::string_view what) {
  const Json& value = Member(object, key, what);
  if (!value.is_number_integer() || value.get<long long>() < std::numeric_limits<int>::min() ||
      value.get<long long>() > std::numeric_limits<int>::max()) {
    throw BadInput(std::string("\"") + key + "\" must be a whole number");
  }
  return value.get<int>();
}

}  // namespace

std::vector<NewAccount> ParseChartLine(std::string_view line) {
  Json header = ParseObject(line);
  OnlyKeys(header, {"accounts"}, "the chart line");
  const Json& list = Member(header, "accounts", "the chart line {\"accounts\":[...]}");
  if (!list.is_array()) throw BadInput("\"accounts\" must be a list");
  std::vector<NewAccount> accounts;
  for (const Json& item : list) {
    if (!item.is_object()) throw BadInput("an account must be an object");
    OnlyKeys(item, {"code", "name", "type"}, "an account");
    accounts.push_back({Text(item, "code", "an account"), Text(item, "name", "an account"),
                        Whole(item, "type", "an account")});
  }
  return accounts;
}

ImportedVoucher ParseVoucherLine(std::string_view line) {
  Json object = ParseObject(line);
  OnlyKeys(object, {"date", "kind", "lines", "content", "deposit"}, "a voucher");
  ImportedVoucher voucher;
  voucher.date = ParseDate(Text(object, "date", "a voucher"), "\"date\"");
  voucher.kind = Whole(object, "kind", "a voucher");
  const std::string content = object.contains("content") ? Text(object, "content", "a voucher") : "";
  if (object.contains("deposit")) {
    voucher.deposit_code = Whole(object, "deposit", "a voucher");
    if (KindStored(voucher.kind) != 40 && voucher.deposit_code != 0) throw BadInput("only a deposit (kind 40) has a deposit type");
    if (DepositIndex(voucher.deposit_code) < 0) throw BadInput("no deposit type " + std::to_string(voucher.deposit_code));
  }
  const Json& lines = Member(object, "lines", "a voucher");
  if (!lines.is_array()) throw BadInput("\"lines\" must be a list");
  for (const Json& item : lines) {
    if (!item.is_object()) throw BadInput("a voucher line must be an object");
    OnlyKeys(item, {"item", "cash", "debit"}, "a voucher line");
    const Json& cash = Member(item, "cash", "a voucher line");
    const Json& debit = Member(item, "debit", "a voucher line");
    if (!cash.is_number()) throw BadInput("\"cash\" must be a number");
    if (!debit.is_boolean()) throw BadInput("\"debit\" must be true or false");
    voucher.lines.push_back({static_cast<int>(voucher.lines.size()), content, Text(item, "item", "a voucher line"),
                             cash.get<double>(), debit.get<bool>()});
  }
  return voucher;
}

}  // namespace cw::cli
