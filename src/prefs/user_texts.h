#pragma once
// The fixed texts of users, rights and passwords: the messages the user sees
// and the names shown for levels, states and rights.

namespace cw::user_texts {

// Captions.
inline constexpr char kInputErrorCaption[] = "操作错误";
inline constexpr char kDeleteCaption[] = "资料删除";

// Login (string-table numbers 613, 614, 111).
inline constexpr char kFrozenLogin[] = "用户状态为冻结，不能登录。\n\n要取消冻结状态，请管理员在用户管理中更改。";
inline constexpr char kWrongPassword[] = "密码错误，请重新输入。\n\n所有用户都未设置初始密码。";
inline constexpr char kLoginHelp[] = "所有用户都未设置初始密码。";

// Adding and changing a user.
inline constexpr char kNameMissing[] = "用户名必须要输入，请输入。";
inline constexpr char kNameTaken[] = "此用户名已经存在，请输入其它的用户名！";
inline constexpr char kNameTooLong[] = "用户名不能超过20个字符（一个汉字算两个字符），请重新输入。";
inline constexpr char kPasswordTooLong[] = "密码不能超过20个字符（一个汉字算两个字符），请重新输入。";
inline constexpr char kBadLevel[] = "用户级别只能是0（管理员）或1（普通用户）。";
inline constexpr char kNoSuchUser[] = "用户不存在。";
inline constexpr char kCannotFreezeAdministrator[] = "管理员是必须保留的用户，不能冻结。";
inline constexpr char kCannotFreezeSelf[] = "不能冻结正在使用的用户。";

// Deleting users.
inline constexpr char kNothingTicked[] = "请先从表格中勾选一条或多条记录，再进行操作。";
inline constexpr char kNoRowSelected[] = "鼠标不在有效行上，请重新选择。";
inline constexpr char kConfirmDelete[] = "资料删除后将不可恢复。确实要删除吗？";
inline constexpr char kKeepAdministrator[] = "管理员是必须保留的用户，不能删除。";
inline constexpr char kUserHasData[] = "用户[%s]已经建立了账务数据,不能删除。\n\n要停用请将用户状态改为冻结。";
inline constexpr char kCannotDeleteSelf[] = "用户[%s]正在使用中，不能删除。";

// Changing the password.
inline constexpr char kOldPasswordWrong[] = "旧密码输入错误，请重新输入！";
inline constexpr char kNewPasswordMismatch[] = "新密码输入不一致，请重新输入！";
inline constexpr char kPasswordNotStored[] = "密码未能保存，请重试。";


// Levels, states and the rights text.
inline constexpr char kLevelAdministrator[] = "管理员";
inline constexpr char kLevelOrdinary[] = "普通用户";
inline constexpr char kStateActive[] = "正常";
inline constexpr char kStateFrozen[] = "冻结";
inline constexpr char kAllRights[] = "全部权限";
inline constexpr char kNoRights[] = "无";

}  // namespace cw::user_texts
