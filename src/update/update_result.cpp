#include "update/update_result.h"

#include "base/gbk_text.h"
#include "base/product.h"

namespace cw::update {

std::string ResultText(UpdateResult result) {
  const int code = static_cast<int>(result);
  if (code >= 11 && code <= 16) return "您取消了自动升级程序。";
  switch (result) {
    case UpdateResult::kOk: return {};
    case UpdateResult::kInfoUnreadable: return "无法读取服务器上的升级信息文件。";
    case UpdateResult::kInfoIncorrect: return "升级信息文件不正确，请与软件开发商联系。";
    case UpdateResult::kDownloadFailed: return "文件下载失败。";
    case UpdateResult::kCheckFailed: return "升级文件校验错误。";
    case UpdateResult::kCannotClose: return StrFormat("无法终止%s的运行。", kProductName);
    case UpdateResult::kCannotReplace: return "无法更新文件。";
    case UpdateResult::kNotWritable:
      return StrFormat("这份%s安装在您不能写入的文件夹中，由系统的软件包管理器升级，请用软件包管理器升级。", kProductName);
    case UpdateResult::kUpToDate: return "您使用的版本已经是最新版本，不需要升级。";
    case UpdateResult::kUpdated:
    case UpdateResult::kUpdatedSelfPending: return "软件升级成功。";
    default: return {};
  }
}

}  // namespace cw::update
