#include "bookkeeping/accounts/account_selection.h"

#include "base/prompter.h"
#include "bookkeeping/accounts/account_texts.h"
#include "core/item_cache.h"

namespace cw {

bool AcceptSelection(SelectMode mode, const std::string& code, Prompter& prompter) {
  if (code.empty()) return false;
  if (mode == SelectMode::kChooseLeaf && !CItemCache::Instance().IsLeaf(code)) {
    prompter.Inform(account_texts::kChooseALeaf, account_texts::kInputErrorCaption, PromptStyle::Error);
    return false;
  }
  return true;
}

}  // namespace cw
