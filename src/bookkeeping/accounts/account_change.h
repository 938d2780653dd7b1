#pragma once
// Changing an account ("更改"): its name, and for a credit card its settings.
// The code never changes here, and neither does a type once set; a leaf
// without a type gets its type here, so that the pages that need every leaf
// typed can be opened again.
#include <optional>
#include <string>

#include "bookkeeping/accounts/account_result.h"
#include "plans/card_cache.h"

namespace cw {

class Prompter;

// Stores the new name (refused, with the message shown, when it breaks the
// name rule or the account does not exist); with `card`, also the card's
// settings, updated when the card has them and inserted otherwise. A
// `new_type` 1-8 is the type of a leaf that has none; for any other account it
// is refused (0 leaves the type alone). One transaction.
AccountResult RenameAccount(const std::string& code, const std::string& name, Prompter& prompter,
                            const std::optional<CardSetting>& card = std::nullopt, int new_type = 0);

}  // namespace cw
