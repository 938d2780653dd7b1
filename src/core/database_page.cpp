#include "core/database_page.h"

#include "base/gbk_text.h"

namespace cw {

std::vector<PageSection> DatabasePageSections(const BackupSettings& settings, const std::string& data_home) {
  const char* file = "CW.db";
  return {
      {"  备份数据库",
       StrFormat("自动备份：\n    自动备份按下面设置每天备份一次：\n    数据库自动备份到%s目录中。\n"
                 "    保留最近%d次的备份文件。\n手动备份：\n    手动备份数据库请点击备份数据库图标，在出现备份数据库"
                 "对话框后，选择备份数据库的文件夹，并输入新的数据库文件名，最后点击确定。",
                 settings.dir.c_str(), settings.retain)},
      {"  还原数据库",
       StrFormat("    还原数据库会导致您最近输入数据的丢失，请慎重操作。\n    还原数据库有两种手动方法，您可以采用其中的"
                 "一种。\n    方法1：点击还原数据库图标，在出现还原数据库对话框后选择您以前备份的数据库，再点击确定退出；\n"
                 "    方法2：将备份的数据库文件复制到%s目录中，删除或备份原有的%s文件，再将备份数据库文件名改为%s。",
                 data_home.c_str(), file, file)},
      {"  压缩数据库",
       "自动压缩：\n    Coinwright家庭理财每月自动执行一次数据库压缩。\n手动压缩：\n    手动压缩数据库请点击压缩数据库图标。"},
  };
}

}  // namespace cw
