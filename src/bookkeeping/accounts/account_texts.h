#pragma once
// The messages of the chart of accounts management, shown through the prompter.
namespace cw::account_texts {

inline constexpr char kInputErrorCaption[] = "操作错误";
inline constexpr char kDeleteCaption[] = "资料删除";
inline constexpr char kTransferCaption[] = "记账数据转移";

// Adding an account.
inline constexpr char kSiblingOfTopLevel[] =
    "不能添加所选科目的同级科目。\n\n所选科目为顶级科目，只能添加该科目的子科目。";
inline constexpr char kTooDeep[] = "科目级别最多为8级，不能再建立下级科目！";
// Every two-digit code 01-99 below the account is taken (%s: the account's code).
inline constexpr char kNoFreeChildCode[] = "科目“%s”已有99个下级科目，不能再建立下级科目！";
inline constexpr char kPositionFormat[] = "科目位置：“%s”";
inline constexpr char kBadName[] =
    "科目名称错误，请输入有效的科目名称！\n\n有效科目名称长度大于0，不得包含空格，“[”、“]”。";
inline constexpr char kMoveParentBookings[] =
    "上级科目已经有记账数据。\n\n是否将上级科目的记账数据转移到下级科目中？";
// The parent was booked on after the question was answered: the new account is
// not added, because the parent's bookings would be left on a non-leaf.
inline constexpr char kParentBookedMeanwhile[] = "上级科目已经有记账数据。";
// A code that is not in the chart (%s: the code).
inline constexpr char kNoSuchCode[] = "科目代码“%s”不存在，请重新输入！";

// Only a leaf without a type gets one when it is changed.
inline constexpr char kTypeIsFixed[] = "只有未设置科目类型的末级科目才能设置科目类型。";

// Deleting an account, in the order of the checks.
inline constexpr char kReserved[] = "此科目是系统保留科目，不能删除。";
inline constexpr char kHasSubAccounts[] = "此科目有下级科目，请先删除下级科目。";
inline constexpr char kTopLevel[] = "该科目为一级科目，不能删除！";
inline constexpr char kConfirmDelete[] = "资料删除后将不可恢复。确实要删除吗？";
inline constexpr char kHasBookings[] = "此科目已有记账数据，请将该科目下的记账数据\n转移到其他科目后再删除科目。";
inline constexpr char kHasPlans[] = "此科目已有预约记账数据，请更改或删除预约记账。";
inline constexpr char kRepaysCard[] = "此科目是信用卡的扣款科目，请先更改信用卡的扣款科目。";
inline constexpr char kMoveToParent[] = "当前科目已经有记账数据。\n\n是否将当前科目的数据转移到上级科目中？";

// Moving bookings from one leaf to another.
inline constexpr char kNotALeaf[] = "非末级科目，请输入一个末级科目！";
inline constexpr char kTypeNotSet[] = "科目类型未设置，请先设置科目类型！";
inline constexpr char kSameAccount[] = "所输入的两个科目是同一个科目，请重新输入！";
inline constexpr char kTypesDiffer[] = "两个科目的科目类型不一致，不能进行转移！";
inline constexpr char kConfirmTransfer[] = "确实要转移记账数据吗？";
inline constexpr char kTransferPlansToo[] = "是否对预约记账中科目也做此转移？";
inline constexpr char kTransferDone[] = "记账数据转移成功。";

// The selection dialog in the mode that accepts leaves only.
inline constexpr char kChooseALeaf[] = "非末级科目，请选择末级科目！";

// Shown after the name of a leaf that has no type yet.
inline constexpr char kTypeNotSetMark[] = "[科目类型未设置]";
inline constexpr char kAllAccounts[] = "所有科目";

}  // namespace cw::account_texts
