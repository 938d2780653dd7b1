#pragma once
// The lines of an import file, one JSON object per line:
//   line 1:  {"accounts":[{"code":"60101","name":"早餐","type":2}, ...]}
//   then:    {"date":"YYYY-MM-DD","kind":3,"content":"..","deposit":0,
//             "lines":[{"item":"60101","cash":12.5,"debit":true}, ...]}
// ("content" and "deposit" may be left out). The content goes on every line of
// the voucher as given. Each parser throws BadInput for a line that is not of
// this form; whether the voucher balances is CheckImportedVoucher's task.
#include <string_view>
#include <vector>

#include "cli/chart_import.h"
#include "core/voucher_import.h"

namespace cw::cli {

std::vector<NewAccount> ParseChartLine(std::string_view line);
ImportedVoucher ParseVoucherLine(std::string_view line);

}  // namespace cw::cli
