#pragma once
// The texts of the updater: its window title, stages, status lines and
// questions. "%s" is the product name.
namespace cw::patchwell {

inline constexpr char kTitle[] = "软件升级";                                  // string 1
inline constexpr char kAskStop[] = "软件正在升级，是否要停止？";              // string 2
inline constexpr char kAskStartProgram[] = "软件升级成功，是否要启动%s？";    // string 16
inline constexpr char kConnecting[] = "正在连接服务器...";                     // string 17
inline constexpr char kDownloading[] = "正在下载升级文件...";                  // string 18
inline constexpr char kReplacing[] = "正在更新升级文件...";                    // string 19
inline constexpr char kVerifying[] = "正在校验升级文件...";                    // string 21
inline constexpr char kAskCloseByHand[] =                                      // string 22
    "无法终止%s的运行，请您手动关闭%s，\n关闭后点击“是”继续软件的升级。\n\n您要继续软件的升级吗？";
inline constexpr char kAskClose[] = "升级需要更新主程序文件，是否现在关闭%s？";  // string 23

inline constexpr const char* kStageNames[] = {"连接服务器", "下载升级文件", "校验升级文件", "更新升级文件",
                                              "升级结束"};

inline constexpr char kCurrentVersion[] = "%s当前版本：%.2f";
inline constexpr char kUpgradeVersions[] = "%s 从 %.2f 升级到 %.2f 版本";
inline constexpr char kDownloadingNth[] = "共有%d个文件，正在下载第%d个文件";
inline constexpr char kReplacingNth[] = "共有%d个文件，正在更新第%d个文件";
inline constexpr char kByteCounter[] = "( %u KB / %u KB)";
inline constexpr char kAutoCheck[] = "%s启动后自动检测是否有升级版本";
inline constexpr char kStart[] = "开始升级(&S)";
inline constexpr char kStop[] = "停止(&S)";
inline constexpr char kExit[] = "退出(&X)";

}  // namespace cw::patchwell
