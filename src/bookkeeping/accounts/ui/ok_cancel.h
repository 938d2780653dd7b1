#pragma once
// The "确定"/"取消" buttons the account dialogs end with.
class QDialogButtonBox;

namespace cw {

class COwnDialog;

// A button box with "确定" (object name "ok", runs accept()) and "取消"
// ("cancel", runs reject()), owned by `dialog`.
QDialogButtonBox* OkCancelButtons(COwnDialog* dialog);

}  // namespace cw
