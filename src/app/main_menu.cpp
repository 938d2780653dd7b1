#include "app/main_menu.h"

#include "base/product.h"
#include "core/ledger_model.h"
#include "frame/app_commands.h"

namespace cw {
namespace {

MenuItem Command(std::string text, int command, std::string shortcut = "") {
  MenuItem item;
  item.text = std::move(text);
  item.command = command;
  item.shortcut = std::move(shortcut);
  return item;
}

MenuItem Separator() {
  MenuItem item;
  item.kind = MenuItem::kSeparator;
  return item;
}

MenuItem Submenu(std::string text, std::vector<MenuItem> items, Need need = Need::kNothing) {
  MenuItem item;
  item.kind = MenuItem::kSubmenu;
  item.text = std::move(text);
  item.items = std::move(items);
  item.need = need;
  return item;
}

// Items titled by their pages, for the submenus of "理财".
std::vector<MenuItem> PageItems(std::initializer_list<int> commands) {
  std::vector<MenuItem> items;
  for (int command : commands) {
    const int page = command == cmd::kCardDetailMenu    ? PageOfType(kTypeCreditCard, true)
                     : command == cmd::kCardBalanceMenu ? PageOfType(kTypeCreditCard, false)
                                                        : command;
    items.push_back(Command(PageTitle(page), command));
  }
  return items;
}

std::vector<MenuItem> BuildMenu() {
  return {
      Submenu("用户(&U)",
              {
                  Command("用户首页(&H)", cmd::kHomePage, "Ctrl+H"),
                  Separator(),
                  Command("重新登录(&R)...", cmd::kRelogin),
                  Command("界面设置(&I)...", cmd::kDisplaySettings),
                  Command("修改密码(&P)...", cmd::kChangePassword),
                  Submenu("背景音乐(&M)",
                          {
                              Command("播放音乐", cmd::kMusicPlay),
                              Command("暂停播放", cmd::kMusicPause),
                              Command("停止播放", cmd::kMusicStop),
                              Separator(),
                              Command("顺序播放", cmd::kMusicInOrder),
                              Command("随机播放", cmd::kMusicRandom),
                              Separator(),
                              Command("音乐文件列表(&L)...", cmd::kMusicList),
                              Command("设置音乐目录(&F)...", cmd::kMusicFolder),
                          }),
                  Separator(),
                  Command("退出(&X)", cmd::kExit),
              }),
      Submenu("理财(&F)",
              {
                  Command("初始财产录入(&I)", kPageInitial),
                  Submenu("日常记账(&C)", PageItems({32900, 32901, 32902, 32903, 32904, 32905, 32906, 32908}),
                          Need::kVoucher),
                  Separator(),
                  Submenu("明细表(&D)",
                          PageItems({32930, 32931, 32932, 32933, 32934, 32935, 32936, cmd::kCardDetailMenu}),
                          Need::kVoucherQuery),
                  Submenu("余额表(&R)",
                          PageItems({32940, 32941, 32942, 32943, 32944, 32945, 32946, cmd::kCardBalanceMenu}),
                          Need::kVoucherQuery),
                  Submenu("图表统计(G)", PageItems({32950, 32920, 32921, 32922}), Need::kVoucherGraph),
                  Separator(),
                  Submenu("预算(&A)", PageItems({32960, 32961, 32962}), Need::kBudget),
              }),
      Submenu("工具(&T)", {Command("计算器", cmd::kCalculator)}),
      Submenu("系统管理(&S)",
              {
                  Command("用户管理(&U)", cmd::kUserManagement, "Ctrl+U"),
                  Command("记账科目管理(&I)", cmd::kAccountManagement, "Ctrl+I"),
                  Command("数据库管理(&D)", cmd::kDatabaseManagement, "Ctrl+D"),
              }),
      Submenu("帮助(&H)",
              {
                  Command("帮助(&C)", cmd::kHelp, "F1"),
                  Command("每日一帖(&N)", cmd::kDailyNote),
                  Command("软件升级(&U)", cmd::kUpdate),
                  Separator(),
                  Command("访问网站(&W)", cmd::kWebSite),
                  Command("我有建议或问题(&S)", cmd::kSupport),
                  Separator(),
                  Command(std::string("关于") + kProductName + "(&A)...", cmd::kAbout),
              }),
  };
}

}  // namespace

const std::vector<MenuItem>& MainMenu() {
  static const std::vector<MenuItem> menu = BuildMenu();
  return menu;
}

bool MenuItemEnabled(const MenuItem& item, const Rights& rights, int level) {
  switch (item.kind) {
    case MenuItem::kCommand: return CommandEnabled(item.command, rights, level);
    case MenuItem::kSubmenu: return Permitted(item.need, rights, level);
    case MenuItem::kSeparator: return false;
  }
  return false;
}

}  // namespace cw
