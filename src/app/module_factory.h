#pragma once
// Makes the module window for a kind of page. Each module is added here when
// it is built; a kind without a module yields null (the frame then stays
// without a module and the page request ends). A module that carries a picture
// background gets the user's background of its window.
#include "frame/logon_profile.h"
#include "frame/module_kind.h"
#include "home/theme.h"

class QWidget;

namespace cw {

class CHmCtrlWnd;

CHmCtrlWnd* CreateModule(ModuleKind kind, const LogonProfile& profile, const ThemeColours& colours,
                         QWidget* parent);

}  // namespace cw
