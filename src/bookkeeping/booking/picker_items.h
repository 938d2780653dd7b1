#pragma once
// What the three account pickers of the booking form list for each entry
// kind: leaf accounts of the kind's account types, type by type in the order
// the kind gives and in code order within a type, each shown as its name with
// the type name in brackets on the type's background colour.
#include <string>
#include <vector>

#include "base/rgb.h"

namespace cw {

inline constexpr int kPickerCount = 3;

struct PickerItem {
  std::string code;     // Item_No
  std::string name;     // Item_Name
  std::string bracket;  // type name, shown in brackets after the name
  Rgb colour;           // background of the item
  friend bool operator==(const PickerItem&, const PickerItem&) = default;
};

// True for the kinds the booking form offers (1-3, 5-13, 40-43).
bool IsBookingKind(int kind);

// The account types picker `picker` (0-2) lists for `kind`, in listing order;
// empty for a picker the kind does not show and for any other kind.
const std::vector<int>& PickerTypes(int kind, int picker);

// Background colour of the picker items of an account type; white for a type
// outside 1-8.
Rgb TypeColour(int type);

// The items of picker `picker` for `kind` from the chart cache. Income
// accounts whose name contains "初始" come first in picker 2 of kind 1 (the
// counter-account of an opening balance) and last in picker 1 of kind 2 (an
// ordinary income).
std::vector<PickerItem> PickerItems(int kind, int picker);

// The item for an account the pickers of a kind do not list (a voucher opened
// for changing may name one): its name, type name and colour from the chart
// cache, the name empty when the account is not in the chart.
PickerItem PickerItemFor(const std::string& code);

// The item a picker shows after it was filled for `kind`: the previous
// selection when that account is still listed, else the kind's preselected
// third account (the first one whose name contains "投资" for kind 10,
// "利息" for kinds 13 and 41), else the first item; -1 for an empty list.
int SelectionAfterFill(int kind, int picker, const std::vector<PickerItem>& items,
                       const std::string& previous_code);

}  // namespace cw
