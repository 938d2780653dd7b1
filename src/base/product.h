#pragma once
// Texts that name the program: window titles, the about box, the
// single-instance check, and the greeting of a user who has not written one.

namespace cw {

// String 523.
inline constexpr char kProductName[] = "Coinwright家庭理财";

// String 551: the greeting a new user starts with and the one shown when a
// user's own greeting is empty.
inline constexpr char kDefaultGreeting[] =
    "欢迎您使用Coinwright家庭理财，希望她能为您的生活带来便利。（这里是默认的用户欢迎语，您可以在菜单“用户”->“界面设置”中修改）";

}  // namespace cw
