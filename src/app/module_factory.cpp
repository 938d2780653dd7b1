#include "app/module_factory.h"

#include "app/ctrl_wnd_main.h"
#include "app/ctrl_wnd_system.h"
#include "bookkeeping/entries/ui/ctrl_wnd_account_easy.h"
#include "budget/ui/ctrl_wnd_account_budget.h"
#include "frame/window_backdrop.h"
#include "reports/ui/ctrl_wnd_account_graph.h"
#include "reports/ui/ctrl_wnd_account_query.h"

namespace cw {

namespace {

CHmCtrlWnd* NewModule(ModuleKind kind, const LogonProfile& profile, const ThemeColours& colours, QWidget* parent) {
  switch (kind) {
    case ModuleKind::kMain: return new CCtrlWndMain(profile, colours, parent);
    case ModuleKind::kSystem: return new CCtrlWndSystem(profile, parent);
    case ModuleKind::kAccountEasy: return new CCtrlWndAccountEasy(profile, parent);
    case ModuleKind::kAccountGraph: return new CCtrlWndAccountGraph(profile, parent);
    case ModuleKind::kAccountBudget: return new CCtrlWndAccountBudget(profile, parent);
    case ModuleKind::kAccountQuery: return new CCtrlWndAccountQuery(profile, parent);
    case ModuleKind::kNone: return nullptr;
  }
  return nullptr;
}

}  // namespace

CHmCtrlWnd* CreateModule(ModuleKind kind, const LogonProfile& profile, const ThemeColours& colours,
                         QWidget* parent) {
  CHmCtrlWnd* module = NewModule(kind, profile, colours, parent);
  if (module && module->BackgroundWindow())
    module->Backdrop()->SetBackground(LoadWindowBackground(profile.person_no, module->BackgroundWindow()));
  return module;
}

}  // namespace cw
