#pragma once
// The choice made in the account selection dialog ("选择科目").
#include <string>

namespace cw {

class Prompter;

// The modes of the selection dialog, fixed when it is made.
enum class SelectMode {
  kManage = 1,      // "记账科目管理": the chart is managed, nothing is chosen
  kChoose = 2,      // any account may be chosen
  kChooseLeaf = 3,  // only a leaf may be chosen
};

// OK of the dialog with `code` selected (empty: none). In kChooseLeaf a
// non-leaf is refused with "非末级科目，请选择末级科目！" (shown); nothing
// selected is never accepted.
bool AcceptSelection(SelectMode mode, const std::string& code, Prompter& prompter);

}  // namespace cw
