#pragma once
// What the frame does when a page is requested. Plain rules, no windows: the
// frame asks PlanRoute and carries out the answer.
#include "frame/module_kind.h"

namespace cw {

// Pages built again when they are requested while already shown: the search
// result 32999 and the pages of classes 3, 4, 5, 6 and 9, whose contents depend
// on what was booked meanwhile.
bool ReloadsWhenShownAgain(int page);

struct RouteState {
  int current_page = 0;                     // 0 before the first page
  ModuleKind current_module = ModuleKind::kNone;
  bool all_leaves_typed = true;             // the chart cache's test
};

struct RouteDecision {
  enum Action {
    kIgnore,        // nothing happens
    kKeepModule,    // the current module shows the page
    kNewModule,     // the current module (if any) is destroyed and `module` created
  };
  Action action = kIgnore;
  ModuleKind module = ModuleKind::kNone;
  // The page is shown again although it is the current one.
  bool again = false;
};

// What the frame does for a request of `page`. `available` says whether the
// page's module exists in this program; an unavailable page is never shown.
//  - A ledger page (32900-32999) is ignored while some leaf account has no type.
//  - The current page requested again without `forced` is ignored, except the
//    pages that reload (above).
//  - The home page replaces any other module and is ignored while shown unless forced.
//  - Pages of the current module's class keep the module; others replace it.
RouteDecision PlanRoute(const RouteState& state, int page, bool forced, bool available);

}  // namespace cw
