#include "cli/data_home.h"

#include <cstdlib>
#include <filesystem>

#include "cli/cli_error.h"
#include "cli/login.h"
#include "cli/verbs.h"
#include "cli/upgrade_answers.h"
#include "calendar/calendar.h"
#include "core/data_sets.h"
#include "core/schema_version.h"
#include "store/database.h"
#include "store/private_files.h"

namespace cw::cli {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::string ResolveDataHome(const std::optional<std::string>& option) {
  std::filesystem::path home;
  if (option) {
    home = *option;
  } else if (std::string own = Environment("COINWRIGHT_HOME"); !own.empty()) {
    home = own;
  } else if (std::string xdg = Environment("XDG_DATA_HOME"); !xdg.empty()) {
    home = std::filesystem::path(xdg) / "Coinwright";
  } else if (std::string user_home = Environment("HOME"); !user_home.empty()) {
    home = std::filesystem::path(user_home) / ".local/share/Coinwright";
  } else {
    throw BadInput("no data home: give --home DIR or set COINWRIGHT_HOME");
  }
  if (home.empty()) throw BadInput("--home needs a folder");
  if (std::string error; !MakePrivateFolder(home.string(), &error)) {
    throw Failed("cannot create the data home " + home.string() + ": " + error);
  }
  return home.string();
}

// The login reads the data set's users, so the data set is opened (and created
// when missing) first, but nothing is written to an existing file before the
// login and the verb's right have been checked: the upgrade, the layout steps
// and the other writes of an opening run only after them.
void OpenLedger(const Invocation& invocation) {
  Database::SetDataHome(ResolveDataHome(invocation.globals.home));
  const int which = invocation.globals.demo ? Database::kDemoData : Database::kUserData;
  const CliUpgradeQuestions& questions = ToolUpgradeQuestions();  // answers the upgrade's questions from now on
  if (!OpenDataSetUnchanged(which)) throw Failed("cannot open " + Database::FilePath(which));
  if (invocation.access != kNoLogin) {
    try {
      LogIn(invocation.globals);
      RequireRight(*invocation.access, invocation.usage.substr(0, invocation.usage.find(' ')));
    } catch (...) {
      Database::CloseDatabase();
      throw;
    }
  }
  if (!CheckAndUpgrade(ProgramVersion(), Today())) {
    Database::CloseDatabase();
    if (!questions.missing.empty()) {
      throw Failed(Database::FilePath(which) + " must be upgraded first, which needs " + questions.missing +
                   ": run coinwright-cli upgrade [--interest-account CODE] [--card-accounts CODE,...]");
    }
    throw Failed("cannot open " + Database::FilePath(which));
  }
}

}  // namespace cw::cli
