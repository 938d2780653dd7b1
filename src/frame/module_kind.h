#pragma once
// The module windows of the frame, and which of them shows a page. Rights,
// routing and the module factory all ask here, so a page belongs to exactly
// one module everywhere.
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

}  // namespace cw
