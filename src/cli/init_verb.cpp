// init: creates both data sets when missing and tells where they are.
#include "cli/cli_error.h"
#include "cli/verbs.h"
#include "core/data_sets.h"
#include "store/database.h"

namespace cw::cli {

Document RunInit(Invocation& invocation) {
  invocation.Options({});
  OpenLedger(invocation);
  if (!EnsureDataSets()) throw Failed("cannot create the data sets in " + Database::DataHome());
  return {{"data",
           Record{{{"home", "数据目录"}, Database::DataHome()},
                  {{"user_data", "用户数据"}, Database::FilePath(Database::kUserData)},
                  {{"demo_data", "演示数据"}, Database::FilePath(Database::kDemoData)}}}};
}

}  // namespace cw::cli
