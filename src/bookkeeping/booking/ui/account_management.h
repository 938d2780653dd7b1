#pragma once
// Account management as the booking dialogs open it from a picker's
// "设  置" button.
class QWidget;

namespace cw {

// Shows account management ("记账科目管理", CSetItem in mode 1) on the
// category of account type `type`; true when the chart was changed there, so
// that the pickers must be refilled.
bool ManageAccounts(QWidget* parent, int type);

}  // namespace cw
