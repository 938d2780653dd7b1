#pragma once
// Which module window shows a page, and what the frame does when a page is
// requested. Plain rules, no windows: the frame asks PlanRoute and carries out
// the answer.
namespace cw {

// The module windows of the frame, one per group of page classes.
enum class ModuleKind {
  kNone,
  kMain,           // CCtrlWndMain: the home page 32850
  kAccountEasy,    // daily entry: pages 32900-32908 and the search result 32999
  kAccountQuery,   // detail ledgers 32930-32937 and balance tables 32940-32947
  kAccountGraph,   // statistics 32920-32922 and the balance sheet 32950
  kAccountBudget,  // budgets 32960-32962
  kSystem,         // CCtrlWndSystem: pages 33200-33202
};

// The module of a page; kNone for a number that names no page.
ModuleKind ModuleOfPage(int page);

// The page a command shows: the page itself, or 32937/32947 for the menu
// entries 32838/32839 of the credit-card ledgers; 0 when the command shows no page.
int PageOfCommand(int command);

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
