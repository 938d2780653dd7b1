#pragma once
// Command numbers of the main frame: menu items, toolbar buttons, navigation
// items and the messages other windows and programs send to the frame. Page
// commands are the page identifiers themselves (core/ledger_model.h), plus the
// home page and the three system-management pages below.

namespace cw::cmd {

// Pages outside the ledger's page table.
inline constexpr int kHomePage = 32850;
inline constexpr int kUserManagement = 33200;
inline constexpr int kAccountManagement = 33201;
inline constexpr int kDatabaseManagement = 33202;

// The menu entries of the two credit-card ledgers carry their own numbers and
// show the pages 32937 and 32947.
inline constexpr int kCardDetailMenu = 32838;
inline constexpr int kCardBalanceMenu = 32839;

// Menu "用户".
inline constexpr int kRelogin = 32750;
inline constexpr int kDisplaySettings = 32751;
inline constexpr int kChangePassword = 32753;
inline constexpr int kMusicPlay = 32749;
inline constexpr int kMusicPause = 32755;
inline constexpr int kMusicStop = 32760;
inline constexpr int kMusicInOrder = 32764;
inline constexpr int kMusicRandom = 32765;
inline constexpr int kMusicList = 32762;
inline constexpr int kMusicFolder = 32763;
inline constexpr int kExit = 57665;

// Menus "工具" and "帮助".
inline constexpr int kCalculator = 32761;
inline constexpr int kHelp = 32703;
inline constexpr int kDailyNote = 32741;
inline constexpr int kUpdate = 32705;
inline constexpr int kWebSite = 32701;
inline constexpr int kSupport = 32702;
inline constexpr int kAbout = 57664;

// Frame toolbar.
inline constexpr int kBack = 32758;
inline constexpr int kForward = 32759;

// Module toolbar buttons.
inline constexpr int kAdd = 701;
inline constexpr int kChange = 702;
inline constexpr int kDelete = 703;
inline constexpr int kSave = 704;
inline constexpr int kFirstAccount = 705;
inline constexpr int kPreviousAccount = 706;
inline constexpr int kNextAccount = 707;
inline constexpr int kLastAccount = 708;
inline constexpr int kFind = 709;
inline constexpr int kAudit = 710;
inline constexpr int kCancelAudit = 712;
inline constexpr int kDetails = 715;
inline constexpr int kClassChart = 720;
inline constexpr int kBackupDatabase = 725;
inline constexpr int kRestoreDatabase = 726;
inline constexpr int kCompactDatabase = 727;
inline constexpr int kMoveData = 737;
inline constexpr int kBackground = 743;
inline constexpr int kSort = 744;
inline constexpr int kPrint = 745;
inline constexpr int kShowProjection = 748;  // 显示财产预算结果
inline constexpr int kAddChildAccount = 761;
inline constexpr int kBackupSettings = 767;
inline constexpr int kAddSiblingAccount = 768;
inline constexpr int kExport = 769;
inline constexpr int kPlans = 771;
inline constexpr int kColumns = 776;
inline constexpr int kCreditCard = 777;
inline constexpr int kSurplusCurve = 820;

// Messages to the main window.
inline constexpr int kBringToFront = 1174;  // a second start of the program
inline constexpr int kRefreshModule = 1199;  // the scheduled-booking run has finished
inline constexpr int kOpenLedger = 1201;     // a link of the home page
inline constexpr int kCloseForUpdate = 2025; // the updater: close now

}  // namespace cw::cmd
