#include "app/page_routing.h"

#include "core/ledger_model.h"
#include "frame/app_commands.h"

namespace cw {

bool ReloadsWhenShownAgain(int page) {
  if (page == kPageSearchResult) return true;
  switch (PageClass(page)) {
    case 3:
    case 4:
    case 5:
    case 6:
    case 9: return true;
    default: return false;
  }
}

RouteDecision PlanRoute(const RouteState& state, int page, bool forced, bool available) {
  RouteDecision decision;
  const ModuleKind module = ModuleOfPage(page);
  if (module == ModuleKind::kNone || !available) return decision;

  // The ledger pages need every leaf typed; the home page explains why nothing
  // opens. Account management stays reachable: it is where the types are set.
  const bool ledger_page = PageClass(page) != 0;
  if (ledger_page && !state.all_leaves_typed) return decision;

  const bool same_page = page == state.current_page && state.current_module != ModuleKind::kNone;
  if (module == ModuleKind::kMain) {
    if (state.current_module == ModuleKind::kMain && !forced) return decision;
    decision.action = RouteDecision::kNewModule;
    decision.module = module;
    decision.again = same_page;
    return decision;
  }
  if (same_page && !forced && !ReloadsWhenShownAgain(page)) return decision;

  decision.module = module;
  decision.again = same_page;
  decision.action = state.current_module == module ? RouteDecision::kKeepModule : RouteDecision::kNewModule;
  return decision;
}

}  // namespace cw
