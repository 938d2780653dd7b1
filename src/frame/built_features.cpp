#include "frame/built_features.h"

#include <algorithm>
#include <array>

#include "frame/app_commands.h"

namespace cw {
namespace {

constexpr std::array kBuiltPages{
    cmd::kHomePage,
    cmd::kUserManagement,
    cmd::kAccountManagement,
    cmd::kDatabaseManagement,
    // The daily entry window: the entry pages and the search results.
    32900, 32901, 32902, 32903, 32904, 32905, 32906, 32907, 32908, 32999,
    // The statistics window.
    32920, 32921, 32922, 32950,
    // The budget window: income and expense budgets, the property budget.
    32960, 32961, 32962,
    // The ledger window: detail and balance tables.
    32930, 32931, 32932, 32933, 32934, 32935, 32936, 32937,
    32940, 32941, 32942, 32943, 32944, 32945, 32946, 32947,
};

constexpr std::array kBuiltCommands{
    cmd::kRelogin,  cmd::kChangePassword, cmd::kExit,    cmd::kCalculator, cmd::kHelp,
    cmd::kDailyNote, cmd::kWebSite,       cmd::kSupport, cmd::kAbout,      cmd::kBack,
    cmd::kForward,  cmd::kShowProjection, cmd::kPlans, cmd::kCreditCard,
    // 导出 and 打印 run on the table of the page shown (CHmCtrlWnd::CurrentOutput).
    cmd::kExport, cmd::kPrint,
    // The interface settings, the home page's background and the background music.
    cmd::kDisplaySettings, cmd::kBackground, cmd::kMusicPlay, cmd::kMusicPause, cmd::kMusicStop,
    cmd::kMusicInOrder, cmd::kMusicRandom, cmd::kMusicList, cmd::kMusicFolder,
    // 软件升级 starts the updater.
    cmd::kUpdate,
};

}  // namespace

bool PageBuilt(int page) { return std::ranges::find(kBuiltPages, page) != kBuiltPages.end(); }

bool CommandBuilt(int command) {
  return std::ranges::find(kBuiltCommands, command) != kBuiltCommands.end();
}

}  // namespace cw
