#pragma once
// The pictures a user picks for his photo and for window backgrounds: the
// file chooser's filter and the message for a file that cannot be shown.

namespace cw {

inline constexpr char kPictureFilter[] = "图片文件(BMP, JPG, GIF) (*.bmp *.jpg *.gif);;所有文件 (*.*) (*)";
inline constexpr char kBadPictureText[] = "文件格式错误，不能打开这种格式的文件。";

}  // namespace cw
