#pragma once
// What a module window keeps of a page in the frame's history: plain values,
// never a window, so an entry stays valid after its module is gone.
#include <string>
#include <vector>

namespace cw {

struct PageParams {
  std::string account;    // the account of a ledger page
  int first_voucher = 0;  // the voucher range shown
  int last_voucher = 0;
  int row = -1;           // the grid row selected when the page was left
  std::vector<int> numbers{};  // a statistics page's range record (or its cut-off)
  bool operator==(const PageParams&) const = default;
};

}  // namespace cw
