#pragma once
// CCtrlWndMain: the home module. Its navigation bar leads to the working areas
// and to system management; its data area is the home page CHomeWnd, over the
// user's background of window 1, which 背景图片 (743) sets.
#include "frame/hm_ctrl_wnd.h"
#include "home/window_background.h"

namespace cw {

class CHomeWnd;

class CCtrlWndMain : public CHmCtrlWnd {
  Q_OBJECT
 public:
  CCtrlWndMain(const LogonProfile& profile, const ThemeColours& colours, QWidget* parent = nullptr);

  ModuleKind Kind() const override { return ModuleKind::kMain; }
  bool ShowPage(int page, bool forced, const PageParams* replay) override;
  int CurrentPage() const override;
  std::string PageTitle() const override;
  void ApplyColours(const ThemeColours& colours) override;
  int BackgroundWindow() const override { return kHomeWindow; }

  bool HandlesCommand(int command) const override { return command == cmd::kBackground; }
  bool CommandAvailable(int command) const override { return command == cmd::kBackground; }
  void OnCommand(int command) override;

  CHomeWnd* Home() const { return home_; }

 private:
  // 背景图片: the background dialog; on OK the background is stored for the
  // user and shown at once.
  void ChooseBackground();

  CHomeWnd* home_ = nullptr;
};

}  // namespace cw
