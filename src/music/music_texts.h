#pragma once
// The texts of the background music.
namespace cw::music_texts {

inline constexpr char kNoPlayableFile[] = "此目录下没有可以播放的音乐文件。";
inline constexpr char kAskSetFolder[] = "还未设置背景音乐目录，是否要设置？";
inline constexpr char kAskFolderAgain[] = "背景音乐目录无效，是否要重新设置？";
// Shown once: the machine has no sound device, or no decoder for the files.
inline constexpr char kCannotPlay[] =
    "不能播放背景音乐：本机没有可用的声音设备，或者缺少这种音乐文件的解码器。";
inline constexpr char kFolderDialogTitle[] = "请选择有音乐的文件夹";

}  // namespace cw::music_texts
