#pragma once
// CCtrlWndMain: the home module. Its navigation bar leads to the working areas
// and to system management; its data area is the home page CHomeWnd.
#include "frame/hm_ctrl_wnd.h"

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

  CHomeWnd* Home() const { return home_; }

 private:
  CHomeWnd* home_ = nullptr;
};

}  // namespace cw
