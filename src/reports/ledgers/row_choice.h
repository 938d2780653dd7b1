#pragma once
// What "详细数据" / "查看" acts on: the selected row of a ledger or day-records
// table, with the messages for a missing selection and for a statistics row.
#include <optional>
#include <string>

#include "controls/grid_model.h"

namespace cw {

class Prompter;

// The voucher number of the selected row. No selection: message 565; a row
// without a voucher number (opening, subtotal, total rows): message 619.
std::optional<int> ChosenVoucher(const GridModel& grid, Prompter& prompter);
// The account code of the selected row of a balance table; message 565 when
// none is selected.
std::optional<std::string> ChosenAccount(const GridModel& grid, Prompter& prompter);

}  // namespace cw
