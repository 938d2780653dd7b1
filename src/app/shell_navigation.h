#pragma once
// The navigation bars of the two module windows the shell itself carries: the
// home page and system management.
#include "frame/navigation_model.h"

namespace cw {

// The home module's bar: the four working areas, then "系统管理".
NavigationModel HomeNavigation(const Rights& rights, int level);
// The system-management module's bar: its three pages.
NavigationModel SystemNavigation(const Rights& rights, int level);

}  // namespace cw
