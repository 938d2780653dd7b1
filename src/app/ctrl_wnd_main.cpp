#include "app/ctrl_wnd_main.h"

#include "app/shell_navigation.h"
#include "frame/app_commands.h"
#include "home/ui/home_wnd.h"

namespace cw {

CCtrlWndMain::CCtrlWndMain(const LogonProfile& profile, const ThemeColours& colours, QWidget* parent)
    : CHmCtrlWnd(profile, parent) {
  setObjectName("homeModule");
  SetNavigation(HomeNavigation(profile.rights, profile.level));
  HomePageUser user;
  user.welcome_word = profile.welcome_word;
  user.welcome_picture = profile.welcome_picture;
  user.colours = colours;
  home_ = new CHomeWnd(user, this);
  SetDataWidget(home_);
  connect(home_, &CHomeWnd::openPage, this, &CHmCtrlWnd::LedgerRequested);
}

// The home page has one page; the frame makes a new module to show it afresh.
bool CCtrlWndMain::ShowPage(int, bool, const PageParams*) { return true; }

int CCtrlWndMain::CurrentPage() const { return cmd::kHomePage; }

std::string CCtrlWndMain::PageTitle() const { return "用户首页"; }

void CCtrlWndMain::ApplyColours(const ThemeColours& colours) {
  CHmCtrlWnd::ApplyColours(colours);
  home_->SetColours(colours);
}

}  // namespace cw
