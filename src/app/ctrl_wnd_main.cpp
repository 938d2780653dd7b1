#include "app/ctrl_wnd_main.h"

#include "app/shell_navigation.h"
#include "frame/app_commands.h"
#include "frame/window_backdrop.h"
#include "home/ui/background_dialog.h"
#include "home/ui/home_wnd.h"
#include "ui/qt_colour.h"

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
  Backdrop()->SetBaseColour(StoredColour(colours[kMainColour]));
  Backdrop()->PaintUnder(home_);
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

void CCtrlWndMain::OnCommand(int command) {
  if (command == cmd::kBackground) ChooseBackground();
}

void CCtrlWndMain::ChooseBackground() {
  CBackgroundDlg dialog(Backdrop()->Background(), Backdrop()->BaseColour(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  const WindowBackground chosen = dialog.Result();
  if (StoreWindowBackground(Profile().person_no, kHomeWindow, chosen)) Backdrop()->SetBackground(chosen);
}

}  // namespace cw
